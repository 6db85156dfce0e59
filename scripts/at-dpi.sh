#!/usr/bin/env bash
# Runs a command in a Wine prefix whose display scale is the given DPI: LogPixels in
# the prefix's HKCU\Control Panel\Desktop, set before the command starts (Wine can set
# only the system DPI). Meant to run inside scripts/wine-session.sh, which provides
# WINEPREFIX and DISPLAY.
#
#   at-dpi.sh DPI COMMAND [ARGS...]
set -euo pipefail
if (($# < 2)); then
  echo "usage: at-dpi.sh DPI COMMAND [ARGS...]" >&2
  exit 2
fi
dpi=$1; shift
wine=$(command -v wine64 || command -v /usr/lib/wine/wine64 || command -v wine)
key='HKCU\Control Panel\Desktop'
current=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' |
  awk '/LogPixels/ { print $3 }' || true)
if [[ "$current" != "$(printf '0x%x' "$dpi")" ]]; then
  "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
exec "$@"
