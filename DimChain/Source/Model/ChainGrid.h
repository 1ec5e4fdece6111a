#pragma once
// The link grid as the panels fill it from a chain: a link's row with its sign, the signs of a
// calculated chain, the rows after an Add and after removals. The chain never writes a grid.

#include "TDimensionChain.h"
#include "TLinkGrid.h"

#include <cmath>

namespace ChainGrid {

// Typed numbers larger than this are typing errors.
constexpr Real MaxCellValue = 1e6;
// A figure beyond MaxCellValue, mm or degrees, typed or read from a link's deviation text: too
// large for a link, and a chain that holds it is not calculated. NaN is no figure, not beyond.
inline bool BeyondCellBound(Real Value)
{
    return std::fabs(Value) > MaxCellValue;
}

// What the user's edit of a cell did.
enum class TCellEdit {
    Ignored, // not a cell the user types, or no link in its row
    Taken,   // the link holds the typed value
    Refused, // not a finite number within MaxCellValue: the link keeps its value
};

// Link's row (row Link + 1) labelled with the chain Number: the link's cells, the label starred
// on the closing link of a closed chain and, with WithSign on a closed chain, the link's sign
// in the conversion column.
void WriteRow(const TLinkGridPtr& Grid, const TDimensionChain& C, Integer Link, int Number, bool WithSign);
// Every row from the links, each with its sign; rows past the last link are emptied.
void WriteAll(const TLinkGridPtr& Grid, const TDimensionChain& C, int Number);
// The signs of a closed chain as its calculation shows them: each component link's in the
// direction column, the closing link's in the conversion column. An open chain shows none.
void WriteSigns(const TLinkGridPtr& Grid, const TDimensionChain& C);
// The rows an Add changed: the re-captured link's, the signs when the chain closed, the last
// link's with its sign (every row after a reorder); the last row becomes current.
void WriteAdded(const TLinkGridPtr& Grid, const TDimensionChain& C, const TAdded& Added, int Number);
// Closes the gap of link Index, just removed from C; the rows below move up and are relabelled.
void DeleteRow(const TLinkGridPtr& Grid, const TDimensionChain& C, int Index);
// Takes the user's edit of cell (Row, Column) into its link of C: "Д.ВО", "Д.НО", "dl/dT" and "dT"
// as numbers, "Примечание" as typed; the cell then shows what the link holds, and the grid is
// redrawn. Other cells and rows past the links are ignored.
TCellEdit TakeEdit(const TLinkGridPtr& Grid, TDimensionChain& C, int Row, int Column);
// Empties the first Rows link rows (after every link was removed).
void ClearRows(const TLinkGridPtr& Grid, int Rows);

} // namespace ChainGrid
