# Installation and the Debian package.
#
#   cmake --install build --prefix /usr    (DESTDIR=... for a staging folder)
#   cd build && cpack -G DEB               (or ./build.sh package)
#
# Layout under the prefix:
#   bin/lexigrille, bin/lexigrille-cli
#   share/lexigrille/                      the program folder (contents of data/)
#   share/applications/lexigrille.desktop
#   share/mime/packages/lexigrille.xml     the type application/x-lexigrille (*.lxg)
#   share/icons/hicolor/scalable/apps/lexigrille.svg
#   share/man/man1/lexigrille-cli.1.gz
# The executables look for their folder in ../share/lexigrille, so bin/ and
# share/ stay fixed rather than following GNUInstallDirs.

set(LEXIGRILLE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(LEXIGRILLE_INSTALL_PROGRAM_FOLDER share/lexigrille)

install(TARGETS lexigrille lexigrille-cli RUNTIME DESTINATION bin)

# The source data/ rather than the copy in build/bin/data: running the program
# from the build tree may leave files there (a saved template) that must not ship.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/
  DESTINATION ${LEXIGRILLE_INSTALL_PROGRAM_FOLDER}
  PATTERN ".*" EXCLUDE)

install(FILES ${LEXIGRILLE_PACKAGING_DIR}/lexigrille.desktop DESTINATION share/applications)
install(FILES ${LEXIGRILLE_PACKAGING_DIR}/lexigrille.xml DESTINATION share/mime/packages)
install(FILES ${LEXIGRILLE_PACKAGING_DIR}/lexigrille.svg DESTINATION share/icons/hicolor/scalable/apps)

# The man page carries the version; Debian wants it compressed.
set(LEXIGRILLE_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/lexigrille-cli.1)
configure_file(${LEXIGRILLE_PACKAGING_DIR}/lexigrille-cli.1.in ${LEXIGRILLE_MAN_PAGE} @ONLY)
add_custom_command(OUTPUT ${LEXIGRILLE_MAN_PAGE}.gz
  COMMAND gzip -9 -n -k -f ${LEXIGRILLE_MAN_PAGE}
  DEPENDS ${LEXIGRILLE_PACKAGING_DIR}/lexigrille-cli.1.in
  COMMENT "Compressing the man page of lexigrille-cli")
add_custom_target(lexigrille_man_page ALL DEPENDS ${LEXIGRILLE_MAN_PAGE}.gz)
install(FILES ${LEXIGRILLE_MAN_PAGE}.gz DESTINATION share/man/man1)

# --- Debian package -----------------------------------------------------------
# Library dependencies come from dpkg-shlibdeps (package dpkg-dev); the fonts the
# pages name and Qt's French dialog texts are added by hand. The desktop entry,
# MIME type and icon caches are refreshed by the triggers of desktop-file-utils,
# shared-mime-info and the icon theme: no maintainer scripts needed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexigrille)
set(CPACK_PACKAGE_VENDOR Lexigrille)
set(CPACK_PACKAGE_CONTACT "Lexigrille <contact@lexigrille.fr>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lexigrille <contact@lexigrille.fr>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation, fonts-symbola, fonts-wine, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-opendyslexic)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# First line: the synopsis; the rest: the long description (French, then English).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[fiches de jeux de lettres pour l'école / word-puzzle worksheets for schools
Lexigrille fabrique des fiches à imprimer pour les classes du CP au CM2 :
mots mêlés (« Lexigrille »), mots casés et mots codés. Les mots viennent
d'une base classée par niveau et par thème, d'une liste ou du presse-papiers ;
la fiche tient sur une page A4 et s'enregistre dans un document .lxg.
Le paquet fournit aussi lexigrille-cli, qui crée et dessine les fiches
(PDF, PNG) depuis la ligne de commande.

Lexigrille makes printable word-puzzle worksheets for French primary-school
classes: word search, fill-in grids and coded words, with a French interface.
It also ships lexigrille-cli to generate and render worksheets in batch.]=])

include(CPack)

# --- Tests --------------------------------------------------------------------
if(LEXIGRILLE_BUILD_TESTS)
  set(_packaging_tests ${PROJECT_SOURCE_DIR}/tests/packaging)

  # A staged installation (DESTDIR) whose lexigrille-cli finds its program
  # folder under share/lexigrille and renders a sample document.
  add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${CMAKE_BINARY_DIR}
      -DSTAGE=${CMAKE_BINARY_DIR}/install-test
      -DDATA_DIR=${PROJECT_SOURCE_DIR}/data
      -DSAMPLE=${PROJECT_SOURCE_DIR}/tests/cli/data/lexigrille.lxg
      -DBUILD_CLI=$<TARGET_FILE:lexigrille-cli>
      -P ${_packaging_tests}/InstallTree.cmake)
  set_tests_properties(install_tree PROPERTIES TIMEOUT 120)

  find_program(LEXIGRILLE_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(NOT LEXIGRILLE_DESKTOP_FILE_VALIDATE)
    set(LEXIGRILLE_DESKTOP_FILE_VALIDATE desktop-file-validate)
  endif()
  add_test(NAME desktop_entry_valid
    COMMAND ${LEXIGRILLE_DESKTOP_FILE_VALIDATE} ${LEXIGRILLE_PACKAGING_DIR}/lexigrille.desktop)
  # The validator reports hints and warnings on standard output with exit code 0.
  set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")

  find_program(LEXIGRILLE_PYTHON3 NAMES python3 HINTS /usr/bin)
  set(_python3 ${LEXIGRILLE_PYTHON3})
  if(NOT _python3)
    set(_python3 python3)
  endif()
  add_test(NAME desktop_integration
    COMMAND ${_python3} ${_packaging_tests}/check_desktop_integration.py
      --packaging ${LEXIGRILLE_PACKAGING_DIR}
      --man-page ${LEXIGRILLE_MAN_PAGE}
      --sample ${PROJECT_SOURCE_DIR}/tests/cli/data/lexigrille.lxg
      --cli $<TARGET_FILE:lexigrille-cli>)
  set_tests_properties(desktop_integration PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
