# Help: the bridge, the F1 key (with a recording engine) and the real help window over
# the collection built beside the executable. Included from tests/app/CMakeLists.txt.
zarn_add_qttest(help_bridge_tests
  SOURCES HelpBridgeTest.cpp RecordingHelpEngine.h
  LIBS zarn_help)
target_include_directories(help_bridge_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)

zarn_add_qttest(help_key_tests
  SOURCES HelpKeyTest.cpp RecordingHelpEngine.h
  LIBS zarn_help zarn_formkit)
target_include_directories(help_key_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)

zarn_add_qttest(help_window_tests
  SOURCES HelpWindowTest.cpp
  LIBS zarn_help)
target_compile_definitions(help_window_tests PRIVATE
  ZARN_HELP_BUILD_DIR="${PROJECT_BINARY_DIR}/src/app"
  ZARN_HELP_SOURCE_DIR="${PROJECT_SOURCE_DIR}/resources/help")
add_dependencies(help_window_tests zarn_help_collection)
