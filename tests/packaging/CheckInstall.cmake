# Installs the build tree into a fresh temporary prefix with `cmake --install` and checks
# the installed tree. Run by CTest with BUILD_DIR, WORK_DIR and the variables that
# InstalledTree.cmake names.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstalledTree.cmake)

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI GZIP)
  if(NOT ${tool})
    message("SKIPPED: ${tool} is not installed")
    return()
  endif()
endforeach()

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  zarn_fail("cmake --install failed:\n${output}${errors}")
endif()
zarn_check_installed_tree("${prefix}")
