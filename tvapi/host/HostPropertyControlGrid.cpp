// ==== tvhost::THostPropertyControl (HostPropertyControl.h), part: grid ==========================
// The grid: its size, cells and their flags, the current cell and its tool bar.

#include "HostPropertyControl.h"

#include "HostPropertyControlText.h"
#include "HostPropertyManager.h"
#include "HostText.h"

namespace tvhost {

using propertytext::B;
using propertytext::Num;
using propertytext::W;

// ---- grid ----------------------------------------------------------------------------------

void THostPropertyControl::SetColumnCount(int count)
{
    if (Op("IPropertyGrid", "SetColumnCount", {std::to_string(count)})) FColumns = std::max(count, 0);
}
void THostPropertyControl::SetFixedColumnCount(int count)
{
    if (Op("IPropertyGrid", "SetFixedColumnCount", {std::to_string(count)})) FFixedColumns = count;
}
void THostPropertyControl::SetRowCount(int count)
{
    if (Op("IPropertyGrid", "SetRowCount", {std::to_string(count)})) FRows = std::max(count, 0);
}
void THostPropertyControl::SetFixedRowCount(int count)
{
    if (Op("IPropertyGrid", "SetFixedRowCount", {std::to_string(count)})) FFixedRows = count;
}
int THostPropertyControl::GetColumnCount()
{
    return Enter("IPropertyGrid::GetColumnCount") ? FColumns : 0;
}
int THostPropertyControl::GetRowCount()
{
    return Enter("IPropertyGrid::GetRowCount") ? FRows : 0;
}
bool THostPropertyControl::GetReadOnly()
{
    return Enter("IPropertyGrid::GetReadOnly") && FReadOnly;
}
void THostPropertyControl::SetColumnWidth(int column, int width)
{
    if (Op("IPropertyGrid", "SetColumnWidth", {std::to_string(column), std::to_string(width)}))
        FColumnWidths[column] = width;
}
int THostPropertyControl::ColumnWidth(int column) const
{
    const auto w = FColumnWidths.find(column);
    return w == FColumnWidths.end() ? 0 : w->second;
}
tvapi::Ptr<tvapi::IPropertyToolBar> THostPropertyControl::GetToolBar()
{
    if (!Op("IPropertyGrid", "GetToolBar")) return {};
    if (!FToolBar) FToolBar = New<THostPropertyToolBar>();
    return tvapi::IPropertyToolBarPtr(FToolBar);
}
void THostPropertyControl::Redraw()
{
    if (Op("IPropertyGrid", "Redraw")) ++FRedraws;
}
void THostPropertyControl::SetGridHeight(int height)
{
    if (Op("IPropertyGrid", "SetGridHeight", {std::to_string(height)})) FHeight = height;
}
void THostPropertyControl::SetCellText(int row, int column, const wchar_t* text)
{
    if (!Enter("IPropertyGrid::SetCellText", {std::to_string(row), std::to_string(column), ToUtf8(W(text))}))
        return;
    if (row < 0 || column < 0 || row >= FRows || column >= FColumns) return;
    FCells[{row, column}] = W(text);
}
std::wstring THostPropertyControl::GetCellText(int row, int column)
{
    if (!Enter("IPropertyGrid::GetCellText", {std::to_string(row), std::to_string(column)})) return {};
    return Cell(row, column);
}
void THostPropertyControl::SetCellFlags(int row, int column, int flags)
{
    if (!Enter("IPropertyGrid::SetCellFlags",
               {std::to_string(row), std::to_string(column), std::to_string(flags)}))
        return;
    if (row < 0 || column < 0 || row >= FRows || column >= FColumns) return;
    FCellFlags[{row, column}] = flags;
}
int THostPropertyControl::GetCellFlags(int row, int column)
{
    if (!Enter("IPropertyGrid::GetCellFlags", {std::to_string(row), std::to_string(column)})) return 0;
    const auto it = FCellFlags.find({row, column});
    return it == FCellFlags.end() ? 0 : it->second;
}
void THostPropertyControl::SetCurrentCell(int row, int column)
{
    if (!Enter("IPropertyGrid::SetCurrentCell", {std::to_string(row), std::to_string(column)})) return;
    FCurrentRow = row;
    FCurrentColumn = column;
}
int THostPropertyControl::GetCurrentRow()
{
    return Enter("IPropertyGrid::GetCurrentRow") ? FCurrentRow : -1;
}
int THostPropertyControl::GetCurrentColumn()
{
    return Enter("IPropertyGrid::GetCurrentColumn") ? FCurrentColumn : -1;
}
std::wstring THostPropertyControl::Cell(int row, int column) const
{
    const auto it = FCells.find({row, column});
    return it == FCells.end() ? std::wstring() : it->second;
}

} // namespace tvhost
