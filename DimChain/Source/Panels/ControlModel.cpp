// The dimension-chain library's control model, and the one the library keeps at its place in
// the load order (DimChainLoadOrder.h).

#include "ControlModel.h"

#include "DimChainLoadOrder.h"

[[gnu::init_priority(dimchainorder::ControlModel)]] TControlModelDimChain ControlModel;

TControlModelDimChain::TControlModelDimChain() : TControlModel("DimChain.dss", "DimChain.chm") {}

TControlModelDimChain::~TControlModelDimChain()
{
    for (Integer i = CountNameFile - 1; i >= 0; --i)
        ANameFile[i].Clear();
}
