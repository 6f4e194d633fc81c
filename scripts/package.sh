#!/usr/bin/env bash
# Makes the Debian package vellumia_<version>_<arch>.deb in this folder from a clean tree: installs
# what is missing, builds the program in build-package/, packs it with CPack and checks
# it with lintian. It builds as build/ does, so that the two share the compiler cache; the package
# holds the program stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
VELLUMIA_PACKAGE_TOOLS=1 scripts/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$PWD"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build-package --target vellumax vellumia_icons vellumia_docs
rm -f build-package/vellumia_*.deb
(cd build-package && cpack -G DEB)
mv build-package/vellumia_*.deb .
deb=$(ls -t vellumia_*.deb | head -n 1)
lintian --fail-on error "$deb"
echo "$deb"
