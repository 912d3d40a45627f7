# Installation: the two executables, the help collection (its rule is in src/help/CMakeLists.txt),
# and on free desktops the desktop entry, the theme icons, the AppStream metainfo and the
# manual pages. Included from the top CMakeLists.txt after the targets exist.
include(ZarnLayout)

set(ZARN_VENDOR "Equipe Zarn")
set(ZARN_COPYRIGHT "© 2026 ${ZARN_VENDOR}")
set(ZARN_RESOURCES_DIR "${PROJECT_SOURCE_DIR}/resources")
set(ZARN_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")

install(TARGETS zarn zarn-calc
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)

# --- Windows: each executable carries its version information; zarn also its icon.
if(WIN32)
  function(zarn_windows_resource target description icon)
    set(ZARN_RC_FILE_NAME "${target}.exe")
    set(ZARN_RC_INTERNAL_NAME "${target}")
    set(ZARN_RC_DESCRIPTION "${description}")
    if(icon)
      file(TO_CMAKE_PATH "${icon}" icon)
      set(ZARN_RC_ICON_LINE "IDI_ICON1 ICON \"${icon}\"")
    else()
      set(ZARN_RC_ICON_LINE "")
    endif()
    set(rc "${ZARN_GENERATED_DIR}/${target}.rc")
    configure_file(${ZARN_RESOURCES_DIR}/windows/zarn.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
  endfunction()
  zarn_windows_resource(zarn "${PROJECT_DESCRIPTION}" "${ZARN_RESOURCES_DIR}/icons/zarn.ico")
  zarn_windows_resource(zarn-calc "${PROJECT_DESCRIPTION} (linha de comando)" "")
endif()

# --- macOS: the bundle's identity and version, and its icon when one was made.
if(APPLE)
  set_target_properties(zarn PROPERTIES
    MACOSX_BUNDLE_GUI_IDENTIFIER "${ZARN_APP_ID}"
    MACOSX_BUNDLE_BUNDLE_NAME "Zarn"
    MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
    MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}"
    MACOSX_BUNDLE_COPYRIGHT "${ZARN_COPYRIGHT}")
  if(EXISTS ${ZARN_RESOURCES_DIR}/icons/zarn.icns)
    set_source_files_properties(${ZARN_RESOURCES_DIR}/icons/zarn.icns PROPERTIES
      MACOSX_PACKAGE_LOCATION Resources)
    target_sources(zarn PRIVATE ${ZARN_RESOURCES_DIR}/icons/zarn.icns)
    set_target_properties(zarn PROPERTIES MACOSX_BUNDLE_ICON_FILE zarn.icns)
  endif()
endif()

# --- Free desktops: menus, software centres, the icon theme and man.
if(UNIX AND NOT APPLE)
  set(ZARN_DESKTOP_FILE "${ZARN_GENERATED_DIR}/${ZARN_APP_ID}.desktop")
  set(ZARN_METAINFO_FILE "${ZARN_GENERATED_DIR}/${ZARN_APP_ID}.metainfo.xml")
  configure_file(${ZARN_RESOURCES_DIR}/desktop/zarn.desktop.in ${ZARN_DESKTOP_FILE} @ONLY)
  configure_file(${ZARN_RESOURCES_DIR}/desktop/zarn.metainfo.xml.in ${ZARN_METAINFO_FILE} @ONLY)
  install(FILES ${ZARN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZARN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon under the program's name, at every size drawn and as the scalable picture.
  set(ZARN_ICON_SIZES 16 24 32 48 64 128 256)
  foreach(size IN LISTS ZARN_ICON_SIZES)
    install(FILES ${ZARN_RESOURCES_DIR}/icons/zarn-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${ZARN_APP_ID}.png)
  endforeach()
  install(FILES ${ZARN_RESOURCES_DIR}/icons/zarn.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${ZARN_APP_ID}.svg)

  # Manual pages, compressed as Debian keeps them when gzip is at hand.
  find_program(ZARN_GZIP gzip)
  set(ZARN_MAN_PAGES)
  foreach(page zarn zarn-calc)
    set(source "${ZARN_GENERATED_DIR}/man/${page}.1")
    configure_file(${ZARN_RESOURCES_DIR}/man/${page}.1.in ${source} @ONLY)
    if(ZARN_GZIP)
      set(page_dir "${ZARN_GENERATED_DIR}/man/compressed")
      add_custom_command(
        OUTPUT ${page_dir}/${page}.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${page_dir}/${page}.1
        COMMAND ${ZARN_GZIP} -9nf ${page_dir}/${page}.1
        DEPENDS ${source}
        COMMENT "Compressing the manual page ${page}.1"
        VERBATIM)
      list(APPEND ZARN_MAN_PAGES ${page_dir}/${page}.1.gz)
    else()
      list(APPEND ZARN_MAN_PAGES ${source})
    endif()
  endforeach()
  add_custom_target(zarn_manpages ALL DEPENDS ${ZARN_MAN_PAGES})
  install(FILES ${ZARN_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
