// The locating sleeve of a leader pin: record, sizes from table 3, the half section and the end
// view, the sheet with the collar relief enlarged, and the part with the pin's flats.

#include "LeaderPin.h"

#include <cmath>

#include "ContDrawing.h"
#include "Dictionary.h"
#include "KmfData.h"
#include "Mathemat.h"
#include "MetricFigures.h"

namespace {

using TNode = TContDrawing::TNode;

constexpr Real Tan30 = 0.5773502691896257;
// The thin line of the thread runs 2 tan 30 past the thread's depth.
constexpr Real ThreadOverrun = 1.1547005383792515;
constexpr Real HatchAngle = 135.0;
constexpr Real HatchStep = 4.0;
constexpr Integer TextStyle = 75;
const tvapi::tvRoughSignEnum RoughSign = tvapi::tvRoughSignEnum(0);

// The collar r43 with two flats x45 apart, parallel to the y axis, as one closed outline in
// style tl. False, and nothing drawn, when the flats would be as wide as the collar or wider.
bool FlatsOutline(TContDrawing& C, Real x45, Real r43, Integer tl)
{
    const Real k = x45 / 2;
    if (!(k < r43)) return false;
    const Real h = std::sqrt(r43 * r43 - k * k);
    C.Make(-k, -h, dP(-k, h, dA(0, 0, -r43, k, h, dP(k, -h, dA(0, 0, -r43, -k, -h, nullptr)))));
    C.dr2D(tl);
    return true;
}

} // namespace

TSocketLeaderPinLocatingSleeves::TSocketLeaderPinLocatingSleeves(TDcDetail iId, TModeler3D* M,
                                                                 const TDetail* iComplement, TConstruktor* C)
    : TDetail(iId, M, iComplement, 0, C)
{
}

const TSocketLeaderPin* TSocketLeaderPinLocatingSleeves::Pin() const
{
    return dynamic_cast<const TSocketLeaderPin*>(Complement);
}

Integer TSocketLeaderPinLocatingSleeves::Set(Integer DetId, Real const& R, Real const& T)
{
    if (DetId != Type) return 0;
    // The table is loaded first so that the row does not depend on what ran before.
    const Integer row = SelectRow(*this, Type, true, 5, 2 * R, 6, T, 0, 0.0);
    TellOutsideTable(Type, row, {{5, 2 * R}, {6, T}});
    if (row == 0) return 0;
    Len = FLen = TablePar(Type, row, 6);
    Radius = TablePar(Type, row, 5) * 0.5;
    FRadius = TablePar(Type, row, 1) * 0.5;
    CollarRadius = Radius;
    CollarHeight = 0.0;
    ThreadLen = TablePar(Type, row, 1);
    ThreadRadius = TablePar(Type, row, 4) * 0.5;
    return row;
}

void TSocketLeaderPinLocatingSleeves::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, Len, FLen, FRadius, CollarRadius, CollarHeight, ThreadLen, ThreadRadius});
}

void TSocketLeaderPinLocatingSleeves::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(Len)(FLen)(FRadius)(CollarRadius)(CollarHeight)(ThreadLen)(ThreadRadius);
    r.Commit();
}

void TSocketLeaderPinLocatingSleeves::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 30.0, -30.0);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1.0, Len, CollarHeight, ThreadLen, Radius, FRadius, CollarRadius, ThreadRadius, 1, true,
            CollarRadius);
    dr2D_V2(Len + 115, 0, 0, 1.0, FlatsWidth(), Radius, FRadius, CollarRadius, ThreadRadius, 1, true);
    TCommonGeometry(M2()).drCVR_dV(Len / 2, -90 - CollarRadius, 0.0, 5.0, TReliefGroove::Width,
                                   TReliefGroove::Depth, 0.4, "Б", true);
}

