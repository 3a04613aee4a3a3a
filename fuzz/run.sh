#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for a while on a corpus seeded
# with the end-to-end test inputs.
# usage: bash fuzz/run.sh [seconds]
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
build=build-fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -g -O1"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCFGXLATE_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j2 --target cfgxlate_core >/dev/null
clang++ -std=c++17 -fsanitize=fuzzer,address,undefined -g -O1 -Isrc fuzz/fuzz_translator.cpp \
  "$build/libcfgxlate_core.a" -o "$build/fuzz_translator"
corpus=$build/corpus
mkdir -p "$corpus"
for f in tests/golden/*/input/*.xml examples/*.xml; do
  [ -f "$f" ] && { printf '\000'; cat "$f"; } > "$corpus/$(echo "$f" | tr '/' '_')"
done
"$build/fuzz_translator" -max_total_time="$seconds" -max_len=20000 -timeout=10 "$corpus"
