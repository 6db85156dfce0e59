# Cross-compile for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Tests of the Windows build run under the 32-bit Wine loader (wine32), natively where
# the kernel runs 32-bit programs and through qemu-user elsewhere (scripts/x86-session.sh).
find_program(TINTWELL_WINE NAMES wine)
if(TINTWELL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTWELL_WINE})
endif()
