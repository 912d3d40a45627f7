# Help in the main window and in the running program. Included from
# tests/app/CMakeLists.txt.
zarn_add_qttest(mainwindow_help_tests
  SOURCES MainWindowHelpTest.cpp RecordingHelpEngine.h
  LIBS zarn_forms zarn_help)
target_include_directories(mainwindow_help_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)

# The program looks for its help beside the executable: the test gets its own copy.
zarn_add_qttest(help_startup_tests
  SOURCES HelpStartupTest.cpp
  LIBS zarn_app)
set(HELP_STARTUP_COPIES ${CMAKE_CURRENT_BINARY_DIR}/zarn.qhc ${CMAKE_CURRENT_BINARY_DIR}/zarn.qch)
add_custom_command(
  OUTPUT ${HELP_STARTUP_COPIES}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
    ${PROJECT_BINARY_DIR}/src/app/zarn.qhc ${PROJECT_BINARY_DIR}/src/app/zarn.qch
    ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS ${PROJECT_BINARY_DIR}/src/app/zarn.qhc ${PROJECT_BINARY_DIR}/src/app/zarn.qch
    zarn_help_collection
  VERBATIM)
add_custom_target(help_startup_collection DEPENDS ${HELP_STARTUP_COPIES})
add_dependencies(help_startup_tests help_startup_collection)
