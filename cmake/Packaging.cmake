# Packages, made by scripts/package: on Linux a Debian package of both
# programs, whose dependencies dpkg-shlibdeps computes from the binaries; in
# the MinGW cross build a ZIP for Windows holding the statically linked
# Quillbrook.exe, MPLABConverter.exe with the Qt and MinGW DLLs it needs
# (wizard/QtRuntimeWindows.cmake), the README, the licences and the example.

# The files Debian asks of every package, from packaging/: the changelog,
# whose newest entry must name the project's version, gzipped (as
# changelog.gz: a version without a Debian revision makes a native
# package); the copyright in Debian's machine-readable form, made from
# LICENSE so that the licence text stands in one place; and lintian's
# overrides, each with its reason.
function(quillbrook_install_debian_files)
  set(source ${PROJECT_SOURCE_DIR}/packaging)
  set(made ${PROJECT_BINARY_DIR}/packaging)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${source}/changelog ${PROJECT_SOURCE_DIR}/LICENSE)

  file(STRINGS ${source}/changelog newest LIMIT_COUNT 1)
  if(NOT newest MATCHES "^quillbrook \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry (${newest}) is not for version "
      "${PROJECT_VERSION}; add an entry for it")
  endif()
  file(MAKE_DIRECTORY ${made})
  execute_process(COMMAND gzip -9n -c ${source}/changelog
    OUTPUT_FILE ${made}/changelog.gz RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not gzip packaging/changelog into ${made}/changelog.gz")
  endif()

  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" line "${license}")
  set(QUILLBROOK_COPYRIGHT "${CMAKE_MATCH_1}")
  string(FIND "${license}" "Permission is hereby" start)
  string(SUBSTRING "${license}" ${start} -1 text)
  string(STRIP "${text}" text)
  # A licence paragraph: every line indented, an empty one written as ".".
  string(REPLACE "\n\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text "${text}")
  set(QUILLBROOK_LICENSE_TEXT " ${text}")
  configure_file(${source}/copyright.in ${made}/copyright @ONLY)

  install(FILES ${made}/changelog.gz ${made}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${source}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME quillbrook)
endfunction()

set(CPACK_PACKAGE_NAME quillbrook)
set(CPACK_PACKAGE_VENDOR "the Quillbrook developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "converts MPLAB IDE projects (.mcp) into Tarn static-analysis projects")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Everything must land inside the package, never elsewhere on the machine.
set(CPACK_ERROR_ON_ABSOLUTE_INSTALL_DESTINATION ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME quillbrook-${PROJECT_VERSION}-windows-x64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # quillbrook_<version>_<architecture>.deb
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillbrook developers <quillbrook@example.org>")
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillbrook is the console tool; MPLABConverter is a wizard (Qt 6) that
collects the same inputs and runs it. The bundled example is in
/usr/share/doc/quillbrook/examples.")
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Strips what CPack's own stripping leaves (cmake/StripForDebian.cmake).
  set(CPACK_QUILLBROOK_STRIP ${CMAKE_STRIP})
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/StripForDebian.cmake)
  quillbrook_install_debian_files()
endif()

include(CPack)
