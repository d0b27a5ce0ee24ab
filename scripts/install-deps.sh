#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev fonts-dejavu-core xvfb xauth
          poppler-utils dpkg-dev man-db desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
