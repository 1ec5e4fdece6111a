# Included by the sample players: compare_expected(TEXT) writes TEXT as the expected file
# EXPECTED under -DUPDATE=ON, and otherwise fails, keeping TEXT in WORK/shown.txt, when it
# differs from that file.
function(compare_expected text)
  if(UPDATE)
    file(WRITE ${EXPECTED} "${text}")
    return()
  endif()
  file(READ ${EXPECTED} expected)
  if(NOT text STREQUAL expected)
    file(WRITE ${WORK}/shown.txt "${text}")
    message(FATAL_ERROR "${SCRIPT}: the output differs from ${EXPECTED}; it is in ${WORK}/shown.txt:\n${text}")
  endif()
endfunction()
