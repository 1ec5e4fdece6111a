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

private:
    TSheets& FSheets;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

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
    bool written = false;
    for (const THostLayoutSheetPtr& sheet : Items) {
        json cells = json::object();
        for (const auto& [cell, text] : sheet->Stamp().Texts()) {
            written = written || !text.Str().empty();
            cells[cell] = TextJson(text);
        }
        sheets.push_back({{"stamp", std::move(cells)}});
    }
    return written ? sheets : json();
}

void TSheets::Load(const json& j)
{
    if (j.is_null()) return;
    Items.clear();
    for (const json& sheet : j) {
        THostStamp& stamp = Add().Stamp();
        for (const auto& [cell, text] : sheet.at("stamp").items())
            stamp.Text(cell) = TextOf(text);
    }
}

tvapi::ILayoutSheetsPtr MakeLayoutSheets(TSheets& sheets, tvapi::IAPIObjectPtr keep)
{
    return tvapi::ILayoutSheetsPtr(New<THostLayoutSheets>(sheets, std::move(keep)));
}

} // namespace tvhost
