// The stop pin (a collar and a pin with a relief groove at the shoulder): record, profile,
// sheet with the groove's enlarged view, and part; and the enlarged view itself.

#include "MathDetailsl.h"

#include <cmath>

#include "ContDrawing.h"
#include "Dictionary.h"
#include "KmfData.h"
#include "Mathemat.h"

namespace {

constexpr Real SheetChamfer = 2.0;
const char* const StopPinRoughness = "0,8";

} // namespace

TStopPin::TStopPin(TDcDetail iId, TModeler3D* M, TConstruktor* C) : TDetail(iId, M, C) {}

void TStopPin::Show(TGImage& Image, const TColor& Color) const
{
    ShowCorners(*this, *this, Image, Color, CollarRadius);
}

void TStopPin::dr2D_GrybkovaOpora_V1(Integer Det, Real const& mx, Real const& my, Real const& ma,
                                     Real const& mm, Real const& r74, Real const& r25, Real const& x81,
                                     Real const& x82, Real const& f, Integer tl, Boolean isSize) const
{
    if (Det != 0 && !ComponentExists(Det)) return;
    drMtr(mx + x81, my, ma, mm);
    drLine(-2, 0, x82, 0, 3);
    TContDrawing C(M2());
    C.Make(0, 0,
           dP(0, r74 - f,
              dPx(f, r74,
                  dPx(x81, r74,
                      dCVR(x81, r25 - 0.3, x81 + 2.7, r25 - 0.3, x81 + 3, r25, 0.5,
                           dPx(x81 + 3, r25,
                               dPx(x82 - f, r25,
                                   dP(x82, r25 - f, dP(x82, 0, dP(x82 * Zn(tl), 0, nullptr))))))))));
    C.dr2D(tl);
    if (tl != 0) {
        C.dr2DMY(tl);
        if (isSize) M2->drCircleShelf(x81 + 1.5, r25, 3.0, x82, 2 * r74, "A");
    }
    if (isSize) {
        TModeler3D& m = M2();
        m.drDimHL(x82, -32, -1, 0, f - r74, x82, f - r25, "", "h14", "");
        m.drDimHL(f, -20, -1, x82 - f, -r25, x82, f - r25, "", "", "&04~45&01 2 фаски");
        m.drDimHL(x81, 30, 1, 0, r74 - f, x81, r74, "", "h6", "");
        m.drDimVL(2 * r74, -15, 1, f, -r74, f, r74, "&02", "h14", "");
        m.drDimVL(2 * r25, 30, -1, x82 - f, -r25, x82 - f, r25, "&02", "k6", "");
        const tvapi::tvRoughSignEnum sign = tvapi::tvRoughSignEnum(0);
        m.drRough(0, r74 + 2, 180, sign, StopPinRoughness, "", "");
        m.drRough(x82, r25, 90, sign, StopPinRoughness, "", "");
        m.drRough(x81, r74 + 25, 0, sign, StopPinRoughness, "", "");
    }
    drDeleteMtr();
}

void TStopPin::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 0.0, -CollarRadius);
    if (!sheet) return;
    dr2D_GrybkovaOpora_V1(Id, 0, 0, 0, 1.0, CollarRadius, Radius, CollarHeight, Len, SheetChamfer, 1, true);
    TCommonGeometry(M2()).drCVR_dV(20.0, 1.5 * CollarRadius - 60.0, 0.0, 2.0, TReliefGroove::Width,
                                   TReliefGroove::Depth, 0.5, "A", true);
}

void TStopPin::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_GrybkovaOpora_V1(Id, 0, 0, 180.0, 1.0, CollarRadius, Radius, CollarHeight, Len, SheetChamfer, 0,
                          false);
    part.Revolve();
}

void TStopPin::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {RU.x, LD.x, RU.y, LD.y, Radius, CollarRadius, CollarHeight, Len});
}

void TStopPin::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code);
    if (r.Version() >= VersionRect) r(RU.x)(LD.x)(RU.y)(LD.y);
    r(Radius)(CollarRadius)(CollarHeight)(Len);
    r.Commit();
}

// ---- Enlarged view of a relief groove ---------------------------------------------------------------

void TCommonGeometry::drCVR_dV(R x, R y, R A, R m, R L, R H, R R_, S Letter, Boolean isSize) const
{
    drMtr(x, y, A, m);
    const Real b = 4 * H;
    const Real rise = std::abs(R_ - H);
    // The title stands 10 sheet units above the origin whatever the scale.
    drText(1.0, 10.0 / m, 0.0, 6.0, 1.0, 75, ::DC(Letter) + "(" + TString(m, 2, true, 7) + ":1)");
    TContDrawing C(M2());
    C.Make(-b, 0, dP(0, 0, dP(0, -H - b, nullptr)));
    C.dr2D(1);
    drLine(L, b, L, -H - b, 1);
    C.Make(0, 0, dCVR(H, -H, L, -H, L, rise, R_, nullptr));
    C.dr2D(1);
    C.Make(-b, 0, dP(0, -H - b, dP(L, -H - b, dP(L + b, 0, dP(L, b, nullptr)))));
    C.dr2D(5);
    if (isSize) {
        M2->drDimHL(L, -15.0, -10.0, 0, 0, L, rise, "", "", "");
        M2->drDimVL(H, -20.0, -1.0, 0, 0, R_, -H, "", "", "");
        M2->drDimApc(45.0, 180.0, 22.0, 0.0, "", 0, 0);
    }
    drDeleteMtr();
}
