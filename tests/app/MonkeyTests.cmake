# The monkey test: seeded streams of random user events on the running program, with the
# rules that must always hold checked after every event. A quick run here; 'make monkey'
# runs long ones. Included from tests/app/CMakeLists.txt.
zarn_add_qttest(monkey_tests
  SOURCES MonkeyTest.cpp Monkey.h Monkey.cpp MonkeyChecks.h MonkeyChecks.cpp
    RecordingHelpEngine.h
    ${PROJECT_SOURCE_DIR}/tests/forms/ModalWatch.h
    ${PROJECT_SOURCE_DIR}/tests/forms/RecordingUrlOpener.h
  LIBS zarn_app)
target_include_directories(monkey_tests PRIVATE
  ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/forms)
