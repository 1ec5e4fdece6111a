#pragma once
// Lines and items of a host text: a text (title-block cell, drawing text, dimension line
// text) is a list of lines, a line a list of items, each item a piece of text with its own
// font height. Codes such as "&02" inside an item stay as written.

#include <string>

#include "tvapi/Base.h"

namespace tvapi {

// One piece of a text line.
class ITextItem : public IAPIObject {
public:
    static constexpr char IID[] = "7D9D038E-83AF-4879-A897-B93ECFF2185E";
    using Parent = IAPIObject;

    virtual std::wstring GetStr() = 0;
    // Replaces the item's text (null reads as empty).
    virtual void SetStr(const wchar_t* text) = 0;
    // Applies the item's changes to the text that holds it; false once that is gone.
    virtual bool Update() = 0;

protected:
    ~ITextItem() = default;
};

using ITextItemPtr = Ptr<ITextItem>;

// The font of a text item.
class ITextFont : public IAPIObject {
public:
    static constexpr char IID[] = "C19CE171-4ADF-425B-BEBC-C12A20593D51";
    using Parent = IAPIObject;

    // Character height in millimetres; 0 until set (the document's default applies).
    virtual double GetHeight() = 0;
    virtual void SetHeight(double height) = 0;

protected:
    ~ITextFont() = default;
};

using ITextFontPtr = Ptr<ITextFont>;

class ITextLine : public IAPIObject {
public:
    static constexpr char IID[] = "802ED9FF-14B1-44DD-A837-6E3D782F04DF";
    using Parent = IAPIObject;

    // Appends an empty item; empty once the text is gone.
    virtual ITextItemPtr Add() = 0;
    virtual int GetCount() = 0;
    // Item `index`, from 0; empty out of range.
    virtual ITextItemPtr GetItem(int index) = 0;
    // The items' texts joined.
    virtual std::wstring GetStr() = 0;
    // Replaces the line by one item holding `text` (null reads as empty).
    virtual void SetStr(const wchar_t* text) = 0;

protected:
    ~ITextLine() = default;
};

using ITextLinePtr = Ptr<ITextLine>;

} // namespace tvapi
