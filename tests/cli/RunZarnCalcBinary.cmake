# Runs the zarn-calc binary on the first worked example and checks its exact output and
# exit code, then a usage error and an output to a full disk.
execute_process(
  COMMAND "${ZARN_CALC}" pena 5 "" "" 10 "+1/6"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE code)
set(expected " 5 anos, 10 meses e  0 dia, e  11 dias-multa\n")
if(NOT code EQUAL 0)
  message(FATAL_ERROR "exit code ${code}, expected 0 (stderr: ${errors})")
endif()
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "output [${output}], expected [${expected}]")
endif()

execute_process(
  COMMAND "${ZARN_CALC}" pena 5
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE code)
if(NOT code EQUAL 2 OR NOT output STREQUAL "" OR NOT errors MATCHES "^Uso: zarn-calc")
  message(FATAL_ERROR "usage error: exit code ${code}, output [${output}], stderr [${errors}]")
endif()

# A full disk: the output cannot be written, and the exit code says so.
if(EXISTS /dev/full)
  execute_process(
    COMMAND "${ZARN_CALC}" pena 5 "" "" 10 "+1/6"
    OUTPUT_FILE /dev/full
    ERROR_VARIABLE errors
    RESULT_VARIABLE code)
  if(NOT code EQUAL 3 OR NOT errors MATCHES "^zarn-calc: n")
    message(FATAL_ERROR "a full disk: exit code ${code}, stderr [${errors}]")
  endif()
endif()
