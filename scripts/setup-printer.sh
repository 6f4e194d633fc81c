#!/usr/bin/env bash
# Makes sure the CUPS scheduler runs and offers the PDF printer that the printing tests print to.
# Quick when both are there. Never fails the run: without them the CUPS tests skip themselves.
set -uo pipefail
queue=VellumiaPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
  echo "setup-printer: CUPS is not installed; printing through CUPS is not tested"
  exit 0
fi
running() { timeout 10 lpstat -r 2>/dev/null | grep -q 'is running'; }
if ! running; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup-printer: cupsd is not running and only root can start it"
    exit 0
  fi
  # cupsd puts itself in the background once its socket is ready.
  timeout 20 cupsd || true
  for _ in $(seq 1 100); do running && break; sleep 0.1; done
  if ! running; then
    echo "setup-printer: cupsd did not start; printing through CUPS is not tested"
    exit 0
  fi
fi
if ! timeout 10 lpstat -p "$queue" >/dev/null 2>&1; then
  if [ ! -f "$ppd" ]; then
    ppd=""
    model=$(timeout 30 lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  fi
  if [ -n "$ppd" ]; then
    timeout 30 lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
  elif [ -n "${model:-}" ]; then
    timeout 30 lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" 2>/dev/null
  fi
  if timeout 10 lpstat -p "$queue" >/dev/null 2>&1; then
    echo "setup-printer: added the PDF printer $queue"
  else
    echo "setup-printer: could not add the PDF printer $queue; printing through CUPS is not tested"
  fi
fi
exit 0
