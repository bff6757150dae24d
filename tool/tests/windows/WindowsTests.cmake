# Windows build of the tests, included from tests/CMakeLists.txt.
#
# The tool knows only the backslash as a separator, so every path compiled
# into a test program is turned into Windows form. In a cross build the
# programs run under Wine, which shows the Linux file system as drive Z:.

# `path` in Windows form, ready to stand in a C string literal (each
# backslash doubled).
function(quillbrook_windows_path variable path)
  if(CMAKE_CROSSCOMPILING AND path MATCHES "^/")
    set(path "Z:${path}")
  endif()
  string(REPLACE "/" "\\\\" path "${path}")
  set(${variable} "${path}" PARENT_SCOPE)
endfunction()

# A native build may keep $<TARGET_FILE:...>: the system starts programs
# named with forward slashes. A cross build has one configuration, so the
# tool's location is known now and can be rewritten for Wine.
if(CMAKE_CROSSCOMPILING)
  get_target_property(quillbrook_tool_dir Quillbrook BINARY_DIR)
  quillbrook_windows_path(QUILLBROOK_TEST_EXE
    "${quillbrook_tool_dir}/Quillbrook${CMAKE_EXECUTABLE_SUFFIX}")
endif()
quillbrook_windows_path(QUILLBROOK_TEST_EXAMPLES_DIR "${QUILLBROOK_TEST_EXAMPLES_DIR}")
quillbrook_windows_path(QUILLBROOK_TEST_CORPUS_DIR "${QUILLBROOK_TEST_CORPUS_DIR}")
quillbrook_windows_path(QUILLBROOK_TEST_MPLABX_DIR "${QUILLBROOK_TEST_MPLABX_DIR}")
quillbrook_windows_path(QUILLBROOK_TEST_MPLAB8TRUTH_DIR "${QUILLBROOK_TEST_MPLAB8TRUTH_DIR}")
quillbrook_windows_path(QUILLBROOK_TEST_REALPROJECTS_DIR "${QUILLBROOK_TEST_REALPROJECTS_DIR}")

# Folders for the tests that need a second drive: the build folder, which
# under Wine is on Z: while the temporary folder is on C:.
quillbrook_windows_path(quillbrook_windows_scratch_dir
  "${CMAKE_CURRENT_BINARY_DIR}/windows-scratch")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/windows-scratch")

# What the Linux build writes for the bundled example, made by
# make-linux-reference; the drive-letter conversion is compared with it.
set(QUILLBROOK_LINUX_REFERENCE_DIR "${PROJECT_BINARY_DIR}/linux-reference" CACHE PATH
  "Output of tests/windows/make-linux-reference for the Windows example test")
quillbrook_windows_path(quillbrook_linux_reference_dir "${QUILLBROOK_LINUX_REFERENCE_DIR}")

add_executable(quillbrook_windows_tests
  ${CMAKE_CURRENT_LIST_DIR}/DriveState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AbsolutePathWindowsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderWindowsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NamesWindowsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextModeWindowsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExampleWindowsTest.cpp
)
target_include_directories(quillbrook_windows_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quillbrook_windows_tests PRIVATE quillbrook_test_support GTest::gtest_main)
add_dependencies(quillbrook_windows_tests Quillbrook)
target_compile_definitions(quillbrook_windows_tests PRIVATE
  QUILLBROOK_EXE="${QUILLBROOK_TEST_EXE}"
  EXAMPLES_DIR="${QUILLBROOK_TEST_EXAMPLES_DIR}"
  SCRATCH_DIR="${quillbrook_windows_scratch_dir}"
  LINUX_REFERENCE_DIR="${quillbrook_linux_reference_dir}"
)
if(MSVC)
  target_compile_options(quillbrook_windows_tests PRIVATE /W4)
else()
  target_compile_options(quillbrook_windows_tests PRIVATE -Wall -Wextra)
endif()

include(GoogleTest)
gtest_discover_tests(quillbrook_windows_tests DISCOVERY_TIMEOUT 60)
