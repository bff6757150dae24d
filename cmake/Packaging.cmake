# Packages, made by scripts/package: on Linux a Debian package of both
# programs, whose dependencies dpkg-shlibdeps computes from the binaries; in
# the MinGW cross build a ZIP for Windows holding the statically linked
# Quillbrook.exe, the README, the licence and the example.

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
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Quillbrook developers")
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillbrook is the console tool; MPLABConverter is a wizard (Qt 6) that
collects the same inputs and runs it. The bundled example is in
/usr/share/doc/quillbrook/examples.")
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
