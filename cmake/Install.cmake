# Where QX Ardentis goes when installed, and how it is packaged for Debian.

# Debian wants a name and a mail address; the default is an address at the
# maker's domain, the site host without its "www.".
string(REGEX REPLACE "^www\\." "" ARDENTIS_MAIL_DOMAIN "${ARDENTIS_SITE_HOST}")
set(ARDENTIS_MAINTAINER "${ARDENTIS_MAKER} <support@${ARDENTIS_MAIL_DOMAIN}>" CACHE STRING
    "Maintainer field of the Debian package: Name <address>")
if(NOT ARDENTIS_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "ARDENTIS_MAINTAINER must read Name <address>, not: ${ARDENTIS_MAINTAINER}")
endif()

install(TARGETS ardentis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

configure_file(resources/ardentis.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/${ARDENTIS_APP_ID}.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ARDENTIS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(resources/ardentis.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${ARDENTIS_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ARDENTIS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The SVG is the source; the PNGs were rendered from it for desktops that
# want bitmaps at the usual sizes.
set(ARDENTIS_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES resources/ardentis.svg DESTINATION ${ARDENTIS_ICON_DIR}/scalable/apps
        RENAME ${ARDENTIS_APP_ID}.svg)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES resources/ardentis-${size}.png DESTINATION ${ARDENTIS_ICON_DIR}/${size}x${size}/apps
          RENAME ${ARDENTIS_APP_ID}.png)
endforeach()

# cpack -G DEB: Depends comes from dpkg-shlibdeps (the Qt, C and C++ runtime
# packages the executable links against), plus the platform plugins, without
# which Qt opens no window at all and which Debian only recommends.
set(CPACK_PACKAGE_NAME "ardentis")
set(CPACK_PACKAGE_VENDOR "${ARDENTIS_MAKER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# One line each: dpkg shows them as they are, and Debian wants them shorter
# than 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "QX Ardentis tells you your warrior sign: the sign of the zodiac in which"
  "the asteroid Pallas stood on the day you were born, with a short reading"
  "of how you solve problems and react in adverse situations."
  ""
  "Type your name and pick your date of birth, from 1930 to 2012: the"
  "program looks the date up in its built-in table of the positions of"
  "Pallas and shows the sign. It needs no network connection; its menus and"
  "links open the maker's web pages in your browser.")
set(CPACK_PACKAGE_CONTACT "${ARDENTIS_MAINTAINER}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QX Ardentis")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# An amusement, but not a game for Debian, whose games section is for
# programs installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${ARDENTIS_SITE_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
