// Composite drawing operations of TModeler2D (rectangles and circles with centre lines,
// fillets and chamfers, dimension shortcuts, sheet closing, a leader on a circle), built
// from the primitives alone; the dimensioned forms register their sizes in ADimension3D for
// the automatic layout.

#include "drModeler.h"

#include "ContDrawing.h"
#include "Dimension3D.h"
#include "MathematCurves.h"

#include <cmath>

#include "Mathemat.h"

namespace {

constexpr Real AxisOverhangRect = 3.0;   // centre lines of a rectangle reach this far past it
constexpr Real AxisOverhangCircle = 2.0; // and of a circle
constexpr Real NoOffset = 0.1;           // an offset of 0 given to a dimension shortcut
constexpr Real OneDigitLimit = 30.0;     // longer dimensions put their text in the middle
constexpr Integer AxisStyle = 3;
constexpr Integer ThinStyle = 2;
constexpr Integer MainStyle = 1;
constexpr Real MarkHatchAngle = 45.0;
constexpr Real MarkHatchStep = 0.1;
const char* const SizePointQuality = "&03~0,2"; // the corners' ordinate texts carry this tolerance

} // namespace

// Centre lines are drawn also while only sizes are kept: they belong to the sizes.
void TModeler2D::DrawAxes(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2, Real const& over)
{
    const Real xm = (X1 + X2) / 2, ym = (Y1 + Y2) / 2;
    PushOnlySizes2D(false);
    drLine(X1 - over, ym, X2 + over, ym, AxisStyle);
    drLine(xm, Y1 - over, xm, Y2 + over, AxisStyle);
    PopOnlySizes2D();
}

void TModeler2D::drRectAngleAxle(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2, Integer Attr)
{
    if (X1 == X2 || Y1 == Y2) return;
    if (!IsOnlySizes2D()) drRectAngle(X1, Y1, X2, Y2, Attr);
    DrawAxes(X1, Y1, X2, Y2, AxisOverhangRect);
}

void TModeler2D::drRectAngleAxleConnest(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                        Real const& R, Integer Attr)
{
    if (X1 == X2 || Y1 == Y2 || R > std::fabs(X2 - X1) || R > std::fabs(Y2 - Y1) || Attr == 0) return;
    if (!IsOnlySizes2D()) {
        drLine(X1, Y1 + R, X1, Y2 - R, Attr);
        drLine(X1 + R, Y1, X2 - R, Y1, Attr);
        drLine(X2, Y2 - R, X2, Y1 + R, Attr);
        drLine(X2 - R, Y2, X1 + R, Y2, Attr);
        drArc(X1 + R, Y1 + R, R, X1 + R, Y1, X1, Y1 + R, -1, Attr);
        drArc(X1 + R, Y2 - R, R, X1, Y2 - R, X1 + R, Y2, -1, Attr);
        drArc(X2 - R, Y2 - R, R, X2 - R, Y2, X2, Y2 - R, -1, Attr);
        drArc(X2 - R, Y1 + R, R, X2, Y1 + R, X2 - R, Y1, -1, Attr);
    }
    DrawAxes(X1, Y1, X2, Y2, AxisOverhangRect);
}

void TModeler2D::drRectAngleAxleFaska(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                      Real const& F, Integer Attr)
{
    if (X1 == X2 || Y1 == Y2 || F > std::fabs(X2 - X1) || F > std::fabs(Y2 - Y1)) return;
    if (!IsOnlySizes2D()) {
        drLine(X1, Y1 + F, X1, Y2 - F, Attr);
        drLine(X1 + F, Y1, X2 - F, Y1, Attr);
        drLine(X2, Y2 - F, X2, Y1 + F, Attr);
        drLine(X2 - F, Y2, X1 + F, Y2, Attr);
        drLine(X1, Y1 + F, X1 + F, Y1, Attr);
        drLine(X2 - F, Y1, X2, Y1 + F, Attr);
        drLine(X2, Y2 - F, X2 - F, Y2, Attr);
        drLine(X1 + F, Y2, X1, Y2 - F, Attr);
    }
    DrawAxes(X1, Y1, X2, Y2, AxisOverhangRect);
}

