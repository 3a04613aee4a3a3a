#!/usr/bin/env bash
# The CMake example under examples/cmake, built with Ninja and with Makefiles:
# the first build translates, a second does nothing, and touching the
# included schedule file translates again through the depfile.
set -u
bin=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# A copy, so that touching the include leaves the sources alone.
cp -R "$examples/cmake" "$work/src"
generators=("Unix Makefiles")
command -v ninja >/dev/null && generators+=("Ninja") || fail "ninja is not installed"
for generator in "${generators[@]}"; do
  build="$work/build-${generator// /_}"
  if ! cmake -S "$work/src" -B "$build" -G "$generator" -DCFGXLATE="$bin" > "$work/log" 2>&1; then
    fail "$generator: configure"; cat "$work/log"; continue
  fi
  cmake --build "$build" > "$work/log" 2>&1 || { fail "$generator: first build"; cat "$work/log"; continue; }
  grep -q "Translating module.xml" "$work/log" || fail "$generator: first build did not translate"
  [ -f "$build/module.int" ] || fail "$generator: no integrate file"
  grep -qx " $work/src/schedule.xml" "$build/module.d" || fail "$generator: depfile lacks the include"
  cmake --build "$build" > "$work/log" 2>&1
  grep -q "Translating module.xml" "$work/log" && fail "$generator: an up-to-date build translated again"
  sleep 1
  touch "$work/src/schedule.xml"
  cmake --build "$build" > "$work/log" 2>&1
  grep -q "Translating module.xml" "$work/log" || fail "$generator: editing the include did not translate again"
done
exit $failed
