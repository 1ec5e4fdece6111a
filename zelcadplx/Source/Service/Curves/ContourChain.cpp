// The contour's chain queries: boxes (all items or by attribute), closure and joints, the
// ordering of items into a chain, the placement of all items, the approximation and the
// convex-hull outline with its measures.

#include "Contour.h"

#include "PolyLine.h"
#include "Transf2D.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

void Widen(TRect2D& G, const TRect2D& r)
{
    G.LD.Set(std::min(G.LD.x, r.LD.x), std::min(G.LD.y, r.LD.y));
    G.RU.Set(std::max(G.RU.x, r.RU.x), std::max(G.RU.y, r.RU.y));
}

bool Coincide(const TPoint2D& A, const TPoint2D& B, double eps)
{
    return std::fabs(A.x - B.x) <= eps && std::fabs(A.y - B.y) <= eps;
}

} // namespace

// ---------------------------------------------------------------- boxes

void TContour::Rect(TRect2D& G) const
{
    G.SetNull();
    bool first = true;
    for (Integer k = 0; k < Count; ++k) {
        if (FArray[k] == nullptr) continue;
        TRect2D r;
        FArray[k]->Rect(r);
        if (first)
            G = r;
        else
            Widen(G, r);
        first = false;
    }
}

void TContour::RangeIn(double& Xmin, double& Ymin, double& Xmax, double& Ymax) const
{
    TRect2D G;
    Rect(G);
    Xmin = G.LD.x;
    Ymin = G.LD.y;
    Xmax = G.RU.x;
    Ymax = G.RU.y;
}

void TContour::RangeOfAttributes(std::initializer_list<unsigned int> Atrs, TRect2D& G, bool& found) const
{
    found = false;
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr ||
            std::find(Atrs.begin(), Atrs.end(), static_cast<unsigned int>(C->Atr)) == Atrs.end())
            continue;
        TRect2D r;
        C->Rect(r);
        if (found)
            Widen(G, r);
        else
            G = r;
        found = true;
    }
}

void TContour::RangeAtIn(unsigned int Atr1, TRect2D& G) const
{
    if (Count == 0) {
        G.SetNull();
        return;
    }
    bool found = false;
    TRect2D r;
    RangeOfAttributes({Atr1}, r, found);
    if (found) G = r;
}

void TContour::RangeAtIn(unsigned int Atr1, unsigned int Atr2, TRect2D& G) const
{
    if (Count == 0) {
        G.SetNull();
        return;
    }
    bool found = false;
    TRect2D r;
    RangeOfAttributes({Atr1, Atr2}, r, found);
    if (found) G = r;
}

void TContour::RangeAtIn(unsigned int Atr1, unsigned int Atr2, unsigned int Atr3, TRect2D& G) const
{
    if (Count == 0) {
        G.SetNull();
        return;
    }
    bool found = false;
    TRect2D r;
    RangeOfAttributes({Atr1, Atr2, Atr3}, r, found);
    if (found) G = r;
}

namespace {

void Corners(const TRect2D& G, double& Xmin, double& Ymin, double& Xmax, double& Ymax)
{
    Xmin = G.LD.x;
    Ymin = G.LD.y;
    Xmax = G.RU.x;
    Ymax = G.RU.y;
}

} // namespace

void TContour::RangeAtIn(unsigned int Atr1, double& Xmin, double& Ymin, double& Xmax, double& Ymax) const
{
    TRect2D G;
    G.SetNull();
    bool found = false;
    RangeOfAttributes({Atr1}, G, found);
    Corners(G, Xmin, Ymin, Xmax, Ymax);
}

void TContour::RangeAtIn(unsigned int Atr1, unsigned int Atr2, double& Xmin, double& Ymin, double& Xmax,
                         double& Ymax) const
{
    TRect2D G;
    G.SetNull();
    bool found = false;
    RangeOfAttributes({Atr1, Atr2}, G, found);
    Corners(G, Xmin, Ymin, Xmax, Ymax);
}

void TContour::RangeAtIn(unsigned int Atr1, unsigned int Atr2, unsigned int Atr3, double& Xmin, double& Ymin,
                         double& Xmax, double& Ymax) const
{
    TRect2D G;
    G.SetNull();
    bool found = false;
    RangeOfAttributes({Atr1, Atr2, Atr3}, G, found);
    Corners(G, Xmin, Ymin, Xmax, Ymax);
}

UInteger TContour::CountAt(unsigned int Atribute) const
{
    UInteger n = 0;
    for (Integer k = 0; k < Count; ++k)
        if (FArray[k] != nullptr && static_cast<unsigned int>(FArray[k]->Atr) == Atribute) ++n;
    return n;
}

// ---------------------------------------------------------------- joints and closure

bool TContour::IsLink(const TCurve2D* C1, const TCurve2D* C2) const
{
    if (C1 == nullptr || C2 == nullptr) return false;
    TPoint2D E, S;
    C1->PointOn(C1->GetTMax(), E);
    C2->PointOn(C2->GetTMin(), S);
    return Coincide(E, S, linkEps);
}

