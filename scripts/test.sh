#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test:
#   1. native: engine and picker-core suites (GoogleTest), the test of this script's
#      stage machinery (scripts/ci-stages.sh), benchmarks built
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
# build, when it is listed as not run). Each has a time limit, past which it is stopped
# with everything it started (Wine's servers and displays included) and the lane goes
# on. The stages are planned up front (scripts/ci-stages.sh), so one that never reports,
# its lane having died or never come to it, is named too. The summary names every
# stage that did not pass, prints each stage's time and processor time and the total,
# and the exit code is non-zero unless every planned stage ran and passed.
#
#   scripts/test.sh --dry-run   walks the plan in a few seconds, each stage showing its
#                               command instead of running it (logs in build/ci-dry-run):
#                               the lanes must run exactly the planned stages
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/ci-stages.sh

jobs=$(nproc)
if [[ ${1-} == --dry-run ]]; then
  ci_dry_run=1
  ci_init build/ci-dry-run
else
  ci_init build/ci-logs
fi

# Each stage's time limit, some three times what it takes now on two shared cores,
# so that the tests and fuzz targets still to come fit; the x86 setup more, as its
# 32-bit Wine and qemu packages took over seven minutes to install on a busy machine
# when nothing had them yet. Along the longest road
# (setup, then the x86 lane) they add up to 80 minutes, under the 90 a CI run may take.
#       lane    limit  stage
ci_plan setup   15m    "setup"
ci_plan native  25m    "native tests"
ci_plan native  25m    "sanitizer tests"
ci_plan native  10m    "fuzzing"
ci_plan native  5m     "Installed dyeplate, native example"
ci_plan x86     20m    "Windows x86 setup" excusable
ci_plan x86     10m    "Windows x86 Wine prefix"
ci_plan x86     10m    "Windows x86 build"
ci_plan x86     20m    "Windows x86 tests under Wine"
ci_plan x86     5m     "Installed dyeplate, Windows x86 example"
ci_plan x86     10m    "Windows x86-64 build without GoogleTest"
ci_plan x86-64  10m    "Windows x86-64 Wine prefix"
ci_plan x86-64  20m    "Windows x86-64 build"
ci_plan x86-64  25m    "Windows x86-64 tests under Wine"
ci_plan x86-64  5m     "Installed dyeplate, Windows x86-64 example"

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
  # The programs, each file compiled on its own as a plain configure does (the
  # benchmarks this configure also offers are built, with the same sources, above).
  cmake --build "$dir" -j"$jobs" --target tintwell tintwell-cli dyeplate >>"$dir.log" 2>&1 ||
    { tail -40 "$dir.log"; return 1; }
  for product in tintwell.exe tintwell-cli.exe dyeplate.dll; do
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

# The native lane is compute that nothing waits for: at a lower priority, so that the
# Windows lanes, whose Wine suites are the longest road, come first for the cores.
native_lane() {
  renice -n 10 -p "$BASHPID" >/dev/null
  ci_stage "native tests" native
  ci_stage "sanitizer tests" sanitized
  ci_stage "fuzzing" fuzz
  ci_stage "Installed dyeplate, native example" scripts/installed-example.sh native
}
# Its packages first, once: the prefix and the build then go side by side.
x86_lane() {
  local -a after_setup=("Windows x86 Wine prefix" "Windows x86 build" \
    "Windows x86 tests under Wine" "Installed dyeplate, Windows x86 example")
  if ! ci_stage "Windows x86 setup" scripts/x86-session.sh --setup; then
    # Only the set-up's own narrow excuse (apt could not fetch an i386 index, so
    # wine32 could not be installed) spares the run; any other failure fails it.
    if ci_excused "Windows x86 setup"; then
      ci_skip_excused "Windows x86 setup" "${after_setup[@]}"
    else
      ci_skip "Windows x86 setup failed" "${after_setup[@]}"
    fi
  else
    ci_stage "Windows x86 Wine prefix" x86_prefix &
    local prefix=$!
    if ci_stage "Windows x86 build" x86_build; then
      wait "$prefix"
      ci_stage "Windows x86 tests under Wine" win32
      ci_stage "Installed dyeplate, Windows x86 example" scripts/installed-example.sh mingw-i686
    else
      ci_skip "Windows x86 build failed" "Windows x86 tests under Wine" \
        "Installed dyeplate, Windows x86 example"
      wait "$prefix"
    fi
  fi
  # Compute, after the x86 suite and beside the x86-64 suite's last part.
  ci_stage "Windows x86-64 build without GoogleTest" win64_without_googletest
}
# Its Wine prefix, and the template the scaled runs copy theirs from, beside its build.
x86_64_lane() {
  ci_stage "Windows x86-64 Wine prefix" win64_session -- true &
  local prefix=$!
  if ! ci_stage "Windows x86-64 build" build_preset mingw-x86_64; then
    ci_skip "Windows x86-64 build failed" "Windows x86-64 tests under Wine" \
      "Installed dyeplate, Windows x86-64 example"
    wait "$prefix"
    return 1
  fi
  wait "$prefix"
  ci_stage "Windows x86-64 tests under Wine" win64
  ci_stage "Installed dyeplate, Windows x86-64 example" scripts/installed-example.sh mingw-x86_64
}

# What is missing installed first; without it, nothing else is tried.
ci_lane setup ci_stage "setup" scripts/setup.sh
if ci_wait; then
  ci_lane native native_lane
  ci_lane x86 x86_lane
  ci_lane x86-64 x86_64_lane
else
  for stage in "${ci_order[@]}"; do
    [[ ${ci_lane_of[$stage]} == setup ]] || ci_skip "setup failed" "$stage"
  done
fi
# The summary and the verdict, which is the script's exit code.
ci_finish
