# Fails when a source folder includes a header of a folder above it, or defines what another
# folder's headers declare (CheckDefinitions.cmake). Each folder may include
# its own headers, those of the folders it sits on, the host interface and system headers. A
# subfolder, at any depth, belongs to its folder's layer.
# Usage: cmake -DROOT=<source tree> -P tools/CheckLayers.cmake
set(S zelcadplx/Source/Service)
set(E zelcadplx/Source/Events)
set(B zelcadplx/Source/BaseDet)
set(D DimChain/Source)
# folder, then the folders it may include from
set(layers
  "${S}/Foundation"
  "${S}/Geometry|${S}/Foundation"
  "${S}/Curves|${S}/Foundation,${S}/Geometry"
  "${S}/Triangles|${S}/Foundation,${S}/Geometry"
  "${S}/Facade|${S}/Foundation,${S}/Geometry,${S}/Curves"
  "${E}|${S}/Foundation,${S}/Geometry,${S}/Curves,${S}/Facade"
  "${B}|${S}/Foundation,${S}/Geometry,${S}/Curves,${S}/Facade,${E}"
  # The chain library: its model, the document side over it, the panels over both.
  "${D}/Model|${S}/Foundation,${S}/Geometry,${S}/Curves"
  "${D}/Document|${D}/Model,${S}/Foundation,${S}/Geometry,${S}/Curves,${S}/Facade,${E}"
  "${D}/Panels|${D}/Document,${D}/Model,${S}/Foundation,${S}/Geometry,${S}/Curves,${S}/Facade,${E}")
# The library's own folders after its top, so that each header is owned by its folder.
set(all ${S}/Foundation ${S}/Geometry ${S}/Curves ${S}/Triangles ${S}/Facade ${E} ${B} ${D} ${D}/Model
    ${D}/Document ${D}/Panels)

# Which folder holds each header name.
foreach(dir ${all})
  file(GLOB_RECURSE headers ${ROOT}/${dir}/*.h)
  foreach(h ${headers})
    get_filename_component(h ${h} NAME)
    set(owner_${h} ${dir})
  endforeach()
endforeach()

set(faults "")
foreach(entry ${layers})
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 dir)
  set(allowed ${dir})
  list(LENGTH parts n)
  if(n GREATER 1)
    list(GET parts 1 below)
    string(REPLACE "," ";" below "${below}")
    list(APPEND allowed ${below})
  endif()
  file(GLOB_RECURSE sources ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  foreach(src ${sources})
    file(STRINGS ${src} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" name "${line}")
      get_filename_component(name ${name} NAME)
      if(DEFINED owner_${name})
        list(FIND allowed ${owner_${name}} at)
        if(at EQUAL -1)
          file(RELATIVE_PATH rel ${ROOT} ${src})
          string(APPEND faults "\n  ${rel} includes ${owner_${name}}/${name}")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "includes that point up a layer:${faults}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/CheckDefinitions.cmake)
if(faults)
  message(FATAL_ERROR "definitions of what another folder declares:${faults}")
endif()
message(STATUS "layers point down; each folder defines what it declares")
