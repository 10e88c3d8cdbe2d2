include(${CMAKE_CURRENT_LIST_DIR}/host-headers.cmake)
level_host_headers(FastFloat::fast_float fast_float)
