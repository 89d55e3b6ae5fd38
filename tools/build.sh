#!/bin/sh
# Configures and builds both targets: build/native (simulated machine, tests)
# and build/windows (the 32-bit Windows program). Assumes tools/setup.sh ran.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"

cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake >/dev/null
cmake --build build/windows -j "$jobs"
