# tools/gallery.sh when the folder it was given is swapped for a link to another one holding a
# part: the program refusing it, or the swap coming just after the program ended. The script
# stops with the program's message and status, or only reads through the name: nothing appears
# in the other folder. A stand-in for the program swaps the folder and answers either way. A
# folder holding an earlier gallery's files alone is emptied of them first (the stand-in's
# rmdir needs it empty); one holding a user's file is refused before the program runs, the file
# and the gallery files beside it kept, as is a folder under a gallery file's name.
# Usage: cmake -DGALLERY=<dimchain-gallery> -DTVHOST=<tvhost> -DSAMPLES=<samples> -DWORK=<folder>
#   -P tools/GalleryScript.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/build ${WORK}/other ${WORK}/out-earlier ${WORK}/out-foreign ${WORK}/out-named/G2.qpt)
file(WRITE ${WORK}/out-earlier/G1.qpt "earlier\n")
file(WRITE ${WORK}/out-earlier/index.html "earlier\n")
file(WRITE ${WORK}/out-foreign/G1.qpt "earlier\n")
file(WRITE ${WORK}/out-foreign/notes.txt "mine\n")
file(WRITE ${WORK}/out-named/G1.qpt "earlier\n")
file(WRITE ${WORK}/out-named/G2.qpt/notes.txt "mine\n")
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
foreach(case "refused;1;was swapped for a link while it was built" "swapped;2;cannot read [^\n]*gallery.tsv"
        "earlier;1;was swapped for a link while it was built"
        "foreign;1;will not write into [^\n]*out-foreign: it holds notes.txt, which no gallery writes"
        "named;1;will not write into [^\n]*out-named: it holds G2.qpt, which no gallery writes")
  list(POP_FRONT case name status said)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env GALLERY_CASE=${name} GALLERY_BUILD=${WORK}/build
    GALLERY_OUT=${WORK}/out-${name} bash ${script} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 120)
  file(GLOB left RELATIVE ${WORK}/other ${WORK}/other/*)
  if(NOT rc EQUAL status OR NOT err MATCHES "${said}" OR NOT left STREQUAL "block.qpt")
    message(FATAL_ERROR "gallery.sh, folder ${name}: exit ${rc}, other folder holds ${left}, ${out}${err}")
  endif()
endforeach()
file(GLOB kept RELATIVE ${WORK}/out-foreign ${WORK}/out-foreign/*)
file(GLOB_RECURSE named RELATIVE ${WORK}/out-named ${WORK}/out-named/*)
if(NOT kept STREQUAL "G1.qpt;notes.txt" OR NOT named STREQUAL "G1.qpt;G2.qpt/notes.txt"
   OR NOT IS_SYMLINK ${WORK}/out-earlier)
  message(FATAL_ERROR "gallery.sh: a user's folder now holds ${kept}; an earlier gallery's was not emptied")
endif()
file(REMOVE_RECURSE ${WORK})
