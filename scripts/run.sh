#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the sample school.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
program=("$BUILD_DIR/src/ui/lovaris" "$BUILD_DIR/examples/school.tbl")
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "${program[@]}"
fi
# No display: run on a virtual one.
exec xvfb-run -a "${program[@]}"
