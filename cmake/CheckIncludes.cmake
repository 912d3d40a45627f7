# The floors of the source tree: each folder of src/ may include only its own headers and
# those of the floors below it, and the pure libraries include no Qt header. Run as a script:
#   cmake -DSOURCE_DIR=<folder holding src/> -P CheckIncludes.cmake
# It fails, naming every file and line that breaks the rule; the build runs it before
# compiling anything, and CTest runs it as the case include_floors.
cmake_minimum_required(VERSION 3.25)

# Folder: the folders whose headers it may include (its own first).
set(ZARN_FLOOR_engine engine)
set(ZARN_FLOOR_dates dates)
set(ZARN_FLOOR_notices notices)
set(ZARN_FLOOR_fields fields dates)
set(ZARN_FLOOR_law law engine dates)
set(ZARN_FLOOR_execution execution law engine dates)
set(ZARN_FLOOR_prescription prescription law engine dates)
set(ZARN_FLOOR_sentencing sentencing law engine dates)
set(ZARN_FLOOR_caso caso execution prescription sentencing law engine dates)
set(ZARN_FLOOR_widgets widgets fields dates engine notices law execution prescription sentencing caso)
set(ZARN_FLOOR_help help widgets)
set(ZARN_FLOOR_desktop desktop widgets)
set(ZARN_FLOOR_forms forms help desktop widgets execution prescription sentencing caso law fields dates engine notices)
set(ZARN_FLOOR_app app forms help desktop widgets execution prescription sentencing caso law fields dates engine notices)
set(ZARN_FLOOR_cli cli widgets execution prescription sentencing caso law fields dates engine)
# Standard C++ only: no Qt header.
set(ZARN_PURE_FLOORS engine dates notices fields law execution prescription sentencing caso)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckIncludes.cmake needs -DSOURCE_DIR=<folder holding src/>")
endif()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(source STREQUAL folder OR NOT DEFINED ZARN_FLOOR_${folder})
    string(APPEND faults "\n  src/${source}: the folder has no floor in CheckIncludes.cmake")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
      if(NOT CMAKE_MATCH_1 IN_LIST ZARN_FLOOR_${folder})
        string(APPEND faults "\n  src/${source}: ${line} (${folder}/ may not include ${CMAKE_MATCH_1}/)")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)" AND folder IN_LIST ZARN_PURE_FLOORS)
      string(APPEND faults "\n  src/${source}: ${line} (${folder}/ is standard C++ only)")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that run upward or bring Qt into a pure library:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "Include floors hold for ${count} files")
