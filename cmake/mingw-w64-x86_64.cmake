# Cross-compiles a 64-bit build of the Windows program with Debian's
# MinGW-w64. The program ships as 32-bit; this build runs its tests under
# 64-bit Wine on machines whose kernel cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Debian's wine wrapper prefers the 32-bit loader when it is installed;
# this build needs the 64-bit one.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
