# What a player installs: the game, its data, the launcher that runs it in the player's own
# folder, the desktop entry with its icons, the AppStream metainfo; and the Debian package of it.
# Tests and tools are not installed.
if(NOT TARGET hoshimori)
  return()
endif()
include(GNUInstallDirs)

set(HOSHIMORI_VERSION 0.1.0)
set(HOSHIMORI_RELEASE_DATE 2026-12-11)
set(HOSHIMORI_APP_ID org.hoshimori.Hoshimori)
set(HOSHIMORI_MAINTAINER "Hoshimori developers <hoshimori@localhost>"
    CACHE STRING "Maintainer field of the Debian package")

set(HOSHIMORI_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/hoshimori)
set(HOSHIMORI_DATA_DIR ${CMAKE_INSTALL_DATADIR}/hoshimori)

# The launcher finds the game and its data relative to itself, so `cmake --install --prefix`
# may choose another prefix than the one configured.
file(RELATIVE_PATH HOSHIMORI_BIN_TO_GAME ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/hoshimori/hoshimori)
file(RELATIVE_PATH HOSHIMORI_BIN_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/hoshimori)
set(PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
configure_file(${PACKAGING}/hoshimori.in ${PACKAGING_OUT}/hoshimori @ONLY)
configure_file(${PACKAGING}/hoshimori.desktop.in ${PACKAGING_OUT}/${HOSHIMORI_APP_ID}.desktop @ONLY)
configure_file(${PACKAGING}/hoshimori.metainfo.xml.in ${PACKAGING_OUT}/${HOSHIMORI_APP_ID}.metainfo.xml @ONLY)

install(TARGETS hoshimori RUNTIME DESTINATION ${HOSHIMORI_GAME_DIR})
install(PROGRAMS ${PACKAGING_OUT}/hoshimori DESTINATION ${CMAKE_INSTALL_BINDIR})
# The editor's leftovers from runs in the source tree are not game data.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/Game Data" DESTINATION ${HOSHIMORI_DATA_DIR}
        PATTERN Recovery.dat EXCLUDE
        PATTERN *.saving EXCLUDE)
install(FILES ${PACKAGING_OUT}/${HOSHIMORI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_OUT}/${HOSHIMORI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PACKAGING}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# cpack -G DEB: a package for /usr whose dependencies dpkg-shlibdeps reads off the game binary,
# plus what is opened at run time without linking: the fonts fontconfig finds for "Arial", the
# core X fonts of the message boxes, and the libGL that SDL loads for its context, with Mesa's drivers.
set(CPACK_PACKAGE_NAME hoshimori)
set(CPACK_PACKAGE_VERSION ${HOSHIMORI_VERSION})
set(CPACK_PACKAGE_CONTACT ${HOSHIMORI_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling sword fight against a star carp, with a map editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Hoshimori is a small 2.5D action game: the hero walks, jumps, crouches and
strikes across a map of snowy tiles drawn in perspective and fights a great
carp that casts spells of water and light. A built-in tile-map editor paints
the map's two layers, marks solid cells and places spawn points and teleports;
maps are saved in the player's own data folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xfonts-base, libgl1, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
