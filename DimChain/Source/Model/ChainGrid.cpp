// The link grid filled from a chain.

#include "ChainGrid.h"

#include "TLinkText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace ChainGrid {

namespace {

void WriteSign(TLinkGrid& Grid, int Row, int Column, bool Plus)
{
    Grid.SetText(Row, Column, Plus ? L"+" : L"-");
}

void ClearRow(TLinkGrid& Grid, int Row, int Columns)
{
    for (int c = 0; c < Columns; ++c)
        Grid.SetText(Row, c, L"");
}

// Whether the typed text is wholly a number: blanks around, a sign, digits with one point or
// comma among them; a cell left blank reads as zero. A slip of the keyboard before or after the
// digits is no number.
bool IsWhollyNumber(const TString& Text)
{
    const std::string_view s(Text.Bufer ? Text.Bufer : "", Text.Length());
    const std::size_t first = s.find_first_not_of(' '), last = s.find_last_not_of(' ');
    if (first == std::string_view::npos) return true;
    std::string_view number = s.substr(first, last - first + 1);
    if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
    std::size_t digits = 0, separators = 0;
    for (const char c : number) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.' || c == ',')
            ++separators;
        else
            return false;
    }
    return digits > 0 && separators <= 1;
}

} // namespace

void WriteRow(const TLinkGridPtr& Grid, const TDimensionChain& C, Integer Link, int Number, bool WithSign)
{
    if (!Grid || Link < 0 || Link >= C.Count()) return;
    const int row = Link + 1;
    C.Dimensions[Link].toGrid(Grid, row, Number, C.Closed && Link == C.Count() - 1);
    if (C.CheckFigures && Link == C.Count() - 1) Grid->SetText(row, rComment, Wide(C.ShownNote(Link)));
    if (WithSign && C.Closed) WriteSign(*Grid, row, rTransformation, C.Plus(Link));
}

void WriteAll(const TLinkGridPtr& Grid, const TDimensionChain& C, int Number)
{
    if (!Grid) return;
    const int rows = Grid->RowCount();
    const int columns = rows >= 2 ? Grid->ColumnCount() : 0;
    for (int i = 1; i < rows; ++i) {
        if (i > C.Count())
            ClearRow(*Grid, i, columns);
        else
            WriteRow(Grid, C, i - 1, Number, true);
    }
    Grid->Redraw();
}

void WriteSigns(const TLinkGridPtr& Grid, const TDimensionChain& C)
{
    if (!Grid || !C.Closed) return;
    const int closing = std::max(C.Count() - 1, 0);
    for (int i = 0; i < closing; ++i)
        WriteSign(*Grid, i + 1, rDirect, C.Plus(i));
    WriteSign(*Grid, C.Count(), rTransformation, C.Plus(closing));
}

void WriteAdded(const TLinkGridPtr& Grid, const TDimensionChain& C, const TAdded& Added, int Number)
{
    if (!Grid || !Added) return;
    if (Added.Closing.Reordered) {
        WriteAll(Grid, C, Number);
        WriteSigns(Grid, C);
        Grid->SetCurrentRow(C.Count());
        return;
    }
    // The re-captured row as it was before the closure test: no star, no sign.
    if (Added.Recaptured >= 0 && Added.Recaptured < C.Count() - 1)
        C.Dimensions[Added.Recaptured].toGrid(Grid, Added.Recaptured + 1, Number, false);
    if (Added.Closing) WriteSigns(Grid, C);
    WriteRow(Grid, C, C.Count() - 1, Number, true);
    Grid->SetCurrentRow(C.Count());
    Grid->Redraw();
}

void DeleteRow(const TLinkGridPtr& Grid, const TDimensionChain& C, int Index)
{
    if (!Grid || Grid->RowCount() <= 0) return;
    const int columns = Grid->ColumnCount();
    for (int r = Index + 1; r <= C.Count(); ++r) {
        for (int c = 0; c < columns; ++c)
            Grid->SetText(r, c, Grid->GetText(r + 1, c));
        Grid->SetText(r, rNumner, L"1A" + std::to_wstring(r));
    }
    ClearRow(*Grid, C.Count() + 1, columns);
}

TCellEdit TakeEdit(const TLinkGridPtr& Grid, TDimensionChain& C, int Row, int Column)
{
    if (!Grid || Row < 1 || Row > C.Count() || !IsUserColumn(Column)) return TCellEdit::Ignored;
    TDimension& L = C.Dimensions[Row - 1];
    const std::wstring typed = Grid->GetText(Row, Column);
    TCellEdit edit = TCellEdit::Taken;
    if (Column == rComment) {
        L.Comment = C.TypedNote(Row - 1, TString(typed));
        Grid->SetText(Row, Column, Wide(C.ShownNote(Row - 1)));
    } else {
        Real& value = Column == rEQHigh  ? L.EQHigh
                      : Column == rEQLow ? L.EQLow
                      : Column == rdLdT  ? L.dLdT
                                         : L.dT;
        const TString text = SignedText(typed);
        const Real number = IsWhollyNumber(text) ? text.toReal() : NAN;
        if (std::isfinite(number) && std::fabs(number) <= MaxCellValue)
            value = number;
        else
            edit = TCellEdit::Refused;
        Grid->SetText(Row, Column, Wide(LinkText::Number(value)));
    }
    Grid->Redraw();
    return edit;
}

void ClearRows(const TLinkGridPtr& Grid, int Rows)
{
    if (!Grid || Grid->RowCount() <= 0) return;
    const int columns = Grid->ColumnCount();
    for (int r = Rows; r >= 1; --r)
        ClearRow(*Grid, r, columns);
}

} // namespace ChainGrid
