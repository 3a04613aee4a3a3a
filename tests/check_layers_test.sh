#!/usr/bin/env bash
# Shows that the layer check catches what it is for, on a copy of src/:
# an include of a higher layer, and a cycle between two handler folders.
# usage: bash tests/check_layers_test.sh SRC_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=${1:?usage: check_layers_test.sh SRC_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cp -r "$src" "$work/src"
bash "$here/check_layers.sh" "$work/src" > "$work/out" || fail "the tree as it is does not pass: $(cat "$work/out")"

# The reader reaching up into the generators.
target=$work/src/reader/attributes.cpp
line=$(($(wc -l < "$target") + 1))
echo '#include "gen/output_file.h"' >> "$target"
if bash "$here/check_layers.sh" "$work/src" > "$work/out"; then fail "an upward include passed"; fi
grep -qxF "reader/attributes.cpp:$line: includes \"gen/output_file.h\" from a higher layer (gen above reader)" \
  "$work/out" || fail "the upward include is not named: $(cat "$work/out")"

# Channels already read partitions; partitions reading channels closes a loop.
rm -rf "$work/src" && cp -r "$src" "$work/src"
echo '#include "channels/port_index.h"' >> "$work/src/partitions/ports.cpp"
if bash "$here/check_layers.sh" "$work/src" > "$work/out"; then fail "a cycle passed"; fi
grep -q '^include cycle between folders of one layer:' "$work/out" || fail "the cycle is not reported: $(cat "$work/out")"
grep -qx '  channels' "$work/out" && grep -qx '  partitions' "$work/out" || fail "the cycle's folders are not named: $(cat "$work/out")"

echo "layer check catches upward includes and cycles"
