#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
# The Debian package, unpacked into a scratch root and tried.
bash scripts/package.sh
bash scripts/check-package.sh
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
