# Packages made with CPack from the installation rules: a Debian package on Linux, a plain
# archive elsewhere. `make package` configures the `package` preset (installation prefix /usr)
# and runs `cpack --preset package`. Included from the top CMakeLists.txt.
set(CPACK_PACKAGE_NAME "zarn")
set(CPACK_PACKAGE_VENDOR "${ZARN_VENDOR}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ZARN_VENDOR} <${ZARN_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZARN_AUTHOR_SITE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculadora de penas criminais / criminal sentence calculator")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Zarn")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR "DEB")
else()
  set(CPACK_GENERATOR "ZIP")
endif()

# --- Debian: everything under /usr, as Debian wants. The `package` preset configures that
# prefix too; from a tree configured for another prefix the installed program still finds its
# help, because it looks for it from its own folder first.
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZARN_AUTHOR_SITE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The shared libraries come from dpkg-shlibdeps; what the program loads at run time without
# linking it is named here: the Qt platform plugins, the SQLite driver that Qt Help reads
# the help collection with, Qt's own Portuguese texts, and the window fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra")
# Opening the author's site and a new e-mail message goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The synopsis is the summary above; this is the extended description, in Portuguese and
# in English. CPack quotes it into its configuration: keep ASCII double quotes out of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "O Zarn calcula penas criminais segundo a lei brasileira, passo a passo: a pena
corporal em anos, meses e dias, os dias-multa e uma operação como “+ 1/6”,
“- 1/3” ou “x 2”. O resultado sai por extenso, pronto para colar na sentença,
e serve de ponto de partida para a operação seguinte. Uma janela de calendário
dá o último dia da pena. Inclui o zarn-calc, que faz os mesmos cálculos pela
linha de comando.

Zarn works out criminal sentences under Brazilian law, step by step: the
custodial term in years, months and days, the day-fines and an operation such
as “+ 1/6”, “- 1/3” or “x 2”. The outcome is written out in full, in
Portuguese, ready to paste into the judgment, and becomes the starting point of
the next operation. A calendar window gives the last day of the sentence.
Includes zarn-calc, the same calculations from the command line.")

include(CPack)
