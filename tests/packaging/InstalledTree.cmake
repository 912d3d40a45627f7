# Checks an installed Zarn tree under PREFIX as a Linux desktop uses it. Included by the
# installation and package checks, which set, besides PREFIX:
#   APP_ID, VERSION, PROBE (help_lookup_probe), DESKTOP_FILE_VALIDATE, APPSTREAMCLI, GZIP.

function(zarn_fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Where a freedesktop.org desktop looks for each file, relative to the prefix.
set(ZARN_ICON_SIZES 16 24 32 48 64 128 256)
set(ZARN_EXPECTED_FILES
  bin/zarn
  bin/zarn-calc
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man1/zarn.1.gz
  share/man/man1/zarn-calc.1.gz
  share/zarn/zarn.qch
  share/zarn/zarn.qhc)
foreach(size IN LISTS ZARN_ICON_SIZES)
  list(APPEND ZARN_EXPECTED_FILES share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT ZARN_EXPECTED_FILES)

# Exactly the expected files, nothing more.
function(zarn_check_file_set prefix)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
  list(SORT found)
  if(NOT found STREQUAL ZARN_EXPECTED_FILES)
    set(missing ${ZARN_EXPECTED_FILES})
    list(REMOVE_ITEM missing ${found})
    set(extra ${found})
    list(REMOVE_ITEM extra ${ZARN_EXPECTED_FILES})
    zarn_fail("installed files differ under ${prefix}\n  missing: ${missing}\n  extra: ${extra}")
  endif()
  foreach(program zarn zarn-calc)
    file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${prefix}/bin/${program}"
      RESOLVED_DEPENDENCIES_VAR ignored UNRESOLVED_DEPENDENCIES_VAR unresolved)
    if(unresolved)
      zarn_fail("${program} needs libraries that are not found: ${unresolved}")
    endif()
  endforeach()
endfunction()

