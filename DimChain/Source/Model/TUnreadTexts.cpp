// The deviation texts whose numbers are not read whole, named once each.

#include "TUnreadTexts.h"

#include "ChainGrid.h"
#include "TDimensionChain.h"

#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"

#include <algorithm>

namespace {

template <class TObject>
void AddTextsOf(const TObject& Dimension, bool Angular, std::vector<TLinkDeviationText>& Out)
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return;
    for (const tvapi::ITextPtr& deviation : {text->GetUpperDeviation(), text->GetLowerDeviation()})
        if (deviation) Out.push_back({deviation->GetStr(), Angular});
}

} // namespace

std::vector<TLinkDeviationText> DeviationTextsOf(const TDimension& Link)
{
    std::vector<TLinkDeviationText> texts;
    if (Link.Obj)
        AddTextsOf(Link.Obj, Link.Type == tvapi::tvDrADimension, texts);
    else if (Link.PearentObj)
        AddTextsOf(Link.PearentObj, false, texts);
    else if (Link.MO)
        AddTextsOf(Link.MO, false, texts);
    if (const tvapi::IDrawingObjectPtr angle = Link.BoundAngle()) AddTextsOf(angle, true, texts);
    return texts;
}

std::vector<TUnreadText> TUnreadTexts::Newly(const TArrayOf<TDimensionChain>& Chains, Integer First)
{
    std::vector<TUnreadText> named;
    // A closed chain's last link shows the chain's own figures, which its links may sum past
    // the grid's bound; every other text is the user's.
    const auto take = [&](const std::wstring& Text, bool Angular, bool Written = false) {
        const TDeviationReading reading = ReadDeviation(Text, Angular);
        const TDeviationVerdict verdict =
            !Written && ChainGrid::BeyondCellBound(reading.Value) ? dvTooLarge : reading.Verdict;
        if (verdict == dvWhole || std::find(FNamed.begin(), FNamed.end(), Text) != FNamed.end()) return;
        FNamed.push_back(Text);
        named.push_back({Text, verdict});
    };
    for (Integer c = std::max<Integer>(First, 0); c < Chains.Count; ++c) {
        const TDimensionChain& chain = Chains[c];
        for (Integer i = 0; i < chain.Count(); ++i)
            for (const TLinkDeviationText& t : DeviationTextsOf(chain.Dimensions[i]))
                take(t.Text, t.Angular, chain.Closed && i == chain.Count() - 1);
        if (chain.OwnTexts && chain.Count() > 0) {
            const bool angular = chain.Dimensions[chain.Count() - 1].Type == tvapi::tvDrADimension;
            take(chain.OwnTexts->Upper, angular);
            take(chain.OwnTexts->Lower, angular);
        }
    }
    return named;
}
