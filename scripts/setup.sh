#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this
# machine lacks. Safe to run again: it installs nothing that is already there.
set -euo pipefail
source "$(dirname "$0")/apt-packages.sh"

# Each package with what needs it; nothing here is only nice to have.
packages=(
  cmake make g++                # the build itself (CMake's Makefile generator)
  libgtest-dev libgmock-dev     # native test suites (the picker's use GoogleMock)
  googletest                    # GoogleTest's sources, built by the MinGW presets for Windows
  libbenchmark-dev              # the native fill benchmark
  clang libclang-rt-dev         # the libFuzzer stage (clang and its fuzzer runtime)
  g++-mingw-w64-x86-64 g++-mingw-w64-i686             # the two Windows builds
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686   # their objdump, for the DLL table checks
  python3                       # draws the program's icon at build time; writes the manifests
  python3-yaml                  # reads winget's manifests back in their test
  wixl msitools                 # builds the per-user installer (wixl, msibuild, msiinfo)
  pkgconf                       # builds the example against the installed library
  wine wine64                   # runs the x86-64 Windows build: tests, run.sh
  fonts-wine                    # Marlett and the other system fonts Windows has
  fonts-ipafont-gothic          # a Japanese font, for the captions and message boxes
  xvfb                          # the private display of every Wine session
  xdotool x11-utils             # run.sh: waits for the window, checks for a display
  imagemagick                   # run.sh and docs: screenshots of the window
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
apt_install setup "${missing[@]}" || exit 1
