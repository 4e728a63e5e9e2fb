# Installs the build into a staging folder (DESTDIR, prefix /usr), checks the installed tree
# file by file, then runs the installed lexigrille-cli. Set BUILD_DIR, STAGE, DATA_DIR, SAMPLE, BUILD_CLI.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()
set(root "${STAGE}/usr")

# Exactly these files, and every file of data/ (subfolders too) in the program folder.
set(expected bin/lexigrille bin/lexigrille-cli share/applications/lexigrille.desktop share/mime/packages/lexigrille.xml
  share/icons/hicolor/scalable/apps/lexigrille.svg share/man/man1/lexigrille-cli.1.gz)
file(GLOB_RECURSE data_files RELATIVE "${DATA_DIR}" "${DATA_DIR}/*")
list(FILTER data_files EXCLUDE REGEX "(^|/)\\.")
list(LENGTH data_files data_count)
if(data_count LESS 5)
  message(FATAL_ERROR "data/ looks empty: ${data_files}")
endif()
list(TRANSFORM data_files PREPEND "share/lexigrille/")
list(APPEND expected ${data_files})
file(GLOB_RECURSE installed RELATIVE "${root}" "${root}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "Installed tree differs.\nMissing: ${missing}\nUnexpected: ${extra}")
endif()

# Where a lexigrille-cli finds its program folder, as --version prints it on its second line.
function(check_folder cli env_arg want)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${env_arg} QT_QPA_PLATFORM=offscreen ${cli} --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^Lexigrille [0-9]+\\.[0-9]+[^\n]*\nDossier du programme : ([^\n]*)"
     OR NOT CMAKE_MATCH_1 STREQUAL want)
    message(FATAL_ERROR "${cli} --version (${env_arg}) gave ${rc}:\n${out}${err}expected the folder ${want}")
  endif()
endfunction()
file(REAL_PATH "${root}/share/lexigrille" installed_folder)
get_filename_component(build_bin "${BUILD_CLI}" DIRECTORY)
file(REAL_PATH "${build_bin}/data" build_folder)
check_folder("${root}/bin/lexigrille-cli" --unset=LEXIGRILLE_DATA_DIR "${installed_folder}")
check_folder("${root}/bin/lexigrille-cli" LEXIGRILLE_DATA_DIR=${DATA_DIR} "${DATA_DIR}")
check_folder("${BUILD_CLI}" --unset=LEXIGRILLE_DATA_DIR "${build_folder}")

# The installed tool renders a document.
set(png "${STAGE}/fiche.png")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=LEXIGRILLE_DATA_DIR QT_QPA_PLATFORM=offscreen
          ${root}/bin/lexigrille-cli render ${SAMPLE} -o ${png}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(EXISTS "${png}")
  file(READ "${png}" signature LIMIT 8 HEX)
endif()
if(NOT rc EQUAL 0 OR NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "The installed lexigrille-cli did not render ${SAMPLE} as a PNG image (${rc}):\n${out}")
endif()
