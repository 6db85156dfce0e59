#!/usr/bin/env bash
# Builds a release from this checkout's committed sources, all in build/release/, from
# build folders of its own: for Windows x86-64 and x86 the zip (tintwell.exe,
# tintwell-cli.exe where it is built, dyeplate.dll, LICENSE, README.txt) and the
# per-user installer tintwell-<version>-<arch>.msi, the SHA256SUMS that covers all
# four, and beside them the package managers' manifests with the files' SHA256:
# winget's (winget/manifests/t/Tintwell/Tintwell/<version>/) and Scoop's
# (scoop/tintwell.json).
#
#   scripts/release.sh
#
# TINTWELL_SOURCE_LOCATION, when set, is where README.txt tells users the sources
# are (a URL, say); the commit the files come from is named there in any case.
# TINTWELL_RELEASE_URL is where the release's files will be downloaded from, with
# {version} for the version (https://host/releases/download/v{version}), and
# TINTWELL_HOMEPAGE the page that names the latest release (Scoop's checkver reads
# it); without them the manifests point at example.invalid and are not to be published.
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
  cmake --build "$dir" --target package_zip package_msi -j"$(nproc)" >>"$dir.log" 2>&1 ||
    { tail -40 "$dir.log"; exit 1; }
done

version=$(sed -n 's/^project(Tintwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
release_url=${TINTWELL_RELEASE_URL:-https://example.invalid/tintwell/releases/v\{version\}}
homepage=${TINTWELL_HOMEPAGE:-https://example.invalid/tintwell/}
[[ -n ${TINTWELL_RELEASE_URL:-} && -n ${TINTWELL_HOMEPAGE:-} ]] ||
  echo "release: TINTWELL_RELEASE_URL or TINTWELL_HOMEPAGE is not set: the manifests" \
       "point at example.invalid" >&2
python3 packaging/write_manifests.py "$out" "$version" "$release_url" "$homepage"
tests/scripts/manifests_test.sh "$out" "$version" x86_64 x86

cd "$out"
sha256sum -c SHA256SUMS
echo
echo "release of $revision in $out:"
ls -lR
