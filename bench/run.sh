#!/usr/bin/env bash
# Times the translator on generated configurations of growing size and
# reports wall time and peak memory, so that growth can be seen to be linear.
# usage: bash bench/run.sh [build-directory]
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target cfgxlate cfgxlate_bench_gen >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-12s %-10s %-12s %-10s\n' partitions objects seconds peak_kb
for objects in 20 40 80 160; do
  "$build/bench/cfgxlate_bench_gen" 254 "$objects" > "$work/bench.xml"
  start=$(date +%s.%N)
  if ! /usr/bin/time -f '%M' -o "$work/mem" "$build/cfgxlate" -outputdir "$work" "$work/bench.xml" \
    > /dev/null 2> "$work/err"; then
    echo "translation failed:"; head -5 "$work/err"; exit 1
  fi
  end=$(date +%s.%N)
  printf '%-12s %-10s %-12.3f %-10s\n' 254 "$objects" "$(echo "$end - $start" | bc)" "$(cat "$work/mem")"
done
