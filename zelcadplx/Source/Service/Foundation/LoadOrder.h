#pragma once
// The order in which the library makes its globals when it is loaded; they are unmade in the
// reverse order when it is unloaded. Each global with a constructor names its place here on
// its definition (`[[gnu::init_priority(...)]]`), so the order holds whatever order the
// linker puts the units in. Constant-initialised globals (null pointers, constinit tables)
// need no place. A global added without one is caught by the check of the module's
// initialisers.

namespace loadorder {

enum : int {
    Dictionary = 1001, // the library's word table
    Strings,           // EmptyStr
    Adapters,          // TAdapter::strNotSpecified
    Geometry,          // the identity matrix
    Images,            // GI
    OuterContour,      // IS, the crossing collector of the outer-contour walk
    ElementLibrary,    // TextBase and ABaseDetail
    Registrator,       // the registry of program variables
    Variables,         // AVariable
    Dimensions3D,      // ADimension3D, over Registrator and AVariable
    Dependences,       // the dependences between program variables
    Crossings,         // TestA
    PlacementStack,    // the stand-by 2D placement stack
    Materials,         // AMaterial
    FacadeServices,    // the facade's message host and resources module
    Facade,            // MA
    FacadeStack,       // the placement stack moved onto MA's own
    ParametricData,    // drApi::ParametricData, the facade's empty contour
    DetailParts,       // drApi::ADP, the parts inserted by detail number
    Selector,          // drApi::Selector
    Requirements,      // TDemStr and Qual, the standard components' texts
    HoleTypes,         // eHole3DType, the names of the hole configurations
    Library,           // the first place of the library built on the framework (its own header)
};

} // namespace loadorder
