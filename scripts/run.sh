#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the default home
# (or the one given with --home DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/zaf "$@"
