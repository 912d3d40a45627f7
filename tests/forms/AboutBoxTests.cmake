# The about box, with recorded desktop services. Included from tests/forms/CMakeLists.txt.
zarn_add_qttest(about_box_tests
  SOURCES AboutBoxTest.cpp ${PROJECT_SOURCE_DIR}/tests/app/RecordingHelpEngine.h
  LIBS zarn_aboutbox zarn_help)
target_include_directories(about_box_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(about_box_tests PRIVATE
  EXPECTED_VERSION="${PROJECT_VERSION}"
  EXPECTED_SITE="${ZARN_AUTHOR_SITE}"
  EXPECTED_EMAIL="${ZARN_AUTHOR_EMAIL}")
