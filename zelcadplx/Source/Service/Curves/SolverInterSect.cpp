// The crossing collector: its records, the link filter, the dispatch on the curves' type
// codes and the analytic solvers (point-point, point-curve, line-line, line-circle,
// circle-circle). Straight curves are start + t (end - start); circles are parametrised
// by their own AngleToParam.

#include "SolverInterSect.h"

#include "LoadOrder.h"

#include "Arc.h"
#include "Elements.h"
#include "LineSeg.h"

#include <algorithm>
#include <cmath>

[[gnu::init_priority(loadorder::Crossings)]] TArrayOf<TString> TestA(20, 20);

namespace {

constexpr Real parallelSine =
    TMathDef::metricPrecision; // |sin| of the angle between lines below this: parallel
constexpr Real tangentGap = TMathDef::metricPrecision;      // |dist - R| below this: a line touches a circle
constexpr Real circleTangentShare = TMathDef::metricRegion; // relative tolerance of touching circles
constexpr Real circleTangentMax = TMathDef::metricPrecision;
constexpr Real unitDirectionMin =
    TMathDef::metricPrecision;                      // directions shorter than this are not normalised
constexpr Real angleZero = TMathDef::doubleEpsilon; // CalcAngle0X snaps smaller angles to 0
constexpr Real vectorZero = TMathDef::nullEpsilon;

bool IsStraight(int type) noexcept
{
    return type == ctLineSeg || type == ctLine;
}
bool IsCircular(int type) noexcept
{
    return type == ctCircle || type == ctArc;
}

// The second point of a segment or line.
TPoint2D EndOf(const TCurve2D* C)
{
    if (C->IsType() == ctLine) {
        const auto* L = static_cast<const TLine*>(C);
        return TPoint2D(L->x2, L->y2);
    }
    const auto* S = static_cast<const TLineSeg*>(C);
    return TPoint2D(S->xk, S->yk);
}

TPoint2D AnchorOf(const TCurve2D* C)
{
    const auto* P = static_cast<const TBasePoint*>(C);
    return TPoint2D(P->x, P->y);
}

// The direction vector a straight curve reports (raw for a segment, unit for a line).
TVector2D DirectionOf(const TCurve2D* C)
{
    TVector2D v;
    if (C->IsType() == ctLine)
        static_cast<const TLine*>(C)->GetDirection(v);
    else
        static_cast<const TLineSeg*>(C)->GetDirection(v);
    return v;
}

Real ParamOfAngle(const TCurve2D* C, Real a)
{
    C->AngleToParam(a);
    return a;
}

} // namespace

// ---------------------------------------------------------------- records

Boolean TPointOnCurve::IsTMax(const Real Eps) const
{
    return curve != nullptr && std::fabs(t - curve->GetTMax()) <= Eps;
}

Boolean TPointOnCurve::IsTMin(const Real Eps) const
{
    return curve != nullptr && std::fabs(t - curve->GetTMin()) <= Eps;
}

Boolean TCrossPoint::IsLink(const Real Eps) const
{
    return (on1.IsTMax(Eps) && on2.IsTMin(Eps)) || (on1.IsTMin(Eps) && on2.IsTMax(Eps));
}

Real CalcAngle0X(const TPoint2D& p1, const TPoint2D& p2)
{
    const TVector2D v = p2 - p1;
    if (std::fabs(v.x) < vectorZero && std::fabs(v.y) < vectorZero) return 0.0;
    const Real a = std::atan2(v.y, v.x);
    if (std::fabs(a) < angleZero) return 0.0;
    return a < 0.0 ? a + TMathDef::C_2PI : a;
}

// ---------------------------------------------------------------- collector

TInterSector& TInterSector::Instance2()
{
    static TInterSector Self;
    return Self;
}

void TInterSector::Append(TCrossPoint::TIntersection form, const TPoint2D& P, Real t1, const TCurve2D* C1,
                          Real t2, const TCurve2D* C2)
{
    TCrossPoint& X = ACrossPoint.Add();
    X.form = form;
    X.p = P;
    X.on1 = TPointOnCurve(t1, C1);
    X.on2 = TPointOnCurve(t2, C2);
}

Integer TInterSector::Validate(const TPoint2D& P, const TCurve2D* C1, const Real& t1, const TCurve2D* C2,
                               const Real& t2)
{
    if (C1 == nullptr || C2 == nullptr) return 0;
    if (!C1->InRegion(t1, TCurve2D::regionTolerance) || !C2->InRegion(t2, TCurve2D::regionTolerance))
        return 0;
    Append(TCrossPoint::ipt_Simple, P, t1, C1, t2, C2);
    return 1;
}

