# Fails when a model file of the chain library reaches the facade's globals or a panel: the
# chain, its links with their capture and write-back, the recognition and the grid interface
# get the host through TChainHost. Storage and sketch files talk to the host through the
# facade and live in Document/. An empty or missing model folder fails the check too.
# Usage: cmake -DROOT=<source tree> -P tools/CheckModel.cmake
# Every file of the model folder is checked, so a new one cannot slip past a list.
file(GLOB model RELATIVE ${ROOT}/DimChain/Source/Model ${ROOT}/DimChain/Source/Model/*.h
     ${ROOT}/DimChain/Source/Model/*.cpp)
# The facade's host and its messages are the panels' to hand in: the model writes, gives back
# and tells only through the TChainHost it is given.
set(forbidden "drApi::MA" "drApi::Selector" "pmDimensionChain" "#include \"cPropertyMenager" "FacadeChainHost()"
    "Messager")
# Including a header of the facade reaches it as surely as naming its globals.
file(GLOB_RECURSE facade_headers RELATIVE ${ROOT}/zelcadplx/Source/Service/Facade
     ${ROOT}/zelcadplx/Source/Service/Facade/*.h)
set(facade_includes "#include \"FacadeChainHost.h\"")
foreach(header ${facade_headers})
  get_filename_component(base ${header} NAME)
  list(APPEND facade_includes "#include \"${base}\"")
endforeach()
set(faults "")
list(LENGTH facade_headers found)
if(found EQUAL 0)
  string(APPEND faults "\n  no facade headers under ${ROOT}/zelcadplx/Source/Service/Facade (moved? update the check)")
endif()
if(NOT model)
  # A moved model folder would leave the check blind.
  string(APPEND faults "\n  no chain model under ${ROOT}/DimChain/Source/Model (moved? update the check)")
endif()
foreach(name ${model})
  set(file ${ROOT}/DimChain/Source/Model/${name})
  file(STRINGS ${file} lines)
  foreach(line IN LISTS lines)
    foreach(word ${forbidden})
      string(FIND "${line}" "${word}" at)
      if(NOT at EQUAL -1)
        string(APPEND faults "\n  ${name}: ${line}")
      endif()
    endforeach()
    foreach(include IN LISTS facade_includes)
      string(FIND "${line}" "${include}" at)
      if(at EQUAL 0)
        string(APPEND faults "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "model files that reach the facade or a panel, or are missing:${faults}")
endif()
message(STATUS "the chain model stays apart from the facade and the panels")
