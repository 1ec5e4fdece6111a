// The deviation texts a run of the chain command wrote over, kept and written back.

#include "TWrittenDeviations.h"

#include "tvapi/Dimensions.h"
#include "tvapi/DrawingComposites.h"

#include <algorithm>

void TWrittenDeviations::Keep(const tvapi::IDrawingObjectPtr& Dimension)
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return;
    for (const TKept& k : FKept)
        if (k.Dimension == Dimension) return;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    FKept.push_back({Dimension, upper->GetStr(), lower->GetStr()});
}

bool TWrittenDeviations::Restore(const tvapi::IDrawingObjectPtr& Dimension)
{
    if (!Dimension) return false;
    const auto it =
        std::find_if(FKept.begin(), FKept.end(), [&](const TKept& k) { return k.Dimension == Dimension; });
    if (it == FKept.end()) return false;
    const TKept kept = *it;
    FKept.erase(it);
    Write(kept);
    return true;
}

void TWrittenDeviations::RestoreAll()
{
    std::vector<TKept> kept;
    kept.swap(FKept);
    for (const TKept& k : kept)
        Write(k);
}

void TWrittenDeviations::Write(const TKept& K)
{
    const tvapi::IDimensionTextPtr text(K.Dimension);
    if (!text) return;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    upper->SetStr(K.Upper.c_str());
    lower->SetStr(K.Lower.c_str());
    K.Dimension->Update();
}
