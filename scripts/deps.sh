#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the simulator need (quiet, idempotent).
set -euo pipefail
PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libnlopt-cxx-dev libtbb-dev libgif-dev fonts-liberation desktop-file-utils
          qt6-svg-dev poppler-utils librsvg2-bin)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
