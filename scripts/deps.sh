#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the simulator need (quiet, idempotent).
set -euo pipefail
PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libnlopt-cxx-dev libtbb-dev libgif-dev fonts-liberation desktop-file-utils
          qt6-svg-dev poppler-utils librsvg2-bin
          groff-base dpkg-dev file debootstrap debian-archive-keyring gpgv)
# qt6-svg-dev writes the SVG files; poppler-utils and librsvg2-bin let the tests render the PDF and
# SVG files back as standard viewers do. groff-base checks the manual pages; dpkg-dev
# (dpkg-shlibdeps) and file let cpack find the package's dependencies; debootstrap (checking the
# archive's signature with the keyring and gpgv) makes the clean root that scripts/package-check.sh
# installs into.
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
