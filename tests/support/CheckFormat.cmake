# Runs clang-format --dry-run --Werror over every C++ source and header of the project (the
# build trees left out) and fails, naming the files, when one is not in the style of
# .clang-format. Run by CTest with SOURCE_DIR and CLANG_FORMAT.
cmake_minimum_required(VERSION 3.25)

set(files "")
foreach(folder src tests fuzz bench resources)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
  list(APPEND files ${found})
endforeach()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C++ files found under ${SOURCE_DIR}")
endif()

execute_process(
  COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
  WORKING_DIRECTORY "${SOURCE_DIR}"
  RESULT_VARIABLE code
  OUTPUT_VARIABLE output
  ERROR_VARIABLE report)
if(NOT code EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error:" faulty "${report}")
  list(REMOVE_DUPLICATES faulty)
  string(REPLACE ": error:" "" faulty "${faulty}")
  string(REGEX REPLACE ":[0-9]+:[0-9]+" "" faulty "${faulty}")
  list(REMOVE_DUPLICATES faulty)
  string(REPLACE ";" "\n  " faulty "${faulty}")
  message(FATAL_ERROR "Not in the clang-format style (clang-format -i fixes them):\n  ${faulty}")
endif()
message(STATUS "${count} files are in the clang-format style")
