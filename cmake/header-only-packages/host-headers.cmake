# The cross builds (MinGW-w64 and Emscripten) take the host's header-only
# libraries, each through a folder that holds its headers alone: the host's
# /usr/include as a whole must not reach a cross build, whose C library
# headers are its own.
function(level_host_headers target folder)
    if(TARGET ${target})
        return()
    endif()
    set(headers ${CMAKE_BINARY_DIR}/host-headers)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "${target}: /usr/include/${folder} is missing (scripts/install-windows-deps)")
    endif()
    file(MAKE_DIRECTORY ${headers})
    file(CREATE_LINK /usr/include/${folder} ${headers}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${headers})
endfunction()
