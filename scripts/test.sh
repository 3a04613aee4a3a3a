#!/usr/bin/env bash
# Builds the translator and runs every test twice: in a plain build, and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! ls /usr/lib/*/cmake/GTest/GTestConfig.cmake /usr/lib/cmake/GTest/GTestConfig.cmake >/dev/null 2>&1; then
  apt-get update && apt-get install -y libgtest-dev
fi
# The schedule-picture test checks its SVG with xmllint and renders it.
if ! command -v xmllint >/dev/null || ! command -v rsvg-convert >/dev/null; then
  apt-get update && apt-get install -y libxml2-utils librsvg2-bin
fi

jobs=$(nproc 2>/dev/null || echo 2)
build() {  # directory, extra cmake arguments...
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}
build build
build build-sanitize -DCFGXLATE_SANITIZE=ON
