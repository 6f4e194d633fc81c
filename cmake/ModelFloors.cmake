# Fails when a model folder includes a header of a higher floor, or of a floor beside its own, naming
# the file, the line and both floors. The folders of src/model are floors, bottom first; a folder
# may include its own files and those of lower floors only, so each floor builds and tests without
# the ones above it.
#
#   cmake -DMODEL_DIR=<src/model> -P ModelFloors.cmake
#
# Includes are read as the compiler finds them: "model/<folder>/..." from the source folder, or a
# path relative to the including file. A folder that is no floor is refused too, so that a new one
# is placed deliberately.

if(NOT IS_DIRECTORY "${MODEL_DIR}")
  message(FATAL_ERROR "ModelFloors: MODEL_DIR is not a folder: ${MODEL_DIR}")
endif()
get_filename_component(modelDir "${MODEL_DIR}" REALPATH)

# Floor of each folder; folders with the same number stand beside each other and include neither.
set(floor_platform 0)
set(floor_dib 0)
set(floor_picture 1)
set(floor_card 2)
set(floor_document 3)
set(floor_sheet 4)
set(floor_edit 5)
set(floor_merge 6)
set(floor_output 7)
set(floor_settings 8)

# The floor folder of path (absolute, or relative to the model folder) into outVar, empty when the
# path lies outside the model's folders.
function(folder_of path outVar)
  file(RELATIVE_PATH relative "${modelDir}" "${path}")
  if(relative MATCHES "^\\.\\./" OR NOT relative MATCHES "/")
    set(${outVar} "" PARENT_SCOPE)
  else()
    string(REGEX REPLACE "/.*" "" folder "${relative}")
    set(${outVar} "${folder}" PARENT_SCOPE)
  endif()
endfunction()

# The line, counted from 1, of the first include line at or after offset in content into lineVar,
# and the offset just past it into offsetVar. Each include line but the file's first begins with the
# line break before it, so text in a comment further up never matches.
function(line_of content text offset lineVar offsetVar)
  string(SUBSTRING "${content}" ${offset} -1 rest)
  string(FIND "${rest}" "${text}" at)
  math(EXPR at "${offset} + ${at}")
  string(SUBSTRING "${content}" 0 ${at} before)
  string(REGEX MATCHALL "\n" breaks "${before}")
  list(LENGTH breaks line)
  if(text MATCHES "^\n")
    math(EXPR line "${line} + 2")
  else()
    math(EXPR line "${line} + 1")
  endif()
  string(LENGTH "${text}" length)
  math(EXPR after "${at} + ${length}")
  set(${lineVar} ${line} PARENT_SCOPE)
  set(${offsetVar} ${after} PARENT_SCOPE)
endfunction()

set(faults 0)
file(GLOB_RECURSE sources LIST_DIRECTORIES false "${modelDir}/*.h" "${modelDir}/*.cpp")
list(SORT sources)
foreach(source IN LISTS sources)
  file(RELATIVE_PATH shown "${modelDir}" "${source}")
  set(shown "src/model/${shown}")
  folder_of("${source}" folder)
  if(folder STREQUAL "" OR NOT DEFINED floor_${folder})
    message(NOTICE "${shown}: error: the model folder '${folder}' is no floor; "
                       "add it to cmake/ModelFloors.cmake at its place")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  file(READ "${source}" content)
  # Semicolons would split the lines into list items of their own; no include line holds one.
  string(REPLACE ";" "," content "${content}")
  string(REGEX MATCHALL "(^|\n)[ \t]*#[ \t]*include[ \t]*[\"<][^\">\n]+[\">]" includeLines "${content}")
  set(offset 0)
  foreach(includeLine IN LISTS includeLines)
    line_of("${content}" "${includeLine}" ${offset} line offset)
    string(REGEX REPLACE ".*[\"<]([^\">]+)[\">]$" "\\1" included "${includeLine}")
    get_filename_component(sourceDir "${source}" DIRECTORY)
    if(included MATCHES "^model/")
      string(REGEX REPLACE "^model/([^/]+)/.*" "\\1" target "${included}")
    elseif(EXISTS "${sourceDir}/${included}")
      get_filename_component(resolved "${sourceDir}/${included}" REALPATH)
      folder_of("${resolved}" target)
    else()
      continue()
    endif()
    if(target STREQUAL "" OR target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED floor_${target})
      message(NOTICE "${shown}:${line}: error: ${folder} includes ${included} from '${target}', "
                         "which is no model floor")
    elseif(floor_${target} GREATER floor_${folder})
      message(NOTICE "${shown}:${line}: error: ${folder} includes ${included} from ${target}, "
                         "a higher floor (${folder} may include only itself and lower floors)")
    elseif(floor_${target} EQUAL floor_${folder})
      message(NOTICE "${shown}:${line}: error: ${folder} includes ${included} from ${target}, "
                         "a floor beside it (${folder} and ${target} include neither the other)")
    else()
      continue()
    endif()
    math(EXPR faults "${faults} + 1")
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "The model's floors are broken by ${faults} include(s) listed above")
endif()
