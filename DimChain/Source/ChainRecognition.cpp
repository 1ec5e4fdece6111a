// Gathering of the drawing's dimensions and the depth-first search for recognised chains.

#include "ChainRecognition.h"

#include "drModelerAPI.h"
#include "drObjects2D.h"
#include "drSelectorAPI.h"
#include "tvapi/Drawing2DObjects.h"

#include <algorithm>
#include <vector>

namespace {

void ClearSelection()
{
    if (drApi::Selector && drApi::Selector->Selection7) drApi::Selector->Selection7->UnSelectAll();
}

void SelectLink(const TDimension& L, bool Select)
{
    if (!drApi::Selector) return;
    if (Select) {
        drApi::Selector->Select2D(L.Obj);
        drApi::Selector->Select2D(L.PearentObj);
    } else {
        drApi::Selector->UnSelect2D(L.Obj);
        drApi::Selector->UnSelect2D(L.PearentObj);
    }
}

void NumberPlanes(TDimension& L, TAPlacement3D& Placements, TAPlacement3D& Directions)
{
    L.IP1 = PutPlacement3D(Placements, L.PL1);
    L.IP2 = PutPlacement3D(Placements, L.PL2);
    L.ID = PutDPlacement3D(Directions, L.PL1);
}

// The drawing closure test over the links of the path, closing dimension first.
bool PathCloses(const TDimensionChain& All, const std::vector<int>& Path)
{
    const int n = static_cast<int>(Path.size());
    if (n < 2 || n > TDimensionChain::MaxLinks) return false;
    std::vector<Real> v;
    v.reserve(2 * Path.size());
    for (int i : Path) {
        v.push_back(All.Dimensions[i].V2.x);
        v.push_back(All.Dimensions[i].V2.y);
    }
    Integer mask = 0;
    return TDimensionChain::SearchClosure(v.data(), 2, n, TDimensionChain::DrawingTolerance, mask);
}

// A candidate that may not extend the path: on it already, of another view, or a second
// derived link of a dimension the path holds.
bool Excluded(const TDimensionChain& All, const std::vector<int>& Path, int i, const TDimension& D)
{
    const TDimension& L = All.Dimensions[i];
    if (L.View != D.View) return true;
    for (int p : Path) {
        if (p == i) return true;
        if (L.PearentObj && All.Dimensions[p].PearentObj == L.PearentObj) return true;
    }
    return false;
}

struct TSearch {
    TDimensionChain& All;
    const TDimension& D;
    std::vector<int> Path, Ends, Kept;
    int FreeEnd = 0;
    int Found = 0;

    void Push(int i)
    {
        const TDimension& L = All.Dimensions[i];
        Path.push_back(i);
        Ends.push_back(FreeEnd);
        FreeEnd = L.IP1 == FreeEnd ? L.IP2 : L.IP1;
        SelectLink(L, true);
    }
    // Takes the top link off; gives the candidate to try next.
    int Pop()
    {
        const int top = Path.back();
        SelectLink(All.Dimensions[top], false);
        Path.pop_back();
        FreeEnd = Ends.back();
        Ends.pop_back();
        return top + 1;
    }
    void Run(int IndexNeed)
    {
        const int n = All.Count();
        int i = 0;
        for (;;) {
            for (; i < n; ++i) {
                const TDimension& L = All.Dimensions[i];
                if (Excluded(All, Path, i, D) || (L.IP1 != FreeEnd && L.IP2 != FreeEnd)) continue;
                Push(i);
                if (!PathCloses(All, Path)) {
                    i = -1; // the path grows: every link is a candidate again
                    continue;
                }
                if (Found < IndexNeed) Kept = Path;
                ++Found;
                i = Pop() - 1;
            }
            if (Path.size() <= 1) return;
            i = Pop();
        }
    }
};

} // namespace

