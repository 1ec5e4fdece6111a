# tools/gallery.sh when the folder it was given is swapped for a link to another one holding a
# part: the program refusing it, or the swap coming just after the program ended. The script
# stops with the program's message and status, or only reads through the name: nothing appears
# in the other folder. A stand-in for the program swaps the folder and answers either way.
# Usage: cmake -DGALLERY=<dimchain-gallery> -DTVHOST=<tvhost> -DSAMPLES=<samples> -DWORK=<folder>
#   -P tools/GalleryScript.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/build ${WORK}/other)
file(COPY ${SAMPLES}/block.qpt DESTINATION ${WORK}/other)
file(CREATE_LINK ${TVHOST} ${WORK}/build/tvhost SYMBOLIC)
file(WRITE ${WORK}/build/dimchain-gallery "#!/usr/bin/env bash
if [ \"$1\" = build ]; then
  rmdir \"$3\" && ln -s '${WORK}/other' \"$3\"
  [ \"$GALLERY_CASE\" = swapped ] && exit 0
  echo \"gallery: the folder $3 was swapped for a link while it was built\" >&2
  exit 1
fi
exec '${GALLERY}' \"$@\"
")
file(CHMOD ${WORK}/build/dimchain-gallery PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
get_filename_component(script ${CMAKE_CURRENT_LIST_DIR}/gallery.sh ABSOLUTE)
# case, the status the script ends with, what its error stream says
foreach(case "refused;1;was swapped for a link while it was built" "swapped;2;cannot read [^\n]*gallery.tsv")
  list(POP_FRONT case name status said)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env GALLERY_CASE=${name} GALLERY_BUILD=${WORK}/build
    GALLERY_OUT=${WORK}/out-${name} bash ${script} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 120)
  file(GLOB left RELATIVE ${WORK}/other ${WORK}/other/*)
  if(NOT rc EQUAL status OR NOT err MATCHES "${said}" OR NOT left STREQUAL "block.qpt")
    message(FATAL_ERROR "gallery.sh, folder ${name}: exit ${rc}, other folder holds ${left}, ${out}${err}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
