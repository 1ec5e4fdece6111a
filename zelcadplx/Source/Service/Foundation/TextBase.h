#pragma once
// The element library: the standard elements (their names, parameter tables, designations)
// the library knows, looked up by element ID through the global ABaseDetail, and
// TBaseDetail, the code by which a detail names the standard element and row it is.

#include "BaseTypes.h"
#include "DString.h"

using TId = Integer;

struct TBaseDetail {
    TId ID = 0;          // element ID; 0 = not a standard element
    Integer Index = -1;  // row of the element's parameter table; -1 = none
    Integer Index2 = -1; // row of its second table; -1 = none

    constexpr bool operator==(const TBaseDetail&) const noexcept = default;
};

// The element library. It stays empty until its file is loaded: every lookup then answers
// as for a missing element.
class TADTable {
public:
    Boolean Active = false;   // at least one element record is held
    Boolean Activate = false; // loading has run
    Integer Count = 0;        // element records held

    constexpr TADTable() noexcept = default;
    TADTable(const TADTable&) = delete;
    TADTable& operator=(const TADTable&) = delete;

    // The designation of DC's element in row DC.Index; empty when no record has DC.ID.
    TString Name(const TBaseDetail& DC) const;
};

// The library's element library, alive from load to unload.
extern TADTable ABaseDetail;
