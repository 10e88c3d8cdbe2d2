# What both MinGW-w64 toolchains share; each names its target triplet in
# MINGW_TRIPLET, and any processor flags in MINGW_ARCH_FLAGS, before
# including this file.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
# Resource scripts are written in UTF-8.
set(CMAKE_RC_FLAGS_INIT "--codepage=65001")

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The header-only libraries come from the host, each through a folder of
# its own (header-only-packages/host-headers.cmake).
set(FastFloat_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only-packages CACHE PATH "" FORCE)
set(Boost_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only-packages CACHE PATH "" FORCE)

# One executable that needs no DLL beyond Windows' own. Each function and
# datum in a section of its own, so that the linker drops what the program
# never calls from the static libraries.
set(CMAKE_CXX_FLAGS_INIT "${MINGW_ARCH_FLAGS} -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
