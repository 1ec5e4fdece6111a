#pragma once
// Sheets of a stand-in document and their title blocks. A title block keeps one text per
// cell of tvStampEnum (as lines of items, like every host text); the sheets are saved with
// the document when a cell holds text.

#include <cstdint>
#include <memory>
#include <vector>

#include <nlohmann/json.hpp>

#include "HostDrawingObject.h"
#include "HostObject.h"
#include "tvapi/LayoutSheets.h"

namespace tvhost {

// A title block. Its cells are texts of the core named by the cell number.
class THostStamp final : public THostObjectOf<tvapi::IStamp>, public TDrawingCore {
public:
    THostStamp() noexcept : TDrawingCore(tvapi::tvAllObj) {}

    // Journaled as "IStamp::<operation>".
    tvapi::ITextPtr GetText(tvapi::tvStampEnum cell) override;
    bool Commit() override;

    // Test side, not journaled.
    static bool IsCell(int cell) noexcept;
    // The text of `cell`, lines joined with "\n"; empty for a cell never written.
    std::wstring CellStr(int cell) const;
    int Commits() const noexcept { return FCommits; }
    // The title block is no drawing object.
    tvapi::IDrawingObject* DrawingObject() noexcept override { return nullptr; }

private:
    int FCommits = 0;
};

using THostStampPtr = tvapi::Ptr<THostStamp>;

// The standard formats a sheet may have: 0 (the largest) to LastSheetFormat.
inline constexpr int LastSheetFormat = 4;

// What a sheet's format and layout were set to; Set tells whether any was.
struct TSheetSetup {
    int LayoutType = 0;
    std::int64_t LayoutStyle = 0;
    int Format = 0;
    int Multiply = 1;
    bool Landscape = false;
    bool Set = false;
    bool operator==(const TSheetSetup&) const = default;
};

class THostLayoutSheet final : public THostObjectOf<tvapi::ILayoutSheet> {
public:
    THostLayoutSheet() : FStamp(New<THostStamp>()) {}

    // Journaled as "ILayoutSheet::<operation>" and, for its format, "ISheetFormat::<operation>".
    tvapi::IStampPtr GetStamp() override;
    void SetLayoutType(int value) override;
    void SetLayoutStyle(std::int64_t number) override;
    tvapi::ISheetFormatPtr GetFormat() override;

    // Test side.
    THostStamp& Stamp() noexcept { return *FStamp; }
    TSheetSetup& Setup() noexcept { return FSetup; }
    const TSheetSetup& Setup() const noexcept { return FSetup; }

private:
    THostStampPtr FStamp;
    TSheetSetup FSetup;
};

using THostLayoutSheetPtr = tvapi::Ptr<THostLayoutSheet>;

// The sheets a document keeps, in order.
struct TSheets {
    std::vector<THostLayoutSheetPtr> Items;

    THostLayoutSheet& Add() { return *Items.emplace_back(New<THostLayoutSheet>()); }
    // The sheets, their setup and cells; null while there is the one sheet a drawing starts
    // with, never set up and with blank cells, so such a document is written as before.
    nlohmann::json Json() const;
    // Replaces the sheets by those of `j` (as Json gives them); a null `j` keeps them.
    void Load(const nlohmann::json& j);
};

// The collection over `sheets`, keeping their document alive through `keep`. Journaled as
// "ILayoutSheets::<operation>".
tvapi::ILayoutSheetsPtr MakeLayoutSheets(TSheets& sheets, tvapi::IAPIObjectPtr keep);

} // namespace tvhost
