# Helpers that register Zarn's tests with CTest. Every test includes what the tests share
# from tests/ ("support/ModalWatch.h") and reuses the precompiled headers of its kind.
find_package(GTest REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Test Widgets)
include(GoogleTest)

# The environment that pins what varies between machines: the offscreen platform, the
# locale and the time zone.
set(ZARN_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC")

# The sample `make test` runs under the sanitizers (the asan-sample presets): the tests of the
# pure libraries, where the calculations and the legal analyses live, and the replays of the
# fuzz corpora. zarn_sanitizer_sample builds them; their CTest cases carry the label
# "sanitized". The rest of the suite, the windows, the command line, the application and the
# installation, runs in the development build (the suite presets, zarn_unsanitized_suite), so
# that `make test` runs every test once; the pure libraries' test programs it does not build
# stand in CTest's list as <program>_NOT_BUILT, which the suite test preset leaves out. The
# default and asan presets still build and run the whole suite.
add_custom_target(zarn_sanitizer_sample)
set(ZARN_SANITIZED_LABEL sanitized)

# zarn_sanitizer_sample_includes(<target> <tests...>)
function(zarn_sanitizer_sample_includes target)
  add_dependencies(zarn_sanitizer_sample ${target})
  set_property(GLOBAL APPEND PROPERTY ZARN_SANITIZED_TARGETS ${target})
  if(ARGN)
    set_tests_properties(${ARGN} PROPERTIES LABELS ${ZARN_SANITIZED_LABEL})
  endif()
endfunction()

# zarn_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT])
# A GoogleTest binary for a pure library; each TEST becomes one CTest case. QT marks a test
# whose libraries bring in Qt, which compiles against a precompiled header of its own kind.
function(zarn_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  zarn_target_warnings(${name})
  if(ARG_QT)
    zarn_reuse_pch(${name} zarn_gtest_qt_pch_donor ZARN_GTEST_PCH_HEADERS GTest::gtest Qt6::Core
      nlohmann_json::nlohmann_json)
  else()
    zarn_reuse_pch(${name} zarn_gtest_pch_donor ZARN_GTEST_PCH_HEADERS GTest::gtest
      nlohmann_json::nlohmann_json)
    # Only the pure libraries' tests use these precompiled headers.
    set_property(GLOBAL APPEND PROPERTY ZARN_SANITIZED_TARGETS zarn_gtest_pch_donor)
  endif()
  if(ARG_QT)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "${ZARN_TEST_ENVIRONMENT}")
  else()
    # The environment is a list, so it goes last among the properties.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      PROPERTIES LABELS ${ZARN_SANITIZED_LABEL} ENVIRONMENT "${ZARN_TEST_ENVIRONMENT}")
    zarn_sanitizer_sample_includes(${name})
  endif()
endfunction()

# zarn_add_qttest(<name> SOURCES <files...> LIBS <targets...>)
# A Qt Test binary for windows and controls, run on the offscreen platform with the locale
# pinned, so that it behaves the same on every machine.
function(zarn_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  zarn_target_warnings(${name})
  # The Qt libraries' headers with Qt Test's, precompiled once for every folder: Qt Test's
  # defines that name the test's folders (for QFINDTESTDATA, which no test uses) would tie
  # the precompiled headers to one folder, so they go.
  set(unnamed_folders -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
  target_compile_options(${name} PRIVATE ${unnamed_folders})
  zarn_reuse_pch(${name} zarn_qttest_pch_donor ZARN_QTTEST_PCH_HEADERS Qt6::Widgets Qt6::Test)
  target_compile_options(zarn_qttest_pch_donor PRIVATE ${unnamed_folders})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ZARN_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()

# zarn_add_qttest_at_densities(<qttest> [<test function>...])
# Runs a Qt Test binary again, all of it or only the test functions named, on offscreen
# screens of 96, 120 and 192 pixels per inch (a screen's own density, not a scaled one), as
# a window's layout is checked. The offscreen platform ignores QT_FONT_DPI; it reads the
# density from a screen description. Each run is the CTest case <qttest>_<dpi>dpi.
function(zarn_add_qttest_at_densities qttest)
  foreach(dpi 96 120 192)
    set(screen "${CMAKE_BINARY_DIR}/offscreen-${dpi}dpi.json")
    file(CONFIGURE OUTPUT "${screen}" CONTENT
      "{\"screens\": [{\"name\": \"Screen${dpi}\", \"x\": 0, \"y\": 0, \"width\": 2560, \
\"height\": 1600, \"logicalDpi\": ${dpi}, \"logicalBaseDpi\": ${dpi}, \"dpr\": 1}]}\n")
    string(REPLACE "QT_QPA_PLATFORM=offscreen" "QT_QPA_PLATFORM=offscreen:configfile=${screen}"
      environment "${ZARN_TEST_ENVIRONMENT}")
    add_test(NAME ${qttest}_${dpi}dpi COMMAND ${qttest} ${ARGN})
    set_tests_properties(${qttest}_${dpi}dpi PROPERTIES
      ENVIRONMENT "${environment};QT_FONT_DPI=${dpi}" TIMEOUT 300)
  endforeach()
endfunction()

# zarn_add_unsanitized_suite(): the target zarn_unsanitized_suite builds everything the build
# builds by default except the sanitized sample's programs. Called once every folder is read.
function(zarn_add_unsanitized_suite)
  add_custom_target(zarn_unsanitized_suite)
  get_property(sampled GLOBAL PROPERTY ZARN_SANITIZED_TARGETS)
  zarn_targets_built_by_default(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    if(NOT target IN_LIST sampled)
      add_dependencies(zarn_unsanitized_suite ${target})
    endif()
  endforeach()
endfunction()

# zarn_targets_built_by_default(<folder> <out-var>): the targets of a folder and those under
# it that `all` builds.
function(zarn_targets_built_by_default folder out_var)
  set(found "")
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(excluded ${target} EXCLUDE_FROM_ALL)
    get_target_property(type ${target} TYPE)
    if(NOT excluded AND NOT type STREQUAL "INTERFACE_LIBRARY")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    zarn_targets_built_by_default(${subfolder} below)
    list(APPEND found ${below})
  endforeach()
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()
