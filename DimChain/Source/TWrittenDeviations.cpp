// The deviation texts a run of the chain command wrote over, kept and written back.

#include "TWrittenDeviations.h"

#include "ChainHost.h"
#include "TDimension.h"

#include "tvapi/Dimensions.h"
#include "tvapi/DrawingComposites.h"

#include <algorithm>

std::optional<TDeviationTexts> TDeviationTexts::Of(const tvapi::IDrawingObjectPtr& Dimension)
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return std::nullopt;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return std::nullopt;
    return TDeviationTexts{upper->GetStr(), lower->GetStr()};
}

void TDeviationTexts::WriteTo(const tvapi::IDrawingObjectPtr& Dimension) const
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    upper->SetStr(Upper.c_str());
    lower->SetStr(Lower.c_str());
    Dimension->Update();
}

void TWrittenDeviations::Keep(const tvapi::IDrawingObjectPtr& Dimension)
{
    for (const TKept& k : FKept)
        if (k.Dimension == Dimension) return;
    if (const std::optional<TDeviationTexts> texts = TDeviationTexts::Of(Dimension))
        FKept.push_back({Dimension, *texts});
}

std::optional<TDeviationTexts> TWrittenDeviations::Kept(const tvapi::IDrawingObjectPtr& Dimension) const
{
    for (const TKept& k : FKept)
        if (Dimension && k.Dimension == Dimension) return k.Texts;
    return std::nullopt;
}

void TWrittenDeviations::RestoreAll(TChainHost& Host)
{
    std::vector<TKept> kept;
    kept.swap(FKept);
    for (const TKept& k : kept) {
        TDimension at;
        at.Obj = k.Dimension;
        Host.WriteTexts(at, k.Texts);
    }
}
