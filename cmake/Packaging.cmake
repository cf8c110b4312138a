# What a Debian package carries beside the program: the changelog and the
# copyright file, under the names and in the form lintian expects.
# Included from Install.cmake.

set(ARDENTIS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ardentis)
find_program(ARDENTIS_GZIP gzip)

# The changelog's newest entry is this release: it must name the version
# being built.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG ARDENTIS_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT ARDENTIS_CHANGELOG_HEAD MATCHES "^ardentis \\(([^)]+)\\) ")
  message(FATAL_ERROR "CHANGELOG does not start with an entry for ardentis: ${ARDENTIS_CHANGELOG_HEAD}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest CHANGELOG entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG)

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
else()
  message(STATUS "gzip not found: no changelog")
endif()

configure_file(${PROJECT_SOURCE_DIR}/resources/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${ARDENTIS_DOC_DIR})
