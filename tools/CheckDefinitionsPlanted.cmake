# Shows that the definition check reads what the compiler defines: the chain library's objects
# pass it, and five definitions of what the model declares, planted in a scratch tree and
# compiled as the library is, each fail it, named: a member defined at the start of a line, a
# function with its return type on the line before, an indented member, a function defined in
# the library's top folder, and a variable. The real tree is never touched.
# Usage: cmake -DROOT=<source tree> -DWORK=<scratch folder> -DCOMMANDS=<compile_commands.json>
#        -DOBJECTS=<the library's object files, separated by |> -P tools/CheckDefinitionsPlanted.cmake
function(check_objects objects result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${ROOT} "-DOBJECTS=${objects}"
    -P ${ROOT}/tools/CheckDefinitions.cmake RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result} ${rc} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

check_objects("${OBJECTS}" rc out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the library's own objects already fail the definition check:\n${out}")
endif()

# How the library's sources are compiled, from the build's compile commands.
file(STRINGS ${COMMANDS} lines REGEX "\"command\": .*dimchain_objects\\.dir")
if(NOT lines)
  message(FATAL_ERROR "no compile command of the chain library in ${COMMANDS}")
endif()
list(GET lines 0 line)
string(REGEX REPLACE ",[ \t]*$" "" line "${line}")
string(JSON command GET "{${line}}" command)
separate_arguments(command UNIX_COMMAND "${command}")

file(REMOVE_RECURSE ${WORK})
set(document ${WORK}/DimChain/Source/Document/PlantedDefinitions.cpp)
set(top ${WORK}/DimChain/Source/PlantedTop.cpp)
file(WRITE ${document} "#include \"ChainRecognition.h\"
#include \"TDimensionChain.h\"

bool TDimensionChain::IsColinear() const
{
    return true;
}

void
AddStartLink(TDimensionChain&, const TDimension&)
{
}

    bool TDimensionChain::IsAngular() const
    {
        return false;
    }

const TAStr eRiskFactor{};
")
file(WRITE ${top} "#include \"ChainLoop.h\"

bool AllAngles(const TLoopLinks&)
{
    return false;
}
")
set(planted "${OBJECTS}")
foreach(src ${document} ${top})
  # The library's own command, its source and object swapped for the planted ones; unoptimised,
  # which changes nothing of what is defined.
  set(args "")
  set(skip "")
  foreach(arg ${command})
    if(skip)
      set(skip "")
    elseif(arg STREQUAL "-o" OR arg STREQUAL "-c")
      set(skip 1)
    else()
      list(APPEND args "${arg}")
    endif()
  endforeach()
  execute_process(COMMAND ${args} -O0 -w -o ${src}.o -c ${src} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the planted ${src} does not compile:\n${err}")
  endif()
  string(APPEND planted "|${src}.o")
endforeach()

check_objects("${planted}" rc out)
if(rc EQUAL 0)
  message(FATAL_ERROR "the planted definitions passed the definition check:\n${out}")
endif()
foreach(fault
    "DimChain/Source/Document/PlantedDefinitions.cpp defines TDimensionChain::IsColinear, declared in DimChain/Source/Model"
    "DimChain/Source/Document/PlantedDefinitions.cpp defines AddStartLink, declared in DimChain/Source/Model"
    "DimChain/Source/Document/PlantedDefinitions.cpp defines TDimensionChain::IsAngular, declared in DimChain/Source/Model"
    "DimChain/Source/Document/PlantedDefinitions.cpp defines eRiskFactor, declared in DimChain/Source/Model"
    "DimChain/Source/PlantedTop.cpp defines AllAngles, declared in DimChain/Source/Model")
  string(FIND "${out}" "${fault}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the definition check did not tell \"${fault}\":\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
message(STATUS "five definitions of what the model declares, planted, each fail the definition check")
