#include "MathematCurves.h"

#include "LineSeg.h"
#include "PolyLine.h"
#include "SolverInterSect.h"
#include "TDebug.h"
#include "Triangle3D.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr double kSideTolerance = 1e-10;
constexpr Real kEdgeOnNormalZ = 0.004363309284746571; // sin(0.25 degrees)
constexpr Real kMinOverlapShare = 0.04;               // overlaps below 4 % of either are slivers

TPoint2D FootOn(const TLine& L, const TPoint2D& P)
{
    TPoint2D F;
    L.Projection(P, F);
    return F;
}

TString Num2(Real v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return TString(buf);
}

} // namespace

Boolean ConnestLL(const double& x11, const double& y11, const double& x12, const double& y12,
                  const double& x21, const double& y21, const double& x22, const double& y22, const double& R,
                  TPoint2D (&A)[2], TPoint2D& C, int& dir)
{
    const TLine L1(x11, y11, x12, y12);
    const TLine L2(x21, y21, x22, y22);
    dir = L1.PointRelative(TPoint2D(x22, y22), kSideTolerance);
    const double d = dir == 1 ? R : (dir == -1 ? -R : 0.0);
    std::unique_ptr<TCurve2D> O1(L1.Offset(d));
    std::unique_ptr<TCurve2D> O2(L2.Offset(d));
    if (!O1 || !O2) return false;
    TInterSector IS;
    IS.InterSection(O1.get(), O2.get());
    if (IS.ACrossPoint.Count == 0) return false;
    C = IS.ACrossPoint.Last().p;
    A[0] = FootOn(L1, C);
    A[1] = FootOn(L2, C);
    return true;
}

void TTriangle3D::toPolygon(TPolyLine& P) const
{
    P.Points.Clear();
    const bool right = C.PointRightOfLine2D(A, B);
    for (const TPoint3D* Q : {&A, right ? &C : &B, right ? &B : &C})
        P.AddVertex(Q->x, Q->y);
    P.Closed = true;
}

Boolean TTriangle3D::T2ShadowDn(const TTriangle3D& T2) const
{
    const TVector3D n = T2.Normal();
    Real lo2, hi2, lo1, hi1;
    T2.getGabaritZ(lo2, hi2);
    getGabaritZ(lo1, hi1);
    if (std::fabs(n.z) <= kEdgeOnNormalZ || !(lo2 < hi1) || !IsCommonGabarytXY(T2)) return false;
    TPolyLine P1, P2, P3;
    toPolygon(P1);
    T2.toPolygon(P2);
    P1.SutherlandHodgman(P2, P3);
    if (P3.Points.Count < 3) return false;
    const Real a1 = std::fabs(P1.OrientationArea());
    const Real a2 = std::fabs(P2.OrientationArea());
    const Real a3 = std::fabs(P3.OrientationArea());
    const bool overlap = a3 > kMinOverlapShare * a1 && a3 > kMinOverlapShare * a2 && a3 <= a1 && a3 <= a2;
    if (overlap && TDebug::Instance().Active()) {
        TString s = static_cast<TString>(*this);
        for (const TString& part :
             {static_cast<TString>(T2), static_cast<TString>(P3), Num2(a1), Num2(a2), Num2(a3)}) {
            s.Add(" ");
            s.Add(part);
        }
        TDebug::Instance().Output(s);
    }
    return overlap;
}
