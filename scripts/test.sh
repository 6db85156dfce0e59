#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test:
#   1. native: engine and picker-core suites (GoogleTest), benchmarks built
#   2. native under AddressSanitizer + UndefinedBehaviorSanitizer: the same suites
#   3. a bounded libFuzzer run over the library's exports
#   4. Windows x86 (MinGW) under the 32-bit Wine loader, in a Wine prefix of its own and
#      on a private Xvfb: export/import tables, the library on real GDI and called from a
#      4-byte aligned stack, and a short end-to-end run of the picker. 32-bit programs
#      run natively where the kernel can, elsewhere through qemu (scripts/x86-session.sh)
#   5. Windows x86-64 (MinGW) as a Windows user without GoogleTest or a network would
#      build it: it must configure, say that the tests are off, and build the programs
#   6. Windows x86-64 (MinGW) under Wine on a private Xvfb: export/import tables, the
#      library on real GDI, the running picker end to end, and a short soak
#   7. dyeplate installed from the native and both Windows builds into fresh prefixes
#      (products only), and examples/ built against each installed tree and run:
#      through pkg-config and find_package natively, as x86 and x86-64 programs linked
#      with the import library under Wine
# Every stage runs even when an earlier one fails; the summary names the failures and
# the exit code is non-zero if any stage failed.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }

jobs=$(nproc)
failed=()
stage() {
  local name=$1; shift
  echo
  echo "=== $name"
  local start=$SECONDS
  if "$@"; then
    echo "=== $name: passed ($((SECONDS - start)) s)"
  else
    echo "=== $name: FAILED ($((SECONDS - start)) s)"
    failed+=("$name")
  fi
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
win32() {
  local mode
  mode=$(scripts/x86-session.sh --setup) || return 1
  # Draws cost far more emulated: a thinner sample of base colours there, still with
  # every mode and both flags.
  local stride=1
  [[ $mode == emulated ]] && stride=${TINTWELL_GDI_COLOUR_STRIDE:-6}
  # A crash ends the crashed program at once instead of waiting in Wine's debugger.
  build_preset mingw-i686 &&
    TINTWELL_GDI_COLOUR_STRIDE=$stride WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" \
      scripts/x86-session.sh -- \
      scripts/wine-session.sh --prefix build/mingw-i686/wineprefix -- \
      ctest --preset mingw-i686
}
win64_without_googletest() {
  local dir=build/mingw-x86_64-no-googletest
  rm -rf "$dir"
  cmake -S . -B "$dir" --toolchain cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DFETCHCONTENT_FULLY_DISCONNECTED=ON >"$dir.log" 2>&1 ||
    { cat "$dir.log"; return 1; }
  grep -q "Tests are off" "$dir.log" || { echo "no message that the tests are off"; return 1; }
  cmake --build "$dir" -j"$jobs" >>"$dir.log" 2>&1 || { tail -40 "$dir.log"; return 1; }
  for product in tintwell.exe dyeplate.dll; do
    [[ -f "$dir/bin/$product" ]] || { echo "$product was not built"; return 1; }
  done
}
win64() {
  build_preset mingw-x86_64 &&
    scripts/wine-session.sh --prefix build/mingw-x86_64/wineprefix -- ctest --preset mingw-x86_64
}

stage "native tests" native
stage "sanitizer tests" sanitized
stage "fuzzing" fuzz
stage "Windows x86 tests under Wine" win32
stage "Windows x86-64 build without GoogleTest" win64_without_googletest
stage "Windows x86-64 tests under Wine" win64
stage "Installed dyeplate, native example" scripts/installed-example.sh native
stage "Installed dyeplate, Windows x86 example" scripts/installed-example.sh mingw-i686
stage "Installed dyeplate, Windows x86-64 example" scripts/installed-example.sh mingw-x86_64

echo
if ((${#failed[@]})); then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All tests passed."
