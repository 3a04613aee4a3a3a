#!/usr/bin/env bash
# The shipped example configuration translates without any message, even
# with unused-attribute warnings on.
set -u
bin=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin" -wa -outputdir "$work" "$example" > "$work/.stdout" 2> "$work/.stderr"
status=$?
if [ "$status" -ne 0 ] || [ -s "$work/.stderr" ] || [ -s "$work/.stdout" ]; then
  echo "FAIL: status $status"
  cat "$work/.stdout" "$work/.stderr"
  exit 1
fi
# Every output file of the translator is exercised by the example.
for file in module.int object_table.s kernel_additions.ld module_hm_table.s shadow_table.s client_table.s; do
  if [ ! -s "$work/$file" ]; then
    echo "FAIL: $file missing or empty"
    exit 1
  fi
done
# The golden copy of the example must be the example itself.
if ! cmp -s "$example" "$(dirname "$0")/golden/example/input/module.xml"; then
  echo "FAIL: tests/golden/example/input/module.xml differs from $example"
  exit 1
fi
