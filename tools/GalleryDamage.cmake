# The gallery program given a damaged gallery.tsv or an output folder that is a file (each ends
# with a message and exit status 2, nothing thrown), a gallery.tsv it must not write, or no room;
# a user's own file in its folder is left as it was.
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
# gallery.tsv that is a FIFO or a link to a device is refused at once, not waited on or read for ever.
foreach(case "mkfifo" "ln;-s;/dev/zero")
  list(POP_FRONT case tool)
  file(REMOVE ${WORK}/tsv/gallery.tsv)
  execute_process(COMMAND ${tool} ${case} ${WORK}/tsv/gallery.tsv)
  execute_process(COMMAND ${GALLERY} check ${WORK}/tsv RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 60)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "gallery: cannot read [^\n]*gallery.tsv: is a (FIFO|character device)\n")
    message(FATAL_ERROR "check of gallery.tsv made by ${tool}: exit ${rc}, ${out}${err}")
  endif()
endforeach()
file(REMOVE ${WORK}/tsv/gallery.tsv)
# A part that does not open is named with the host's reason, not as a part of volume 0.
file(WRITE ${WORK}/tsv/gallery.tsv "a\t1\t${WORK}/tsv/missing.qpt\t-\t5\n")
execute_process(COMMAND ${GALLERY} check ${WORK}/tsv RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "gallery: [^\n]*missing.qpt does not open: cannot open: No such file"
   OR err MATCHES "volume")
  message(FATAL_ERROR "check of a missing part: exit ${rc}, ${out}${err}")
endif()
# Sizes that are no whole number from 1 up are refused before anything is built.
foreach(sizes "abc" "" "-5" "0" "99999999999999999999" "5x")
  execute_process(COMMAND ${GALLERY} build ${SAMPLES} ${WORK}/sizes "${sizes}" RESULT_VARIABLE rc
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "gallery: sizes \"[^\n]*\" is no whole number from 1 to 1000000\n"
     OR EXISTS ${WORK}/sizes)
    message(FATAL_ERROR "build of sizes \"${sizes}\": exit ${rc}, ${out}${err}")
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
# gallery.tsv standing as a link or a folder is named and left as it was; the link's target too.
file(MAKE_DIRECTORY ${WORK}/link ${WORK}/folder/gallery.tsv)
file(WRITE ${WORK}/target "kept\n")
file(CREATE_LINK ${WORK}/target ${WORK}/link/gallery.tsv SYMBOLIC)
foreach(case link folder)
  execute_process(COMMAND ${GALLERY} build ${SAMPLES} ${WORK}/${case} 1 RESULT_VARIABLE rc OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "gallery: cannot write [^\n]*${case}/gallery.tsv: ")
    message(FATAL_ERROR "build with gallery.tsv as a ${case}: exit ${rc}, ${out}${err}")
  endif()
endforeach()
file(READ ${WORK}/target kept)
if(NOT kept STREQUAL "kept\n" OR NOT IS_SYMLINK ${WORK}/link/gallery.tsv OR NOT IS_DIRECTORY ${WORK}/folder/gallery.tsv)
  message(FATAL_ERROR "gallery.tsv as a link or folder was changed")
endif()
# A sheet, part or picture as a link (out of the folder, or dangling), a folder or a FIFO: named, nothing built.
foreach(case "G10.qpt;ln;-s;${WORK}/target" "G11.qpt;ln;-s;${WORK}/nowhere" "G20.qdr;mkdir" "G1.qpt.svg;mkfifo")
  list(POP_FRONT case name tool)
  file(MAKE_DIRECTORY ${WORK}/own-${name})
  execute_process(COMMAND ${tool} ${case} ${WORK}/own-${name}/${name})
  execute_process(COMMAND ${GALLERY} build ${SAMPLES} ${WORK}/own-${name} 1 RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(READ ${WORK}/target kept)
  file(GLOB built ${WORK}/own-${name}/*.q*)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "gallery: cannot write [^\n]*own-${name}/${name}: it is a "
     OR NOT built STREQUAL "${WORK}/own-${name}/${name}" OR NOT kept STREQUAL "kept\n" OR EXISTS ${WORK}/nowhere)
    message(FATAL_ERROR "build with ${name} made by ${tool}: exit ${rc}, ${err}")
  endif()
endforeach()
# A full disk, the limit's signal as the shell leaves it: each failed save is named, no temporary file left.
execute_process(COMMAND bash -c "ulimit -f 8; exec \"$0\" build \"$1\" \"$2\" 1" ${GALLERY} ${SAMPLES}
  ${WORK}/full RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB left ${WORK}/full/.*.tmp)
if(left OR NOT rc EQUAL 1 OR NOT err MATCHES "Не удалось сохранить файл [^\n]*/full/G[0-9]+\\.qdr: [^\n]*File too large")
  message(FATAL_ERROR "build on a full disk: exit ${rc}, ${left} left, ${out}${err}")
endif()
# A user's read-only drawing named as a sheet's draft once was, and a link so named: the sheet
# built beside them, the drawing neither written, removed nor drawn as a picture of the
# gallery's, the link no name the gallery writes and so no hindrance.
file(MAKE_DIRECTORY ${WORK}/beside)
file(COPY_FILE ${SAMPLES}/sheet.qdr ${WORK}/beside/G180~.qdr)
file(CREATE_LINK ${WORK}/target ${WORK}/beside/G190~.qdr SYMBOLIC)
file(CHMOD ${WORK}/beside/G180~.qdr PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(SHA256 ${WORK}/beside/G180~.qdr before)
execute_process(COMMAND ${GALLERY} build ${SAMPLES} ${WORK}/beside 1 RESULT_VARIABLE rc OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
file(SHA256 ${WORK}/beside/G180~.qdr after)
file(GLOB drawn ${WORK}/beside/G180~*.svg)
file(READ ${WORK}/target kept)
if(NOT rc EQUAL 0 OR NOT after STREQUAL before OR drawn OR NOT EXISTS ${WORK}/beside/G180.qdr
   OR NOT IS_SYMLINK ${WORK}/beside/G190~.qdr OR NOT kept STREQUAL "kept\n")
  message(FATAL_ERROR "build beside a user's drawing: exit ${rc}, ${drawn} drawn, ${out}${err}")
endif()
file(REMOVE_RECURSE ${WORK})
