# Run by CPack after it has installed and stripped the programs for the .deb:
# takes out the compiler's .comment and .note sections as well, as Debian's
# own package builds do, so the package ships nothing it does not need.

file(GLOB_RECURSE installed LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS installed)
  if(NOT file MATCHES "/usr/bin/[^/]+$")
    continue()
  endif()
  execute_process(
    COMMAND "${CPACK_QUILLBROOK_STRIP}" --remove-section=.comment --remove-section=.note
            --strip-unneeded "${file}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not strip ${file}: ${CPACK_QUILLBROOK_STRIP} ended with ${status}")
  endif()
endforeach()
