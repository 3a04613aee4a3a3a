#!/usr/bin/env bash
# Keeps every include of the translator pointing down (or sideways) in the
# layer order below, and the folders of one layer free of include cycles.
# usage: bash tests/check_layers.sh SRC_DIR
# Prints one line per offending include (FILE:LINE: ...) and exits 1.
set -euo pipefail

# Lowest first. Folders on one line form one layer: they may include each
# other, as long as no cycle forms between them.
LAYERS=(
  "util"
  "model"
  "core"
  "reader"
  "partitions hm schedules channels"
  "module"
  "gen"
  "driver"
)

src=${1:?usage: check_layers.sh SRC_DIR}
cd "$src"

declare -A layer_of
for i in "${!LAYERS[@]}"; do
  for folder in ${LAYERS[$i]}; do layer_of[$folder]=$i; done
done

# The unit a file belongs to for the cycle check: its folder, and below gen/
# its sub-folder (object tables, integrate file, side tables).
unit_of() {
  local path=$1 top=${1%%/*}
  local rest=${path#*/}
  if [[ $top == gen && $rest == */* ]]; then echo "gen/${rest%%/*}"; else echo "$top"; fi
}

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  file=${file#./}
  from_folder=${file%%/*}
  from_layer=${layer_of[$from_folder]:-}
  if [[ -z $from_layer ]]; then
    echo "$file: folder '$from_folder' is in no layer"
    status=1
    continue
  fi
  while IFS=: read -r line target; do
    to_folder=${target%%/*}
    to_layer=${layer_of[$to_folder]:-}
    if [[ $target != */* || -z $to_layer ]]; then
      echo "$file:$line: includes \"$target\", which is in no layer"
      status=1
    elif ((to_layer > from_layer)); then
      echo "$file:$line: includes \"$target\" from a higher layer ($to_folder above $from_folder)"
      status=1
    elif ((to_layer == from_layer)); then
      from_unit=$(unit_of "$file")
      to_unit=$(unit_of "$target")
      [[ $from_unit != "$to_unit" ]] && echo "$from_unit $to_unit" >> "$edges"
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed -E 's/^([0-9]+):.*include[[:space:]]*"([^"]*)".*/\1:\2/')
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

# tsort names the folders of a cycle on standard error.
if ! sort -u "$edges" | tsort > /dev/null 2> "$edges.loop"; then
  echo "include cycle between folders of one layer:"
  grep -v '^tsort: -: input contains a loop:' "$edges.loop" | sed 's/^tsort: /  /'
  status=1
fi
rm -f "$edges.loop"
exit $status
