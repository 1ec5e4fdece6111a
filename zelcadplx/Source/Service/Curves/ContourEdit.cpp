// The operations that change a contour or build a new one from it: keeping a parameter range
// (Trimm, TrimmPart, Trimmed), cutting one out (DeletePart), reversal, the joint piece of two
// consecutive items and the equidistant contour.

#include "Contour.h"

#include "Arc.h"
#include "LineSeg.h"
#include "SolverInterSect.h"
#include "TDebug.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

// T1 + T2 shorter than this per axis: a cusp. Unit tangents, not lengths; no TMathDef value is 1e-5.
constexpr double oppositeTangents = 1e-5;
// Atr of the items of an offset contour: the offset of an item, the joint between two.
constexpr Integer offsetAtr = 1;
constexpr Integer jointAtr = 2;

bool Coincide(const TPoint2D& A, const TPoint2D& B)
{
    return std::fabs(A.x - B.x) <= TContour::linkEps && std::fabs(A.y - B.y) <= TContour::linkEps;
}

// The joint arc about C turned by the side factor f (1 left, -1 right).
std::unique_ptr<TArc> JointArc(const TPoint2D& C, double Radius, double a1, double a2, int f)
{
    const double v = Zn(f) * std::fabs(Radius);
    auto A = std::make_unique<TArc>();
    A->Set(C.x, C.y);
    A->Radius = std::fabs(v);
    A->Atr = 1;
    const TArc::TDirection sense = v > 0.0 ? TArc::BackClockWise : TArc::ByClockWise;
    A->InitByPositionAngles(a1 - f * TMathDef::C_PI_2, a2 - f * TMathDef::C_PI_2, sense);
    return A;
}

} // namespace

// ---------------------------------------------------------------- keeping a range

void TContour::ReplaceByPart(Integer k, double a, double b)
{
    TCurve2D* old = FArray[k];
    if (old == nullptr) return;
    TCurve2D* part = old->Trimmed(a, b, 1);
    if (part == nullptr) {
        Items::Delete(k);
        return;
    }
    part->Atr = old->Atr; // the item's classification outlives the cut
    part->Name2 = old->Name2;
    delete old;
    FArray[k] = part;
}

void TContour::Trimm(double t1, double t2)
{
    if (Count == 0) return;
    const bool wrap = IsClosed() && (t1 > t2 || std::fabs(t2 - t1) < paramEpsilon);
    if (!wrap && t1 > t2) std::swap(t1, t2); // an open range is the same range either way round
    double s1 = 0.0, s2 = 0.0;
    Integer i1 = FindSegment(t1, s1);
    const Integer i2 = FindSegment(t2, s2);
    if (wrap) {
        if (i1 == i2 && Count > 1) {
            Insert(i1, FArray[i1]->Duplicate());
            ++i1;
        }
        for (Integer k = i1 - 1; k > i2; --k)
            Items::Delete(k);
        for (Integer k = 0; k <= i2; ++k) {
            TCurve2D* front = Detach(0);
            Add(front);
        }
    } else {
        const Integer tail = Count - 1 - i2;
        for (Integer k = 0; k < i1; ++k)
            Items::Delete(0);
        for (Integer k = 0; k < tail; ++k)
            Items::Delete(Count - 1);
    }
    if (Count > 0 && FArray[0] != nullptr) ReplaceByPart(0, s1, Count == 1 ? s2 : FArray[0]->GetTMax());
    if (Count > 1 && FArray[Count - 1] != nullptr) ReplaceByPart(Count - 1, FArray[Count - 1]->GetTMin(), s2);
    DeleteLS();
    Refresh(); // the parameter length changed with the items
    closed = IsClosed2(directEps);
}

int TContour::TrimmPart(double t1, double t2, TCurve2D*& part2)
{
    part2 = nullptr;
    const double tmin = GetTMin(), tmax = GetTMax();
    CorrectParameter(t1);
    CorrectParameter(t2);
    if (std::fabs(t1 - t2) < paramEpsilon && !closed) return dp_Degenerated;
    if (!closed) {
        if (t1 > t2) std::swap(t1, t2);
        if (std::fabs(t1 - tmin) < paramEpsilon && std::fabs(t2 - tmax) < paramEpsilon) return dp_NoChanged;
    }
    Trimm(t1, t2);
    return IsDegenerate() ? dp_Degenerated : dp_Changed;
}

