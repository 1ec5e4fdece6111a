#pragma once
// The library's own places in the load order, after every global of the framework
// (Foundation/LoadOrder.h): made last at load, unmade first at unload.

#include "LoadOrder.h"

namespace dimchainorder {

enum : int {
    ControlModel = loadorder::Library, // the library's control model
    ChainTables,                       // the chain calculation methods and risk coefficients
};

} // namespace dimchainorder
