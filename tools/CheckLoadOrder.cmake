# Fails when the module MODULE makes a global outside the library's load order: every
# dynamic initialiser must carry a place from LoadOrder.h or the library's DimChainLoadOrder.h
# (GCC names it _GLOBAL__sub_I.0NNNN_).
# Usage: cmake -DMODULE=path -P tools/CheckLoadOrder.cmake
find_program(NM nm REQUIRED)
execute_process(COMMAND ${NM} ${MODULE} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "_GLOBAL__sub_I_[^\n]+" unplaced "${listing}")
string(REGEX MATCHALL "_GLOBAL__sub_I\\.[0-9]+_[^\n.]+" placed "${listing}")
if(unplaced)
  message(FATAL_ERROR "globals made outside the load order: ${unplaced}")
endif()
if(NOT placed)
  message(FATAL_ERROR "no global of ${MODULE} has a place in the load order")
endif()
list(REMOVE_DUPLICATES placed)
string(REPLACE ";" "\n  " placed "${placed}")
message(STATUS "load order:\n  ${placed}")
