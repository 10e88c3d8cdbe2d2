# The Debian package of the Qt program, as a distribution would take it: a
# stripped binary, a manual page, a changelog, a machine-readable copyright
# file and AppStream metadata, all named from the distributor's settings.

set(package_doc share/doc/level-converter)
set(generated ${PROJECT_BINARY_DIR}/packaging)

configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${generated}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${generated}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/qt/org.example.LevelConverter.metainfo.xml.in
    ${generated}/org.example.LevelConverter.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/qt/level-converter.1.in ${generated}/level-converter.1 @ONLY)

# Debian wants the changelog and the manual page compressed, reproducibly.
foreach(source ${generated}/changelog ${generated}/level-converter.1)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${generated}/${name}.gz
        COMMAND gzip -9nc ${source} > ${generated}/${name}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${generated}/${name}.gz)
endforeach()
add_custom_target(level_package_docs ALL DEPENDS ${compressed})

install(FILES ${generated}/copyright DESTINATION ${package_doc})
install(FILES ${generated}/changelog.gz DESTINATION ${package_doc})
install(FILES ${generated}/level-converter.1.gz DESTINATION share/man/man1)
install(FILES ${generated}/org.example.LevelConverter.metainfo.xml DESTINATION share/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME level-converter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop tool for work on wire communication lines. It converts a\n"
    "transmission level between decibels, nepers and volts against the absolute\n"
    "zero level of wire communication: 1 mW into 600 ohms, which is 0.775 V.\n"
    "One window, Russian texts; results are rounded to four decimal places and\n"
    "written with the decimal separator of the user's locale.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "${LEVEL_MAINTAINER} <${LEVEL_CONTACT_EMAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fields' font stand-in with the designed widths.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Most desktops start programs on Wayland; Qt needs its plugin for that.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
