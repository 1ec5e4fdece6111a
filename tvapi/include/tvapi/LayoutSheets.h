#pragma once
// The sheets of a document, each carrying its title block. A document hands out the
// collection (ITervanDocument::GetLayoutSheets); sheets are numbered from 0.

#include <cstdint>

#include "tvapi/Base.h"
#include "tvapi/DrawingComposites.h"

namespace tvapi {

// The format of a sheet: a standard format number (0 the largest), a multiple of it and
// whether the sheet lies in landscape.
class ISheetFormat : public IAPIObject {
public:
    static constexpr char IID[] = "8C3F5A72-D1E4-4B06-9A27-E5B8C0D3F614";
    using Parent = IAPIObject;

    virtual int GetFormat() = 0;
    virtual void SetFormat(int format) = 0;
    virtual int GetMultiply() = 0;
    virtual void SetMultiply(int value) = 0;
    virtual bool GetOrientation() = 0;
    virtual void SetOrientation(bool landscape) = 0;

protected:
    ~ISheetFormat() = default;
};

using ISheetFormatPtr = Ptr<ISheetFormat>;

class ILayoutSheet : public IAPIObject {
public:
    static constexpr char IID[] = "5CCEE8FF-77EA-4CC9-A232-AECA98F8EB7E";
    using Parent = IAPIObject;

    // The sheet's title block; empty for a sheet without one.
    virtual IStampPtr GetStamp() = 0;
    // A kind code of the sheet, and the number of its layout style in the style library.
    virtual void SetLayoutType(int value) = 0;
    virtual void SetLayoutStyle(std::int64_t number) = 0;
    virtual ISheetFormatPtr GetFormat() = 0;

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
    // A new sheet after the last, with an empty title block.
    virtual ILayoutSheetPtr Add() = 0;

protected:
    ~ILayoutSheets() = default;
};

using ILayoutSheetsPtr = Ptr<ILayoutSheets>;

} // namespace tvapi
