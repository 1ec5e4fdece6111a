#pragma once
// TLinkGrid: the grid a chain writes its link rows into - the host's property grid once the
// drawing panel shows one. A chain without a grid does everything but the grid writes.
// Cells are addressed row first; row 0 is the header.

#include <memory>
#include <string>

// The columns of a link row, in grid order.
enum TColumnGrid : int {
    rNumner = 0,
    rDirect,
    rNominal,
    rQHigh,
    rQLow,
    rTransformation,
    rAQHigh,
    rAQLow,
    rEQHigh,
    rEQLow,
    rComment,
    rdLdT,
    rdT,
    rCountRow,
};

// The columns the user types into, "Д.ВО" to "dT"; the chain fills the others.
constexpr bool IsUserColumn(int Column)
{
    return Column >= rEQHigh && Column <= rdT;
}

class TLinkGrid {
public:
    virtual ~TLinkGrid() = default;
    virtual int RowCount() = 0;
    virtual void SetRowCount(int Rows) = 0;
    virtual int ColumnCount() = 0;
    virtual std::wstring GetText(int Row, int Column) = 0;
    virtual void SetText(int Row, int Column, const std::wstring& Text) = 0;
    // Flag 1 marks a cell whose value the user types, 0 a cell the chain fills.
    virtual void SetCellFlag(int Row, int Column, int Flag) = 0;
    virtual void SetCurrentRow(int Row) = 0;
    virtual void Redraw() = 0;
};

using TLinkGridPtr = std::shared_ptr<TLinkGrid>;