void TSocketLeaderPinLocatingSleeves::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_V1(0, 0, 0, 1.0, Len, CollarHeight, ThreadLen, Radius, FRadius, CollarRadius, ThreadRadius, 0, false,
            CollarRadius);
    part.Revolve();
    const Real flats = FlatsWidth();
    if (flats / 2 < CollarRadius) {
        drPlaneEskis(tvapi::o3d_planeXOY, 0.0, 0.0, "");
        dr2D_Vo(0, 0, 0, 1.0, flats, 0.0, CollarRadius, 1, false);
        drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, CollarHeight, 0.0);
    }
}

Real TSocketLeaderPinLocatingSleeves::FlatsWidth() const
{
    const TSocketLeaderPin* pin = Pin();
    if (pin && AbsZn(pin->Key) != 0 && pin->Key / 2 < CollarRadius && AbsZn(CollarHeight) != 0)
        return pin->Key;
    return 2 * CollarRadius;
}

void TSocketLeaderPinLocatingSleeves::dr2D_Vo(Real const& mx, Real const& my, Real const& ma, Real const& mm,
                                              Real const& x45, Real const&, Real const& r43, Integer tl,
                                              Boolean) const
{
    if (!(x45 / 2 < r43)) return;
    drMtr(mx, my, ma, mm);
    TContDrawing C(M2());
    FlatsOutline(C, x45, r43, tl);
    drCircle(0, 0, r43 + 2, 1);
    drDeleteMtr();
}

void TSocketLeaderPinLocatingSleeves::dr2D_V2(Real const& mx, Real const& my, Real const& ma, Real const& mm,
                                              Real const& x45, Real const& r41, Real const& r42,
                                              Real const& r43, Real const& r44, Integer tl,
                                              Boolean isSize) const
{
    const Real k = x45 / 2;
    drMtr(mx, my, ma, mm);
    drLine(-3 - k, 0, k + 3, 0, 3);
    drLine(0, -3 - r43, 0, r43 + 3, 3);
    TContDrawing C(M2());
    const bool flats = FlatsOutline(C, x45, r43, tl);
    if (!flats) drCircle(0, 0, r43, tl);
    drCircle(0, 0, r42, 1);
    // The tapped hole's drill: its tap drill, as the section shows it.
    drCircle(0, 0, AbsZn(r44) != 0 ? MetricFigures(2 * r44).TapDrill / 2 : r44 - 1, 1);
    drArc(0, 0, r44, -r44, 0, 0, -r44, -1, 2);
    drCircle(0, 0, r41, 4);
    if (isSize) {
        TModeler3D& m = M2();
        drText(-10, r43 + 10, 0, 7, 1, TextStyle, ::DC("Вид А"));
        m.drDimVL(2 * r43, -k - 10, 1, 0, -r43, 0, r43, "&02", "h14", "");
        if (flats) {
            const Real h = std::sqrt(r43 * r43 - k * k);
            m.drDimHL(x45, -25, 0, -k, -h, k, -h, "", "h14", "");
        }
    }
    drDeleteMtr();
}

