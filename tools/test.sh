#!/bin/sh
# Sets up what it needs, builds both targets and runs every test.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
ctest --test-dir build/native --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
ctest --test-dir build/windows --output-on-failure
if [ -x tests/e2e/run.sh ]; then
    tests/e2e/run.sh build/windows
fi
