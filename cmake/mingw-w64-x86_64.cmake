# Cross-compiles the 64-bit Windows program with Debian's MinGW-w64. It
# ships beside the 32-bit one, and its tests run under 64-bit Wine on every
# build machine, also where no 32-bit Wine can be had.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Debian's wine wrapper prefers the 32-bit loader when it is installed;
# this build needs the 64-bit one.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run x64)