void TSocketLeaderPinLocatingSleeves::dr2D_V1(Real mx, Real my, Real ma, Real mm, Real x51, Real x50,
                                              Real x52, Real r1, Real r42, Real r43, Real r44, Integer tl,
                                              Boolean isSize, Real x45) const
{
    const Real c = Tan30;
    const Boolean collar = AbsZn(x50) != 0, tapped = AbsZn(x52) != 0;
    const Real rc = collar ? r43 : r1;
    // The threaded hole is drilled at its thread's tap drill, entered through a 45-degree
    // chamfer out to the thread; the 120-degree cone joins it to the bore's relief.
    const Real rt = MetricFigures(2 * r44).TapDrill / 2, e = r44 - rt;
    const Real t = (r42 + 0.5 - rt) * c;
    const Real p = x52 + t + 3, u = x51 - p;
    drMtr(mx, my, ma, mm);
    drMtr(x50 - x51, 0, 0, 1.0);
    drLine(-3, 0, x51 + 3, 0, 3);

    TNode* close = dP(0, r1 - c, nullptr);
    TNode* bore = tapped ? dPx(p, r42,
                               dCVR(p, r42 + 0.5, x52 + t, r42 + 0.5, x52, rt, 0.5,
                                    dPx(x52, rt, dPx(e, rt, dPx(0, r44, close)))))
                         : dPx(0, r42, close);
    TNode* end = dPx(x51, r42, bore);
    TNode* outer =
        collar ? dP(x51 - x50 - 3, r1,
                    dCVR(x51 - x50 - 3, r1 - 0.3, x51 - x50, r1 - 0.3, x51 - x50, rc, 0.3, dP(x51, rc, end)))
               : dP(x51 - 1, r1, dP(x51, r1 - c, end));
    TContDrawing C(M2());
    C.Make(0, r1 - c, dP(1, r1, outer));

    TModeler3D& m = M2();
    const Integer n = tl / 10, units = tl - 10 * n;
    if (n == 1 || n == 2) {
        const Boolean below = n == 2;
        const auto pass = [&](Integer Te) { below ? C.dr2DMY(Te) : C.dr2D(Te); };
        m.drGroup(true);
        drMtr(0.001, 0, 0, 1.0);
        pass(0);
        drDeleteMtr();
        m.drEndGroup();
        m.drClearRegion(0);
        pass(units);
        m.drHatch(0, HatchAngle, HatchStep);
        pass(0);
        m.drEndObj();
        const Real y = below ? -r44 : r44;
        if (tapped) drLine(0, y, x52 + ThreadOverrun, y, 2);
    } else {
        C.dr2D(tl);
        if (tl != 0) {
            C.dr2DMY(1);
            m.drHatch(0, HatchAngle, HatchStep);
            C.dr2D(0);
            C.dr2DMY(0);
            m.drEndObj();
            if (tapped) {
                drLine(0, r44, x52 + ThreadOverrun, r44, 2);
                drLine(0, -r44, x52 + ThreadOverrun, -r44, 2);
            }
        }
    }

    if (isSize) {
        if (tapped) {
            m.drDimHL(x52, 20 + r1 - r44, 1, 0, r1 - c, x52, rt, "", "Js14", "");
            m.drDimA(30, -1, -180, 15, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, "", 1, -r1);
            m.drDimVL2(-2 * r44, -33, 1 + r1 - r44, 1, -r1, 0, r44, "M", "-7H", "");
            m.drDimVL2(-2 * (r42 + 0.5), -(x52 + t + 47), 0, x51, -(r42 + 0.5), p - 0.5, r42 + 0.5, "&02",
                       "H14", "");
            m.drDimHL(e, r1 - r44 + 7, 1, 0, r1 - c, e, rt, "", "", "&04~45&01~ ");
            m.drRough(x51 - x50, -22 - rc, 180, RoughSign, "3,2", "", "");
        }
        m.drDimVL2(-2 * r1, -57, 1, 1, -r1, 1, r1, "&02", "h6", "");
        m.drRough(-39, r1, 90, RoughSign, "0,8", "", "");
        m.drDimHL(-x50, -34, u - x50, x51 - x50, -rc, x51, -rc, "", "h12", "");
        m.drDimHL(tapped ? -u : 0.0, -45, 1, p, -r42, x51, -rc, "", "h14", "");
        m.drDimHL(x51, rc + 30 - r1, 0, 0, r1 - c, x51, rc, "", "h14", "");
        if (collar) m.drDimA(30, -1, 90, 25, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, "", x52, rt);
        m.drDimHL(1, -10, 0, 0, 1 - r1, 1, -r1, "", "", "");
        m.drDimVL2(-2 * r42, 25, 0, x51, -r42, x51, r42, "&02", "H7", "");
        m.drRough(x51 + 20, r42, -90, RoughSign, "0,4", "", "");
        if (AbsZn(x45) != 0) m.drWPointer(x51 + 50, 0, x51 + 60, 0, x51 + 56, 0, 7, 1, TextStyle, "A");
        if (collar) {
            m.drCircleShelf(x51 - x50 - 1.5, 0.3 - r1, 3, x51 + 2, -5 - rc, "Б");
            m.drDimVL2(-2 * rc, 36, 0, x51, -rc, x51, rc, "&02", "H14", "");
        }
    }
    drDeleteMtr();
    drDeleteMtr();
}
