# Fails unless the module MODULE defines exactly the dynamic symbols LoadTervanLibrary and
# UnloadTervanLibrary. Usage: cmake -DMODULE=path -P tools/CheckExports.cmake
find_program(NM nm REQUIRED)
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
  OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line ${lines})
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
if(NOT names STREQUAL "LoadTervanLibrary;UnloadTervanLibrary")
  message(FATAL_ERROR "unexpected exports of ${MODULE}: ${names}")
endif()
message(STATUS "exports: ${names}")
