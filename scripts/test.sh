#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, then the sanitizer build's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
bash scripts/sanitize.sh
