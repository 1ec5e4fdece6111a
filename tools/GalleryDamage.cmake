# The gallery program given a damaged gallery.tsv or an output folder that is a file: each
# ends with a message and exit status 2, nothing thrown.
# Usage: cmake -DGALLERY=<dimchain-gallery> -DSAMPLES=<samples> -DWORK=<folder> -P tools/GalleryDamage.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/tsv)
set(cases "a\t1\tp.qpt\t-\tnot-a-volume" "a\t1" "a\t1\tp.qpt\t-\tnan")
foreach(row ${cases})
  file(WRITE ${WORK}/tsv/gallery.tsv "${row}\n")
  execute_process(COMMAND ${GALLERY} check ${WORK}/tsv RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "gallery: [^\n]*gallery.tsv line 1: no part, sheet and finite volume in")
    message(FATAL_ERROR "check of \"${row}\": exit ${rc}, ${out}${err}")
  endif()
endforeach()
file(WRITE ${WORK}/a-file "not a folder\n")
execute_process(COMMAND ${GALLERY} build ${SAMPLES} ${WORK}/a-file 1 RESULT_VARIABLE rc OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "gallery: cannot make the folder [^\n]*a-file: ")
  message(FATAL_ERROR "build into a file: exit ${rc}, ${out}${err}")
endif()
file(READ ${WORK}/a-file kept)
if(NOT kept STREQUAL "not a folder\n")
  message(FATAL_ERROR "the file was changed")
endif()
file(REMOVE_RECURSE ${WORK})
