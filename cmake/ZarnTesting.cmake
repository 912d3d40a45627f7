# Helpers that register Zarn's tests with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

# zarn_add_gtest(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest binary for a pure library; each TEST becomes one CTest case.
function(zarn_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  zarn_target_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# zarn_add_qttest(<name> SOURCES <files...> LIBS <targets...>)
# A Qt Test binary for windows and controls, run on the offscreen platform
# with the locale pinned, so that it behaves the same on every machine.
function(zarn_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  zarn_target_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC"
    TIMEOUT 300)
endfunction()
