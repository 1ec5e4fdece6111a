# Shows that the layer check sees subfolders: in a copy of the sources, which must pass the
# check, a file in a subfolder of the facade includes a header of the panels above it; the
# check must then fail and name that file. The real tree is never touched.
# Usage: cmake -DROOT=<source tree> -DWORK=<scratch folder> -P tools/CheckLayersPlanted.cmake
file(REMOVE_RECURSE ${WORK})
foreach(tree zelcadplx DimChain)
  file(COPY ${ROOT}/${tree} DESTINATION ${WORK} FILES_MATCHING PATTERN "*.h" PATTERN "*.cpp")
endforeach()

function(check_copy result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${ROOT}/tools/CheckLayers.cmake
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result} ${rc} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

check_copy(rc out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the unplanted copy already fails the layer check:\n${out}")
endif()

file(GLOB upper RELATIVE ${WORK}/zelcadplx/Source/Events ${WORK}/zelcadplx/Source/Events/*.h)
list(GET upper 0 header)
set(planted zelcadplx/Source/Service/Facade/Model3D/PlantedUpward.cpp)
file(WRITE ${WORK}/${planted} "#include \"${header}\"\n")
check_copy(rc out)
if(rc EQUAL 0)
  message(FATAL_ERROR "an upward include in ${planted} passed the layer check")
endif()
string(FIND "${out}" "${planted} includes zelcadplx/Source/Events/${header}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the layer check failed without naming ${planted}:\n${out}")
endif()
file(REMOVE ${WORK}/${planted})

file(REMOVE_RECURSE ${WORK})
message(STATUS "an upward include planted in a subfolder fails the layer check")
