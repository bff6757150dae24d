# cmake -DSCDOC=<scdoc> -DIN=<page.scd> -DOUT=<page>: scdoc reads its page on
# standard input and writes the roff on standard output.
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "scdoc could not turn ${IN} into a manual page (status ${status})")
endif()
