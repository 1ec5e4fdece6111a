// The InterSect operations of segment, line, circle and arc: each picks the order in which
// the pair goes to the collector's solver. A point partner decides for itself and records
// into the shared second collector, so that the caller's list is not emptied.

#include "Arc.h"
#include "LineSeg.h"
#include "SolverInterSect.h"

namespace {

int PointPartner(const TCurve2D* P, const TCurve2D* self)
{
    return static_cast<const TBasePoint*>(P)->InterSect(self, TInterSector::Instance2());
}

// Crossings recorded on the long segment S of line L, from index from on, are renamed to L
// with L's own parameter, so that no record outlives the segment.
void RenameLongSegment(TInterSector& IS, Integer from, const TLineSeg& S, const TLine& L)
{
    for (Integer i = from; i < IS.ACrossPoint.Count; ++i) {
        TCrossPoint& X = IS.ACrossPoint.FArray[i];
        for (TPointOnCurve* on : {&X.on1, &X.on2}) {
            if (on->curve != &S) continue;
            on->curve = &L;
            on->t = LongSegmentToLine(on->t);
        }
    }
}

// The order of a segment or a circle: a segment partner goes first, a circle or an arc second.
int SegmentFirstInterSect(const TCurve2D* self, const TCurve2D* P, TInterSector& IS)
{
    if (P == nullptr) return 0;
    switch (P->IsType()) {
    case ctPoint:
        return PointPartner(P, self);
    case ctLineSeg:
        return IS.InterSection(P, self);
    case ctCircle:
    case ctArc:
        return IS.InterSection(self, P);
    default:
        return 0;
    }
}

} // namespace

int TLineSeg::InterSect(const TCurve2D* P, TInterSector& IS) const
{
    return SegmentFirstInterSect(this, P, IS);
}

int TCircle::InterSect(const TCurve2D* P, TInterSector& IS) const
{
    return SegmentFirstInterSect(this, P, IS);
}

int TArc::InterSect(const TCurve2D* P, TInterSector& IS) const
{
    if (P == nullptr) return 0;
    switch (P->IsType()) {
    case ctPoint:
        return PointPartner(P, this);
    case ctLineSeg:
    case ctCircle:
        return IS.InterSection(this, P);
    case ctArc:
        return IS.InterSection(P, this);
    default:
        return 0;
    }
}

int TLine::InterSect(const TCurve2D* P, TInterSector& IS) const
{
    if (P == nullptr) return 0;
    if (P->IsType() == ctLine) return IS.InterSection(this, P);
    const TLineSeg S(*this);
    TInterSector& shared = TInterSector::Instance2();
    const Integer fromIS = IS.ACrossPoint.Count;
    const int n = S.InterSect(P, IS);
    RenameLongSegment(IS, fromIS, S, *this);
    if (P->IsType() == ctPoint) RenameLongSegment(shared, 0, S, *this);
    return n;
}