int PutPlacement3D(TAPlacement3D& Placements, const TPlacement3D& P)
{
    for (Integer i = 0; i < Placements.Count; ++i)
        if (Placements[i].IsSamePlane(P)) return i;
    Placements.Add(P);
    return Placements.Count - 1;
}

int PutDPlacement3D(TAPlacement3D& Directions, const TPlacement3D& P)
{
    for (Integer i = 0; i < Directions.Count; ++i)
        if (Directions[i].IsParallelPlane(P)) return i;
    Directions.Add(P);
    return Directions.Count - 1;
}

void GetAllDimensions(TDimensionChain& All)
{
    All.Dimensions.Count = 0;
    ClearSelection();
    const tvapi::ITervanDocument2DPtr doc = drApi::MA.R3->IDoc2D;
    if (!doc) return;
    const tvapi::IViewsAndLayersManagerPtr manager = doc->GetViewsAndLayersManager();
    const tvapi::IViewsPtr views = manager ? manager->GetViews() : tvapi::IViewsPtr();
    if (!views) return;
    for (int v = 0; v < views->GetCount(); ++v) {
        tvapi::IViewPtr view = views->GetItem(v);
        for (const tvapi::IDrawingObjectPtr& obj : drApi::GetObjects2D(view, tvapi::tvAllObj)) {
            switch (drApi::GetType(obj)) {
            case tvapi::tvDrLDimension:
                All.Dimensions.Add().SetLDim(obj, {});
                break;
            case tvapi::tvDrDDimension:
                All.Dimensions.Add().SetDDim(obj, {});
                break;
            case tvapi::tvDrRDimension:
                All.Dimensions.Add().SetRDim(obj, {});
                break;
            default:
                break;
            }
        }
    }
}

void AddDerivativeDimensions(TDimensionChain& All, tvapi::IDrawingObjectPtr iAuxiliaryObj)
{
    const Integer n = All.Count();
    for (Integer i = 0; i < n; ++i) {
        const TDimension source = All.Dimensions[i]; // the array may move while it grows
        if (!source.Obj || (source.Type != tvapi::tvDrDDimension && source.Type != tvapi::tvDrRDimension))
            continue;
        for (int k = 1; k <= 3; ++k) {
            TDimension D;
            D.SetDerivative(source, k, iAuxiliaryObj);
            bool duplicate = false;
            for (Integer j = 0; j < All.Count() && !duplicate; ++j) {
                const TDimension& L = All.Dimensions[j];
                duplicate = (L.PL1.IsSamePlane(D.PL1) && L.PL2.IsSamePlane(D.PL2)) ||
                            (L.PL1.IsSamePlane(D.PL2) && L.PL2.IsSamePlane(D.PL1));
            }
            if (!duplicate) All.Dimensions.Add(D);
        }
    }
}

int Make3DDimensionChain(TDimensionChain& All, TDimension& D, int IndexNeed, TAPlacement3D& Placements,
                         TAPlacement3D& Directions, TDimensionChain& Target)
{
    ClearSelection();
    Placements.Count = 0;
    Directions.Count = 0;
    for (TDimension& L : All.Dimensions)
        NumberPlanes(L, Placements, Directions);
    NumberPlanes(D, Placements, Directions);
    if (All.Count() == 0) return 0;
    int bottom = -1;
    for (Integer i = 0; i < All.Count() && bottom < 0; ++i)
        if (All.Dimensions[i].IsSameObject(D)) bottom = i;
    if (bottom < 0) return 0;
    if (drApi::Selector) drApi::Selector->Select2D(D.Obj);

    TSearch search{All, D, {bottom}, {}, {}, D.IP1, 0};
    search.Run(std::max(IndexNeed, 1)); // a path is kept only for an index from 1 on
    if (search.Found == 0) return 0;
    Target.RemoveAll();
    for (std::size_t k = 1; k < search.Kept.size(); ++k)
        Target.Dimensions.Add(All.Dimensions[search.Kept[k]]);
    Target.Dimensions.Add(All.Dimensions[search.Kept[0]]);
    return search.Found;
}
