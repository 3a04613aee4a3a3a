#!/usr/bin/env bash
# No block of an integrate file (the kernel block, each address space) may
# open two objects under one number. Checks every expected integrate file of
# the golden suite (which the golden cases compare with the program's output
# byte for byte) and the integrate file of the example configuration.
# Usage: unique_object_numbers.sh <cfgxlate> <golden dir> <example xml>
set -u
cfgxlate=$1 golden=$2 example=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$cfgxlate" -outputdir "$scratch" "$example" >/dev/null || { echo "FAIL: example does not translate"; exit 1; }

files=$(find "$golden" -path '*/expected/*' -name '*.int'; ls "$scratch"/*.int)
[ -n "$files" ] || { echo "FAIL: no integrate file found"; exit 1; }

status=0
for file in $files; do
  awk -v file="$file" '
    /^Kernel$/ || /^AddressSpace\t/ { block = $0; split("", seen); next }
    /^\tObject\t/ {
      if (seen[$2]++) { printf "FAIL: %s: %s: object %s opened twice\n", file, block, $2; bad = 1 }
    }
    END { exit bad }' "$file" || status=1
done
[ $status -eq 0 ] && echo "checked: $(echo "$files" | wc -l) integrate files"
exit $status
