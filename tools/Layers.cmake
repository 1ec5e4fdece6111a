# The source folders in their layers, for the layer check (CheckLayers.cmake) and the
# definition check (CheckDefinitions.cmake), and which folder holds each header name
# (`owner_<name>`: the deepest listed folder).
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

foreach(dir ${all})
  file(GLOB_RECURSE headers ${ROOT}/${dir}/*.h)
  foreach(h ${headers})
    get_filename_component(h ${h} NAME)
    set(owner_${h} ${dir})
  endforeach()
endforeach()
