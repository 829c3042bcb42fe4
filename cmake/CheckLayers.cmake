# Fails when a source file includes from a folder above its own layer.
#   cmake -DSOURCE_DIR=<top of the sources> -P CheckLayers.cmake
# The layers run one way: platform <- core <- shell <- {frame, systems, printing} <- app. The three
# document folders do not include each other, and nothing outside app/ includes app/. Tests and the
# bench stand outside the layers.

cmake_minimum_required(VERSION 3.20)

set(_may_include_platform platform)
set(_may_include_core core platform)
set(_may_include_shell shell core platform)
set(_may_include_frame frame shell core platform)
set(_may_include_systems systems shell core platform)
set(_may_include_printing printing shell core platform)
set(_may_include_app app frame systems printing shell core platform)
set(_layers platform core shell frame systems printing app)

set(_faults)
foreach(_layer IN LISTS _layers)
  file(GLOB_RECURSE _files "${SOURCE_DIR}/${_layer}/*.h" "${SOURCE_DIR}/${_layer}/*.cpp")
  foreach(_file IN LISTS _files)
    file(STRINGS "${_file}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    foreach(_line IN LISTS _includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z]+)/.*$" "\\1" _folder "${_line}")
      if(_folder IN_LIST _layers AND NOT _folder IN_LIST _may_include_${_layer})
        file(RELATIVE_PATH _rel "${SOURCE_DIR}" "${_file}")
        string(STRIP "${_line}" _line)
        list(JOIN _may_include_${_layer} ", " _allowed)
        list(APPEND _faults "${_rel}: ${_line} (${_layer}/ may include only ${_allowed})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Includes against the layers:\n  ${_text}")
endif()
