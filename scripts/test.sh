#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan in its own build
# directory, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export ZAF_BUILD_DIR=${ZAF_BUILD_DIR:-build-test}
scripts/build.sh -DZAF_SANITIZE=ON
cd "$ZAF_BUILD_DIR"
ctest --output-on-failure --timeout 600 -j2
