#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator in its run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
cd build/run
exec ../app/zepharin
