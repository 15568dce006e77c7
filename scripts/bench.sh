#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the tests): the store and its rules, then the
# main window over a log of 10,000 dives.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/bench/bench_store "$@"
QT_QPA_PLATFORM=offscreen build/bench/bench_window "$@"
