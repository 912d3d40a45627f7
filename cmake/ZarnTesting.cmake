# Helpers that register Zarn's tests with CTest. Every test includes what the tests share
# from tests/ ("support/ModalWatch.h") and reuses the precompiled headers of its kind.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Test Widgets)
include(GoogleTest)

# The environment that pins what varies between machines: the offscreen platform, the
# locale and the time zone.
set(ZARN_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC")

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
    zarn_reuse_pch(${name} zarn_gtest_qt_pch_donor ZARN_GTEST_PCH_HEADERS GTest::gtest Qt6::Core)
  else()
    zarn_reuse_pch(${name} zarn_gtest_pch_donor ZARN_GTEST_PCH_HEADERS GTest::gtest)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${ZARN_TEST_ENVIRONMENT}")
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
  # The Qt libraries' headers: Qt Test's own take defines that name each test's folder.
  zarn_reuse_pch(${name} zarn_qt_pch_donor ZARN_QT_PCH_HEADERS Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ZARN_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()

# zarn_test_at_densities(<name> <dpi>...)
# Runs a window test once more at each density given: QT_FONT_DPI sets the logical dots per
# inch with the toolkit's own scaling off, so the windows lay themselves out as they do on
# such a display (the offscreen platform alone always reports 96).
function(zarn_test_at_densities name)
  foreach(dpi ${ARGN})
    add_test(NAME ${name}_${dpi}dpi COMMAND ${name})
    set_tests_properties(${name}_${dpi}dpi PROPERTIES
      ENVIRONMENT "${ZARN_TEST_ENVIRONMENT};QT_ENABLE_HIGHDPI_SCALING=0;QT_FONT_DPI=${dpi}"
      TIMEOUT 300)
  endforeach()
endfunction()
