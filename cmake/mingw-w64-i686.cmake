# Cross-compiles the native 32-bit Windows build with Debian's MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