bool TContour::IsDirect() const
{
    for (Integer k = 1; k < Count; ++k)
        if (!IsLink(FArray[k - 1], FArray[k])) return false;
    return true;
}

Boolean TContour::IsDirect2(double eps) const
{
    for (Integer k = 1; k < Count; ++k) {
        const TCurve2D* A = FArray[k - 1];
        const TCurve2D* B = FArray[k];
        if (A == nullptr || !A->IsLink(A->GetTMax(), B, B != nullptr ? B->GetTMin() : 0.0, eps)) return false;
    }
    return true;
}

bool TContour::IsClosed() const
{
    if (Count == 0) return false;
    if (Count == 1) return FArray[0] != nullptr && FArray[0]->IsType() == ctCircle;
    return IsDirect() && IsLink(FArray[Count - 1], FArray[0]);
}

Boolean TContour::IsClosed2(double eps) const
{
    closed = false;
    const TCurve2D* first = Count > 0 ? FArray[0] : nullptr;
    if (first == nullptr) return false;
    if (Count == 1) {
        closed = first->IsType() == ctCircle;
        return closed;
    }
    const TCurve2D* last = FArray[Count - 1];
    if (IsDirect())
        closed = first->IsLink(first->GetTMin(), last, last != nullptr ? last->GetTMax() : 0.0, eps);
    return closed;
}

Boolean TContour::MakeDirect(double eps, bool Direction)
{
    if (Count == 0) return false;
    if (Count == 1) return FArray[0] != nullptr && FArray[0]->IsType() == ctCircle;
    if (!Direction && FArray[0] != nullptr) FArray[0]->Inverse();
    for (Integer i = 0; i + 1 < Count; ++i) {
        if (FArray[i] == nullptr) return false;
        const TPoint2D E = FArray[i]->PointTMax();
        Integer found = -1;
        for (Integer j = i + 1; j < Count && found < 0; ++j) {
            TCurve2D* C = FArray[j];
            if (C == nullptr) continue;
            if (Coincide(C->PointTMin(), E, eps)) {
                found = j;
            } else if (Coincide(C->PointTMax(), E, eps)) {
                C->Inverse();
                found = j;
            }
        }
        if (found < 0) return false;
        std::swap(FArray[i + 1], FArray[found]);
    }
    return true;
}

// ---------------------------------------------------------------- placement, approximation

namespace {

// Holds M alone on top of the placement stack while it lives. Circles and points map through
// the stack, not through the matrix they are given; with M on top every item moves alike.
class TStackedMtr {
public:
    explicit TStackedMtr(const TMtr2D& M) : FStack(drApi::Transf2D)
    {
        if (FStack != nullptr) FStack->drMtr(M, true);
    }
    ~TStackedMtr()
    {
        if (FStack != nullptr) FStack->drDeleteMtr();
    }
    TStackedMtr(const TStackedMtr&) = delete;
    TStackedMtr& operator=(const TStackedMtr&) = delete;

private:
    TTransf2D* FStack;
};

} // namespace

void TContour::Mtr(const double& X, const double& Y, const double& Angle, const double& Scale)
{
    TMtr2D M;
    M.Init();
    M.drMtr(X, Y, Angle, Scale);
    const TStackedMtr stacked(M);
    for (Integer k = 0; k < Count; ++k)
        if (FArray[k] != nullptr) FArray[k]->Mtr(M);
}

void TContour::Aproximate(TPolyLine& L) const
{
    const bool cl = IsClosed();
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        const double step = C->GetParamToUnit();
        if (step <= paramEpsilon) continue;
        TPoint2D P;
        for (double t = C->GetTMin(); t < C->GetTMax(); t += step) {
            C->PointOn(t, P);
            AppendPoint(L, P);
            if (C->IsType() == ctLineSeg) break;
        }
        if (k == Count - 1 && !cl) AppendPoint(L, C->PointTMax());
    }
}

TPolyLine* TContour::GetLS()
{
    if (Count == 0 || LS != nullptr) return LS;
    LS = new TPolyLine();
    TPolyLine all;
    Aproximate(all);
    all.ConvexHull(*LS);
    return LS;
}

void TContour::DeleteLS()
{
    delete LS;
    LS = nullptr;
}

Real TContour::Len()
{
    const TPolyLine* H = GetLS();
    return H != nullptr ? H->Len() : 0.0;
}

Real TContour::Area()
{
    const TPolyLine* H = GetLS();
    return H != nullptr ? std::fabs(H->OrientationArea()) : 0.0;
}

void TContour::CenterXYLenCut(double& Xc, double& Yc, double& LCont)
{
    Xc = Yc = LCont = 0.0;
    DeleteLS();
    const TPolyLine* H = GetLS();
    if (H != nullptr) H->CenterXYLenCut(Xc, Yc, LCont);
}
