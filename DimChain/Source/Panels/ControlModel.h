#pragma once
// TControlModelDimChain: the control model of the dimension-chain library - the common
// control model under the library's own state and help file names - and its one instance.

#include "DString.h"
#include "TControlModel.h"

class TControlModelDimChain : public TControlModel {
public:
    static constexpr Integer CountNameFile = 10;

    // Spare file names; nothing in the command reads or writes them.
    Str ANameFile[CountNameFile];

    // State file "DimChain.dss", help file "DimChain.chm"; the folders are filled at start-up.
    TControlModelDimChain();
    // Empties the file names, last to first, before the base goes.
    ~TControlModelDimChain();
    TControlModelDimChain(const TControlModelDimChain&) = delete;
    TControlModelDimChain& operator=(const TControlModelDimChain&) = delete;
};

// The library's control model, alive from load to unload (made in DimChainGlobals.cpp).
extern TControlModelDimChain ControlModel;
