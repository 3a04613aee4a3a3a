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
