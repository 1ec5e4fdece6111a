// Sheets and title blocks of the stand-in host.
#include "HostSheets.h"

#include <algorithm>
#include <string>

#include "HostDocumentFile.h"

namespace tvhost {

namespace {

using nlohmann::json;

constexpr int StampCells[] = {1,  2,  3,  5,   6,   7,   8,   9,   10,  32,  40,  41,  42,  43,  44, 45,
                              51, 52, 53, 110, 111, 112, 113, 114, 115, 130, 131, 132, 133, 134, 135};

class THostLayoutSheets final : public THostObjectOf<tvapi::ILayoutSheets> {
public:
    THostLayoutSheets(TSheets& sheets, tvapi::IAPIObjectPtr keep) : FSheets(sheets), FKeep(std::move(keep)) {}

    int GetCount() override
    {
        if (!Enter("ILayoutSheets::GetCount")) return 0;
        return static_cast<int>(FSheets.Items.size());
    }
    tvapi::ILayoutSheetPtr GetItem(int index) override
    {
        if (!Enter("ILayoutSheets::GetItem", {std::to_string(index)})) return {};
        if (index < 0 || static_cast<std::size_t>(index) >= FSheets.Items.size()) return {};
        return tvapi::ILayoutSheetPtr(FSheets.Items[static_cast<std::size_t>(index)]);
    }
    tvapi::ILayoutSheetPtr Add() override
    {
        if (!Enter("ILayoutSheets::Add")) return {};
        FSheets.Add();
        return tvapi::ILayoutSheetPtr(FSheets.Items.back());
    }

private:
    TSheets& FSheets;
    tvapi::IAPIObjectPtr FKeep;
};

// The format of a sheet; it keeps the sheet alive.
class THostSheetFormat final : public THostObjectOf<tvapi::ISheetFormat> {
public:
    explicit THostSheetFormat(THostLayoutSheet& sheet) : FSheet(sheet), FKeep(&sheet) {}

    int GetFormat() override { return Enter("ISheetFormat::GetFormat") ? Setup().Format : 0; }
    // A format the host does not know is ignored: the sheet keeps one its file can hold.
    void SetFormat(int format) override
    {
        if (Enter("ISheetFormat::SetFormat", {std::to_string(format)}) && format >= 0 &&
            format <= LastSheetFormat)
            Touch().Format = format;
    }
    int GetMultiply() override { return Enter("ISheetFormat::GetMultiply") ? Setup().Multiply : 0; }
    void SetMultiply(int value) override
    {
        if (Enter("ISheetFormat::SetMultiply", {std::to_string(value)})) Touch().Multiply = value;
    }
    bool GetOrientation() override { return Enter("ISheetFormat::GetOrientation") && Setup().Landscape; }
    void SetOrientation(bool landscape) override
    {
        if (Enter("ISheetFormat::SetOrientation", {landscape ? "true" : "false"}))
            Touch().Landscape = landscape;
    }

private:
    TSheetSetup& Setup() { return FSheet.Setup(); }
    TSheetSetup& Touch()
    {
        FSheet.Setup().Set = true;
        return FSheet.Setup();
    }

    THostLayoutSheet& FSheet;
    tvapi::ILayoutSheetPtr FKeep;
};

json SetupJson(const TSheetSetup& s)
{
    return {{"layoutType", s.LayoutType},
            {"layoutStyle", s.LayoutStyle},
            {"format", s.Format},
            {"multiply", s.Multiply},
            {"landscape", s.Landscape}};
}

TSheetSetup SetupOf(const json& j)
{
    return {j.at("layoutType").get<int>(), j.at("layoutStyle").get<std::int64_t>(), j.at("format").get<int>(),
            j.at("multiply").get<int>(),   j.at("landscape").get<bool>(),           true};
}

} // namespace

void THostLayoutSheet::SetLayoutType(int value)
{
    if (!Enter("ILayoutSheet::SetLayoutType", {std::to_string(value)})) return;
    FSetup.LayoutType = value;
    FSetup.Set = true;
}

void THostLayoutSheet::SetLayoutStyle(std::int64_t number)
{
    if (!Enter("ILayoutSheet::SetLayoutStyle", {std::to_string(number)})) return;
    FSetup.LayoutStyle = number;
    FSetup.Set = true;
}

tvapi::ISheetFormatPtr THostLayoutSheet::GetFormat()
{
    if (!Enter("ILayoutSheet::GetFormat")) return {};
    return tvapi::ISheetFormatPtr(New<THostSheetFormat>(*this));
}

tvapi::ITextPtr THostStamp::GetText(tvapi::tvStampEnum cell)
{
    if (!Enter("IStamp::GetText", {std::to_string(cell)})) return {};
    if (!IsCell(cell)) return {};
    return MakeText(static_cast<tvapi::IStamp*>(this), *this, std::to_string(cell));
}

bool THostStamp::Commit()
{
    if (!Enter("IStamp::Commit")) return false;
    ++FCommits;
    return true;
}

bool THostStamp::IsCell(int cell) noexcept
{
    return std::find(std::begin(StampCells), std::end(StampCells), cell) != std::end(StampCells);
}

std::wstring THostStamp::CellStr(int cell) const
{
    const auto it = Texts().find(std::to_string(cell));
    return it == Texts().end() ? std::wstring() : it->second.Str();
}

tvapi::IStampPtr THostLayoutSheet::GetStamp()
{
    if (!Enter("ILayoutSheet::GetStamp")) return {};
    return tvapi::IStampPtr(FStamp);
}

json TSheets::Json() const
{
    json sheets = json::array();
    bool written = Items.size() > 1;
    for (const THostLayoutSheetPtr& sheet : Items) {
        json cells = json::object();
        for (const auto& [cell, text] : sheet->Stamp().Texts()) {
            written = written || !text.Str().empty();
            cells[cell] = TextJson(text);
        }
        json s = {{"stamp", std::move(cells)}};
        if (sheet->Setup().Set) {
            s["setup"] = SetupJson(sheet->Setup());
            written = true;
        }
        sheets.push_back(std::move(s));
    }
    return written ? sheets : json();
}

void TSheets::Load(const json& j)
{
    if (j.is_null()) return;
    Items.clear();
    for (const json& sheet : j) {
        THostLayoutSheet& made = Add();
        if (sheet.contains("setup")) made.Setup() = SetupOf(sheet["setup"]);
        THostStamp& stamp = made.Stamp();
        for (const auto& [cell, text] : sheet.at("stamp").items())
            stamp.Text(cell) = TextOf(text);
    }
}

tvapi::ILayoutSheetsPtr MakeLayoutSheets(TSheets& sheets, tvapi::IAPIObjectPtr keep)
{
    return tvapi::ILayoutSheetsPtr(New<THostLayoutSheets>(sheets, std::move(keep)));
}

} // namespace tvhost