void TInterSector::DeleteLinkCrossPoint(const TCurve2D*)
{
    TestA.Clear();
    for (Integer i = ACrossPoint.Count - 1; i >= 0; --i) {
        const TCrossPoint& X = ACrossPoint.FArray[i];
        if (X.IsLink(linkEps)) {
            ACrossPoint.Delete(i);
            continue;
        }
        const TCurve2D* c1 = X.on1.curve;
        const TCurve2D* c2 = X.on2.curve;
        if (c1 == nullptr || c2 == nullptr) continue;
        double angle = X.on2.t;
        c2->ParamToAngle(angle);
        TestA.Add(TString(c1->Index));
        TestA.Add(TString(X.on1.t, 2, true, 7));
        TestA.Add(TString(c1->GetTMin(), 2, true, 7));
        TestA.Add(TString(c1->GetTMax(), 2, true, 7));
        TestA.Add(TString(c2->Index));
        TestA.Add(TString(X.on2.t, 2, true, 7));
        TestA.Add(TString(c2->GetTMin(), 2, true, 7));
        TestA.Add(TString(c2->GetTMax(), 2, true, 7));
        TestA.Add(TString(angle, 2, true, 7));
    }
}

// ---------------------------------------------------------------- dispatch

Integer TInterSector::InterSection(const TCurve2D* C1, const TCurve2D* C2)
{
    if (C1 == nullptr || C2 == nullptr) return 0;
    const Integer before = ACrossPoint.Count;
    const int k1 = C1->IsType(), k2 = C2->IsType();
    if (k1 == ctPoint)
        k2 == ctPoint ? InterSectPointPoint(C1, C2) : InterSectPointCurve(C1, C2);
    else if (IsStraight(k1) && IsStraight(k2))
        InterSectLineLine(C1, C2);
    else if (IsStraight(k1) && IsCircular(k2))
        InterSectLineCircle(C1, C2);
    else if (IsCircular(k1) && IsStraight(k2))
        InterSectLineCircle(C2, C1);
    else if (IsCircular(k1) && IsCircular(k2))
        InterSectCircleCircle(C1, C2);
    return ACrossPoint.Count - before;
}

Integer TInterSector::InterSectPointPoint(const TCurve2D* C1, const TCurve2D* C2)
{
    const TPoint2D P1 = AnchorOf(C1), P2 = AnchorOf(C2);
    if (std::fabs(P1.x - P2.x) > pointPointEps || std::fabs(P1.y - P2.y) > pointPointEps) return 0;
    TPoint2D P;
    C1->_PointOn(0.0, P);
    Append(TCrossPoint::ipt_Simple, P, 0.0, C1, 0.0, C2);
    return 1;
}

Integer TInterSector::InterSectPointCurve(const TCurve2D* C1, const TCurve2D* C2)
{
    const TPoint2D P = AnchorOf(C1);
    if (!(C2->DistanceTo(P) < pointCurveDistance)) return 0;
    double t = C2->GetTMin();
    C2->NearPointProjection(P, TPoint2D(pointCurveDistance, pointCurveDistance), t, false, nullptr);
    TPoint2D Q;
    C1->_PointOn(0.0, Q);
    Append(TCrossPoint::ipt_Simple, Q, 0.0, C1, t, C2);
    return 1;
}

// ---------------------------------------------------------------- line-line

Integer TInterSector::InterSectLineLine(const TCurve2D* C1, const TCurve2D* C2)
{
    if (C1 == nullptr || C2 == nullptr || !IsStraight(C1->IsType()) || !IsStraight(C2->IsType())) return 0;
    const TPoint2D s1 = AnchorOf(C1), s2 = AnchorOf(C2);
    const TVector2D d1 = EndOf(C1) - s1, d2 = EndOf(C2) - s2;
    const TVector2D r = s2 - s1;
    const double D = d1.y * d2.x - d1.x * d2.y;
    if (std::fabs(D) <= parallelSine * d1.Len() * d2.Len()) return 0;
    const double t1 = (d2.x * r.y - d2.y * r.x) / D;
    if (!C1->InRegion(t1, TCurve2D::regionTolerance)) return 0;
    const double t2 = (d1.x * r.y - d1.y * r.x) / D;
    if (!C2->InRegion(t2, TCurve2D::regionTolerance)) return 0;
    TPoint2D P;
    C1->_PointOn(t1, P);
    Append(TCrossPoint::ipt_Simple, P, t1, C1, t2, C2);
    return 1;
}

// ---------------------------------------------------------------- line-circle

