// The deviation texts whose numbers are not read whole, named once each.

#include "TUnreadTexts.h"

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
    const auto take = [&](const std::wstring& Text, bool Angular) {
        const TDeviationVerdict verdict = ReadDeviation(Text, Angular).Verdict;
        if (verdict == dvWhole || std::find(FNamed.begin(), FNamed.end(), Text) != FNamed.end()) return;
        FNamed.push_back(Text);
        named.push_back({Text, verdict});
    };
    for (Integer c = std::max<Integer>(First, 0); c < Chains.Count; ++c) {
        const TDimensionChain& chain = Chains[c];
        for (const TDimension& link : chain.Dimensions)
            for (const TLinkDeviationText& t : DeviationTextsOf(link))
                take(t.Text, t.Angular);
        if (chain.OwnTexts && chain.Count() > 0) {
            const bool angular = chain.Dimensions[chain.Count() - 1].Type == tvapi::tvDrADimension;
            take(chain.OwnTexts->Upper, angular);
            take(chain.OwnTexts->Lower, angular);
        }
    }
    return named;
}
