#!/usr/bin/env bash
# The window as it first opens with default settings at 96 dpi, taken as the run
# command takes it, must be the README's picture pixel for pixel: any change that
# shows in it is a change of the window a user sees, and is made on purpose, with the
# picture refreshed (scripts/update-readme-picture.sh). Meant to run inside
# scripts/wine-session.sh --managed, which provides WINEPREFIX and DISPLAY.
#
#   window_picture_test.sh TINTWELL_EXE PICTURE SCREENSHOT
set -uo pipefail
if (($# != 3)); then
  echo "usage: window_picture_test.sh TINTWELL_EXE PICTURE SCREENSHOT" >&2
  exit 2
fi
exe=$1 picture=$2 shot=$3
wine=$(command -v wine64 || command -v /usr/lib/wine/wine64)
rm -f "$shot"
"$wine" "$exe" &
pid=$!
window=
for _ in $(seq 1 120); do
  window=$(xdotool search --name "^Tintwell$" 2>/dev/null | head -n 1)
  [[ -n $window ]] && break
  sleep 0.5
done
if [[ -z $window ]]; then
  echo "Tintwell did not open a window" >&2
  kill "$pid" 2>/dev/null
  exit 1
fi
# The window must come to look as the picture; on a loaded machine its
# first paint can take a while, so it is looked at once a second for up to 30 s, and
# what it showed last is what a failure reports.
size= expected=$(identify -format '%wx%h' "$picture")
differing=
for _ in $(seq 1 30); do
  sleep 1
  import -window "$window" "$shot" 2>/dev/null || continue
  size=$(identify -format '%wx%h' "$shot" 2>/dev/null)
  [[ $size == "$expected" ]] || continue
  # compare prints the count of pixels that differ at all (no fuzz) on stderr.
  differing=$(compare -metric AE "$shot" "$picture" "${shot%.png}-difference.png" 2>&1 >/dev/null)
  [[ $differing == 0 ]] && break
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [[ ! -s $shot ]]; then
  echo "no screenshot was taken" >&2
  exit 1
fi
if [[ $size != "$expected" ]]; then
  echo "the window is ${size:-of no size}, the picture $expected" >&2
  exit 1
fi
if [[ $differing != 0 ]]; then
  echo "$differing pixels differ from $picture; see ${shot%.png}-difference.png" >&2
  exit 1
fi
echo "the window matches $picture ($size, every pixel)"
