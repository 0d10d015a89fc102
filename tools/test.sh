#!/usr/bin/env bash
# Builds the program and its tests, then runs the whole suite. Called by the README's test
# command and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure
