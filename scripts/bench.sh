#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/bench/bench_store "$@"
