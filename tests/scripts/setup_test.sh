#!/usr/bin/env bash
# The set-up's decision when the package mirror misbehaves (scripts/setup.sh and
# scripts/x86-session.sh --setup), with stand-ins for apt-get, dpkg, dpkg-query and
# sudo first on PATH: an index that cannot be fetched is a warning and the install
# decides; a failed install names the packages and the index and exits non-zero;
# the x86 set-up says "the package mirror" (status 75) only when apt could not fetch
# an i386 index and wine32 then could not be installed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export WORK
mkdir "$WORK/bin"

# apt-get as a mirror caught mid-sync answers it. FAKE_UPDATE: ok, i386 or amd64 (the
# index that cannot be fetched); FAKE_INSTALL: ok, broken (wine32's i386 dependencies
# cannot be had) or unknown (no such package). Every call is logged.
cat >"$WORK/bin/apt-get" <<'END'
#!/usr/bin/env bash
echo "apt-get $*" >>"$WORK/calls"
for arg; do
  case $arg in
    update)
      [[ $FAKE_UPDATE == ok ]] && exit 0
      echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-$FAKE_UPDATE/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 151.101.2.132 80]" >&2
      echo "   Hashes of expected file:" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100 ;;
    install)
      case $FAKE_INSTALL in
        ok) exit 0 ;;
        broken)
          echo "Some packages could not be installed. This may mean that you have"
          echo "The following packages have unmet dependencies:"
          echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
          echo "E: Unable to correct problems, you have held broken packages." >&2
          exit 100 ;;
        unknown)
          echo "E: Unable to locate package no-such-package" >&2
          exit 100 ;;
      esac ;;
  esac
done
exit 0
END
# Nothing is installed; i386 is not yet a foreign architecture.
cat >"$WORK/bin/dpkg-query" <<'END'
#!/usr/bin/env bash
exit 1
END
cat >"$WORK/bin/dpkg" <<'END'
#!/usr/bin/env bash
echo "dpkg $*" >>"$WORK/calls"
exit 0
END
cat >"$WORK/bin/sudo" <<'END'
#!/usr/bin/env bash
exec "$@"
END
chmod +x "$WORK/bin/"*
export PATH="$WORK/bin:$PATH" TINTWELL_APT_PAUSE=0

failures=0
fail() {
  echo "FAIL [$case]: $*"
  failures=$((failures + 1))
}

# run CASE UPDATE INSTALL COMMAND...: runs COMMAND with the stand-ins; its standard
# error goes to $err, its exit code to $rc.
run() {
  case=$1
  export FAKE_UPDATE=$2 FAKE_INSTALL=$3
  shift 3
  : >"$WORK/calls"
  err=$WORK/$case.err
  export TINTWELL_CI_EXCUSE=$WORK/$case.excuse
  rm -f "$TINTWELL_CI_EXCUSE"
  timeout 60 "$@" >"$WORK/$case.out" 2>"$err"
  rc=$?
}

expect_in_err() {
  grep -qF -- "$1" "$err" || fail "no \"$1\" in what it said:$(sed 's/^/    /' "$err")"
}

run update-fails-install-works i386 ok "$root/scripts/setup.sh"
((rc == 0)) || fail "exit code $rc, expected 0"
[[ $(grep -c '^apt-get update' "$WORK/calls") == 3 ]] || fail "the update was not tried three times"
grep -q '^apt-get install' "$WORK/calls" || fail "the install was not tried after the failed update"
grep -q 'Acquire::Retries' "$WORK/calls" || fail "apt's download retries are not on"
expect_in_err "warning"
expect_in_err "binary-i386/Packages.xz"

run both-fail i386 broken "$root/scripts/setup.sh"
((rc != 0)) || fail "exit code 0 although nothing was installed"
expect_in_err "could not install wine32:i386"
expect_in_err "binary-i386/Packages.xz  File has unexpected size"
expect_in_err "run the same command again later"

run no-such-package ok unknown "$root/scripts/setup.sh"
((rc != 0)) || fail "exit code 0 although nothing was installed"
expect_in_err "could not install no-such-package"
! grep -qF "again later" "$err" || fail "a missing package is blamed on the mirror"

run x86-mirror i386 broken "$root/scripts/x86-session.sh" --setup
((rc == 75)) || fail "exit code $rc, expected 75 (the package mirror)"
grep -qF "the package mirror: E: Failed to fetch" "$TINTWELL_CI_EXCUSE" 2>/dev/null ||
  fail "apt's line is not handed to CI"
grep -q '^dpkg --add-architecture i386' "$WORK/calls" || fail "i386 was not added"

# The same refusal with every i386 index read is a resolver error of ours to see.
run x86-resolver ok broken "$root/scripts/x86-session.sh" --setup
((rc == 1)) || fail "exit code $rc, expected 1"
[[ ! -e $TINTWELL_CI_EXCUSE ]] || fail "an excuse was written for a resolver error"

run x86-other-index amd64 broken "$root/scripts/x86-session.sh" --setup
((rc == 1)) || fail "exit code $rc, expected 1: no i386 index failed"

run x86-update-fails-install-works i386 ok "$root/scripts/x86-session.sh" --setup
((rc == 0)) || fail "exit code $rc, expected 0"
grep -qxE 'native|emulated' "$WORK/$case.out" || fail "the mode is not printed alone on standard output"

((failures == 0)) || { echo "$failures failed checks"; exit 1; }
echo "all checks passed"
