#pragma once
// Technical-requirement lines of the component sheets and tolerance suffixes of their
// dimension texts, constant from load to unload; entry 0 of each is the empty text. Kept
// apart: modeller operations name a parameter Qual.

#include "BaseTypes.h"
#include "DString.h"

constexpr Integer CountDemStr = 41;
constexpr Integer CountQual = 6;
extern const TString TDemStr[CountDemStr];
extern const TString Qual[CountQual];
