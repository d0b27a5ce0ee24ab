#!/usr/bin/env bash
# Makes the Debian package lovaris_VERSION_ARCH.deb in build/ (after the build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" -j"$(nproc)" --target lovaris lovaris-cli lovaris_docs sample_school
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
ls "$BUILD_DIR"/lovaris_*.deb
