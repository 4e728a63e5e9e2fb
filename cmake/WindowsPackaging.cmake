# The Windows programs (cross-built with cmake/mingw-w64-x86_64.cmake) and the
# folder the installer is made from:
#   cmake --install build-windows --prefix build-windows/stage
# Layout under the prefix, as installed in "C:\Program Files\Lexigrille":
#   lexigrille.exe, lexigrille-cli.exe    the window (no console) and the command-line tool
#   Qt6*.dll, the MinGW runtime DLLs      the libraries they need
#   plugins\                              platform, styles, image formats, TLS
#   translations\qtbase_fr.qm             Qt's own dialogs in French
#   qt.conf                               Qt finds plugins and translations beside the programs
#   data\                                 the program folder (contents of data/)
#   data\polices\                         the fonts the pages need that Windows lacks
#   LICENCES.txt                          the licences of what ships beside Lexigrille
# packaging/windows/lexigrille.nsi turns that folder into the setup program.

set(LEXIGRILLE_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)
# The version in the setup's name (packaging/windows/windows.sh reads it).
file(WRITE ${CMAKE_BINARY_DIR}/windows/version.txt ${PROJECT_VERSION})

# --- Icon and version resources -------------------------------------------------
# The icon comes from the same drawing as the Linux one.
find_program(LEXIGRILLE_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(LEXIGRILLE_IMAGEMAGICK convert REQUIRED)
set(LEXIGRILLE_ICO ${CMAKE_BINARY_DIR}/windows/lexigrille.ico)
set(_icon_pngs)
foreach(size 16 24 32 48 64 256)
  set(_png ${CMAKE_BINARY_DIR}/windows/icon-${size}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${LEXIGRILLE_RSVG_CONVERT} -w ${size} -h ${size} -o ${_png} ${PROJECT_SOURCE_DIR}/packaging/lexigrille.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/lexigrille.svg)
  list(APPEND _icon_pngs ${_png})
endforeach()
add_custom_command(OUTPUT ${LEXIGRILLE_ICO}
  COMMAND ${LEXIGRILLE_IMAGEMAGICK} ${_icon_pngs} ${LEXIGRILLE_ICO}
  DEPENDS ${_icon_pngs}
  COMMENT "Making the Windows icon")
add_custom_target(lexigrille_windows_icon DEPENDS ${LEXIGRILLE_ICO})

function(lexigrille_windows_resources target description)
  set(LEXIGRILLE_RC_NAME ${target})
  set(LEXIGRILLE_RC_DESCRIPTION ${description})
  set(_rc ${CMAKE_BINARY_DIR}/windows/${target}.rc)
  configure_file(${LEXIGRILLE_WINDOWS_DIR}/lexigrille.rc.in ${_rc} @ONLY)
  set_source_files_properties(${_rc} PROPERTIES OBJECT_DEPENDS ${LEXIGRILLE_ICO})
  target_sources(${target} PRIVATE ${_rc})
  add_dependencies(${target} lexigrille_windows_icon)
endfunction()
lexigrille_windows_resources(lexigrille "Lexigrille - fiches de jeux de lettres")
lexigrille_windows_resources(lexigrille-cli "Lexigrille en ligne de commande")

# The window starts without a console window.
set_target_properties(lexigrille PROPERTIES WIN32_EXECUTABLE ON)

# --- The staging folder -----------------------------------------------------------
install(TARGETS lexigrille lexigrille-cli RUNTIME DESTINATION .)

# The source data/ rather than the copy in the build tree (see Packaging.cmake).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION data PATTERN ".*" EXCLUDE)

# Qt's libraries, and the plugins the programs load.
foreach(module Core Gui Widgets PrintSupport Network)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
set(_qt_plugins
  QWindowsIntegrationPlugin:platforms     # the Windows platform
  QOffscreenIntegrationPlugin:platforms   # lexigrille-cli without a desktop (QT_QPA_PLATFORM=offscreen)
  QWindowsVistaStylePlugin:styles         # the native look
  QICOPlugin:imageformats QGifPlugin:imageformats QJpegPlugin:imageformats
  QSchannelBackendPlugin:tls              # https for the update check
)
foreach(entry IN LISTS _qt_plugins)
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 plugin)
  list(GET entry 1 kind)
  if(NOT TARGET Qt6::${plugin})
    message(FATAL_ERROR "Qt for Windows lacks the plugin ${plugin}")
  endif()
  install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION plugins/${kind})
endforeach()

# The MinGW runtime that Qt and the programs link to.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE _dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_dll}" OR NOT EXISTS "${_dll}")
    message(FATAL_ERROR "MinGW runtime library not found: ${dll}")
  endif()
  install(FILES ${_dll} DESTINATION .)
endforeach()

# Qt's French texts: the same version's file as the Linux package uses.
set(LEXIGRILLE_QT_FRENCH /usr/share/qt6/translations/qtbase_fr.qm CACHE FILEPATH
  "Qt's French translations (package qt6-translations-l10n)")
if(NOT EXISTS ${LEXIGRILLE_QT_FRENCH})
  message(FATAL_ERROR "${LEXIGRILLE_QT_FRENCH} is missing (package qt6-translations-l10n)")
endif()
install(FILES ${LEXIGRILLE_QT_FRENCH} DESTINATION translations)
install(FILES ${LEXIGRILLE_WINDOWS_DIR}/qt.conf DESTINATION .)

# The fonts the pages need that Windows lacks, from the Debian packages
# fonts-symbola and fonts-liberation (version 1, the one with the narrow face).
# The program registers them only where the machine has no font of that name
# (nor Arial for Liberation Sans, nor Arial Narrow for Liberation Sans Narrow).
set(LEXIGRILLE_WINDOWS_FONTS
  /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Italic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSansNarrow-BoldItalic.ttf
  CACHE STRING "Font files shipped in data/polices")
foreach(font IN LISTS LEXIGRILLE_WINDOWS_FONTS)
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} is missing (packages fonts-symbola, fonts-liberation)")
  endif()
endforeach()
install(FILES ${LEXIGRILLE_WINDOWS_FONTS} DESTINATION data/polices)

# The licences: French notice first, then the full texts it names.
# The notice is UTF-8 with a byte-order mark and CR LF line ends: the
# installer's licence page and Notepad both read it right.
configure_file(${LEXIGRILLE_WINDOWS_DIR}/LICENCES.txt.in ${CMAKE_BINARY_DIR}/windows/LICENCES.txt
  @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/windows/LICENCES.txt DESTINATION .)
install(FILES
  /usr/share/common-licenses/GPL-2
  /usr/share/common-licenses/LGPL-3
  /usr/share/common-licenses/GPL-3
  DESTINATION licences)
foreach(entry
    fonts-liberation:Liberation fonts-symbola:Symbola libqt6core6:Qt
    gcc-mingw-w64-x86-64-posix-runtime:GCC-runtime mingw-w64-common:MinGW-w64)
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 package)
  list(GET entry 1 name)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION licences RENAME ${name}.txt)
endforeach()
