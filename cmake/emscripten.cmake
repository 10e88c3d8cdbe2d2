# The page's build: Debian's Emscripten, with the host's header-only
# libraries, C++ exceptions as WebAssembly's own, and node running the
# tests.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(FastFloat_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-packages CACHE PATH "")
set(Boost_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-packages CACHE PATH "")

# Without -fwasm-exceptions a thrown ConversionError aborts the module.
# The header folders' paths in the page are the host's and the source's
# own, wherever it is built, so that two builds give the same bytes.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions \
-fmacro-prefix-map=${CMAKE_BINARY_DIR}/host-headers/=/usr/include/ \
-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1")

# node's fetch would stand in for Emscripten's own file reading and fail.
set(CMAKE_CROSSCOMPILING_EMULATOR node;--no-experimental-fetch)

# Emscripten's scripts take Debian's node modules (acorn) when linking,
# whichever node the machine runs.
set(CMAKE_CXX_LINKER_LAUNCHER env;NODE_PATH=/usr/share/nodejs)
