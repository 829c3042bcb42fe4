# Fails when a source file of the program includes a file from a folder above its own layer.
#   cmake -DSOURCE_DIR=<top of the sources> -P CheckLayers.cmake
# The layers run one way: platform <- core <- shell <- {frame, systems, printing} <- app. The three
# document folders do not include each other, nothing outside app/ includes app/, and no program
# folder includes tests/, bench/ or any other folder of the sources. Tests and the bench stand
# outside the layers.
# Each include is judged by the file it resolves to, found as the compiler finds it: a quoted name
# in the including file's folder first, then every name under the top of the sources (the one
# include folder of the program's targets). A name that resolves to no file of the sources (Qt, the
# C++ library, the system) is not ours to judge.

cmake_minimum_required(VERSION 3.20)

set(_may_include_platform platform)
set(_may_include_core core platform)
set(_may_include_shell shell core platform)
set(_may_include_frame frame shell core platform)
set(_may_include_systems systems shell core platform)
set(_may_include_printing printing shell core platform)
set(_may_include_app app frame systems printing shell core platform)
set(_layers platform core shell frame systems printing app)

file(REAL_PATH "${SOURCE_DIR}" _top)

# The file an include names, as a real path; empty when it is none of the files there.
function(_resolve_include including quote name out)
  get_filename_component(_dir "${including}" DIRECTORY)
  set(_candidates "${_top}/${name}")
  if(quote STREQUAL "\"")
    list(PREPEND _candidates "${_dir}/${name}")
  endif()
  foreach(_candidate IN LISTS _candidates)
    if(EXISTS "${_candidate}" AND NOT IS_DIRECTORY "${_candidate}")
      file(REAL_PATH "${_candidate}" _real)
      set(${out} "${_real}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(_include_line "^[ \t]*#[ \t]*include[ \t]*([<\"])([^\">]+)[\">]")
set(_faults)
foreach(_layer IN LISTS _layers)
  file(GLOB_RECURSE _files
    "${_top}/${_layer}/*.h" "${_top}/${_layer}/*.hpp" "${_top}/${_layer}/*.inc"
    "${_top}/${_layer}/*.cpp" "${_top}/${_layer}/*.cc")
  foreach(_file IN LISTS _files)
    file(STRINGS "${_file}" _includes REGEX "${_include_line}")
    foreach(_line IN LISTS _includes)
      string(REGEX MATCH "${_include_line}" _ "${_line}")
      _resolve_include("${_file}" "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" _target)
      if(NOT _target)
        continue()
      endif()
      file(RELATIVE_PATH _target_rel "${_top}" "${_target}")
      if(_target_rel MATCHES "^\\.\\./")
        continue()  # outside the sources
      endif()
      string(REGEX REPLACE "/.*$" "" _folder "${_target_rel}")
      if(NOT _target_rel MATCHES "/")
        set(_folder ".")
      endif()
      if(NOT _folder IN_LIST _may_include_${_layer})
        file(RELATIVE_PATH _rel "${_top}" "${_file}")
        string(STRIP "${_line}" _line)
        list(JOIN _may_include_${_layer} ", " _allowed)
        list(APPEND _faults "${_rel}: ${_line} is ${_target_rel} (${_layer}/ may include only ${_allowed})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Includes against the layers:\n  ${_text}")
endif()
