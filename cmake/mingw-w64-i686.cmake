# Cross-compiles the native 32-bit Windows build with Debian's MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
# Double precision throughout, as on every other build: the compiler's
# default x87 arithmetic rounds each product first to the register's 64-bit
# mantissa and again to a double's 53 bits when stored, which changes the
# last shown digit of some results. SSE2 rounds once. This asks for a
# processor with SSE2 (every x86 since the Pentium 4 and the Athlon 64;
# Windows 8 and later require it, Windows 7 did not). Windows calls the
# window procedure on a stack aligned to 4 bytes only, so each function
# realigns its own before it spills an SSE register.
set(MINGW_ARCH_FLAGS "-msse2 -mfpmath=sse -mstackrealign")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run x86)
