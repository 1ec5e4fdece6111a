#pragma once
// The link grid of a chain over the host's property grid of the drawing panel.

#include "TLinkGrid.h"
#include "tvapi/PropertyManager.h"

class TPropertyLinkGrid final : public TLinkGrid {
public:
    explicit TPropertyLinkGrid(tvapi::IPropertyGridPtr iGrid) : Grid(std::move(iGrid)) {}

    int RowCount() override { return Grid ? Grid->GetRowCount() : 0; }
    void SetRowCount(int Rows) override
    {
        if (Grid) Grid->SetRowCount(Rows);
    }
    int ColumnCount() override { return Grid ? Grid->GetColumnCount() : 0; }
    std::wstring GetText(int Row, int Column) override { return Grid ? Grid->GetCellText(Row, Column) : L""; }
    void SetText(int Row, int Column, const std::wstring& Text) override
    {
        if (Grid) Grid->SetCellText(Row, Column, Text.c_str());
    }
    void SetCellFlag(int Row, int Column, int Flag) override
    {
        if (Grid) Grid->SetCellFlags(Row, Column, Flag);
    }
    void SetCurrentRow(int Row) override
    {
        if (Grid) Grid->SetCurrentCell(Row, Grid->GetCurrentColumn());
    }
    void Redraw() override
    {
        if (Grid) Grid->Redraw();
    }

    tvapi::IPropertyGridPtr Grid;
};
