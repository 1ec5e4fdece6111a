#pragma once
// The link grid as the panels fill it from a chain: a link's row with its sign, the signs of a
// calculated chain, the rows after an Add and after removals. The chain never writes a grid.

#include "TDimensionChain.h"
#include "TLinkGrid.h"

namespace ChainGrid {

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
// link's with its sign; the last row becomes current.
void WriteAdded(const TLinkGridPtr& Grid, const TDimensionChain& C, const TAdded& Added, int Number);
// Closes the gap of link Index, just removed from C; the rows below move up and are relabelled.
void DeleteRow(const TLinkGridPtr& Grid, const TDimensionChain& C, int Index);
// Empties the first Rows link rows (after every link was removed).
void ClearRows(const TLinkGridPtr& Grid, int Rows);

} // namespace ChainGrid
