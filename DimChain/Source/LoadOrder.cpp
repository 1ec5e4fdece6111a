// The library's own static globals. They are made last in the load order (LoadOrder.h),
// after every global of the framework, and unmade first at unload.

#include "ControlModel.h"

#include "LoadOrder.h"

[[gnu::init_priority(loadorder::ControlModel)]] TControlModelDimChain ControlModel;
