#!/usr/bin/env bash
# Takes the screenshots the software centres show (packaging/screenshots/*.png) from the built
# program on a virtual display: the sample card's front and its back, in a window of a fixed size.
# Usage: scripts/screenshots.sh [DISPLAY_NUMBER]   (needs xvfb, x11-utils and imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
display=":${1:-99}"
shots=packaging/screenshots
home=$(mktemp -d)
cleanup() {
  [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1

# One window of 1000 x 620 pixels showing the card at 150 %, without the grid.
shoot() { # SIDE_TAB OUTPUT
  cp data/CardDef.Def "$home/"
  printf '[Placement]\r\nPosition=0,0,1000,620\r\n[Settings]\r\nZoom=150\r\nShowGrid=0\r\n' >"$home/VELLUMAX.INI"
  DISPLAY="$display" VELLUMAX_HOME="$home" build/vellumax "$shots/yamada.vkc" >/dev/null 2>&1 &
  program=$!
  local window=""
  for _ in $(seq 50); do
    window=$(DISPLAY="$display" xwininfo -root -tree | awk '/"yamada.vkc - VELLUMIA"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "the window did not open" >&2; exit 1; }
  sleep 2
  if [ "$1" = back ]; then
    # The 裏面 tab sits right of the 表面 tab, below the tool bar.
    DISPLAY="$display" xdotool mousemove --window "$window" 72 62 click 1
    sleep 1
  fi
  DISPLAY="$display" import -window "$window" "$2"
  kill "$program"
  wait "$program" 2>/dev/null || true
  program=""
}
shoot front "$shots/card.png"
shoot back "$shots/back.png"
echo "Wrote $shots/card.png and $shots/back.png"
