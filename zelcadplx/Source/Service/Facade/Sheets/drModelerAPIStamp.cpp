// ==== drApi::TModelerApi (drModelerAPI.h), part: the title block ================================
// The facade's title block: opening the title block of the current document's first sheet,
// selecting a cell, writing its text, committing and closing. drStringObj outside a title
// block appends lines to the current text instead.

#include "drModelerAPI.h"

#include <string>

#include "tvapi/LayoutSheets.h"

namespace drApi {

namespace {

constexpr int FirstSheet = 0; // the sheet whose title block the facade fills

} // namespace

void TModelerApi::drOpenShtamp()
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    r.Stamp.Reset();
    // A text left current (a requirements' text, a cell of a block closed before) must not
    // take the lines meant for this block's cells.
    r.Text.Reset();
    const tvapi::ILayoutSheetsPtr sheets = r.IDoc ? r.IDoc->GetLayoutSheets() : nullptr;
    const tvapi::ILayoutSheetPtr sheet = sheets ? sheets->GetItem(FirstSheet) : nullptr;
    if (!sheet) return;
    r.Stamp = sheet->GetStamp();
    // Only an open title block takes an entry: drCloseShtamp pops nothing without one, and
    // an entry left behind would be ended by some later drEndObj in place of its own object.
    if (r.Stamp) R2->APrevCommand.Push(cmOpenShtamp);
}

void TModelerApi::drColumnShtamp(const tvapi::tvStampEnum N)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    r.Text = r.Stamp ? r.Stamp->GetText(N) : nullptr;
}

void TModelerApi::drStringObj(Str const& S)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    if (!r.Stamp) {
        AddLineText(r.Text, S, 0.0);
        return;
    }
    if (r.Text) r.Text->SetStr(Wide(S).c_str());
}

void TModelerApi::drCloseShtamp()
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    if (!r.Stamp) return;
    // Only the block's own entry: one that drEndObj took leaves another command on top.
    if (R2->APrevCommand.Count > 0 && R2->APrevCommand.Last() == cmOpenShtamp) R2->APrevCommand.Pop();
    r.Stamp->Commit();
    r.Stamp.Reset();
}

} // namespace drApi
