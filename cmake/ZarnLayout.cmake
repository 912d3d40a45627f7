# Where an installation puts Zarn's files and where the installed program looks for them.
# Included wherever the layout is needed; it only sets variables.
include(GNUInstallDirs)

if(APPLE)
  # An application bundle: the help collection sits in the bundle's resources.
  set(ZARN_BUNDLE_NAME "zarn.app")
  set(ZARN_HELP_INSTALL_DIR "${ZARN_BUNDLE_NAME}/Contents/Resources")
  set(ZARN_HELP_FULL_DIR "${CMAKE_INSTALL_PREFIX}/${ZARN_HELP_INSTALL_DIR}")
  set(ZARN_HELP_RELATIVE_DIR "../Resources")
else()
  # The data folder of the prefix, <prefix>/share/zarn; seen from the installed executable
  # in <prefix>/bin it is ../share/zarn, which keeps a moved installation working.
  set(ZARN_HELP_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/zarn")
  set(ZARN_HELP_FULL_DIR "${CMAKE_INSTALL_FULL_DATADIR}/zarn")
  file(RELATIVE_PATH ZARN_HELP_RELATIVE_DIR "${CMAKE_INSTALL_FULL_BINDIR}" "${ZARN_HELP_FULL_DIR}")
endif()
