# Builds the Debian package of the build tree with CPack, checks its control fields and its
# file list, unpacks it into a scratch root and checks the tree there. Run by CTest with
# BUILD_DIR, WORK_DIR, SITE, DPKG_DEB and the variables that InstalledTree.cmake names.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstalledTree.cmake)

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI GZIP DPKG_DEB DPKG_SHLIBDEPS)
  if(NOT ${tool})
    message("SKIPPED: ${tool} is not installed")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
          -B "${WORK_DIR}/out"
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code)
file(GLOB debs "${WORK_DIR}/out/zarn_*.deb")
list(LENGTH debs count)
if(NOT code EQUAL 0 OR NOT count EQUAL 1)
  zarn_fail("cpack made ${count} packages (exit ${code}):\n${output}${errors}")
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
  OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(deb_name "${debs}" NAME)
if(NOT deb_name STREQUAL "zarn_${VERSION}_${arch}.deb")
  zarn_fail("package file ${deb_name}, expected zarn_${VERSION}_${arch}.deb")
endif()

# --- Control fields.
function(zarn_field name out)
  execute_process(COMMAND "${DPKG_DEB}" -f "${debs}" ${name}
    OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

foreach(field_value
    "Package=zarn"
    "Version=${VERSION}"
    "Architecture=${arch}"
    "Section=utils"
    "Priority=optional"
    "Homepage=${SITE}")
  string(REGEX MATCH "^([^=]+)=(.*)$" ignored "${field_value}")
  zarn_field(${CMAKE_MATCH_1} value)
  if(NOT value STREQUAL CMAKE_MATCH_2)
    zarn_fail("control field ${CMAKE_MATCH_1} is [${value}], expected [${CMAKE_MATCH_2}]")
  endif()
endforeach()

zarn_field(Maintainer maintainer)
if(NOT maintainer MATCHES "^[^<]+ <[^@>]+@[^>]+>$")
  zarn_fail("Maintainer [${maintainer}] is not a name and an address")
endif()

# What the linker tells dpkg-shlibdeps, and what the program loads without linking it.
zarn_field(Depends depends)
string(REGEX REPLACE " *\\([^)]*\\)" "" depends_names "${depends}")
string(REPLACE ", " ";" depends_names "${depends_names}")
foreach(package
    libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6help6
    qt6-qpa-plugins libqt6sql6-sqlite qt6-translations-l10n fonts-dejavu-core)
  if(NOT package IN_LIST depends_names)
    zarn_fail("Depends lacks ${package}: ${depends}")
  endif()
endforeach()

# A synopsis line, then the Portuguese and the English paragraphs, each said once.
zarn_field(Description description)
string(REPLACE "\n" ";" description_lines "${description}")
list(GET description_lines 0 synopsis)
list(GET description_lines 1 first_line)
if(NOT synopsis MATCHES "penas criminais" OR NOT synopsis MATCHES "criminal sentence"
   OR first_line STREQUAL synopsis)
  zarn_fail("Description has no proper synopsis line:\n${description}")
endif()
foreach(words "lei brasileira" "Brazilian law" "“- 1/3” ou “x 2”"
              "“+ 1/6”, “- 1/3” or “x 2”" " .")
  string(FIND "${description}" "${words}" first)
  string(FIND "${description}" "${words}" last REVERSE)
  if(first EQUAL -1 OR NOT first EQUAL last)
    zarn_fail("Description should hold \"${words}\" once:\n${description}")
  endif()
endforeach()

# --- File list: the installed tree under /usr, nothing else.
execute_process(COMMAND "${DPKG_DEB}" -c "${debs}" OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\\./[^\n]*[^/\n]\n" entries "${listing}")
set(listed)
foreach(entry IN LISTS entries)
  string(STRIP "${entry}" entry)
  string(REGEX REPLACE " -> .*$" "" entry "${entry}")
  if(NOT entry MATCHES "^\\./usr/")
    zarn_fail("the package installs ${entry} outside /usr")
  endif()
  string(REGEX REPLACE "^\\./usr/" "" entry "${entry}")
  list(APPEND listed "${entry}")
endforeach()
list(SORT listed)
if(NOT listed STREQUAL ZARN_EXPECTED_FILES)
  zarn_fail("the package lists [${listed}], expected [${ZARN_EXPECTED_FILES}]")
endif()

# --- Unpacked into a scratch root, the tree works as installed.
execute_process(COMMAND "${DPKG_DEB}" -x "${debs}" "${WORK_DIR}/root" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  zarn_fail("dpkg-deb -x failed")
endif()
zarn_check_installed_tree("${WORK_DIR}/root/usr")
