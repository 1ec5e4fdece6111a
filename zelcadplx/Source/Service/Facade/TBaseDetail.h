#pragma once
// TBaseDetail: the code by which a detail names the standard element it is (element ID and
// the rows of the element's tables). The element library answers lookups by this code.

#include "BaseTypes.h"

using TId = Integer;

struct TBaseDetail {
    TId ID = 0;          // element ID; 0 = not a standard element
    Integer Index = -1;  // row of the element's parameter table; -1 = none
    Integer Index2 = -1; // row of its second table; -1 = none

    constexpr bool operator==(const TBaseDetail&) const noexcept = default;
};
