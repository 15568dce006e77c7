#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd "${ZAF_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600 -j2
