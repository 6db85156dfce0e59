#!/usr/bin/env bash
# Builds a release from this checkout's committed sources: the Windows x86-64 and x86
# zips (tintwell.exe, dyeplate.dll, LICENSE, README.txt) and the SHA256SUMS that
# covers both, all in build/release/, from build folders of its own:
#
#   scripts/release.sh
#
# TINTWELL_SOURCE_LOCATION, when set, is where README.txt tells users the sources
# are (a URL, say); the commit the zips come from is named there in any case.
set -euo pipefail
cd "$(dirname "$0")/.."

# A release must be a commit that anyone can check out again.
if [[ -n "$(git status --porcelain)" ]]; then
  echo "release: the checkout has uncommitted changes; commit or stash them first" >&2
  git status --short >&2
  exit 1
fi

scripts/setup.sh

out=$PWD/build/release
revision=$(git rev-parse HEAD)
location=()
[[ -n "${TINTWELL_SOURCE_LOCATION:-}" ]] &&
  location=(-DTINTWELL_SOURCE_LOCATION="$TINTWELL_SOURCE_LOCATION")
rm -rf "$out"
mkdir -p build
for arch in x86_64 i686; do
  dir=build/release-$arch
  rm -rf "$dir"
  cmake -S . -B "$dir" --toolchain cmake/mingw-$arch.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTINTWELL_BUILD_TESTS=OFF -DTINTWELL_BUILD_BENCHMARKS=OFF \
    -DTINTWELL_PACKAGE_DIR="$out" -DTINTWELL_SOURCE_REVISION="$revision" "${location[@]}" \
    >"$dir.log" 2>&1 || { cat "$dir.log"; exit 1; }
  cmake --build "$dir" --target package_zip -j"$(nproc)" >>"$dir.log" 2>&1 ||
    { tail -40 "$dir.log"; exit 1; }
done

cd "$out"
sha256sum -c SHA256SUMS
echo
echo "release of $revision in $out:"
ls -l
