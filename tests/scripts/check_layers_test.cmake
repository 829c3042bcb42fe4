# The layer check on a scratch tree of its own: every way an include can reach a folder above its
# layer, or tests/ and bench/, fails the check and names the file it reaches; includes that stay
# within the layers pass, however they are written.
#   cmake -DSOURCE_DIR=<top of the sources> -DSCRATCH=<an empty folder to use> -P check_layers_test.cmake

cmake_minimum_required(VERSION 3.20)

set(_top "${SCRATCH}/sources")
file(REMOVE_RECURSE "${_top}")

# One header in every folder an include may reach.
foreach(_header platform/vbtext.h core/rowmatrix.h shell/settings.h shell/texts/texts.h frame/Form1.h
    systems/Form2.h printing/printjob.h app/commands.h tests/support/fixture.h bench/harness.h
    shell/frame/Form1.h)
  file(WRITE "${_top}/${_header}" "#pragma once\n")
endforeach()

# Runs the check on the scratch tree; _rc and _out hold its exit code and message.
macro(_check)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${_top} -P "${SOURCE_DIR}/cmake/CheckLayers.cmake"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
endmacro()

# Includes that stay within the layers: the own folder, quoted names beside the file, the folder
# above within the same layer, and the system's headers. A subfolder of shell/ named frame/ is
# shell's own.
file(WRITE "${_top}/shell/texts/fine.cpp" "#include \"texts.h\"\n#include \"../settings.h\"\n"
  "#include \"platform/vbtext.h\"\n#include <QString>\n#include <vector>\n")
file(WRITE "${_top}/shell/fine.cpp" "#include \"frame/Form1.h\"\n#include \"./settings.h\"\n")
file(WRITE "${_top}/frame/fine.cpp" "#include \"Form1.h\"\n#include \"../shell/settings.h\"\n"
  "  #  include <core/rowmatrix.h>\n")
file(WRITE "${_top}/app/fine.cpp" "#include \"frame/Form1.h\"\n#include \"../systems/Form2.h\"\n"
  "#include \"printing/printjob.h\"\n")
_check()
if(NOT _rc EQUAL 0)
  message(SEND_ERROR "includes within the layers were refused:\n${_out}")
endif()

# Each row: the including file | its include line | the file the include reaches.
set(_cases
  "shell/seeded.cpp|#include \"../frame/Form1.h\"|frame/Form1.h"
  "shell/seeded.cpp|#include \"texts/../../systems/Form2.h\"|systems/Form2.h"
  "shell/texts/seeded.cpp|#include \"../../frame/Form1.h\"|frame/Form1.h"
  "shell/texts/seeded.cpp|#include \"./frame/Form1.h\"|frame/Form1.h"
  "shell/seeded.h|  #  include <frame/Form1.h>|frame/Form1.h"
  "platform/seeded.h|#include \"core/rowmatrix.h\"|core/rowmatrix.h"
  "frame/seeded.cpp|#include \"../systems/Form2.h\"|systems/Form2.h"
  "systems/seeded.cpp|#include \"app/commands.h\"|app/commands.h"
  "frame/seeded.cpp|#include \"tests/support/fixture.h\"|tests/support/fixture.h"
  "frame/seeded.cpp|#include \"../bench/harness.h\"|bench/harness.h"
  "printing/seeded.cpp|#include <bench/harness.h>|bench/harness.h"
  "core/seeded.h|#include \"../tests/support/fixture.h\"|tests/support/fixture.h"
  "app/seeded.cpp|#include \"./bench/harness.h\"|bench/harness.h")
foreach(_case IN LISTS _cases)
  string(REPLACE "|" ";" _fields "${_case}")
  list(GET _fields 0 _file)
  list(GET _fields 1 _line)
  list(GET _fields 2 _reached)
  file(WRITE "${_top}/${_file}" "#include <vector>\n${_line}\n")
  _check()
  file(REMOVE "${_top}/${_file}")
  string(STRIP "${_line}" _stripped)
  string(FIND "${_out}" "${_file}: ${_stripped} is ${_reached} " _at)
  if(_rc EQUAL 0 OR _at EQUAL -1)
    message(SEND_ERROR "${_file} with ${_line} (reaching ${_reached}) passed the check:\n${_out}")
  endif()
endforeach()

file(REMOVE_RECURSE "${_top}")
