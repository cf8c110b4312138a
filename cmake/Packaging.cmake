# What a Debian package carries beside the program: the manual page, the
# changelog and the copyright file, all under the names and in the form
# lintian expects; and a binary stripped as Debian's own tools strip it.
# Included from Install.cmake. A Windows build checks the changelog too, and
# installs none of them.

set(ARDENTIS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ardentis)
find_program(ARDENTIS_GZIP gzip)
find_program(ARDENTIS_SCDOC scdoc)

# The changelog's newest entry is this release: it must name the version
# being built, and its date becomes the manual page's date, so that the page
# comes out the same whenever it is built.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG ARDENTIS_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT ARDENTIS_CHANGELOG_HEAD MATCHES "^ardentis \\(([^)]+)\\) ")
  message(FATAL_ERROR "CHANGELOG does not start with an entry for ardentis: ${ARDENTIS_CHANGELOG_HEAD}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest CHANGELOG entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG ARDENTIS_CHANGELOG_SIGNED REGEX "^ -- " LIMIT_COUNT 1)
if(NOT ARDENTIS_CHANGELOG_SIGNED MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "No date in the newest CHANGELOG entry's last line: ${ARDENTIS_CHANGELOG_SIGNED}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG)

# Seconds since 1970 at noon UTC of a day of the Gregorian calendar, so that
# the date reads the same in any time zone. The year is counted from March,
# which puts the leap day last.
set(ardentis_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
function(ardentis_noon_epoch out day month_name year)
  list(FIND ardentis_months ${month_name} month)
  if(month LESS 0)
    message(FATAL_ERROR "Not a month: ${month_name}")
  endif()
  if(month LESS 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 10")
  else()
    math(EXPR month "${month} - 2")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR seconds "(${era} * 146097 + ${day_of_era} - 719468) * 86400 + 43200")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()
set(ardentis_release_day ${CMAKE_MATCH_1})
set(ardentis_release_month ${CMAKE_MATCH_2})
set(ardentis_release_year ${CMAKE_MATCH_3})
ardentis_noon_epoch(ARDENTIS_RELEASE_EPOCH ${ardentis_release_day} ${ardentis_release_month} ${ardentis_release_year})
# The same day as the AppStream file's release date, YYYY-MM-DD.
list(FIND ardentis_months ${ardentis_release_month} month)
math(EXPR month "${month} + 101")
math(EXPR day "${ardentis_release_day} + 100")
string(SUBSTRING ${month} 1 2 month)
string(SUBSTRING ${day} 1 2 day)
set(ARDENTIS_RELEASE_DATE "${ardentis_release_year}-${month}-${day}")

if(WIN32)
  return()
endif()

if(ARDENTIS_GZIP)
  # gzip -9n: the most compression, and neither a file name nor a time
  # inside, so the same text always gives the same bytes.
  set(ardentis_changelog ${PROJECT_BINARY_DIR}/changelog)
  add_custom_command(
    OUTPUT ${ardentis_changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/CHANGELOG ${ardentis_changelog}
    COMMAND ${ARDENTIS_GZIP} -9nf ${ardentis_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG
    COMMENT "Compressing the changelog"
    VERBATIM)
  add_custom_target(ardentis_changelog ALL DEPENDS ${ardentis_changelog}.gz)
  install(FILES ${ardentis_changelog}.gz DESTINATION ${ARDENTIS_DOC_DIR})

  if(ARDENTIS_SCDOC)
    configure_file(${PROJECT_SOURCE_DIR}/docs/ardentis.1.scd ${PROJECT_BINARY_DIR}/ardentis.1.scd @ONLY)
    set(ardentis_page ${PROJECT_BINARY_DIR}/ardentis.1)
    # scdoc turns hyphenation off before the title line, which groff's
    # title macro turns back on: it is turned off again after it, so that no
    # variable or path name is split at a line end.
    add_custom_command(
      OUTPUT ${ardentis_page}.gz
      COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ARDENTIS_RELEASE_EPOCH}
              sh -c "set -e; \"$0\" < \"$1\" > \"$2.roff\"; sed '/^\\.TH /a .nh' \"$2.roff\" > \"$2\""
              ${ARDENTIS_SCDOC} ${PROJECT_BINARY_DIR}/ardentis.1.scd ${ardentis_page}
      COMMAND ${ARDENTIS_GZIP} -9nf ${ardentis_page}
      DEPENDS ${PROJECT_BINARY_DIR}/ardentis.1.scd
      COMMENT "Writing the manual page ardentis(1)"
      VERBATIM)
    add_custom_target(ardentis_manpage ALL DEPENDS ${ardentis_page}.gz)
    install(FILES ${ardentis_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(STATUS "scdoc not found: no manual page")
  endif()
else()
  message(STATUS "gzip not found: no changelog or manual page")
endif()

# The copyright file carries the holder and the text of LICENSE, laid out as
# DEP-5 wants (each line indented, an empty one written "."), so the two can
# never differ.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE ardentis_license)
if(NOT ardentis_license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n+(Permission is hereby granted.*)$")
  message(FATAL_ERROR "LICENSE has no copyright line followed by the MIT License's permission notice")
endif()
set(ARDENTIS_COPYRIGHT "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" ARDENTIS_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" ARDENTIS_LICENSE_TEXT "${ARDENTIS_LICENSE_TEXT}")
string(REPLACE "\n" "\n " ARDENTIS_LICENSE_TEXT " ${ARDENTIS_LICENSE_TEXT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(${PROJECT_SOURCE_DIR}/resources/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${ARDENTIS_DOC_DIR})

# CPack strips with a bare `strip`, which leaves the compiler's .comment
# section behind; dh_strip removes it and .note as well, and so does this.
if(CMAKE_STRIP AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(
        COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:ardentis>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()
