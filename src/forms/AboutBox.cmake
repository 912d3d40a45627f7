# The program's icon and the about box. Included from src/forms/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

set(ZARN_AUTHOR_SITE "https://www.example.org/zarn" CACHE STRING
    "Web address that the about box's site button opens")
set(ZARN_AUTHOR_EMAIL "autor@example.org" CACHE STRING
    "E-mail address that the about box's e-mail button shows")

# The icon bitmaps, compiled in from resources/icons.
qt_add_resources(ZARN_ICON_RESOURCES ${PROJECT_SOURCE_DIR}/resources/icons/zarn.qrc)
add_library(zarn_icons STATIC ProgramIcon.h ProgramIcon.cpp ${ZARN_ICON_RESOURCES})
target_include_directories(zarn_icons PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zarn_icons PUBLIC Qt6::Gui)
zarn_target_warnings(zarn_icons)

# Repaints the committed icon files; built only on request (see PaintIcon.cpp).
add_executable(zarn_paint_icon EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/resources/icons/PaintIcon.cpp)
target_link_libraries(zarn_paint_icon PRIVATE Qt6::Gui)
zarn_target_warnings(zarn_paint_icon)

# Whether a mail program is registered: one file per platform.
if(WIN32)
  set(ZARN_MAIL_HANDLER MailHandlerWindows.cpp)
elseif(APPLE)
  set(ZARN_MAIL_HANDLER MailHandlerMacos.cpp)
else()
  set(ZARN_MAIL_HANDLER MailHandlerLinux.cpp)
endif()

add_library(zarn_aboutbox STATIC
  Unit2.h Unit2.cpp
  BevelPanel.h BevelPanel.cpp
  UrlOpener.h
  SystemUrlOpener.h SystemUrlOpener.cpp
  MailHandler.h ${ZARN_MAIL_HANDLER})
set_target_properties(zarn_aboutbox PROPERTIES AUTOMOC ON)
target_include_directories(zarn_aboutbox PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zarn_aboutbox PUBLIC Qt6::Widgets zarn_formkit zarn_icons)
target_compile_definitions(zarn_aboutbox PRIVATE
  ZARN_VERSION="${PROJECT_VERSION}"
  ZARN_AUTHOR_SITE="${ZARN_AUTHOR_SITE}"
  ZARN_AUTHOR_EMAIL="${ZARN_AUTHOR_EMAIL}")
zarn_target_warnings(zarn_aboutbox)

# The icon for the desktop's menus and launchers.
include(GNUInstallDirs)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zarn-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zarn.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zarn.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
