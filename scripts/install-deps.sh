#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Vellumia need.
# Quick when everything is already there: apt is asked only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n libgl-dev
  qt6-tools-dev qt6-l10n-tools
  qt6-image-formats-plugins libqrencode-dev
  libjpeg62-turbo-dev liblcms2-dev libqpdf-dev libgs-common libcsv-dev libzip-dev libharfbuzz-dev libicu-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation2 fonts-noto-cjk
  xdg-utils
  # Sheet templates of label makers, data only: the paper setup and --list-sheets offer them.
  glabels-data
)
# Making the Debian package and checking it.
if [ "${VELLUMIA_TEST_PACKAGES:-0}" = 1 ] || [ "${VELLUMIA_PACKAGE_TOOLS:-0}" = 1 ]; then
  packages+=(dpkg-dev file lintian appstream gzip)
fi
if [ "${VELLUMIA_TEST_PACKAGES:-0}" = 1 ]; then
  packages+=(xvfb xauth cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils desktop-file-utils libxml2-utils
    shared-mime-info libglib2.0-bin clang-format-14 zbar-tools groff-base bash-completion parallel qpdf ghostscript python3-pikepdf x11-utils imagemagick xdotool)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
