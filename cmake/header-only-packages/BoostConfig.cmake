include(${CMAKE_CURRENT_LIST_DIR}/host-headers.cmake)
level_host_headers(Boost::headers boost)
