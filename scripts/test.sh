#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, then the sanitizer build's tests, then
# builds the Debian package and installs it into a clean Debian 12 root (scripts/package-check.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
bash scripts/sanitize.sh
bash scripts/package-check.sh build
