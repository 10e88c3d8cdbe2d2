# The page's build: Emscripten (EMSCRIPTEN names its folder, else em-config
# finds it), with the host's header-only libraries, C++ exceptions as
# WebAssembly's own, and node running the tests.
if(DEFINED ENV{EMSCRIPTEN})
    set(LEVEL_EMSCRIPTEN_ROOT $ENV{EMSCRIPTEN})
else()
    execute_process(COMMAND em-config EMSCRIPTEN_ROOT OUTPUT_VARIABLE LEVEL_EMSCRIPTEN_ROOT
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE found)
    if(NOT found EQUAL 0)
        message(FATAL_ERROR "no Emscripten: em-config did not answer and EMSCRIPTEN is not set")
    endif()
endif()
include(${LEVEL_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

set(FastFloat_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only-packages CACHE PATH "" FORCE)
set(Boost_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only-packages CACHE PATH "" FORCE)

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
