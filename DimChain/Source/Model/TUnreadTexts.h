#pragma once
// TUnreadTexts: the deviation texts of a set's links whose numbers are not read whole, as the
// reading that gives their figures judges them; a panel asks this after each step that may have
// read a link and tells the user of each text once.

#include "BaseTypes.h"
#include "DeviationText.h"
#include "TArray.h"

#include <string>
#include <vector>

class TDimension;
class TDimensionChain;

// A deviation text a link's figures are read from; Angular when it is read in degrees.
struct TLinkDeviationText {
    std::wstring Text;
    bool Angular = false;
};

// The deviation texts Link's figures are read from, as its objects hold them now: its own
// dimension's (for a derived link the diameter's or radius's it was taken from, for an assembly
// link its model dimension's) and the angle's laid on it.
std::vector<TLinkDeviationText> DeviationTextsOf(const TDimension& Link);

// A text not read whole, and what its reading made of it (dvDropped or dvTooLarge).
struct TUnreadText {
    std::wstring Text;
    TDeviationVerdict Verdict = dvDropped;
};

class TUnreadTexts {
public:
    // The texts read by the links of Chains from First on, and the own texts a chain kept of
    // its closing dimension, that ReadDeviation does not read whole (or reads beyond the grid's bound,
    // ChainGrid::BeyondCellBound, as too large; a closed chain's last link shows the chain's own figures,
    // held to no bound), each in the order found and only when no earlier call gave the same text: a text is
    // named again only once it has changed.
    std::vector<TUnreadText> Newly(const TArrayOf<TDimensionChain>& Chains, Integer First);

private:
    std::vector<std::wstring> FNamed;
};
