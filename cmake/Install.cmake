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

# The menu entry, the AppStream file and the icon theme are the Linux
# desktop's; on Windows the icon is in the executable.
if(NOT WIN32)
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
endif()

if(WIN32)
  # Windows has no package manager to bring the libraries: they go beside the
  # executable, and the platform plugin, without which Qt opens no window, in
  # platforms/ below it, where Qt looks next to the program. The style plugin
  # gives the native look where Qt was built with it.
  set(ardentis_dlls)
  function(ardentis_install_dll dll destination)  # dll: a target or a file
    if(TARGET ${dll})
      install(FILES $<TARGET_FILE:${dll}> DESTINATION ${destination})
      set(name $<TARGET_FILE_NAME:${dll}>)
    else()
      install(FILES ${dll} DESTINATION ${destination})
      get_filename_component(name ${dll} NAME)
    endif()
    set(ardentis_dlls ${ardentis_dlls} ${destination}/${name} PARENT_SCOPE)
  endfunction()
  foreach(library IN ITEMS Core Gui Widgets)
    ardentis_install_dll(Qt6::${library} ${CMAKE_INSTALL_BINDIR})
  endforeach()
  ardentis_install_dll(Qt6::QWindowsIntegrationPlugin ${CMAKE_INSTALL_BINDIR}/platforms)
  if(TARGET Qt6::QWindowsVistaStylePlugin)
    ardentis_install_dll(Qt6::QWindowsVistaStylePlugin ${CMAKE_INSTALL_BINDIR}/styles)
  endif()
  # MinGW's C++, GCC and threads runtimes, which the executable and Qt link
  # against; the compiler knows where its own copies are.
  if(MINGW)
    foreach(dll IN ITEMS libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                      OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
      endif()
      ardentis_install_dll(${dll_path} ${CMAKE_INSTALL_BINDIR})
    endforeach()
  endif()
  # The DLLs come with their debug sections, more than half of their size.
  # An install that strips (cmake --install --strip, and CPack's, as
  # CPACK_STRIP_FILES asks) strips these as it strips the executable.
  if(CMAKE_STRIP)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        foreach(dll IN ITEMS ${ardentis_dlls})
          execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                          COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
      endif()")
  endif()
  # The license, which the Debian package carries in its copyright file.
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
endif()

# cpack -G DEB: Depends is dpkg-shlibdeps's, the packages of the Qt, C and C++
# run-times and fontconfig the executable links against, by the names the
# release gives them. The X11 platform plugin (libqxcb.so), which Qt loads at
# run time and no NEEDED entry names, needs no entry by hand: on Debian 12 and
# 13 alike it ships in libqt6gui6, which Depends names for libQt6Gui already.
# qt6-qpa-plugins holds only the VNC and touch plugins, which it does not use.
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

# cpack -G NSIS on Windows builds: an installer into the 64-bit Program Files,
# with a Start menu entry, an uninstaller and an entry in Apps & features.
if(WIN32)
  set(CPACK_GENERATOR "NSIS")
  # A 64-bit installer for a 64-bit program: it runs where 32-bit programs
  # cannot, and sees the same Program Files and registry as the program.
  # Set through the script's line for extra settings: CPack would split the
  # command-line form, makensis "-XTarget amd64-unicode", at the space.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  # One LZMA stream over all the files (solid), with a dictionary larger than
  # all of them together: the download is smaller than file by file.
  set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
  string(APPEND CPACK_NSIS_DEFINES "\nSetCompressorDictSize 64")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "QX Ardentis")
  set(CPACK_PACKAGE_EXECUTABLES "ardentis" "QX Ardentis")
  set(CPACK_NSIS_PACKAGE_NAME "QX Ardentis")
  set(CPACK_NSIS_DISPLAY_NAME "QX Ardentis ${PROJECT_VERSION}")
  set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\ardentis.exe")
  set(CPACK_NSIS_MUI_ICON "${CMAKE_CURRENT_SOURCE_DIR}/resources/ardentis.ico")
  set(CPACK_NSIS_MUI_UNIICON "${CMAKE_CURRENT_SOURCE_DIR}/resources/ardentis.ico")
  set(CPACK_NSIS_URL_INFO_ABOUT "http://${ARDENTIS_SITE_HOST}/")
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
endif()
include(CPack)
