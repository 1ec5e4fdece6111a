// The dimension-chain library's control model.

#include "ControlModel.h"

TControlModelDimChain::TControlModelDimChain() : TControlModel("DimChain.dss", "DimChain.chm") {}

TControlModelDimChain::~TControlModelDimChain()
{
    for (Integer i = CountNameFile - 1; i >= 0; --i)
        ANameFile[i].Clear();
}
