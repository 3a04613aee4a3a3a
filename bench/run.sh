#!/usr/bin/env bash
# The benchmark (not a timed test). On one generated module it prints the
# translator's time next to what reading and writing the same bytes costs:
# `xmllint --stream --noout` on the input and `cat` of the produced outputs
# into one new file; the ratio translator / (xmllint + cat); peak memory as a
# multiple of the input size; and the time for twice the input.
# usage: bash bench/run.sh [partitions] [objects] [build-directory]
set -euo pipefail
partitions=${1:-254}
objects=${2:-1000}
build=${3:-build-bench}
cd "$(dirname "$0")/.."
command -v xmllint >/dev/null || { echo "bench: xmllint is needed (apt-get install libxml2-utils)"; exit 1; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCFGXLATE_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target cfgxlate cfgxlate_bench_gen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
median3() { printf '%s\n' "$@" | sort -g | sed -n 2p; }

# Seconds of one run of a command; its status must be 0. Earlier runs'
# files are flushed first, so that their writing out does not land in the
# time of this one.
timed() {
  local start end
  sync
  start=$(now)
  if ! "$@" > "$work/out.log" 2> "$work/err.log"; then
    echo "bench: failed: $*"; head -5 "$work/err.log"; exit 1
  fi
  end=$(now)
  echo "$end - $start" | bc -l
}

# Each run writes into an empty directory, as cat writes a new file: a file
# system may spend extra time on a rename that replaces an older file (ext4
# starts writing the new file out at once), which is not the translator's
# work. `replace` measures that case too.
translate() {  # input [replace] -> seconds (median of 3); peak KB in $work/peak
  local input=$1 replace=${2:-} runs=()
  for i in 1 2 3; do
    if [ -z "$replace" ] || [ ! -d "$work/out" ]; then rm -rf "$work/out" && mkdir "$work/out"; fi
    runs+=("$(timed /usr/bin/time -f '%M' -o "$work/peak" "$build/cfgxlate" -outputdir "$work/out" "$input")")
  done
  median3 "${runs[@]}"
}

"$build/bench/cfgxlate_bench_gen" "$partitions" "$objects" > "$work/in.xml"
"$build/bench/cfgxlate_bench_gen" "$partitions" $((objects * 2)) > "$work/in2.xml"
input_bytes=$(stat -c %s "$work/in.xml")
input2_bytes=$(stat -c %s "$work/in2.xml")

translator=$(translate "$work/in.xml")
peak_kb=$(cat "$work/peak")
output_bytes=$(cat "$work/out"/* | wc -c)
xml=()
copy=()
for i in 1 2 3; do
  xml+=("$(timed xmllint --stream --noout "$work/in.xml")")
  rm -f "$work/copy"
  copy+=("$(timed sh -c "cat '$work/out'/* > '$work/copy'")")
done
xmllint_s=$(median3 "${xml[@]}")
cat_s=$(median3 "${copy[@]}")
translator_replacing=$(translate "$work/in.xml" replace)
translator2=$(translate "$work/in2.xml")

printf 'machine: %s, %s cores\n' "$(uname -m)" "$(nproc)"
printf 'input: %d partitions x %d objects, %.1f MB; outputs %.1f MB\n' "$partitions" "$objects" \
  "$(echo "$input_bytes / 1000000" | bc -l)" "$(echo "$output_bytes / 1000000" | bc -l)"
printf '%-34s %8.3f s\n' "translator (median of 3)" "$translator"
printf '%-34s %8.3f s\n' "translator replacing its outputs" "$translator_replacing"
printf '%-34s %8.3f s\n' "xmllint --stream --noout (median)" "$xmllint_s"
printf '%-34s %8.3f s\n' "cat of the outputs (median)" "$cat_s"
printf '%-34s %8.2f\n' "ratio translator/(xmllint+cat)" "$(echo "$translator / ($xmllint_s + $cat_s)" | bc -l)"
printf '%-34s %8.2f (%d KiB)\n' "peak RSS / input size" "$(echo "$peak_kb * 1024 / $input_bytes" | bc -l)" "$peak_kb"
printf '%-34s %8.3f s (%.1f MB)\n' "translator on twice the objects" "$translator2" \
  "$(echo "$input2_bytes / 1000000" | bc -l)"
printf '%-34s %8.2f\n' "time ratio 2x / 1x" "$(echo "$translator2 / $translator" | bc -l)"
