#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test:
#   1. native: engine and picker-core suites (GoogleTest), benchmarks built
#   2. native under AddressSanitizer + UndefinedBehaviorSanitizer: the same suites
#   3. libFuzzer over the library's exports for a bounded time, and over its lookups
#      and the hex text rules for a million runs each
#   4. Windows x86 (MinGW) under the 32-bit Wine loader, in a Wine prefix of its own and
#      on a private Xvfb: export/import tables, the library on real GDI and called from a
#      4-byte aligned stack, and a short end-to-end run of the picker. 32-bit programs
#      run natively where the kernel can, elsewhere through qemu (scripts/x86-session.sh)
#   5. Windows x86-64 (MinGW) as a Windows user without GoogleTest or a network would
#      build it: it must configure, say that the tests are off, and build the programs
#   6. Windows x86-64 (MinGW) under Wine on a private Xvfb: export/import tables, the
#      library on real GDI, the running picker end to end, and a short soak; the scaled
#      runs each on a display and in a prefix of their own, beside the others
#   7. dyeplate installed from the native and both Windows builds into fresh prefixes
#      (products only), and examples/ built against each installed tree and run:
#      through pkg-config and find_package natively, as x86 and x86-64 programs linked
#      with the import library under Wine
# The stages run in three lanes at the same time: the native lane (1-3, the native
# example) is compute and runs at a lower priority; the x86 lane makes its Wine prefix
# beside its build, runs the x86 suite (4) and example, then the build without
# GoogleTest (5); the x86-64 lane makes its Wine prefix beside its build, runs the
# x86-64 suite (6), which mostly waits on Wine and the window system and is the
# longest road, and its example.
# Each stage's output goes to build/ci-logs/ and is printed when the stage ends.
# Every stage runs even when an earlier one fails (unless it needs the failed one's
# build); the summary names the failures, prints each stage's time and the total, and
# the exit code is non-zero if any stage failed.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }

jobs=$(nproc)
logs=build/ci-logs
rm -rf "$logs"
mkdir -p "$logs"

# Processor time per stage: each stage's processes go into a cpuacct group of their
# own, where the kernel offers one (Wine's server and programs leave the process that
# started them, so counting only what a stage waits for would miss most of its work).
acct=/sys/fs/cgroup/cpuacct

# stage NAME COMMAND...: runs COMMAND with its output in a log of its own, then prints
# the log with the outcome, the time and the processor time its processes used. Safe
# to call from lanes running side by side: the outcome goes to a file, and each log is
# printed in one piece.
stage() {
  local name=$1; shift
  local file="$logs/$(tr -c 'A-Za-z0-9\n' _ <<<"$name").log" start=$SECONDS status=0
  local group="$acct/tintwell-stage-$BASHPID-$RANDOM"
  mkdir "$group" 2>/dev/null || group=""
  (
    [[ -z $group ]] || echo "$BASHPID" >"$group/cgroup.procs" || true
    "$@"
  ) >"$file" 2>&1 || status=$?
  local outcome="passed" cpu="?"
  ((status == 0)) || outcome="FAILED"
  if [[ -n $group ]]; then
    cpu=$(($(cat "$group/cpuacct.usage" 2>/dev/null || echo 0) / 1000000000))
    # Anything still running (it should not be) goes back to the machine's group.
    while read -r pid; do echo "$pid" >"$acct/cgroup.procs"; done <"$group/cgroup.procs" 2>/dev/null
    rmdir "$group" 2>/dev/null
  fi
  local line
  line=$(printf '%-46s %-7s %4d s  (cpu %4s s)' "$name" "$outcome" "$((SECONDS - start))" "$cpu")
  echo "$line" >>"$logs/summary"
  { printf '\n=== %s\n' "$name"; cat "$file"; echo "=== $name: $outcome ($((SECONDS - start)) s)"; } |
    flock "$logs/summary" cat
  return "$status"
}

build_preset() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$jobs"
}

