#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer (plus AddressSanitizer, with
# leak detection, and UndefinedBehaviorSanitizer) and runs it for a while on
# a corpus seeded with every end-to-end test input and every example, each
# under its own switches and a few other switch sets. Findings (crash-*,
# leak-*, timeout-*, oom-*) are left in the current directory.
# usage: bash fuzz/run.sh [seconds] [extra libFuzzer arguments...]
set -euo pipefail
seconds=${1:-60}
shift || true
caller=$PWD
cd "$(dirname "$0")/.."
root=$PWD
build=build-fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCFGXLATE_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j2 --target cfgxlate_core >/dev/null
clang++ -std=c++17 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -g -O1 -Isrc \
  fuzz/fuzz_translator.cpp "$build/libcfgxlate_core.a" -o "$build/fuzz_translator"
clang++ -std=c++17 -O1 fuzz/make_seed.cpp -o "$build/make_seed"

# Seeds: each case's files, the one its command line names first (as a.xml),
# under the case's switches and under a few other sets.
corpus=$build/corpus
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$corpus" "$seeds"
switch_sets=("-q0 -m -y" "-z -32 -i -m -r -checksum" "-f -e -t -s -a -d -g -j -n -n2" "-wa -w2 -q -k 2147483647")
seed() {  # name, switches, files...
  "$build/make_seed" "$seeds/$1" "$2" "${@:3}"
}
for case_dir in tests/golden/*/; do
  name=$(basename "$case_dir")
  [ -d "$case_dir/input" ] || continue
  args=$(cat "$case_dir/args" 2>/dev/null || true)
  files=()
  main=""
  for word in $args; do
    [[ $word == *.xml && -f $case_dir/input/$word ]] && { main=$word; break; }
  done
  [ -n "$main" ] && files+=("$case_dir/input/$main=$main")
  while IFS= read -r f; do
    [ "$f" = "$main" ] || files+=("$case_dir/input/$f=$f")
  done < <(cd "$case_dir/input" && find . -name '*.xml' -type f | sed 's|^\./||' | sort)
  [ ${#files[@]} -gt 0 ] || continue
  files=("${files[@]:0:3}")
  seed "$name" "$args" "${files[@]}"
  for i in "${!switch_sets[@]}"; do seed "$name.$i" "${switch_sets[$i]}" "${files[@]}"; done
done
for f in examples/*.xml; do
  name=example_$(basename "$f" .xml)
  seed "$name" "" "$f=$(basename "$f")"
  for i in "${!switch_sets[@]}"; do seed "$name.$i" "${switch_sets[$i]}" "$f=$(basename "$f")"; done
done

# Dictionary: the file separator, include tags, and every element and
# attribute name the reader knows.
dict=$build/translator.dict
{
  echo 'separator="\x0a@@@\x0a"'
  echo 'include="<Include FileName=\"b.xml\"/>"'
  echo 'xinclude="<xi:include href=\"c.xml\"/>"'
  echo 'included="<IncludedPartitions>"'
  echo 'includedxml="<IncludedXML>"'
  grep -o '"[A-Za-z_][A-Za-z0-9_:]*"' src/reader/vocabulary.cpp | tr -d '"' | sort -u |
    while read -r word; do
      echo "\"<$word \""
      echo "\" $word=\\\"\""
    done
} > "$dict"

cd "$caller"
"$root/$build/fuzz_translator" -max_total_time="$seconds" -max_len=24000 -timeout=10 -detect_leaks=1 \
  -dict="$root/$dict" "$@" "$root/$corpus" "$root/$seeds"
