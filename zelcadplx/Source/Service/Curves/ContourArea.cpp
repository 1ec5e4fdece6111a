// The measuring and testing side of the contour: signed area by Green's formula (Gauss-
// Legendre over curved items), containment of points and curves by a horizontal scan line,
// crossings with other curves and with itself, and axis crossings as contour parameters.

#include "Contour.h"

#include "Arc.h"
#include "LineSeg.h"
#include "SolverInterSect.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int maxRule = 8;              // largest tabulated Gauss-Legendre rule
constexpr int areaRule = 7;             // the rule Area2 integrates curved items with
constexpr double rootTolerance = 1e-15; // the quadrature roots to near double precision; no TMathDef value
constexpr int rootIterations = 100;
constexpr double scanReach = 1e25; // the scan line never reaches further than this
constexpr double scanMargin = 1.0; // the scan line overshoots the box by its size plus this

// This thread's crossing collector (tolerances 1e-8), emptied for each test. A fresh one
// allocates and builds 64 records, and the circle placement runs millions of tests on its
// worker threads. The tests below neither nest nor keep the collector past their return.
TInterSector& EmptyCollector()
{
    thread_local TInterSector Collector;
    Collector.ACrossPoint.Clear();
    return Collector;
}

// Legendre polynomial P_n(x) and its derivative.
void Legendre(int n, double x, double& p, double& dp)
{
    double prev = 1.0;
    p = x;
    for (int k = 2; k <= n; ++k) {
        const double next = ((2.0 * k - 1.0) * x * p - (k - 1.0) * prev) / k;
        prev = p;
        p = next;
    }
    dp = n * (x * p - prev) / (x * x - 1.0);
}

// Nodes (ascending) and weights of the n-point rule: roots of P_n by Newton's method from
// the Chebyshev-like first guesses, mirrored so that the table is exactly symmetric.
struct TRule {
    std::array<double, maxRule> t{};
    std::array<double, maxRule> w{};
};

TRule MakeRule(int n)
{
    TRule r;
    for (int i = 0; i < (n + 1) / 2; ++i) {
        double x = std::cos(TMathDef::C_PI * (i + 0.75) / (n + 0.5));
        double p = 0.0, dp = 1.0;
        for (int it = 0; it < rootIterations; ++it) {
            Legendre(n, x, p, dp);
            const double dx = p / dp;
            x -= dx;
            if (std::fabs(dx) < rootTolerance) break;
        }
        Legendre(n, x, p, dp);
        const double w = 2.0 / ((1.0 - x * x) * dp * dp);
        const bool middle = 2 * i + 1 == n;
        r.t[n - 1 - i] = middle ? 0.0 : x;
        r.t[i] = middle ? 0.0 : -x;
        r.w[i] = r.w[n - 1 - i] = w;
    }
    return r;
}

const TRule& RuleOf(int n)
{
    static const std::array<TRule, maxRule + 1> rules = [] {
        std::array<TRule, maxRule + 1> all{};
        for (int k = 1; k <= maxRule; ++k)
            all[k] = MakeRule(k);
        return all;
    }();
    return rules[n];
}

double Cross(const TVector2D& a, const TVector2D& b)
{
    return a.x * b.y - a.y * b.x;
}

// Twice the area swept from C by a curved item: the integral of (P - C) x P' dt.
double SweptByItem(const TCurve2D& Item, const TPoint2D& C)
{
    const TRule& rule = RuleOf(areaRule);
    const double tmax = Item.GetTMax(), limit = tmax - TMathDef::metricRegion;
    double t0 = Item.GetTMin(), t1 = t0, part = 0.0;
    do {
        t1 = t0 + Item.DeviationStep(t0, TMathDef::DEVIATION_SAG);
        if (t1 > limit) t1 = tmax;
        const double m = (t0 + t1) * 0.5, h = (t1 - t0) * 0.5;
        for (int k = 0; k < areaRule; ++k) {
            TPoint2D P;
            TVector2D D;
            Item.PointOn(m + rule.t[k] * h, P);
            Item.FirstDer(m + rule.t[k] * h, D);
            part += Cross(P - C, D) * rule.w[k] * h;
        }
        t0 = t1;
    } while (!(t1 > limit));
    return part;
}

} // namespace

// ---------------------------------------------------------------- area

Real TContour::Area2() const
{
    if (Count == 0) return 0.0;
    TRect2D G;
    Rect(G);
    const TPoint2D C((G.LD.x + G.RU.x) * 0.5, (G.LD.y + G.RU.y) * 0.5);
    double sum = 0.0;
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* I = FArray[k];
        if (I == nullptr) continue;
        switch (I->IsType()) {
        case ctPoint:
            break;
        case ctLineSeg:
            sum += Cross(I->PointTMin() - C, I->PointTMax() - C) * 0.5;
            break;
        case ctCircle: {
            const double r = static_cast<const TCircle*>(I)->Radius;
            return sum + C_PI * r * r;
        }
        default:
            sum += SweptByItem(*I, C) * 0.5;
            break;
        }
    }
    return sum;
}

