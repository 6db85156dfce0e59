#!/usr/bin/env bash
# Sets up what is missing, builds Tintwell for Windows x86-64 and starts the picker
# under Wine. With a display ($DISPLAY) the window opens there and the script waits
# until it is closed. Without one (a server, CI) it starts a virtual display, lets the
# picker come up, saves a screenshot of its window to build/tintwell-screenshot.png,
# says so, and closes it again (scripts/update-readme-picture.sh makes the README's
# picture from it).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j"$(nproc)" --target tintwell dyeplate

exe="$PWD/build/mingw-x86_64/bin/tintwell.exe"
prefix="$PWD/build/mingw-x86_64/wineprefix-run"

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Tintwell on $DISPLAY"
  exec scripts/wine-session.sh --prefix "$prefix" --display -- wine64 "$exe"
fi

shot="$PWD/build/tintwell-screenshot.png"
echo "No display found: starting Tintwell on a virtual display"
scripts/wine-session.sh --prefix "$prefix" --managed -- bash -c '
  wine64 "$1" &
  pid=$!
  for _ in $(seq 1 120); do
    xdotool search --name "^Tintwell$" >/dev/null 2>&1 && break
    sleep 0.5
  done
  if ! xdotool search --name "^Tintwell$" >/dev/null 2>&1; then
    echo "Tintwell did not open a window" >&2
    kill "$pid" 2>/dev/null
    exit 1
  fi
  sleep 2
  window=$(xdotool search --name "^Tintwell$" | head -n 1)
  import -window "$window" "$2"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 0
' run "$exe" "$shot"
echo "Tintwell ran; screenshot of its window saved to $shot"
