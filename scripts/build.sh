#!/usr/bin/env bash
# Configures (once) and builds the program, the tests and the benchmarks with Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZAF_BUILD_DIR:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"