Integer TContour::GetSense() const
{
    const double A = Area2();
    return A > 0.0 ? 1 : (A < 0.0 ? -1 : 0);
}

Boolean TContour::FillIntegrationValues(double* tarr, double* warr, int n)
{
    if (tarr == nullptr || warr == nullptr || n < 1) return false;
    if (n > maxRule) {
        std::fill(tarr, tarr + n, 0.0);
        std::fill(warr, warr + n, 0.0);
        return false;
    }
    const TRule& r = RuleOf(n);
    std::copy(r.t.begin(), r.t.begin() + n, tarr);
    std::copy(r.w.begin(), r.w.begin() + n, warr);
    return true;
}

// ---------------------------------------------------------------- point containment

ListX::~ListX()
{
    while (List != nullptr) {
        Tx* next = List->Next;
        delete List;
        List = next;
    }
}

void ListX::Add(const double& X)
{
    for (const Tx* n = List; n != nullptr; n = n->Next)
        if (std::fabs(n->x - X) <= TContour::onBoundaryEps) return;
    List = new Tx{X, List};
    if (PX > X)
        ++CountIntersectsLeft;
    else
        ++CountIntersectsRight;
}

bool TContour::FoundPoint(const double& xx, const double& yy) const
{
    if (Count == 0) return false;
    // The scan line spans the box with room to spare; a line of astronomic length would
    // lose the crossings' x to rounding.
    TRect2D G;
    Rect(G);
    const double margin = std::max(G.RU.x - G.LD.x, 0.0) + scanMargin;
    const TLineSeg ray(std::max(G.LD.x - margin, -scanReach), yy, std::min(G.RU.x + margin, scanReach), yy);
    TInterSector& IS = EmptyCollector();
    ListX L(IS, xx, yy);
    for (Integer k = 0; k < Count; ++k) {
        const Integer n = FArray[k] != nullptr ? IS.InterSection(&ray, FArray[k]) : 0;
        for (Integer i = 0; i < n; ++i) {
            const double x = IS.ACrossPoint.FArray[--IS.ACrossPoint.Count].p.x;
            if (std::fabs(x - xx) <= onBoundaryEps) return true;
            L.Add(x);
        }
    }
    return L.CountIntersectsLeft % 2 == 1 && L.CountIntersectsRight % 2 == 1;
}

// ---------------------------------------------------------------- curves inside

bool TContour::FoundLine(const TLineSeg* P) const
{
    if (P == nullptr) return false;
    return FoundPoint(P->x, P->y) || FoundPoint(P->xk, P->yk) || InterSect(P) != 0;
}

bool TContour::FoundArc(const TArc* P) const
{
    if (P == nullptr) return false;
    const TPoint2D S = P->PointTMin();
    return FoundPoint(S.x, S.y) || InterSect(P) != 0;
}

bool TContour::FoundCircle(const TCircle* P) const
{
    if (P == nullptr || Count == 0 || FArray[0] == nullptr) return false;
    const TCurve2D* first = FArray[0];
    if (Count == 1 && first->IsType() == ctCircle) {
        const auto* C = static_cast<const TCircle*>(first);
        return std::hypot(C->x - P->x, C->y - P->y) < C->Radius + P->Radius;
    }
    double lx = 0.0, ly = 0.0;
    first->Left(lx, ly);
    return std::hypot(lx - P->x, ly - P->y) < P->Radius || FoundPoint(P->x, P->y) || InterSect(P) != 0;
}

Boolean TContour::Found(const TCurve2D* P) const
{
    if (Count == 0 || P == nullptr) return false;
    switch (P->IsType()) {
    case ctPoint: {
        const auto* B = static_cast<const TBasePoint*>(P);
        return FoundPoint(B->x, B->y);
    }
    case ctLineSeg:
        return FoundLine(static_cast<const TLineSeg*>(P));
    case ctCircle:
        return FoundCircle(static_cast<const TCircle*>(P));
    case ctArc:
        return FoundArc(static_cast<const TArc*>(P));
    default:
        return false;
    }
}

Boolean TContour::Found(const TContour& C) const
{
    for (Integer k = 0; k < C.Count; ++k)
        if (Found(C.FArray[k])) return true;
    return false;
}

Boolean TContour::Colision(const TContour& C) const
{
    for (Integer k = 0; k < C.Count; ++k)
        if (C.FArray[k] != nullptr && InterSect(C.FArray[k]) != 0) return true;
    return false;
}

// ---------------------------------------------------------------- crossings

