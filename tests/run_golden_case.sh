#!/usr/bin/env bash
# Runs one end-to-end case: copies <case>/input into a scratch directory, runs
# the command there with the arguments in <case>/args (one line, split on
# blanks), and compares the exit status with <case>/status, standard error
# with <case>/stderr (empty when absent), standard output with <case>/stdout
# (empty when absent), and the files the run left behind with <case>/expected.
set -u
bin=$1
case_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/run"
[ -d "$case_dir/input" ] && cp -R "$case_dir/input/." "$work/run/"
(cd "$work/run" && find . -type f | sort) > "$work/inputs"
args=()
[ -f "$case_dir/args" ] && read -r -a args < "$case_dir/args"
(cd "$work/run" && "$bin" "${args[@]}" > "$work/stdout" 2> "$work/stderr")
echo $? > "$work/status"

failed=0
compare() {  # expected actual what
  if ! cmp -s "$1" "$2"; then
    echo "FAIL: $3 differs"
    diff -u "$1" "$2" | head -n 40
    failed=1
  fi
}
empty=$work/empty
: > "$empty"
compare "$case_dir/status" "$work/status" "exit status"
compare "$( [ -f "$case_dir/stderr" ] && echo "$case_dir/stderr" || echo "$empty")" "$work/stderr" "standard error"
compare "$( [ -f "$case_dir/stdout" ] && echo "$case_dir/stdout" || echo "$empty")" "$work/stdout" "standard output"

# Every output file, and no other, must match.
(cd "$work/run" && find . -type f | sort) | comm -13 "$work/inputs" - > "$work/produced"
if [ -d "$case_dir/expected" ]; then
  (cd "$case_dir/expected" && find . -type f | sort) > "$work/wanted"
else
  : > "$work/wanted"
fi
compare "$work/wanted" "$work/produced" "set of output files"
while IFS= read -r f; do
  [ -f "$work/run/$f" ] && compare "$case_dir/expected/$f" "$work/run/$f" "output file $f"
done < "$work/wanted"
exit $failed