TCurve2D* TContour::Trimmed(double& t1, double& t2, int sense) const
{
    const bool cl = IsClosed();
    if (!cl && std::fabs(t2 - t1) < paramEpsilon) return nullptr;
    std::unique_ptr<TContour> copy(static_cast<TContour*>(Duplicate()));
    if (copy == nullptr) return nullptr;
    if (sense == -1) std::swap(t1, t2);
    const double lo = std::min(t1, t2), hi = std::max(t1, t2);
    if (!cl && (lo < GetTMin() - paramEpsilon || hi > GetTMax() + paramEpsilon)) {
        t1 = lo;
        t2 = hi;
        copy->Trimm(t1, t2);
    } else {
        TCurve2D* rest = nullptr;
        const int r = copy->TrimmPart(t1, t2, rest);
        const std::unique_ptr<TCurve2D> dropped(rest);
        if (r == dp_Degenerated) return nullptr;
    }
    if (sense == -1) copy->Inverse();
    if (copy->Count == 1) return copy->Detach(0);
    return copy.release();
}

// ---------------------------------------------------------------- cutting a range out

bool TContour::KeepPart(Integer k, double a, double b)
{
    const TCurve2D* C = FArray[k];
    if (C == nullptr) return false;
    if (b - a <= paramEpsilon) {
        Items::Delete(k);
        return true;
    }
    if (a <= C->GetTMin() + paramEpsilon && b >= C->GetTMax() - paramEpsilon) return false;
    ReplaceByPart(k, a, b);
    return true;
}

bool TContour::DeleteRange(double Ct1, double Ct2)
{
    if (Ct2 < Ct1) { // over the end: the tail first, so that the head keeps its parameters
        const bool tail = DeleteRange(Ct1, GetTMax());
        return DeleteRange(GetTMin(), Ct2) || tail;
    }
    double s1 = 0.0, s2 = 0.0;
    const Integer i1 = Locate(Ct1, s1);
    const Integer i2 = Locate(Ct2, s2);
    if (i1 < 0 || i2 < 0 || FArray[i1] == nullptr || FArray[i2] == nullptr) return false;
    const double lo1 = FArray[i1]->GetTMin(), hi2 = FArray[i2]->GetTMax();
    if (i1 == i2) {
        const bool atStart = s1 <= lo1 + paramEpsilon, atEnd = s2 >= hi2 - paramEpsilon;
        if (atStart && atEnd) {
            Items::Delete(i1);
            return true;
        }
        if (atStart) return KeepPart(i1, s2, hi2);
        return atEnd && KeepPart(i1, lo1, s1); // a cut inside one item would split the chain
    }
    bool changed = KeepPart(i2, s2, hi2) || i2 - i1 > 1;
    for (Integer k = i2 - 1; k > i1; --k)
        Items::Delete(k);
    return KeepPart(i1, lo1, s1) || changed;
}

int TContour::DeletePart(double Ct1, double Ct2, TCurve2D*& part2)
{
    part2 = nullptr;
    if (Count == 0) return dp_NoChanged;
    const double tmin = GetTMin(), tmax = GetTMax();
    CorrectParameter(Ct1);
    CorrectParameter(Ct2);
    if (std::fabs(Ct1 - Ct2) <= paramEpsilon) return dp_NoChanged;
    if (std::fabs(Ct1 - tmin) <= paramEpsilon && std::fabs(Ct2 - tmax) <= paramEpsilon) {
        Clear();
        Refresh();
        Calculate();
        return dp_Degenerated;
    }
    if (!DeleteRange(Ct1, Ct2)) return dp_NoChanged;
    DeleteLS();
    Refresh();
    Calculate();
    return IsDegenerate() ? dp_Degenerated : dp_Changed;
}

// ---------------------------------------------------------------- reversal

void TContour::Inverse()
{
    for (Integer k = 0; k < Count; ++k)
        if (FArray[k] != nullptr) FArray[k]->Inverse();
    if (Count >= 3) std::reverse(FArray + 1, FArray + Count);
}

// ---------------------------------------------------------------- joints and offset

