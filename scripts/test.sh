#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, runs every test, then each fuzz target
# briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
VELLUMIA_TEST_PACKAGES=1 scripts/install-deps.sh
scripts/format-check.sh
scripts/build.sh
# CI prints through a real CUPS queue; elsewhere the CUPS tests skip unless the printer is set up.
if [ "${CI:-}" = true ] || [ "${VELLUMIA_SETUP_PRINTER:-0}" = 1 ]; then
  scripts/setup-printer.sh
fi
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)")
# CI runs the tests once more under the address and undefined-behaviour sanitizers.
if [ "${CI:-}" = true ] || [ "${VELLUMIA_SANITIZE:-0}" = 1 ]; then
  scripts/sanitize.sh
fi
scripts/fuzz.sh
