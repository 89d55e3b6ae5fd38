#!/bin/sh
# Sets up what it needs, builds both targets and says where the outputs are.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
echo
echo "Windows core library: build/windows/liborvik_core.a"
echo "Native tests:         build/native/tests/native/orvik_native_tests"