TCurve2D* TContour::FilletSegment(TCurve2D* s1, TCurve2D* s2, const double& Radius, TCurve2D* os1,
                                  TCurve2D* os2) const
{
    if (s1 == nullptr || s2 == nullptr) return nullptr;
    const TPoint2D C = s1->PointTMax();
    TVector2D T1, T2;
    s1->TangentOn(s1->GetTMax(), T1);
    s2->TangentOn(s2->GetTMin(), T2);
    const TPoint2D O(0.0, 0.0);
    const double a1 = CalcAngle0X(O, T1), a2 = CalcAngle0X(O, T2);
    int r = 0;
    if (std::fabs(T2.x + T1.x) > oppositeTangents || std::fabs(T2.y + T1.y) > oppositeTangents) {
        r = T1.Relative(T2);
        if (r == 0 && os1 != nullptr && os2 != nullptr)
            return new TLineSeg(os1->PointTMax(), os2->PointTMin()); // the offsets meet there
        if (r == 0) return new TLineSeg(s1->PointTMax(), s2->PointTMin());
    } else {
        r = s2->Curvature(s2->GetTMin()) < -s1->Curvature(s1->GetTMax()) ? 1 : -1;
    }
    const int opposite = r != 1 ? 1 : -1;
    std::unique_ptr<TArc> arc = JointArc(C, Radius, a1, a2, r);
    if (os1 == nullptr) {
        if (os2 == nullptr || Coincide(os2->PointTMin(), arc->PointTMax())) return arc.release();
        return JointArc(C, Radius, a1, a2, opposite).release();
    }
    bool ok = Coincide(os1->PointTMax(), arc->PointTMin());
    if (os2 != nullptr && !ok) {
        arc = JointArc(C, Radius, a1, a2, opposite);
        ok = Coincide(os1->PointTMax(), arc->PointTMin());
    }
    if (os2 == nullptr || ok) return arc.release();
    return new TLineSeg(os1->PointTMax(), os2->PointTMin());
}

TCurve2D* TContour::Offset(const double& rad) const
{
    auto R = std::make_unique<TContour>();
    TContour W;
    Duplicate(&W);
    W.MakeDirect(directEps, true);
    W.closed = true;
    const double A = W.Area2();
    const TDebug& debug = TDebug::Instance();
    if (debug.Active()) {
        debug.Output(TString(A > 0.0 ? "BackClockWise" : "ByClockWise"));
        debug.Output(TString(W.Count));
        for (Integer i = 0; i < W.Count; ++i)
            debug.Output(W.FArray[i] != nullptr ? static_cast<TString>(*W.FArray[i]) : TString());
    }
    if (A > 0.0) W.Inverse(); // offsets are taken along the clockwise chain
    const Integer n = W.Count;
    // The offsets are owned here until each becomes an item of R; offset[] keeps reading them,
    // as the last joint reads the first offset after it joined R.
    std::vector<std::unique_ptr<TCurve2D>> owned(static_cast<std::size_t>(n));
    std::vector<TCurve2D*> offset(static_cast<std::size_t>(n), nullptr);
    for (Integer i = 0; i < n; ++i) {
        const TCurve2D* s = W.FArray[i];
        if (s == nullptr) continue;
        owned[i].reset(s->Offset(rad));
        if (owned[i] == nullptr)
            owned[i].reset(TLineSeg(s->PointTMin(), s->PointTMax()).Offset(rad)); // the chord stands in
        offset[i] = owned[i].get();
    }
    for (Integer i = 0; i < n; ++i) {
        const Integer next = (i + 1) % n;
        // The next offset is handed over too, so that the joint meets both offsets.
        std::unique_ptr<TCurve2D> j(
            n >= 2 ? FilletSegment(W.FArray[i], W.FArray[next], rad, offset[i], offset[next]) : nullptr);
        if (owned[i] != nullptr) {
            owned[i]->Name2 = i;
            owned[i]->Atr = offsetAtr;
            R->Add(std::move(owned[i]));
        }
        if (j != nullptr) {
            j->Name2 = i;
            j->Atr = jointAtr;
            R->Add(std::move(j));
        }
    }
    if (R->Count > 0) R->Calculate();
    return R.release();
}
