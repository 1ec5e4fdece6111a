# Plays a sample script on a copy of a sample part or assembly with the view's picture saved
# (--png), and compares what tvhost prints with the committed expected output; the picture
# must exist and be a PNG. -DUPDATE=ON writes the expected file instead.
# Needs: TVHOST, PLUGIN, DOC, SCRIPT, EXPECTED, WORK; optional COMMAND (the command id, 1),
# BESIDE (a file copied next to the document) and SAVE (the document saved under this name in
# WORK, where a later test may reopen it).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(file ${DOC} NAME)
set(copy ${WORK}/${file})
file(COPY_FILE ${DOC} ${copy})
if(BESIDE)
  get_filename_component(beside ${BESIDE} NAME)
  file(COPY_FILE ${BESIDE} ${WORK}/${beside})
endif()
set(save)
if(SAVE)
  set(save --save ${WORK}/${SAVE})
endif()
set(picture ${WORK}/view.png)
if(NOT COMMAND)
  set(COMMAND 1)
endif()
execute_process(COMMAND ${TVHOST} run --plugin ${PLUGIN} --command ${COMMAND} --open ${copy} --script ${SCRIPT}
  --png ${picture} ${save}
  OUTPUT_VARIABLE shown ERROR_VARIABLE error RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tvhost failed (${rc}) on ${SCRIPT}:\n${shown}${error}")
endif()
string(REPLACE "${WORK}/" "" shown "${shown}")
string(REPLACE "${PLUGIN}" "plugin" shown "${shown}")
include(${CMAKE_CURRENT_LIST_DIR}/CompareExpected.cmake)
compare_expected("${shown}")
if(UPDATE)
  return()
endif()
file(READ ${picture} signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${picture} is no PNG")
endif()
