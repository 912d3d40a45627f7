# Help: the compiled help collection, the help window and engine, the bridge that the
# windows' requests go through, and the F1 key. Included from src/app/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Help)
find_package(Qt6 QUIET COMPONENTS ToolsTools)
include(GNUInstallDirs)

# The installed data folder, where the help collection is looked for when it is not
# beside the executable.
set(ZARN_DATA_DIR "${CMAKE_INSTALL_FULL_DATADIR}/zarn")

# --- The help collection, compiled from resources/help into zarn.qch + zarn.qhc, beside
# --- the zarn executable in the build tree.
if(TARGET Qt6::qhelpgenerator)
  set(ZARN_QHELPGENERATOR Qt6::qhelpgenerator)
else()
  find_program(ZARN_QHELPGENERATOR qhelpgenerator
    HINTS /usr/lib/qt6/libexec /usr/lib/qt6/bin REQUIRED)
endif()

set(ZARN_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/help)
set(ZARN_HELP_PAGES
  index.html campos.html operacoes.html resultado.html comandos.html teclado.html
  calendario.html mensagens.html menus.html estilo.css)
list(TRANSFORM ZARN_HELP_PAGES PREPEND ${ZARN_HELP_SOURCE_DIR}/ OUTPUT_VARIABLE ZARN_HELP_INPUTS)
set(ZARN_HELP_QCH ${CMAKE_CURRENT_BINARY_DIR}/zarn.qch)
set(ZARN_HELP_QHC ${CMAKE_CURRENT_BINARY_DIR}/zarn.qhc)

add_custom_command(
  OUTPUT ${ZARN_HELP_QCH}
  COMMAND ${ZARN_QHELPGENERATOR} ${ZARN_HELP_SOURCE_DIR}/zarn.qhp -o ${ZARN_HELP_QCH}
  DEPENDS ${ZARN_HELP_SOURCE_DIR}/zarn.qhp ${ZARN_HELP_INPUTS}
  COMMENT "Compiling the help pages into zarn.qch"
  VERBATIM)
# The collection registers zarn.qch by a name relative to itself, so the pair can move
# together (build tree, installed data folder).
configure_file(${ZARN_HELP_SOURCE_DIR}/zarn.qhcp ${CMAKE_CURRENT_BINARY_DIR}/zarn.qhcp COPYONLY)
add_custom_command(
  OUTPUT ${ZARN_HELP_QHC}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ZARN_HELP_QHC}
  COMMAND ${ZARN_QHELPGENERATOR} ${CMAKE_CURRENT_BINARY_DIR}/zarn.qhcp -o ${ZARN_HELP_QHC}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/zarn.qhcp ${ZARN_HELP_QCH}
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  COMMENT "Building the help collection zarn.qhc"
  VERBATIM)
add_custom_target(zarn_help_collection ALL DEPENDS ${ZARN_HELP_QCH} ${ZARN_HELP_QHC})
install(FILES ${ZARN_HELP_QCH} ${ZARN_HELP_QHC} DESTINATION ${CMAKE_INSTALL_DATADIR}/zarn)

# --- The help window, its engine, the bridge and the F1 key.
add_library(zarn_help STATIC
  HelpEngine.h
  HelpBridge.h HelpBridge.cpp
  HelpKey.h HelpKey.cpp
  HelpCollection.h HelpCollection.cpp
  HelpBrowser.h HelpBrowser.cpp
  HelpSearch.h HelpSearch.cpp
  HelpWindow.h HelpWindow.cpp
  HelpViewerEngine.h HelpViewerEngine.cpp)
set_target_properties(zarn_help PROPERTIES AUTOMOC ON)
target_include_directories(zarn_help PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zarn_help PUBLIC Qt6::Widgets Qt6::Help)
target_compile_definitions(zarn_help PRIVATE ZARN_DATA_DIR="${ZARN_DATA_DIR}")
add_dependencies(zarn_help zarn_help_collection)
zarn_target_warnings(zarn_help)
