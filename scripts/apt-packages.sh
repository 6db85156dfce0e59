# shellcheck shell=bash
# Installs Debian packages so that a package mirror caught mid-sync does not stop a
# set-up that could go on. Sourced by scripts/setup.sh and scripts/x86-session.sh.
#
#   apt_install WHO PACKAGE...
#     Reads the package indexes (three tries, a few seconds apart; a failure there
#     is a warning, as every index that did load is still used), then installs the
#     packages, which decides. Returns 0 when they are installed; otherwise says in
#     one paragraph on standard error which packages and, when an index could not
#     be read, which one, and returns
#       75  apt could not fetch an i386 index and an i386 package could not be installed:
#           the mirror's fault, which clears by itself (apt_mirror_line holds apt's line)
#       1   any other failure
#
# TINTWELL_APT_TRIES and TINTWELL_APT_PAUSE (seconds) set the update's tries and the
# pause between them; the tests of these scripts set them low.

apt_mirror_status=75

# apt's own line for each index it could not fetch, from the last update.
apt_failed_indexes=()
apt_mirror_line=""

apt_update() {
  local who=$1 tries=${TINTWELL_APT_TRIES:-3} pause=${TINTWELL_APT_PAUSE:-5} try log
  log=$(mktemp)
  apt_failed_indexes=()
  for ((try = 1; try <= tries; try++)); do
    if "${apt_sudo[@]}" apt-get update -qq -o Acquire::Retries=3 >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    if ((try < tries)); then sleep "$pause"; fi
  done
  mapfile -t apt_failed_indexes < <(grep -E '^(E|W|Err):.*Failed to fetch' "$log")
  {
    echo "$who: warning: apt-get update failed $tries times; going on with the indexes that did load."
    if ((${#apt_failed_indexes[@]})); then
      printf '  %s\n' "${apt_failed_indexes[@]}"
    else
      sed 's/^/  /' "$log" | tail -n 5 || true
    fi
  } >&2
  rm -f "$log"
  return 1
}

# The packages apt names as the ones it could not install, or all that were asked for.
apt_refused_packages() {
  local log=$1
  shift
  local -a named=()
  mapfile -t named < <(sed -nE \
    -e 's/^ ([^ ]+) : (Pre)?Depends:.*/\1/p' \
    -e "s/^E: Unable to locate package (.+)\$/\\1/p" \
    -e "s/^E: Package '([^']+)' has no installation candidate\$/\\1/p" "$log" | sort -u)
  if ((${#named[@]})); then echo "${named[*]}"; else echo "$*"; fi
}

apt_install() {
  local who=$1
  shift
  apt_sudo=()
  if ((EUID != 0)); then apt_sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  apt_mirror_line=""
  local updated=1
  apt_update "$who" || updated=0
  local log status=0
  log=$(mktemp)
  "${apt_sudo[@]}" apt-get install -y -qq -o Acquire::Retries=3 "$@" >"$log" 2>&1 || status=$?
  if ((status == 0)); then
    rm -f "$log"
    return 0
  fi
  local refused
  refused=$(apt_refused_packages "$log" "$@")
  {
    echo "$who: could not install $refused."
    grep -E '^E: ' "$log" | grep -v 'Failed to fetch' | head -n 3 | sed 's/^/  apt: /' || true
    if ((updated == 0 && ${#apt_failed_indexes[@]})); then
      local fetch=${apt_failed_indexes[0]#*Failed to fetch }
      echo "  apt could not read the index ${fetch%%  *}: ${fetch#*  }"
      echo "  A package mirror caught mid-sync clears by itself: run the same command again later."
    fi
  } >&2
  rm -f "$log"
  # The narrow case the x86 lane may be excused for: an i386 package refused while
  # apt itself said an i386 index could not be fetched.
  [[ " $refused " == *":i386 "* ]] || return 1
  local line
  for line in "${apt_failed_indexes[@]}"; do
    if [[ $line == *binary-i386/* ]]; then
      apt_mirror_line=$line
      return "$apt_mirror_status"
    fi
  done
  return 1
}
