# How Zarn's own libraries are set up, and the shared precompiled headers that keep the Qt
# code quick to compile.

# The headers that nearly every Qt source of the program and of its window tests includes,
# compiled once. GCC takes a precompiled header only when the defines that reach it match, so
# each kind of target (Qt libraries, Qt tests, GoogleTest tests) reuses one donor's.
set(ZARN_QT_PCH_HEADERS
  <QAbstractItemModel> <QAction> <QApplication> <QCheckBox> <QClipboard> <QComboBox> <QDir>
  <QEvent> <QFileInfo> <QFormLayout> <QGridLayout> <QHeaderView> <QKeyEvent> <QLabel>
  <QLineEdit> <QList> <QMenu> <QMessageBox> <QObject> <QPainter> <QPlainTextEdit>
  <QPushButton> <QScreen> <QSplitter> <QString> <QStringList> <QStyledItemDelegate>
  <QTableView> <QVBoxLayout> <QWidget> <string> <vector>)
# The window tests': the same and Qt Test's.
set(ZARN_QTTEST_PCH_HEADERS ${ZARN_QT_PCH_HEADERS}
  <QAbstractItemModelTester> <QAccessible> <QMenuBar> <QProcess> <QSignalSpy> <QTemporaryDir>
  <QTest> <QTimer>)
set(ZARN_GTEST_PCH_HEADERS <gtest/gtest.h> <nlohmann/json.hpp> <string> <vector>)
# The JSON library, which every source of the case document includes and which costs more to
# compile than the source itself.
set(ZARN_JSON_PCH_HEADERS <nlohmann/json.hpp> <optional> <string> <vector>)

option(ZARN_PRECOMPILED_HEADERS "Share precompiled headers between Zarn's Qt and test targets" ON)

# zarn_library_setup(<target> [QT | JSON])
# One of the program's libraries: its headers are included from src/ ("engine/CalcState.h"),
# the project's warnings apply, a QT library gets moc and the shared Qt headers, a JSON one
# the JSON library's headers precompiled.
function(zarn_library_setup target)
  cmake_parse_arguments(ARG "QT;JSON" "" "" ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  zarn_target_warnings(${target})
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    zarn_reuse_pch(${target} zarn_qt_pch_donor ZARN_QT_PCH_HEADERS Qt6::Widgets)
  endif()
  if(ARG_JSON)
    zarn_reuse_pch(${target} zarn_json_pch_donor ZARN_JSON_PCH_HEADERS nlohmann_json::nlohmann_json)
  endif()
endfunction()

# zarn_reuse_pch(<target> <donor> <headers variable> <link libraries...>)
# The target reuses the donor's precompiled headers; the donor, an object library that
# links the same libraries, is made by the first call.
function(zarn_reuse_pch target donor headers)
  if(NOT ZARN_PRECOMPILED_HEADERS)
    return()
  endif()
  if(NOT TARGET ${donor})
    set(source ${CMAKE_BINARY_DIR}/pch/${donor}.cpp)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/pch)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Builds the shared precompiled headers.\n")
    add_library(${donor} OBJECT ${source})
    target_link_libraries(${donor} PRIVATE ${ARGN})
    zarn_target_warnings(${donor})
    target_precompile_headers(${donor} PRIVATE ${${headers}})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${donor})
endfunction()
