#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, then each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
VELLUMIA_TEST_PACKAGES=1 scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)")
scripts/fuzz.sh
