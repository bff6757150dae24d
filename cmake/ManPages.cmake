# Manual pages of the two programs, gzipped and installed to man1/ on Linux:
# Quillbrook's is made by help2man from its own --help and --version, so it
# lists the options the program has; the wizard, which takes no arguments,
# has its page written in scdoc's format. A build without the two tools
# leaves the pages out and says so in one line; scripts/package installs them.

if(WIN32 OR CMAKE_CROSSCOMPILING)
  return()
endif()

find_program(QUILLBROOK_HELP2MAN help2man)
find_program(QUILLBROOK_SCDOC scdoc)
if(NOT QUILLBROOK_HELP2MAN OR NOT QUILLBROOK_SCDOC)
  message(NOTICE "Manual pages left out: they need help2man and scdoc")
  return()
endif()

set(QUILLBROOK_MAN_DIR ${PROJECT_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${QUILLBROOK_MAN_DIR})

add_custom_command(
  OUTPUT ${QUILLBROOK_MAN_DIR}/Quillbrook.1.gz
  COMMAND ${QUILLBROOK_HELP2MAN} --no-info --section=1
          "--name=convert an MPLAB IDE project into a Tarn project"
          --include=${PROJECT_SOURCE_DIR}/tool/Quillbrook.h2m
          --output=${QUILLBROOK_MAN_DIR}/Quillbrook.1 $<TARGET_FILE:Quillbrook>
  COMMAND gzip -9nf ${QUILLBROOK_MAN_DIR}/Quillbrook.1
  DEPENDS Quillbrook ${PROJECT_SOURCE_DIR}/tool/Quillbrook.h2m
  VERBATIM)
set(pages ${QUILLBROOK_MAN_DIR}/Quillbrook.1.gz)

if(QUILLBROOK_BUILD_WIZARD)
  add_custom_command(
    OUTPUT ${QUILLBROOK_MAN_DIR}/MPLABConverter.1.gz
    COMMAND ${CMAKE_COMMAND} -DSCDOC=${QUILLBROOK_SCDOC}
            -DIN=${PROJECT_SOURCE_DIR}/wizard/MPLABConverter.1.scd
            -DOUT=${QUILLBROOK_MAN_DIR}/MPLABConverter.1
            -P ${PROJECT_SOURCE_DIR}/cmake/RunScdoc.cmake
    COMMAND gzip -9nf ${QUILLBROOK_MAN_DIR}/MPLABConverter.1
    DEPENDS ${PROJECT_SOURCE_DIR}/wizard/MPLABConverter.1.scd
    VERBATIM)
  list(APPEND pages ${QUILLBROOK_MAN_DIR}/MPLABConverter.1.gz)
endif()

add_custom_target(man_pages ALL DEPENDS ${pages})
install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