void TModeler2D::drCircleAxle(Real const& x, Real const& y, Real const& R, Integer Attr)
{
    if (R == 0) return;
    if (!IsOnlySizes2D()) drCircle(x, y, R, Attr == 0 ? MainStyle : Attr);
    if (Attr != 0) DrawAxes(x - R, y - R, x + R, y + R, AxisOverhangCircle);
}

void TModeler2D::DrawThread(Real const& x, Real const& y, Real const& R, Integer Attr, Real const& overEnd)
{
    if (!IsOnlySizes2D()) drCircle(x, y, R - 1, Attr);
    PushOnlySizes2D(false);
    drArc(x, y, R, x - R, y, x, y + R + overEnd, 1, ThinStyle);
    PopOnlySizes2D();
}

void TModeler2D::drCircleRizba(Real const& x, Real const& y, Real const& R, Integer Attr)
{
    DrawThread(x, y, R, Attr, 0.0);
}

void TModeler2D::drCircleAxleRizba(Real const& x, Real const& y, Real const& R, Integer Attr)
{
    DrawThread(x, y, R, Attr, 1.0);
    DrawAxes(x - R, y - R, x + R, y + R, AxisOverhangCircle);
}

void TModeler2D::drFsk(Real const& SX, Real const& SY, Real const& x1, Real const& y1, Real const& x,
                       Real const& y, Real const& R, Integer Attr)
{
    const Real ax = x1 - Zn(x1 - SX) * R, ay = y1 - Zn(y1 - SY) * R;
    const Real bx = x1 - Zn(x1 - x) * R, by = y1 - Zn(y1 - y) * R;
    drLine(SX, SY, ax, ay, Attr);
    drLine(ax, ay, bx, by, Attr);
    drLine(bx, by, x, y, Attr);
}

void TModeler2D::drDimDRough(Real const& Val, Str const& Qual, Real const& FBase, Integer Pt, Integer Pn,
                             Real const& x, Real const& y, Integer t, Str const& S1, Str const& S2,
                             Str const& S3, Str const& S4)
{
    if (OutputContour() != nullptr || Val == 0) return;
    drDimD(Val, Qual, FBase, Pt, Pn, x, y, t, S1, S2, S3);
    const Real d = Val / 2 + Pt - 2, a = FBase * TMathDef::DEGRAD;
    const Real angle = Pn == 1 ? FBase - 90 : FBase - 270;
    drRough(x + d * std::cos(a), y + d * std::sin(a), angle, tvapi::tvNoProcessingType, S4, Str(), Str());
}

void TModeler2D::drDimRpp(Real const& Val, Integer Pt, Real const& Xs, Real const& Ys, Real const& Xp,
                          Real const& Yp, Integer Ts, Str const& S1, Str const& S2, Str const& S3)
{
    const Real L = std::hypot(Xp - Xs, Yp - Ys);
    // Coincident points give no direction towards the centre.
    if (L == 0) return;
    const Real cx = Xs + (Xp - Xs) * Val / L, cy = Ys + (Yp - Ys) * Val / L;
    drDimR(Val, Str(), AngleLine(Xp, Yp, Xs, Ys), -L, Pt, Zn(Pt), cx, cy, Ts, 1, S1, S2, S3);
}

void TModeler2D::drDimApc(Real const& Val, Real const& FBase, Real const& Rr, Real const& sRr, Str const& S,
                          Real const& xc, Real const& yc)
{
    if (std::fabs(Val) <= TMathDef::metricPrecision) return;
    const Real a1 = FBase * TMathDef::DEGRAD, a2 = (FBase - Val) * TMathDef::DEGRAD;
    drDimA(std::fabs(Val), -Zn(Val), FBase, Rr, 0, 0, 0, 0, xc + sRr * std::cos(a1), yc + sRr * std::sin(a1),
           1, 0, xc + sRr * std::cos(a2), yc + sRr * std::sin(a2), 1, 0, S, xc, yc);
}

