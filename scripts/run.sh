#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the sample school.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
exec "$BUILD_DIR/src/cli/lovaris-cli" check "$BUILD_DIR/examples/school.tbl"