Integer TInterSector::InterSectLineCircle(const TCurve2D* C1, const TCurve2D* C2)
{
    if (C1 == nullptr || C2 == nullptr || !IsStraight(C1->IsType()) || !IsCircular(C2->IsType())) return 0;
    const double e = std::fmax(std::fabs(Eps.x), std::fabs(Eps.y));
    const TPoint2D c = AnchorOf(C2);
    const double R = static_cast<const TCircle*>(C2)->Radius;
    TVector2D u = DirectionOf(C1);
    const double ul = u.Len();
    if (std::fabs(R) < e || ul < e) return 0;
    double t = C1->GetTMin();
    C1->NearPointProjection(c, Eps, t, true, nullptr);
    TPoint2D f;
    C1->_PointOn(t, f); // the foot on the supporting line, also beyond a segment's end
    const double dist = std::hypot(f.x - c.x, f.y - c.y);
    if (std::fabs(dist - R) <= tangentGap)
        return Validate(f, C1, t, C2, ParamOfAngle(C2, (f - c).AngleInRadian()));
    if (dist >= R) return 0;
    if (ul > unitDirectionMin) u /= ul;
    const double h = std::sqrt(std::fabs(R * R - dist * dist));
    Integer n = 0;
    for (const double side : {1.0, -1.0}) {
        const TPoint2D P = f + u * (side * h);
        double tp = C1->GetTMin();
        C1->NearPointProjection(P, Eps, tp, true, nullptr);
        n += Validate(P, C1, tp, C2, ParamOfAngle(C2, (P - c).AngleInRadian()));
    }
    return n;
}

// ---------------------------------------------------------------- circle-circle

Integer TInterSector::CircleTangent(const TCurve2D* c1, const TCurve2D* c2, const TPoint2D& k1,
                                    const TPoint2D& k2, Real R1, Real R2, Real D)
{
    TVector2D u = k2 - k1;
    u /= D > unitDirectionMin ? D : 1.0;
    // A smaller first circle touching the second from inside meets it on its far side.
    const bool innerSmaller = R1 < R2 && std::fabs(D - (R1 + R2)) > std::fabs(D - (R2 - R1));
    const TPoint2D P = k1 + u * (innerSmaller ? -R1 : R1);
    const double a1 = ParamOfAngle(c1, CalcAngle0X(k1, P));
    const double a2 = ParamOfAngle(c2, CalcAngle0X(k2, P));
    return Validate(P, c1, a1, c2, a2);
}

Integer TInterSector::InterSectCircleCircle(const TCurve2D* c1, const TCurve2D* c2)
{
    if (c1 == nullptr || c2 == nullptr || !IsCircular(c1->IsType()) || !IsCircular(c2->IsType())) return 0;
    const double e = std::fmax(std::fabs(Eps.x), std::fabs(Eps.y));
    const TPoint2D k1 = AnchorOf(c1), k2 = AnchorOf(c2);
    const double R1 = static_cast<const TCircle*>(c1)->Radius;
    const double R2 = static_cast<const TCircle*>(c2)->Radius;
    if (e > std::fabs(R1) || e > std::fabs(R2)) return 0;
    const double dx = k2.x - k1.x, dy = k2.y - k1.y;
    if (std::fabs(dx) <= Eps.x && std::fabs(dy) <= Eps.y) return e * (R1 + R2) > std::fabs(R1 - R2) ? -2 : -1;
    const double D = std::hypot(dx, dy);
    const double tol = std::fmin((R1 + R2) * 0.5 * circleTangentShare, circleTangentMax);
    if (std::fabs(D - (R1 + R2)) < tol || std::fabs(D - std::fabs(R1 - R2)) < tol)
        return CircleTangent(c1, c2, k1, k2, R1, R2, D);
    const double k = (R1 * R1 - R2 * R2 + D * D) * 0.5;
    const bool solveY = std::fabs(dx) > std::fabs(dy);
    const double p = solveY ? dx : dy; // the coordinate solved from the radical line
    const double q = solveY ? dy : dx; // the coordinate the quadratic gives
    const double A = 1.0 + q * q / (p * p);
    const double B = -2.0 * k * q / (p * p);
    const double C = k * k / (p * p) - R1 * R1;
    double r1 = 0.0, r2 = 0.0;
    const Integer roots = SquareEquation(A, B, C, r1, r2, std::fmin(e, paramEpsilon));
    if (roots <= 0) return 0;
    Integer n = 0;
    const double order[2] = {roots == 2 ? r2 : r1, r1};
    for (int i = 0; i < std::min<Integer>(roots, 2); ++i) {
        const double w = order[i];
        const double v = (k - q * w) / p;
        const TPoint2D P = solveY ? TPoint2D(k1.x + v, k1.y + w) : TPoint2D(k1.x + w, k1.y + v);
        const double a1 = ParamOfAngle(c1, CalcAngle0X(k1, P));
        const double a2 = ParamOfAngle(c2, CalcAngle0X(k2, P));
        n += Validate(P, c1, a1, c2, a2);
    }
    return n;
}
