# Plays a sample script on a copy of a sample drawing and compares what tvhost prints (and the
# dimensions of the saved drawing, and the report when one is expected) with the committed
# expected output. -DPRE=script plays that script first and the script under test on its result;
# -DDAMAGE=ON then flips the first byte of the stored chains, as a damaged file would hold them.
# -DAGAIN=ON plays the script a second time on what the first play saved.
# -DUPDATE=ON writes the expected files instead.
# -DBESIDE="a;b" copies those files (an assembly's parts) next to the copy.
# Needs: TVHOST, PLUGIN, DOC, SCRIPT, EXPECTED, WORK; optional PRE, DAMAGE, AGAIN, REPORT, BESIDE.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${DOC} NAME_WE)
get_filename_component(ext ${DOC} LAST_EXT)
set(copy ${WORK}/${name}${ext})
file(COPY_FILE ${DOC} ${copy})
foreach(part ${BESIDE})
  get_filename_component(part_name ${part} NAME)
  file(COPY_FILE ${part} ${WORK}/${part_name})
endforeach()

function(play script out)
  execute_process(COMMAND ${TVHOST} run --plugin ${PLUGIN} --open ${copy} --script ${script} --save ${copy}
    OUTPUT_VARIABLE text ERROR_VARIABLE error RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tvhost failed (${rc}) on ${script}:\n${text}${error}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The stored bytes are the only byte item of the drawing, a JSON array starting with the stream's
# mark DD DE 7E 01; its first byte becomes 22.
function(damage_mark)
  file(READ ${copy} doc)
  string(REGEX REPLACE "(\"bytes\": *\\[[ \t\r\n]*)221([^0-9])" "\\122\\2" damaged "${doc}")
  if(damaged STREQUAL doc)
    message(FATAL_ERROR "no stored chains to damage in ${copy}")
  endif()
  file(WRITE ${copy} "${damaged}")
endfunction()

if(PRE)
  play(${PRE} ignored)
  file(REMOVE ${WORK}/${name}.txt)
  if(DAMAGE)
    damage_mark()
  endif()
endif()
play(${SCRIPT} shown)
if(AGAIN)
  play(${SCRIPT} again)
  string(APPEND shown "---- played again\n${again}")
endif()
execute_process(COMMAND ${TVHOST} export --dimensions ${copy} OUTPUT_VARIABLE dims RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tvhost cannot list the dimensions of ${copy}")
endif()
set(all "${shown}---- dimensions of the saved drawing\n${dims}")
string(REPLACE "${WORK}/" "" all "${all}")
string(REPLACE "${PLUGIN}" "libDimChain.plx" all "${all}")

include(${CMAKE_CURRENT_LIST_DIR}/CompareExpected.cmake)
compare_expected("${all}")
if(UPDATE)
  if(REPORT)
    file(COPY_FILE ${WORK}/${name}.txt ${REPORT})
  endif()
  return()
endif()
if(REPORT)
  file(READ ${WORK}/${name}.txt made HEX)
  file(READ ${REPORT} wanted HEX)
  if(NOT made STREQUAL wanted)
    message(FATAL_ERROR "the report ${WORK}/${name}.txt differs from ${REPORT}")
  endif()
endif()
