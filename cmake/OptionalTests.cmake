# Tests step aside when their framework is missing, so that someone who only
# wants the programs can build them. scripts/test sets QUILLBROOK_REQUIRE_TESTS,
# so a missing framework there stops the configure instead of losing tests.

option(QUILLBROOK_REQUIRE_TESTS "Stop the configure when a test framework is missing" OFF)

# Called by a tests folder that cannot be built: `what` names its tests,
# `framework` the missing framework.
function(quillbrook_leave_out_tests what framework)
  if(QUILLBROOK_REQUIRE_TESTS)
    message(FATAL_ERROR "${what} need ${framework}, which was not found")
  endif()
  set_property(GLOBAL APPEND PROPERTY QUILLBROOK_LEFT_OUT_TESTS "${what} (${framework} not found)")
endfunction()

# One line naming every set of tests left out and why.
function(quillbrook_report_left_out_tests)
  get_property(left_out GLOBAL PROPERTY QUILLBROOK_LEFT_OUT_TESTS)
  if(left_out)
    list(JOIN left_out ", " text)
    message(NOTICE "Tests left out: ${text}; -DBUILD_TESTING=OFF builds without tests and without this line")
  endif()
endfunction()