void TModeler2D::DimShortcut(Real const& Value, Real const& offset, Boolean vertical, Boolean keepZero,
                             Integer T1, Integer Po1, Integer T2, Integer Po2, Real const& Pt, Real const& X1,
                             Real const& Y1, Real const& X2, Real const& Y2, Str const& S1, Str const& S2,
                             Str const& S3)
{
    if (std::fabs(Value) <= TMathDef::metricPrecision) return;
    Real off = offset / R2->Transf2D.ScaleMtr();
    if (!keepZero && off == 0) off = NoOffset;
    const Integer P = Value > OneDigitLimit ? 0 : static_cast<Integer>(Pt);
    drDimL(Value, Str(), vertical ? off : 0.0, vertical ? 0.0 : off, P, 0, 0, 0, X1, Y1, T1, Po1, X2, Y2, T2,
           Po2, S1, S2, S3);
}

void TModeler2D::drDimHL(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                         Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dy, false, false, 1, 0, 1, 0, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

void TModeler2D::drDimHL1(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dy, false, false, 1, 0, 0, 1, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

void TModeler2D::drDimHL2(Real const& Value, Real const& Dy, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dy, false, false, 0, 1, 1, 0, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

void TModeler2D::drDimVL(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                         Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dx, true, true, 1, 0, 1, 0, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

void TModeler2D::drDimVL1(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dx, true, false, 1, 0, 0, 1, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

void TModeler2D::drDimVL2(Real const& Value, Real const& Dx, Real const& Pt, Real const& X1, Real const& Y1,
                          Real const& X2, Real const& Y2, Str const& S1, Str const& S2, Str const& S3)
{
    DimShortcut(Value, Dx, true, false, 0, 1, 1, 0, Pt, X1, Y1, X2, Y2, S1, S2, S3);
}

// The circle is drawn once: a second, identical circle would only double the line.
void TModeler2D::drCircleShelf(Real const& xc, Real const& yc, Real const& rc, Real const& xs, Real const& ys,
                               Str const& ts)
{
    const Real d = std::hypot(xs - xc, ys - yc);
    if (d <= rc) return;
    drCircle(xc, yc, rc, ThinStyle);
    drShelf(tvapi::tvLSignNone, xs, ys, tvapi::tvLSRight, tvapi::tvLeaderWithoutArrow, 5, 1, 75, ts, 5, 1, 75,
            Str());
    const Real len = d <= TMathDef::metricPrecision ? 1.0 : d;
    drPoint(xc + (xs - xc) / len * rc, yc + (ys - yc) / len * rc);
    drEndObj();
}

void TModeler2D::drCircleAxleDim(Real const& x, Real const& y, Real const& R, Integer Attr, Str const& S)
{
    if (Attr == 0 || R == 0) return;
    drCircleAxle(x, y, R, Attr);
    ADimension3D.Add2D(x, y, GetDetailCode(), S);
}

void TModeler2D::drCircleAxleRizbaDim(Real const& x, Real const& y, Real const& R, Integer Attr, Str const& S)
{
    drCircleAxleRizba(x, y, R, Attr);
    ADimension3D.Add2D(x, y, GetDetailCode(), S);
}

// The sector from A1 to A1 + DA degrees is hatched: centre, out along A1, round, back.
void TModeler2D::drCircleAxleMark(Real const& x, Real const& y, Real const& R, Integer Attr, Integer A1,
                                  Integer DA)
{
    drCircleAxle(x, y, R, Attr);
    if (std::abs(DA) <= TMathDef::metricPrecision) return;
    drHatch(0, MarkHatchAngle, MarkHatchStep);
    const Real a = A1 * TMathDef::DEGRAD, b = (A1 + DA) * TMathDef::DEGRAD;
    TContDrawing sector(*this);
    sector.Make(x, y,
                dP(x + R * std::cos(a), y + R * std::sin(a),
                   dA(x, y, R, x + R * std::cos(b), y + R * std::sin(b), dP(x, y, nullptr))));
    sector.dr2D(MainStyle);
    drEndObj();
}

// The corners become size points of the ordinate layout, the sides linear records measured
// from the axes; S1, dxs and dys are not used.
void TModeler2D::drRectAngleAxleDim(Real const& X1, Real const& Y1, Real const& X2, Real const& Y2,
                                    Integer Attr, Str const&, Real const&, Real const&)
{
    if (X1 == X2 || Y1 == Y2) return;
    const TDetailCode det = GetDetailCode();
    if (!IsOnlySizes2D()) {
        drRectAngle(X1, Y1, X2, Y2, Attr);
        const TVector3D ax(1, 0, 0), ay(0, 1, 0);
        ADimension3D.AddLDim(X1, TPoint3D(0, Y1, 0), ax, ay * -1, det);
        ADimension3D.AddLDim(X2, TPoint3D(0, Y2, 0), ax, ay, det);
        ADimension3D.AddLDim(Y1, TPoint3D(X1, 0, 0), ay, ax * -1, det);
        ADimension3D.AddLDim(Y2, TPoint3D(X2, 0, 0), ay, ax, det);
        ADimension3D.Origin.Set(X2, 0, 0);
    }
    DrawAxes(X1, Y1, X2, Y2, AxisOverhangRect);
    ADimension3D.Add2D(X2, Y2, det, SizePointQuality);
    ADimension3D.Add2D(X1, Y1, det, SizePointQuality);
    ADimension3D.Gabaryt.Set(X1, Y1, X2, Y2);
}

namespace {

// The fillet arc from its first foot point to its second; the turn of the path (the side of
// the far end to the first line, +1 left) is the arc's direction (+1 counter-clockwise).
void drFilletArc(TModeler2D& M, const TPoint2D (&A)[2], const TPoint2D& C, Real R, int dir, Integer Attr)
{
    M.drArc(C.x, C.y, R, A[0].x, A[0].y, A[1].x, A[1].y, dir, Attr);
}

} // namespace

void TModeler2D::drCLL(Real const& x11, Real const& y11, Real const& x12, Real const& y12, Real const& x21,
                       Real const& y21, Real const& x22, Real const& y22, Real const& R, Integer Attr)
{
    TPoint2D A[2];
    TPoint2D C;
    int dir = 0;
    if (!ConnestLL(x11, y11, x12, y12, x21, y21, x22, y22, R, A, C, dir)) {
        drLine(x11, y11, x21, y21, Attr);
        drLine(x21, y21, x22, y22, Attr);
        return;
    }
    Boolean& tangent = R2->Constraint2D.ActiveConnest;
    tangent = true;
    drLine(x11, y11, A[0].x, A[0].y, Attr);
    drFilletArc(*this, A, C, R, dir, Attr);
    drLine(A[1].x, A[1].y, x22, y22, Attr);
    tangent = false;
}

void TModeler2D::drCVR(Real const& SX, Real const& SY, Real const& x1, Real const& y1, Real const& x2,
                       Real const& y2, Real const& x, Real const& y, Real const& R, Integer Attr)
{
    const Real mx = (x1 + x2) / 2;
    const Real my = (y1 + y2) / 2;
    TPoint2D A1[2], A2[2];
    TPoint2D C1, C2;
    int dir1 = 0, dir2 = 0;
    if (!ConnestLL(SX, SY, x1, y1, x1, y1, mx, my, R, A1, C1, dir1) ||
        !ConnestLL(mx, my, x2, y2, x2, y2, x, y, R, A2, C2, dir2)) {
        // The plain path with its sharp corners.
        TContDrawing(*this, dSP(SX, SY, dP(x1, y1, dP(x2, y2, dP(x, y, nullptr))))).dr2D(Attr);
        return;
    }
    Boolean& tangent = R2->Constraint2D.ActiveConnest;
    tangent = true;
    drLine(SX, SY, A1[0].x, A1[0].y, Attr);
    drFilletArc(*this, A1, C1, R, dir1, Attr);
    drLine(A1[1].x, A1[1].y, A2[0].x, A2[0].y, Attr);
    drFilletArc(*this, A2, C2, R, dir2, Attr);
    drLine(A2[1].x, A2[1].y, x, y, Attr);
    tangent = false;
}
void TModeler2D::drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4)
{
    drCloseView();
    if (OutputContour() != nullptr) return;
    if (!S1.Empty()) {
        drOpenTDem();
        // One requirement goes unnumbered; otherwise a line's number is its argument's place.
        drStringObj(S2.Empty() ? S1 : TString("1.") + S1);
        if (!S2.Empty()) drStringObj(TString("2.") + S2);
        if (!S3.Empty()) drStringObj(TString("3.") + S3);
        if (!S4.Empty()) drStringObj(TString("4.") + S4);
        drCloseTDem();
    }
    drCloseLeaf();
}