native() { build_preset native && ctest --preset native -j"$jobs"; }
sanitized() { build_preset native-sanitize && ctest --preset native-sanitize -j"$jobs"; }
# A fuzzer that is not there has found nothing, which is not a pass.
fuzz() {
  [[ -x tests/fuzz/run.sh ]] || { echo "tests/fuzz/run.sh is missing or not executable"; return 1; }
  tests/fuzz/run.sh
}
# The x86 build's tests run under the 32-bit Wine loader, which configure looks for.
# At a lower priority: the x86-64 build, whose suite is the longest road, goes first.
x86_build() { (renice -n 5 -p "$BASHPID" >/dev/null; build_preset mingw-i686); }
# The x86 suite's Wine prefix, made before the build is done: its 32-bit half runs
# 32-bit programs, through qemu where the kernel runs no 32-bit code.
x86_prefix() {
  scripts/x86-session.sh -- \
    scripts/wine-session.sh --prefix build/mingw-i686/wineprefix -- true
}
win32() {
  local mode
  mode=$(scripts/x86-session.sh --setup) || return 1
  # Draws cost far more emulated: a thinner sample of base colours there, still with
  # every mode and both flags.
  local stride=1
  [[ $mode == emulated ]] && stride=${TINTWELL_GDI_COLOUR_STRIDE:-12}
  # A crash ends the crashed program at once instead of waiting in Wine's debugger.
  TINTWELL_GDI_COLOUR_STRIDE=$stride WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" \
    scripts/x86-session.sh -- \
    scripts/wine-session.sh --prefix build/mingw-i686/wineprefix -- \
    ctest --preset mingw-i686 -j"$jobs"
}
win64_without_googletest() {
  local dir=build/mingw-x86_64-no-googletest
  rm -rf "$dir"
  cmake -S . -B "$dir" --toolchain cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DFETCHCONTENT_FULLY_DISCONNECTED=ON >"$dir.log" 2>&1 ||
    { cat "$dir.log"; return 1; }
  grep -q "Tests are off" "$dir.log" || { echo "no message that the tests are off"; return 1; }
  # The two programs, each file compiled on its own as a plain configure does (the
  # benchmarks this configure also offers are built, with the same sources, above).
  cmake --build "$dir" -j"$jobs" --target tintwell dyeplate >>"$dir.log" 2>&1 ||
    { tail -40 "$dir.log"; return 1; }
  for product in tintwell.exe dyeplate.dll; do
    [[ -f "$dir/bin/$product" ]] || { echo "$product was not built"; return 1; }
  done
}
win64_session() {
  scripts/wine-session.sh --prefix build/mingw-x86_64/wineprefix \
    --template build/mingw-x86_64/wineprefix-template "$@"
}
# One test at a time: the loupe's and the start-up checks wait on the window system,
# and with the other lanes busy beside them, running the scaled runs alongside as well
# made them miss their moment now and then.
win64() { win64_session -- ctest --preset mingw-x86_64 -j1; }

native_lane() {
  stage "native tests" native
  stage "sanitizer tests" sanitized
  stage "fuzzing" fuzz
  stage "Installed dyeplate, native example" scripts/installed-example.sh native
}
# Its packages first, once: the prefix and the build then go side by side.
x86_lane() {
  if ! stage "Windows x86 setup" scripts/x86-session.sh --setup; then
    echo "Windows x86 setup failed: its build and suite are not run" >>"$logs/summary"
  else
    stage "Windows x86 Wine prefix" x86_prefix &
    local prefix=$!
    if stage "Windows x86 build" x86_build; then
      wait "$prefix"
      stage "Windows x86 tests under Wine" win32
      stage "Installed dyeplate, Windows x86 example" scripts/installed-example.sh mingw-i686
    else
      echo "Windows x86 build failed: its suite is not run" >>"$logs/summary"
      wait "$prefix"
    fi
  fi
  # Compute, after the x86 suite and beside the x86-64 suite's last part.
  stage "Windows x86-64 build without GoogleTest" win64_without_googletest
}
# Its Wine prefix, and the template the scaled runs copy theirs from, beside its build.
x86_64_lane() {
  stage "Windows x86-64 Wine prefix" win64_session -- true &
  local prefix=$!
  stage "Windows x86-64 build" build_preset mingw-x86_64 || {
    echo "Windows x86-64 build failed: its suite is not run" >>"$logs/summary"
    wait "$prefix"
    return 1
  }
  wait "$prefix"
  stage "Windows x86-64 tests under Wine" win64
  stage "Installed dyeplate, Windows x86-64 example" scripts/installed-example.sh mingw-x86_64
}

# The native lane is compute that nothing waits for; the Windows lanes, whose Wine
# suites are the longest road, come first for the cores.
(renice -n 10 -p "$BASHPID" >/dev/null; native_lane) &
x86_lane &
x86_64_lane &
wait

echo
echo "=== stage times (the three lanes run side by side)"
cat "$logs/summary"
echo "total: $SECONDS s"
if grep -q "FAILED\|failed:" "$logs/summary"; then
  echo "FAILED: $(grep "FAILED" "$logs/summary" | sed 's/  .*//' | paste -sd, -)"
  exit 1
fi
echo "All tests passed."
