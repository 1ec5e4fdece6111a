#pragma once
// The sheets of a document, each carrying its title block. A document hands out the
// collection (ITervanDocument::GetLayoutSheets); sheets are numbered from 0.

#include "tvapi/Base.h"
#include "tvapi/DrawingObjects2D.h"

namespace tvapi {

class ILayoutSheet : public IAPIObject {
public:
    static constexpr char IID[] = "5CCEE8FF-77EA-4CC9-A232-AECA98F8EB7E";
    using Parent = IAPIObject;

    // The sheet's title block; empty for a sheet without one.
    virtual IStampPtr GetStamp() = 0;

protected:
    ~ILayoutSheet() = default;
};

using ILayoutSheetPtr = Ptr<ILayoutSheet>;

class ILayoutSheets : public IAPIObject {
public:
    static constexpr char IID[] = "46E63C92-3E3E-428A-891A-A6D9D264399B";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Sheet `index`, from 0; empty out of range.
    virtual ILayoutSheetPtr GetItem(int index) = 0;

protected:
    ~ILayoutSheets() = default;
};

using ILayoutSheetsPtr = Ptr<ILayoutSheets>;

} // namespace tvapi