Integer TContour::InterSect(const TCurve2D* P) const
{
    TInterSector& IS = EmptyCollector();
    for (Integer k = 0; k < Count; ++k) {
        const Integer n = FArray[k] != nullptr ? IS.InterSection(P, FArray[k]) : 0;
        if (n > 0) return n;
    }
    return 0;
}

Integer TContour::InterSect2(const TCurve2D* P) const
{
    TInterSector& IS = EmptyCollector();
    bool one = false;
    for (Integer k = 0; k < Count; ++k) {
        if (FArray[k] == nullptr || IS.InterSection(P, FArray[k]) <= 0) continue;
        if (one) return 1;
        one = true;
    }
    return 0;
}

Boolean TContour::Find2(const double& x, const double& y, TArrayOf<TPair<int, int>>& AResult)
{
    AResult.Clear();
    const TPoint2D P(x, y);
    const auto near = [&P](double px, double py) {
        return std::fabs(px - P.x) <= linkEps && std::fabs(py - P.y) <= linkEps;
    };
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        const int type = C->IsType();
        if (type == ctLineSeg) {
            const auto* L = static_cast<const TLineSeg*>(C);
            if (near(L->x, L->y))
                AResult.Add(TPair<int, int>(k, 0));
            else if (near(L->xk, L->yk))
                AResult.Add(TPair<int, int>(k, 1));
        } else if (type == ctArc || type == ctCircle) {
            const auto* R = static_cast<const TCircle*>(C);
            if (near(R->x, R->y)) AResult.Add(TPair<int, int>(k, 0));
        }
    }
    return AResult.Count > 0;
}

namespace {

// The crossing is the joint of A's end with B's start (either curve may be on1).
bool IsJoint(const TCrossPoint& X, const TCurve2D* A, const TCurve2D* B)
{
    const auto at = [&X](const TCurve2D* C, double t) {
        const TPointOnCurve& on = X.on1.curve == C ? X.on1 : X.on2;
        return on.curve == C && std::fabs(on.t - t) <= TMathDef::paramRegion;
    };
    return at(A, A->GetTMax()) && at(B, B->GetTMin());
}

} // namespace

bool TContour::SelfIntersect(const TRegion1D& R, TInterSector& Tool, bool sticking) const
{
    const Integer c0 = Tool.ACrossPoint.Count;
    for (Integer i = 0; i < Count; ++i) {
        const TCurve2D* A = FArray[i];
        if (A == nullptr) continue;
        A->SelfIntersect(R, Tool, sticking);
        for (Integer j = i + 1; j < Count; ++j) {
            const TCurve2D* B = FArray[j];
            if (B == nullptr) continue;
            const Integer c = Tool.ACrossPoint.Count;
            Tool.InterSection(A, B);
            if (j != i + 1) continue;
            for (Integer p = Tool.ACrossPoint.Count - 1; p >= c; --p)
                if (IsJoint(Tool.ACrossPoint.FArray[p], A, B)) Tool.ACrossPoint.Delete(p);
        }
    }
    return Tool.ACrossPoint.Count != c0;
}

void TContour::AxisCrossings(bool horizontal, double c, TArrayOf<double>& ACross) const
{
    const double tmax = GetTMax();
    TArrayOf<double> found(4, 4);
    double acc = 0.0;
    for (Integer k = 0; k < Count; ++k) {
        const TCurve2D* C = FArray[k];
        if (C == nullptr) continue;
        found.Clear();
        if (horizontal)
            C->InterSectHorizontal(c, found);
        else
            C->InterSectVertical(c, found);
        for (Integer i = 0; i < found.Count; ++i) {
            double v = found[i] - C->GetTMin() + acc;
            if (closed && k == Count - 1 && std::fabs(tmax - v) < paramEpsilon)
                v = GetTMin(); // the closing point is the start
            CheckParameter(ACross, v, paramEpsilon);
        }
        acc += C->GetTMax() - C->GetTMin();
    }
}

void TContour::InterSectHorizontal(double y, TArrayOf<double>& ACross) const
{
    AxisCrossings(true, y, ACross);
}

void TContour::InterSectVertical(double x, TArrayOf<double>& ACross) const
{
    AxisCrossings(false, x, ACross);
}

// ---------------------------------------------------------------- record

TConvexHoleData& TConvexHoleData::operator=(const TConvexHoleData& D)
{
    Square = D.Square;
    Pxc = D.Pxc;
    Pyc = D.Pyc;
    Pr = D.Pr;
    Px = D.Px;
    Py = D.Py;
    Pax = D.Pax;
    Pay = D.Pay;
    Pj = D.Pj;
    Px0 = D.Px0;
    Py0 = D.Py0;
    Px1 = D.Px1;
    Py1 = D.Py1;
    return *this;
}
