#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the tests once: overflows and stray memory use that pass unnoticed in the
# plain build stop here.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# Without the folder in the hash, a build in another checkout (CI's fresh clone) reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUMIA_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-asan --target vellumia_model_tests vellumia_tests vellumia_cli_tests vellumia_language_tests vellumax vellumia_docs
export QT_QPA_PLATFORM=offscreen
# Qt and the font libraries keep caches until exit that the leak check would report as lost.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
