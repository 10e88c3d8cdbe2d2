# Debian 12 ships Boost 1.74, Debian 13 Boost 1.83; the headers are the host's.
file(STRINGS /usr/include/boost/version.hpp line REGEX "^#define BOOST_LIB_VERSION ")
string(REGEX REPLACE ".*\"([0-9]+)_([0-9]+).*" "\\1.\\2" PACKAGE_VERSION "${line}")
if(PACKAGE_VERSION VERSION_LESS PACKAGE_FIND_VERSION)
    set(PACKAGE_VERSION_COMPATIBLE FALSE)
else()
    set(PACKAGE_VERSION_COMPATIBLE TRUE)
endif()
