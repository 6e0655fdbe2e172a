# The program installed in the system's folders and packaged by CPack as
# selvadoro_<version>_<arch>.deb (make deb, in a build configured with
# -DSELVADORO_DEB=ON):
#   /usr/bin/selvadoro                       the program
#   /usr/lib/<multiarch>/selvadoro/selvadoro_sound.so   its sound module
#   /usr/share/selvadoro/                    Guida.pdf, Avviso.mp3
#   /usr/share/applications/selvadoro.desktop, the icon in the hicolor theme,
#   the AppStream metainfo, the manual page, the copyright and changelog.
# Qt's Italian translation is not copied: the package depends on
# qt6-translations-l10n, where the program finds it. The password file is
# the user's: the program writes it into the data folder at its first start
# (shell/AccessPassword.h), never under /usr.
set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Where the package installs" FORCE)
set(package_dir ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${package_dir})

# The changelog's last entry gives the package's version and the release
# date of the metainfo; it must be the project's version.
file(STRINGS ${CMAKE_SOURCE_DIR}/assets/package/changelog changelog_head LIMIT_COUNT 1)
string(REGEX MATCH "^selvadoro \\(([^)]+)\\)" _ "${changelog_head}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "assets/package/changelog starts with version ${CMAKE_MATCH_1}, "
        "the project is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()
file(STRINGS ${CMAKE_SOURCE_DIR}/assets/package/changelog changelog_trailers REGEX "^ -- ")
list(GET changelog_trailers 0 changelog_trailer)
string(REGEX MATCH "([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${changelog_trailer}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month 0${month})
endif()
set(day ${CMAKE_MATCH_1})
if(day LESS 10)
    set(day 0${day})
endif()
set(RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${day})
configure_file(${CMAKE_SOURCE_DIR}/assets/package/it.selvadoro.Selvadoro.metainfo.xml.in
    ${package_dir}/it.selvadoro.Selvadoro.metainfo.xml @ONLY)

execute_process(COMMAND ${CMAKE_COMMAND}
    -DTEMPLATE=${CMAKE_SOURCE_DIR}/assets/selvadoro.desktop.in -DTO=${package_dir}/selvadoro.desktop
    -P ${CMAKE_SOURCE_DIR}/cmake/DesktopEntry.cmake COMMAND_ERROR_IS_FATAL ANY)

# The manual page from the program's usage text, and the changelog, both
# compressed as Debian wants them (no name or time stamp in the gzip header).
find_program(SELVADORO_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT ${package_dir}/selvadoro.1.gz
    COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/ManPage.sh $<TARGET_FILE:selvadoro> ${PROJECT_VERSION}
            ${CMAKE_INSTALL_PREFIX}/${SELVADORO_SHARE_DIR}/Guida.pdf ${package_dir}/selvadoro.1
    COMMAND ${SELVADORO_GZIP} -9nf ${package_dir}/selvadoro.1
    DEPENDS selvadoro ${CMAKE_SOURCE_DIR}/cmake/ManPage.sh
    COMMENT "Pagina di manuale selvadoro.1"
    VERBATIM)
add_custom_command(
    OUTPUT ${package_dir}/changelog.gz
    COMMAND ${SELVADORO_GZIP} -9nc ${CMAKE_SOURCE_DIR}/assets/package/changelog
            > ${package_dir}/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/package/changelog)
add_custom_target(selvadoro_package_files ALL
    DEPENDS ${package_dir}/selvadoro.1.gz ${package_dir}/changelog.gz)

install(TARGETS selvadoro RUNTIME DESTINATION ${SELVADORO_BIN_DIR})
install(TARGETS selvadoro_sound LIBRARY DESTINATION ${SELVADORO_MODULE_DIR})
install(FILES ${SELVADORO_INSTALL_DIR}/Guida.pdf ${SELVADORO_ALERT_TONE}
    DESTINATION ${SELVADORO_SHARE_DIR})
install(FILES ${package_dir}/selvadoro.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/selvadoro.svg
    DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${package_dir}/it.selvadoro.Selvadoro.metainfo.xml DESTINATION share/metainfo)
install(FILES ${package_dir}/selvadoro.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/copyright ${package_dir}/changelog.gz
    DESTINATION share/doc/selvadoro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvadoro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Selvadoro Software")
set(CPACK_PACKAGE_CONTACT "Selvadoro Software <info@selvadoro.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "archivi dell'associazione venatoria")
set(CPACK_PACKAGE_DESCRIPTION
    "Selvadoro è il programma con cui la segreteria di un'associazione venatoria\n"
    "tiene i propri archivi: l'anagrafica dei cacciatori, le squadre di caccia, le\n"
    "battute, lo schedario delle armi, le comunicazioni ai soci e le scadenze\n"
    "dell'anno. Gli archivi stanno nella cartella Selvadoro dei Documenti\n"
    "dell'utente, o in una cartella condivisa indicata all'avvio.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.selvadoro.it")
# The libraries the program and its module link, as dpkg-shlibdeps finds
# them; then what they use without linking it: GStreamer's plugins, which
# decode and play the alert tone for Qt Multimedia, the fonts of the guide
# and of the windows, and Qt's Italian texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core, fonts-liberation2, qt6-translations-l10n")
include(CPack)
