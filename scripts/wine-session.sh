#!/usr/bin/env bash
# Runs one command inside a private Wine session: its own prefix (created on first use)
# and, unless --display is given, its own Xvfb on a free display number. Everything it
# starts it stops again, whatever the command's outcome; the command's exit code is
# the script's.
#
#   wine-session.sh --prefix DIR [--template DIR] [--display] [--managed] -- COMMAND ...
#     --prefix DIR   the WINEPREFIX to use (created if it does not exist yet)
#     --template DIR a prefix made the first time it is asked for and never run in:
#                    a new --prefix starts as a copy of it, which takes a moment where
#                    making a prefix takes Wine twenty seconds of work
#     --display      use the caller's $DISPLAY instead of starting an Xvfb
#     --managed      on a display of its own, keep Wine's windows as a window manager
#                    would have them (each client area an X window of its own, which
#                    a screenshot of the window takes); slower to close
set -euo pipefail

prefix=""
template=""
use_caller_display=0
managed=0
while (($#)); do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --template) template="$2"; shift 2 ;;
    --display) use_caller_display=1; shift ;;
    --managed) managed=1; shift ;;
    --) shift; break ;;
    *) echo "wine-session: unknown option $1" >&2; exit 2 ;;
  esac
done
if [[ -z "$prefix" || $# -eq 0 ]]; then
  echo "usage: wine-session.sh --prefix DIR [--template DIR] [--display] [--managed]" \
       "-- COMMAND [ARGS...]" >&2
  exit 2
fi

absolute() { mkdir -p "$(dirname "$1")" && echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
export WINEPREFIX=$(absolute "$prefix")
[[ -z "$template" ]] || template=$(absolute "$template")
export WINEARCH=win64
# Debian keeps the 64-bit loader out of PATH (/usr/bin/wine picks a loader itself and
# prefers the 32-bit one once wine32 is installed); put it within reach as wine64.
if ! command -v wine64 >/dev/null && [[ -x /usr/lib/wine/wine64 ]]; then
  export PATH="$PATH:/usr/lib/wine"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install dialogs in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if ((use_caller_display == 0)); then
  # Sessions start side by side (CI runs its Wine suites at the same time), so a free
  # number can be taken between the look and the start: Xvfb then refuses it and
  # ends, and the next number is tried.
  display=""
  for n in $(seq "${TINTWELL_FIRST_DISPLAY:-91}" 299); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      [[ -e /tmp/.X11-unix/X$n ]] && grep -qs "$xvfb_pid" "/tmp/.X$n-lock" && break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [[ -e /tmp/.X11-unix/X$n ]]; then
      display=$n
      break
    fi
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  if [[ -z "$display" ]]; then echo "wine-session: no X display could be started" >&2; exit 1; fi
  export DISPLAY=":$display"
fi

# set_up: makes $WINEPREFIX if it is not there yet and gives it what our runs need.
# Each step is skipped once done, so a prefix made earlier (or copied) costs nothing.
set_up() {
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "wine-session: creating Wine prefix $WINEPREFIX (once)" >&2
    wine64 wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi

  # Windows carries Marlett, Tahoma and the other system fonts in its Fonts folder; this
  # Wine ships them in its data folder but does not find them there, so give the prefix
  # its own copies.
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [[ -d "$fonts" ]]; then
    for f in /usr/share/wine/fonts/*.ttf; do
      [[ -e "$f" && ! -e "$fonts/$(basename "$f")" ]] && cp "$f" "$fonts/"
    done
  fi

  # Windows links its UI fonts to a Japanese one (font linking), so that a message box
  # in Tahoma still shows Japanese. A fresh prefix links nothing and shows boxes; link
  # the faces Wine draws its dialogs and message boxes with to the Japanese font.
  japanese_font="ipagp.ttf,IPAPGothic"
  if [[ -f "$WINEPREFIX/system.reg" ]] && ! grep -qF "$japanese_font" "$WINEPREFIX/system.reg"; then
    # Not `fc-list | grep -q`: under pipefail grep's early exit fails fc-list with SIGPIPE.
    if [[ -n "$(fc-list IPAPGothic file 2>/dev/null)" ]]; then
      link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
      for face in "Tahoma" "Microsoft Sans Serif" "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" \
                  "Segoe UI"; do
        wine64 reg add "$link" /v "$face" /t REG_MULTI_SZ /d "$japanese_font" /f >/dev/null 2>&1 || true
      done
      wineserver -w || true
    else
      echo "wine-session: no IPAPGothic font; message boxes will not show Japanese" >&2
    fi
  fi

  # A display of our own runs no window manager. Wine, taking one for granted, waits up
  # to two seconds for it each time a top-level window goes away (every message box,
  # every end of the picker); told the windows are its own to manage, it does not.
  x11='HKCU\Software\Wine\X11 Driver'
  if ((use_caller_display == 0 && managed == 0)); then
    if ! grep -qs '"Managed"="N"' "$WINEPREFIX/user.reg"; then
      wine64 reg add "$x11" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
      wineserver -w || true
    fi
  elif ((managed == 1)) && grep -qs '"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine64 reg delete "$x11" /v Managed /f >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

if [[ -n "$template" && ! -f "$WINEPREFIX/system.reg" ]]; then
  # Sessions side by side may ask for the template at once: one makes it, the others
  # wait. It is made under another name and renamed when whole, so that a run stopped
  # halfway leaves no template that looks finished.
  (
    flock 9
    if [[ ! -f "$template/system.reg" ]]; then
      rm -rf "$template" "$template.new"
      export WINEPREFIX=$template.new
      set_up
      mv "$template.new" "$template"
    fi
  ) 9>"$template.lock"
  rm -rf "$WINEPREFIX"
  cp -a "$template" "$WINEPREFIX"
fi
set_up

set +e
"$@"
status=$?
set -e
exit $status