# Each bitmap in the theme folder of its size has that size (the PNG header's width and
# height, big-endian, at byte 16).
function(zarn_check_icon_sizes prefix)
  foreach(size IN LISTS ZARN_ICON_SIZES)
    set(png "${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    file(READ "${png}" signature HEX LIMIT 8)
    file(READ "${png}" header HEX OFFSET 16 LIMIT 8)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${side}" 2 -1 side)
    string(LENGTH "${side}" length)
    math(EXPR pad "8 - ${length}")
    string(REPEAT "0" ${pad} zeros)
    set(expected "${zeros}${side}${zeros}${side}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT header STREQUAL expected)
      zarn_fail("${png}: not a ${size} x ${size} PNG (header ${header})")
    endif()
  endforeach()
endfunction()

function(zarn_check_desktop_entry prefix)
  set(entry "${prefix}/share/applications/${APP_ID}.desktop")
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE code)
  if(NOT code EQUAL 0 OR report MATCHES "error:")
    zarn_fail("desktop-file-validate refuses ${entry}:\n${report}")
  endif()
  file(READ "${entry}" text)
  zarn_expect_line("${entry}" "${text}" "Name=Zarn")
  zarn_expect_line("${entry}" "${text}" "Comment=Programa para cálculo de penas criminais")
  zarn_expect_line("${entry}" "${text}" "Icon=${APP_ID}")
  zarn_expect_line("${entry}" "${text}" "Exec=zarn")
  zarn_expect_line("${entry}" "${text}" "Categories=Office;Utility;")
endfunction()

# A whole line of a text file (the line may hold semicolons, which CMake lists would split).
function(zarn_expect_line file text line)
  string(FIND "\n${text}" "\n${line}\n" at)
  if(at EQUAL -1)
    zarn_fail("${file} lacks the line [${line}]")
  endif()
endfunction()

function(zarn_check_metainfo prefix)
  set(metainfo "${prefix}/share/metainfo/${APP_ID}.metainfo.xml")
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    zarn_fail("appstreamcli refuses ${metainfo}:\n${report}")
  endif()
  file(READ "${metainfo}" text)
  foreach(pattern
      "<id>${APP_ID}</id>"
      "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
      "<release version=\"${VERSION}\""
      "<content_rating type=\"oars-1.1\""
      "<summary>Programa para cálculo de penas criminais</summary>"
      "<summary xml:lang=\"en\">")
    string(FIND "${text}" "${pattern}" at)
    if(at EQUAL -1)
      zarn_fail("${metainfo} lacks ${pattern}")
    endif()
  endforeach()
endfunction()

# The installed program finds and opens its help: the probe searches the folders that the
# program searches for an executable in <prefix>/bin, and the installed zarn carries the
# same relative folder (it links the same lookup).
function(zarn_check_help_is_found prefix)
  execute_process(COMMAND "${PROBE}" "${prefix}/bin"
    OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    zarn_fail("the help collection is not usable from ${prefix}/bin:\n${report}${errors}")
  endif()
  if(NOT report MATCHES "collection: ([^\n]*)\n")
    zarn_fail("no collection reported:\n${report}")
  endif()
  file(REAL_PATH "${CMAKE_MATCH_1}" found)
  file(REAL_PATH "${prefix}/share/zarn/zarn.qhc" expected)
  if(NOT found STREQUAL expected)
    zarn_fail("the program would open ${found}, not the installed ${expected}")
  endif()
  # Qt keeps its string literals in UTF-16.
  file(STRINGS "${prefix}/bin/zarn" relative ENCODING UTF-16LE REGEX "\\.\\./share/zarn$")
  if(NOT relative)
    zarn_fail("${prefix}/bin/zarn does not look in ../share/zarn")
  endif()
endfunction()

function(zarn_check_versions prefix)
  execute_process(COMMAND "${prefix}/bin/zarn-calc" --version
    OUTPUT_VARIABLE output RESULT_VARIABLE code)
  if(NOT code EQUAL 0 OR NOT output STREQUAL "zarn-calc ${VERSION}\n")
    zarn_fail("zarn-calc --version said [${output}] (exit ${code}), expected ${VERSION}")
  endif()
endfunction()

# The manual page names the same commands and options as zarn-calc --help.
function(zarn_words_of text pattern out)
  string(REGEX MATCHALL "${pattern}" words "${text}")
  list(TRANSFORM words REPLACE "\\\\-" "-")
  list(TRANSFORM words REPLACE "^.*zarn-calc " "")
  list(TRANSFORM words STRIP)
  list(REMOVE_DUPLICATES words)
  list(SORT words)
  set(${out} "${words}" PARENT_SCOPE)
endfunction()

function(zarn_check_manual prefix)
  execute_process(COMMAND "${GZIP}" -dc "${prefix}/share/man/man1/zarn-calc.1.gz"
    OUTPUT_VARIABLE page RESULT_VARIABLE code)
  if(NOT code EQUAL 0 OR NOT page MATCHES "^\\.\\\\\"" OR NOT page MATCHES "\n\\.TH ZARN-CALC 1 ")
    zarn_fail("zarn-calc.1.gz is not a manual page in section 1")
  endif()
  if(NOT page MATCHES "\"Zarn ${VERSION}\"")
    zarn_fail("zarn-calc.1 does not name version ${VERSION}")
  endif()
  execute_process(COMMAND "${prefix}/bin/zarn-calc" --help OUTPUT_VARIABLE help)
  zarn_words_of("${help}" "--[a-z]+" help_options)
  zarn_words_of("${page}" "\\\\-\\\\-[a-z]+" page_options)
  zarn_words_of("${help}" "zarn-calc [a-z]+ " help_commands)
  zarn_words_of("${page}" "\n\\.B zarn-calc [a-z]+" page_commands)
  if(NOT help_options OR NOT page_options STREQUAL help_options)
    zarn_fail("options: the manual page has [${page_options}], --help has [${help_options}]")
  endif()
  if(NOT help_commands OR NOT page_commands STREQUAL help_commands)
    zarn_fail("commands: the manual page has [${page_commands}], --help has [${help_commands}]")
  endif()
endfunction()

# The installed program starts on the offscreen platform and is still running when the
# check stops it: no library, plugin or start-up fault ended it.
function(zarn_check_program_starts prefix)
  set(ENV{QT_QPA_PLATFORM} offscreen)
  execute_process(
    COMMAND "${prefix}/bin/zarn"
    TIMEOUT 5
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code)
  if(NOT code MATCHES "timeout")
    zarn_fail("the installed zarn ended on its own (${code}):\n${output}${errors}")
  endif()
endfunction()

function(zarn_check_installed_tree prefix)
  zarn_check_file_set("${prefix}")
  zarn_check_icon_sizes("${prefix}")
  zarn_check_desktop_entry("${prefix}")
  zarn_check_metainfo("${prefix}")
  zarn_check_help_is_found("${prefix}")
  zarn_check_versions("${prefix}")
  zarn_check_manual("${prefix}")
  zarn_check_program_starts("${prefix}")
endfunction()
