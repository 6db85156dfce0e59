# Cross-compile for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Tests of the Windows build run under the 64-bit Wine loader. Debian keeps it off PATH
# in /usr/lib/wine, and its /usr/bin/wine prefers the 32-bit loader once wine32 is
# installed: plain wine only where there is no wine64 at all.
find_program(TINTWELL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CACHE)
if(TINTWELL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTWELL_WINE})
endif()
