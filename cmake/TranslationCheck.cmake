# Fails when a text of the program has no finished English translation: lupdate reads the sources
# into a copy of the translation file, where a text added or changed since the file was last
# translated shows as unfinished. The file itself is left alone; run the build's
# vellumia_update_translations target to bring the new texts into it for translating.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<src> -DTS_FILE=<vellumia_en.ts> -DWORK_DIR=<folder> -P TranslationCheck.cmake

foreach(variable LUPDATE SOURCE_DIR TS_FILE WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "TranslationCheck: ${variable} is not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(tsName "${TS_FILE}" NAME)
set(copy "${WORK_DIR}/${tsName}")
file(COPY_FILE "${TS_FILE}" "${copy}")

execute_process(COMMAND "${LUPDATE}" -locations none "${SOURCE_DIR}" -ts "${copy}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
# lupdate speaks on standard error only of a text it could not read as a translated one (tr()
# outside a class that declares it, a class without its translation macro), which would be shown
# untranslated.
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "lupdate could not read every text")
endif()

file(READ "${copy}" ts)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"unfinished\"" unfinished "${ts}")
list(LENGTH unfinished unfinishedCount)
if(unfinishedCount GREATER 0)
  foreach(message IN LISTS unfinished)
    string(REGEX REPLACE ".*<source>([^<]*)</source>.*" "\\1" source "${message}")
    message("untranslated: ${source}")
  endforeach()
  message(FATAL_ERROR "${unfinishedCount} text(s) have no finished English translation")
endif()
