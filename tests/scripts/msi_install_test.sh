#!/usr/bin/env bash
# The per-user installer as a user meets it, in a Wine prefix made for this run only
# (a copy of the template prefix), on an X display of its own:
#   - a silent install needs no administrator and puts the files in
#     %LOCALAPPDATA%\Programs\Tintwell, the Start-menu shortcut, one entry in the
#     installed programs (version, publisher, icon) and, with the console program, its
#     folder on the user's PATH, where a new process finds it by name;
#   - the installed tintwell.exe starts and opens its window;
#   - a newer package installed over it leaves one entry, of the newer version, one
#     shortcut and the folder once on PATH; the older one then refuses to go over it;
#   - a silent uninstall leaves nothing of the program (files, folder, shortcut, entry,
#     PATH entry, the Run value it wrote) and the user's %APPDATA%\Tintwell as it was.
#
#   msi_install_test.sh --prefix DIR --template DIR MSI VERSION NEWER_MSI NEWER_VERSION
#
# The prefix is removed first and after a passing run. Inside, it runs itself again
# through scripts/wine-session.sh with --inside.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1-} != --inside ]]; then
  if (($# != 8)) || [[ $1 != --prefix || $3 != --template ]]; then
    echo "usage: msi_install_test.sh --prefix DIR --template DIR MSI VERSION NEWER_MSI NEWER_VERSION" >&2
    exit 2
  fi
  prefix=$2 template=$4
  rm -rf "$prefix"
  "$here/../../scripts/wine-session.sh" --prefix "$prefix" --template "$template" -- \
    "$0" --inside "$5" "$6" "$7" "$8"
  status=$?
  ((status == 0)) && rm -rf "$prefix"
  exit $status
fi
shift
msi=$1 version=$2 newer_msi=$3 newer_version=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

win() { wine64 "$@" 2>/dev/null | tr -d '\r'; }
# The value's data from `reg query`, empty when it is not there.
reg_value() {
  win reg query "$1" /v "$2" | awk -v name="$2" 'tolower($1) == tolower(name) { $1 = ""; $2 = ""; sub(/^  */, ""); print; exit }'
}
# Keys under the uninstall lists (the user's and the machine's, both views) that show a
# Tintwell entry: DisplayName Tintwell and not hidden as a system component.
shown_entries() {
  local root key
  for root in 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
              'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
              'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
    while read -r key; do
      [[ -n $key ]] || continue
      [[ $(reg_value "$key" DisplayName) == Tintwell ]] || continue
      [[ $(reg_value "$key" SystemComponent) == 0x1 ]] && continue
      echo "$key"
    done < <(win reg query "$root" | grep -i '^HKEY')
  done
}
path_count() {
  local path=$1 folder=$2
  tr ';' '\n' <<<"$path" | sed 's/\\$//' | grep -icxF "${folder%\\}"
}

unix() { winepath -u "$1" 2>/dev/null; }
localappdata=$(win cmd /c echo %LOCALAPPDATA%)
appdata=$(win cmd /c echo %APPDATA%)
folder="$localappdata\\Programs\\Tintwell"
folder_unix=$(unix "$folder")
shortcut_unix=$(unix "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Tintwell.lnk")
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwell'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
if [[ -z $folder_unix || -z $shortcut_unix ]]; then
  echo "the prefix names no user folders ($localappdata, $appdata)" >&2
  exit 1
fi

# What the user keeps, which no install or uninstall may touch.
kept_unix=$(unix "$appdata\\Tintwell")
mkdir -p "$kept_unix"
printf '#1A2B3C\r\n#FFFFFF\r\n' >"$kept_unix/history.txt"
printf '[settings]\r\nkeep=1\r\n' >"$kept_unix/settings.ini"
printf 'Color.FromArgb({r}, {g}, {b})\r\n' >"$kept_unix/formats.txt"
kept_before=$(cd "$kept_unix" && sha256sum history.txt settings.ini formats.txt)

# With the console program in the package, its folder goes on PATH.
with_cli=0
# Not `| grep -q`: under pipefail grep's early exit fails msiinfo with SIGPIPE.
[[ $(msiinfo export "$msi" File) == *tintwell-cli.exe* ]] && with_cli=1
user_path_before=$(reg_value 'HKCU\Environment' PATH)

echo "--- install $version"
win msiexec /i "$(winepath -w "$msi")" /qn
status=${PIPESTATUS[0]}
wineserver -w
[[ $status == 0 ]] && pass "msiexec /i exited 0" || fail "msiexec /i exited $status"
expected_files=(LICENSE README.txt dyeplate.dll tintwell.exe)
((with_cli)) && expected_files+=(tintwell-cli.exe)
for file in "${expected_files[@]}"; do
  [[ -f $folder_unix/$file ]] || fail "$file is not in $folder"
done
installed=$(cd "$folder_unix" 2>/dev/null && ls | sort | tr '\n' ' ')
expected=$(printf '%s\n' "${expected_files[@]}" | sort | tr '\n' ' ')
[[ $installed == "$expected" ]] && pass "the folder holds $installed" ||
  fail "the folder holds '$installed', not '$expected'"
[[ -f $shortcut_unix ]] && pass "Start-menu shortcut" || fail "no Start-menu shortcut at $shortcut_unix"
[[ $(reg_value "$entry" DisplayVersion) == "$version" ]] && pass "entry of version $version" ||
  fail "the entry's version is '$(reg_value "$entry" DisplayVersion)', not $version"
[[ $(reg_value "$entry" Publisher) == Tintwell ]] || fail "the entry names no publisher"
[[ $(reg_value "$entry" DisplayIcon) == "$folder\\tintwell.exe,0" ]] ||
  fail "the entry's icon is '$(reg_value "$entry" DisplayIcon)'"
[[ $(reg_value "$entry" UninstallString) == MsiExec.exe\ /X\{* ]] ||
  fail "the entry's uninstall command is '$(reg_value "$entry" UninstallString)'"
entries=$(shown_entries)
[[ $(grep -c . <<<"$entries") == 1 ]] && pass "one entry in the installed programs" ||
  fail "entries shown: ${entries:-none}"
user_path=$(reg_value 'HKCU\Environment' PATH)
if ((with_cli)); then
  [[ $(path_count "$user_path" "$folder") == 1 ]] && pass "the folder is on the user's PATH" ||
    fail "the user's PATH is '$user_path'"
  # The user's own entries stay, before the new one.
  [[ -z $user_path_before || $user_path == "$user_path_before"* ]] ||
    fail "the user's PATH was '$user_path_before', is '$user_path'"
  # A new process, once the server has read the environment again, finds it by name.
  wineserver -k; wineserver -w
  win cmd /c 'tintwell-cli --help' >/dev/null
  status=${PIPESTATUS[0]}
  [[ $status == 0 ]] && pass "tintwell-cli found by name" || fail "cmd /c tintwell-cli --help: $status"
else
  [[ $(path_count "$user_path" "$folder") == 0 ]] || fail "the folder is on PATH without the console program"
  echo "(no console program in this build: no PATH entry expected)"
fi

echo "--- the installed program starts"
wine64 "$folder_unix/tintwell.exe" >/dev/null 2>&1 &
pid=$!
window=
for _ in $(seq 1 120); do
  window=$(xdotool search --name "^Tintwell$" 2>/dev/null | head -n 1)
  [[ -n $window ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
[[ -n $window ]] && pass "tintwell.exe opened its window" || fail "the installed tintwell.exe opened no window"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
wineserver -k; wineserver -w

echo "--- install $newer_version over it"
win msiexec /i "$(winepath -w "$newer_msi")" /qn
status=${PIPESTATUS[0]}
wineserver -w
[[ $status == 0 ]] && pass "msiexec /i of the newer one exited 0" || fail "msiexec /i (newer) exited $status"
entries=$(shown_entries)
[[ $(grep -c . <<<"$entries") == 1 ]] && pass "still one entry" || fail "entries shown: ${entries:-none}"
[[ $(reg_value "$entry" DisplayVersion) == "$newer_version" ]] && pass "the entry is of $newer_version" ||
  fail "the entry's version is '$(reg_value "$entry" DisplayVersion)', not $newer_version"
installed=$(cd "$folder_unix" 2>/dev/null && ls | sort | tr '\n' ' ')
[[ $installed == "$expected" ]] || fail "after the upgrade the folder holds '$installed'"
shortcuts=$(find "$(dirname "$shortcut_unix")" -iname 'Tintwell*.lnk' | wc -l)
[[ $shortcuts == 1 ]] || fail "$shortcuts Start-menu shortcuts after the upgrade"
if ((with_cli)); then
  user_path=$(reg_value 'HKCU\Environment' PATH)
  [[ $(path_count "$user_path" "$folder") == 1 ]] || fail "after the upgrade the user's PATH is '$user_path'"
fi

echo "--- the older package does not go over the newer one"
win msiexec /i "$(winepath -w "$msi")" /qn
status=${PIPESTATUS[0]}
wineserver -w
[[ $status != 0 ]] && pass "msiexec /i of the older one refused ($status)" || fail "the older package installed over the newer"
[[ $(reg_value "$entry" DisplayVersion) == "$newer_version" ]] ||
  fail "after the refused downgrade the entry is of '$(reg_value "$entry" DisplayVersion)'"

echo "--- uninstall"
# As the program writes it when the user ticks "start with Windows".
win reg add "$run_key" /v Tintwell /t REG_SZ /d "\"$folder\\tintwell.exe\" /tray" /f >/dev/null
[[ -n $(reg_value "$run_key" Tintwell) ]] || fail "the Run value could not be set up"
win msiexec /x "$(winepath -w "$newer_msi")" /qn
status=${PIPESTATUS[0]}
wineserver -w
[[ $status == 0 ]] && pass "msiexec /x exited 0" || fail "msiexec /x exited $status"
[[ ! -e $folder_unix ]] && pass "the folder is gone" ||
  fail "left in $folder: $(ls -A "$folder_unix" 2>/dev/null | tr '\n' ' ')"
[[ ! -e $shortcut_unix ]] || fail "the shortcut is left"
entries=$(shown_entries)
[[ -z $entries ]] && pass "no entry in the installed programs" || fail "entries left: $entries"
win reg query "$entry" >/dev/null && fail "the uninstall key is left"
[[ -z $(reg_value "$run_key" Tintwell) ]] && pass "the Run value is gone" ||
  fail "the Run value is left: $(reg_value "$run_key" Tintwell)"
user_path=$(reg_value 'HKCU\Environment' PATH)
[[ $(path_count "$user_path" "$folder") == 0 ]] && pass "the folder is off PATH" ||
  fail "the user's PATH still holds the folder: '$user_path'"
win reg query 'HKCU\Software\Tintwell\Installer' >/dev/null && fail "the installer's own values are left"
kept_after=$(cd "$kept_unix" 2>/dev/null && sha256sum history.txt settings.ini formats.txt)
[[ $kept_after == "$kept_before" ]] && pass "%APPDATA%\\Tintwell is as it was" ||
  fail "%APPDATA%\\Tintwell changed: '$kept_after'"

if ((failures)); then
  echo "$failures failures" >&2
  exit 1
fi
echo "the installer passed"
