// The column tail: a pin with a thread at one end and two spanner flats and an M8 tapped hole
// at the other; its view with the end view, its sheet with the relief groove enlarged, and
// its part with the flats cut.

#include "MathDetail2.h"

#include <cmath>

#include "ContDrawing.h"
#include "Mathemat.h"
#include "MetricFigures.h"
#include "TDemStr.h"

namespace {

// The flats run over the body's last 15; the tapped hole is threaded 24 deep and drilled 29
// at M8's tap drill with a 2 long point, entered through a 45-degree chamfer out to the thread.
constexpr Real FlatLen = 15.0;
constexpr Real TapDepth = 24.0;
constexpr Real DrillDepth = 29.0;
constexpr Real DrillEnd = 31.0;
// Requirement entries: " $*;$ Размеры для справок", " Неуказанные радиусы скруглений  0.5 мм ".
constexpr Integer ForReference = 1;
constexpr Integer FilletRadii = 30;

} // namespace

void TColumnTail::dr2D_V1(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r79,
                          const Real& r80, const Real& y64, const Real& y65, const Real& y63, int tl,
                          bool isSize) const
{
    if (!ComponentExists(Id)) return;
    const Real T = y65 - y64;
    const Integer s = Zn(Real(tl));
    // The sketch keeps the body round: the part cuts its flats.
    const Real F = r79 - s * (r79 - y63 / 2);
    const Real e = -y64;
    const Real drill = MetricFigures(2 * rM8).TapDrill / 2, entry = rM8 - drill;
    drMtr(mx, my, ma, ms);
    drLine(-2 - y64, 0, T + 2, 0, 3);
    TContDrawing C(M2());
    // The tapped hole, dashed on a sheet; in a sketch the run along the axis closes the profile.
    TContDrawing::TNode* hole =
        dTL(unsigned(3 * s + 1),
            dPnm(e + TapDepth, rM8,
                 dPx(e + entry, drill,
                     dPx(e + TapDepth, drill,
                         dPnm(e + TapDepth, rM8,
                              dPx(e + DrillDepth, drill,
                                  dP(e + DrillEnd, 0,
                                     dP(e + DrillEnd - (s - 1) * (y65 - DrillEnd), 0, nullptr))))))));
    TContDrawing::TNode* body =
        dPx(0, r79, dP(e + FlatLen, r79, dP(e + FlatLen, F, dP(e, F, dPx(e, rM8, hole)))));
    C.Make(T, 0,
           dP(T, r80 - 1,
              dTL(2, dPnm(3, r80 - 1,
                          dTL(unsigned(tl),
                              dPx(T - 1, r80,
                                  dPx(3, r80, dCVR(2.7, r80 - 0.3, 0, r80 - 0.3, 0, r79, 0.5, body))))))));
    C.dr2D(tl);
    if (tl != 0) C.dr2DMY(tl);
    if (isSize) {
        TModeler3D& m = M2();
        const Real k = y63 / 2, third = -y63 / 3;
        m.drDimHL(entry, -15, -1, e + entry, -drill, e, third, "", "", "&04~45&01");
        m.drDimHL(FlatLen, -27, 12, e + FlatLen, -k, e, third, "", "H14", "");
        m.drDimHL(TapDepth, -39, 1, e + TapDepth, -4, e, third, "", "H14", "");
        m.drDimHL(y64, -51, 1, 0, -r79, e, third, "", "h8", "");
        m.drDimHL(y65, -63, 1, T, 1 - r80, e, third, "", "h14", "");
        m.drDimVL(2 * rM8, -21, 1, e, -4, e, 4, "M", "", "-7H");
        m.drDimHL(1.0, -39, -1, T - 1, -r80, T, 1 - r80, "", "", "&04~45&01");
        m.drDimVL(2 * r80, 12, 1, T - 1, -r80, T - 1, r80, "M", "", "-8g");
        m.drDimVL(2 * r79, 0, 1, -20, -r79, -20, r79, "&02", "h14", "");
        const tvapi::tvRoughSignEnum sign = tvapi::tvRoughSignEnum(0);
        m.drRough(-17 - y64, -4, 90, sign, "3,2", "", "");
        m.drRough(e, -k - 51, 180, sign, "0,8", "", "");
        m.drRough(0, -k - 39, 0, sign, "1,6", "", "");
        m.drRough(T + 2, r80, 90, sign, "3,2", "", "");
        m.drCircleShelf(1.5, r80, 3.0, 5, r80 + 10, "A");
        drLine(10 - y64, -k, 10 - y64, r79 + y63 + 22, 3);
        // End view: the body cut by the flats, the drilled hole and three quarters of the thread.
        drMtr(10 - y64, r79 + 20 + k, 0, 1);
        const Real h = std::sqrt(std::abs(r79 * r79 - k * k));
        C.Make(-h, -k, dA(0, 0, -r79, -h, k, dP(h, k, dA(0, 0, -r79, h, -k, dP(-h, -k, nullptr)))));
        C.dr2D(1);
        drCircle(0, 0, drill, 1);
        drArc(0, 0, rM8, 0, 4, -4, 0, -1, 2);
        drLine(-2 - r79, 0, r79 + 2, 0, 3);
        m.drDimVL(y63, 15, -1, h, -k, h, k, "", "h12", "");
        drDeleteMtr();
    }
    drDeleteMtr();
}

void TColumnTail::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, Len - ThreadLen - 15, -3 * Key, TDemStr[ForReference],
                              TDemStr[FilletRadii]);
    if (!sheet) return;
    dr2D_V1(5.0, 0, 0, 1.0, Radius, ThreadRadius, Len - ThreadLen, Len, Key, 1, true);
    TCommonGeometry(M2()).drCVR_dV(-25, ThreadRadius + 30, 0, 4.0, TReliefGroove::Width, TReliefGroove::Depth,
                                   0.5, "A", true);
}

// The flats are cut over the last 15 of the flatted end: the profile's x runs along the
// model's -Z, so that end face lies at Z = Len - ThreadLen. Flats wider than the body cut
// nothing and are left out.
void TColumnTail::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    const Real body = Len - ThreadLen;
    dr2D_V1(0, 0, 0, 1.0, Radius, ThreadRadius, body, Len, Key, 0, false);
    part.Revolve();
    if (Key < 2 * Radius - TMathDef::metricPrecision) {
        drPlaneEskis(tvapi::o3d_planeXOY, body, 0.0, "");
        drRectAngle(Key / 2, -Radius, Radius, Radius, 1);
        drRectAngle(-Key / 2, -Radius, -Radius, Radius, 1);
        M2->drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, FlatLen, 0.0);
    }
}
