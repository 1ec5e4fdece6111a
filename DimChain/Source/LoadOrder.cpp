// The library's own static globals, made here in the order the library loads them and
// destroyed in the reverse order at unload. Each depends only on globals of the framework
// that are constant-initialised or built on first use, so no other unit's order matters.

#include "ControlModel.h"

TControlModelDimChain ControlModel;
