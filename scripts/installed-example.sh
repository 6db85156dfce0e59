#!/usr/bin/env bash
# Installs a finished build into a fresh prefix, checks that only products went in,
# and builds examples/ against that installed tree - never the build tree - and runs
# it, as a stranger using the library would:
#
#   installed-example.sh native         pkg-config and find_package, run natively
#   installed-example.sh mingw-x86_64   find_package and the import library, under Wine
#   installed-example.sh mingw-i686     the same as a 32-bit program, under the 32-bit
#                                       Wine loader (scripts/x86-session.sh)
#
# It expects build/<preset> to be built already (scripts/test.sh builds it first).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

preset=${1:-}
case "$preset" in
  native | mingw-x86_64 | mingw-i686) ;;
  *) echo "usage: installed-example.sh native|mingw-x86_64|mingw-i686" >&2; exit 2 ;;
esac
build=build/$preset
[[ -f $build/CMakeCache.txt ]] || { echo "$build is not configured; build it first" >&2; exit 1; }

work=$root/build/installed-$preset
prefix=$work/prefix
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

# Everything installed must be one of these; a test, a benchmark or a fetched
# GoogleTest that slipped in fails here by name.
if [[ $preset == native ]]; then
  required=(include/dyeplate/colour_table.h lib/libdyeplate.so lib/pkgconfig/dyeplate.pc
            lib/cmake/dyeplate/dyeplateConfig.cmake)
  allowed='lib/libdyeplate\.so(\.[0-9]+)*|lib/pkgconfig/dyeplate\.pc'
else
  required=(bin/tintwell.exe bin/dyeplate.dll lib/libdyeplate.dll.a include/dyeplate/colour_table.h
            lib/cmake/dyeplate/dyeplateConfig.cmake)
  allowed='bin/(tintwell\.exe|dyeplate\.dll)|lib/libdyeplate\.dll\.a|lib/pkgconfig/dyeplate\.pc'
fi
allowed="^(${allowed}|include/dyeplate/colour_table\.h|share/doc/Tintwell/LICENSE"
allowed+="|lib/cmake/dyeplate/dyeplate(Config|ConfigVersion|Targets|Targets-[a-z]+)\.cmake)$"
status=0
for file in "${required[@]}"; do
  [[ -e $prefix/$file ]] || { echo "not installed: $file"; status=1; }
done
while IFS= read -r file; do
  [[ $file =~ $allowed ]] || { echo "installed but not a product: $file"; status=1; }
done < <(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | sort)
((status == 0)) || exit 1
echo "installed into $prefix:"
(cd "$prefix" && find . \( -type f -o -type l \) -printf '  %P\n' | sort)

# The example's own flags: a warning in the installed header under C99 is a failure.
strict="-Wall -Wextra -pedantic -Werror"

from_package() {  # builds examples/ with find_package into $work/$1, extra cmake args after
  local dir=$work/$1; shift
  cmake -S examples -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="$strict" "$@" \
    >"$dir.log" 2>&1 || { cat "$dir.log"; return 1; }
  cmake --build "$dir" >>"$dir.log" 2>&1 || { cat "$dir.log"; return 1; }
}

case "$preset" in
  native)
    echo "--- pkg-config"
    export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
    mkdir -p "$work/pkg-config"
    # shellcheck disable=SC2046  # pkg-config's flags are meant to split
    cc -std=c99 $strict -o "$work/pkg-config/hue_field" examples/hue_field.c \
      $(pkg-config --cflags --libs dyeplate) -Wl,-rpath,"$(pkg-config --variable=libdir dyeplate)"
    # Linked by its soname, so a later minor version can replace it.
    readelf -d "$work/pkg-config/hue_field" | grep -q 'NEEDED.*\[libdyeplate\.so\.1\]' ||
      { echo "the example does not name libdyeplate.so.1"; exit 1; }
    (cd "$work/pkg-config" && ./hue_field C86432 hue_field.ppm)
    echo "--- find_package"
    from_package find-package -DCMAKE_PREFIX_PATH="$prefix"
    ctest --test-dir "$work/find-package" --output-on-failure -V
    ;;
  mingw-x86_64)
    echo "--- find_package and libdyeplate.dll.a, x86-64 under Wine"
    # A cross toolchain searches only its own root; the package folder is named instead.
    from_package find-package --toolchain "$root/cmake/mingw-x86_64.cmake" \
      -Ddyeplate_DIR="$prefix/lib/cmake/dyeplate"
    scripts/wine-session.sh --prefix "$build/wineprefix" -- \
      ctest --test-dir "$work/find-package" --output-on-failure -V
    ;;
  mingw-i686)
    echo "--- find_package and libdyeplate.dll.a, x86 under Wine"
    from_package find-package --toolchain "$root/cmake/mingw-i686.cmake" \
      -Ddyeplate_DIR="$prefix/lib/cmake/dyeplate"
    scripts/x86-session.sh --setup >/dev/null
    WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" scripts/x86-session.sh -- \
      scripts/wine-session.sh --prefix "$build/wineprefix" -- \
      ctest --test-dir "$work/find-package" --output-on-failure -V
    ;;
esac
