# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and runs the installed programs from
# an unrelated working directory, as a user of an unpacked or moved install
# would: they must find their language files through ../share/tovrincalc, and
# answer --help and --version as the manual pages say.
# Run with -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -DGUI=ON|OFF -DHANDIN_FROM_BIN=...

function(fail what)
  message(FATAL_ERROR "${what}")
endfunction()

# Runs `program args...` in WORK_DIR; sets out and rc in the caller.
function(run program)
  execute_process(COMMAND ${program} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
                  INPUT_FILE ${scenario} OUTPUT_VARIABLE o ERROR_VARIABLE e RESULT_VARIABLE r)
  set(out "${o}${e}" PARENT_SCOPE)
  set(rc "${r}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(home ${WORK_DIR}/elsewhere)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                OUTPUT_QUIET RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  fail("cmake --install failed: ${r}")
endif()
set(WORK_DIR ${home})
set(scenario ${home}/english.json)
file(WRITE ${scenario} [[{"actions":[{"menu":"N25"}]}]])
set(cli ${prefix}/bin/tovrincalc-cli)

run(${cli} --version)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "tovrincalc-cli ${VERSION}\n")
  fail("tovrincalc-cli --version: status ${rc}, printed \"${out}\"")
endif()

run(${cli} --help)
foreach(option "--memo NAME" "-h, --help" "--version" "SCENARIO.json")
  string(FIND "${out}" "${option}" at)
  if(NOT rc EQUAL 0 OR at EQUAL -1)
    fail("tovrincalc-cli --help: status ${rc}, \"${option}\" missing from \"${out}\"")
  endif()
endforeach()

run(${cli} --no-such-option)
if(NOT rc EQUAL 2)
  fail("tovrincalc-cli --no-such-option: status ${rc}, expected 2")
endif()

# Neither the working directory nor the bin folder holds a language file: the
# English captions and a start without an error box (the About text reads the
# Ukrainian file) show that both came from the install's own share folder.
run(${cli} -)
string(FIND "${out}" "\"N1\": \"Tasks\"" english)
string(FIND "${out}" "\"boxes\": []" no_boxes)
if(NOT rc EQUAL 0 OR english EQUAL -1 OR no_boxes EQUAL -1)
  fail("the installed tovrincalc-cli did not find its language files: status ${rc}\n${out}")
endif()

if(GUI)
  run(${prefix}/bin/tovrincalc --version)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "tovrincalc ${VERSION}\n")
    fail("tovrincalc --version: status ${rc}, printed \"${out}\"")
  endif()
  run(${prefix}/bin/tovrincalc --help)
  string(FIND "${out}" "--version" at)
  if(NOT rc EQUAL 0 OR at EQUAL -1)
    fail("tovrincalc --help: status ${rc}, printed \"${out}\"")
  endif()
  # The window loads its documents, printouts and figure files from this module.
  set(module ${prefix}/bin/${HANDIN_FROM_BIN}/libtovrincalc-handin.so)
  if(NOT EXISTS ${module})
    fail("the hand-in module is not where the installed window looks for it: ${module}")
  endif()
endif()
file(REMOVE_RECURSE ${prefix})
