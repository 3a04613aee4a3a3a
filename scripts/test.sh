#!/usr/bin/env bash
# Builds the translator and runs every test twice: in a plain build, and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the tests need: GoogleTest; xmllint and rsvg-convert for the schedule
# picture; ninja and make for the build-system test; groff for the manual.
packages=()
ls /usr/lib/*/cmake/GTest/GTestConfig.cmake /usr/lib/cmake/GTest/GTestConfig.cmake >/dev/null 2>&1 ||
  packages+=(libgtest-dev)
command -v xmllint >/dev/null || packages+=(libxml2-utils)
command -v rsvg-convert >/dev/null || packages+=(librsvg2-bin)
command -v ninja >/dev/null || packages+=(ninja-build)
command -v make >/dev/null || packages+=(make)
command -v groff >/dev/null || packages+=(groff-base)
if [ ${#packages[@]} -gt 0 ]; then
  apt-get update && apt-get install -y "${packages[@]}"
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
