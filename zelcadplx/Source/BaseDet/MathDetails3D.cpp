// Part documents of standard fasteners: a half profile revolved a full turn, then the cuts a
// revolve cannot make (hexagon socket, hexagon flats, the split of a spring washer).

#include "MathDetailsl.h"

#include "ContDrawing.h"
#include "Dictionary.h"

namespace {

constexpr Integer CatalogueType = 25;

TString N0(Real x)
{
    return TString(x, 0, true, 7);
}

TString N1(Real x)
{
    return TString(x, 1, true, 7);
}

// A size as a refusal names it, without the padding of the catalogue's names.
TString Fig(Real x)
{
    return TString(x, 2, true, 0);
}

} // namespace

void TCommonGeometry::DrawRing(R D, R d, R L, R f, Boolean BothHalves) const
{
    drLine(-3, 0, L + 3, 0, 3);
    TContDrawing C(M2());
    C.Make(0, d, dFsk(0, D, L - f, D, f, dFsk(L, D, L, d, f, dP(0, d, nullptr))));
    C.dr2D(1);
    if (BothHalves) C.dr2DMY(1);
}

void TCommonGeometry::dr3D_ScrewGost11738(S FileName, S Name, S Marking, R d, R D, R S_, R K, R t, R L, R sl,
                                          R r1) const
{
    TModeler3D& m = M2();
    m.drCreate3D(true, true, FileName, Name, Marking);
    m.drPlaneEskis(tvapi::o3d_planeYOZ, 0.0, 0.0, "");
    // L is the length under the head, as the standard gives it: the head stands above it.
    TCommonGeometry(m).dr2D_SocketHeadCapScrew_V1(-K, 0, 0, 1, d / 2, D / 2, S_, K, t, K + L, sl, r1, 0,
                                                  false);
    m.drBaseRotate(0, 360.0);
    m.drPlaneEskis(tvapi::o3d_planeXOY, K, 0.0, "");
    TSetScrew(0, &m, TConstruktor::Empty()).drHexAngle(S_, 1);
    m.drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, t, 0.0);
    m.drSet(TString("Болт 11738 М") + N0(d) + "*" + N1(L), "Болт ", "", CatalogueType);
    m.drExpect3D(1, TString("Болт 11738 М") + Fig(d) + "*" + Fig(L));
    m.drSave3D(true, false);
}

void TCommonGeometry::dr3D_PinGost(S FileName, S Name, S Marking, R D, R L, R f) const
{
    TModeler3D& m = M2();
    m.drCreate3D(true, true, FileName, Name, Marking);
    m.drPlaneEskis(tvapi::o3d_planeYOZ, 0.0, 0.0, "");
    TCommonGeometry(m).dr2D_Shtift_V1(0, 0, 0, 1, D / 2, L, 0, false, f);
    m.drBaseRotate(0, 360.0);
    m.drSet(TString("Штифт 11738 М") + N0(D) + "*" + N1(L), "Штифт", "", CatalogueType);
    m.drExpect3D(1, TString("Штифт 11738 М") + Fig(D) + "*" + Fig(L));
    m.drSave3D(true, false);
}

void TCommonGeometry::RingPart(S FileName, S Name, S Marking, R D, R d, R L, R f, const char* Kind) const
{
    TModeler3D& m = M2();
    m.drCreate3D(true, true, FileName, Name, Marking);
    m.drPlaneEskis(tvapi::o3d_planeYOZ, 0.0, 0.0, "");
    DrawRing(D, d, L, f);
    m.drBaseRotate(0, 360.0);
    m.drSet(TString(Kind) + " " + N0(D) + "*" + N1(L), Kind, "", CatalogueType);
    m.drExpect3D(1, TString(Kind) + " " + Fig(D) + "*" + Fig(d) + "*" + Fig(L));
    m.drSave3D(true, false);
}

void TCommonGeometry::dr3D_Shajba(S FileName, S Name, S Marking, R D, R d, R L, R f) const
{
    RingPart(FileName, Name, Marking, D, d, L, f, "Шайба");
}

void TCommonGeometry::dr3D_PlugGost(S FileName, S Name, S Marking, R D, R d, R L, R f) const
{
    RingPart(FileName, Name, Marking, D, d, L, f, "Втулка");
}

void TCommonGeometry::dr3D_Nut(R iMD, R S_, R H, S FName) const
{
    TModeler3D& m = M2();
    const TString kind = ::DC("Гайка");
    m.drCreate3D(true, true, FName, kind + " M" + TString(Integer(iMD)), kind);
    m.drPlaneEskis(tvapi::o3d_planeXOY, 0.0, 0.0, "");
    dr2D_Nut_V1(0, 0, 0, 1, iMD, S_, H, 0, false);
    m.drBaseRotate(0, 360.0);
    // The flats: what lies between a square and the hexagon is cut away.
    m.drPlaneEskis(tvapi::o3d_planeYOZ, 0.0, 0.0, "");
    dr2D_Nut_V3(0, 0, 0, 1, iMD, S_, H, 0, false);
    m.drRectAngle(-2 * S_, -2 * S_, 2 * S_, 2 * S_, 1);
    m.drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, 2 * iMD, 0.0);
    m.drExpect3D(1, kind + " M" + Fig(iMD) + " S" + Fig(S_) + " H" + Fig(H));
    m.drSave3D(true, true);
}

void TCommonGeometry::dr3D_Washer(R d, R D, R t, S FName, Boolean IsGroove) const
{
    TModeler3D& m = M2();
    const TString kind = ::DC("Шайба");
    m.drCreate3D(true, true, FName, kind + "-" + TString(Integer(t)), kind);
    m.drPlaneEskis(tvapi::o3d_planeXOY, 0.0, 0.0, "");
    dr2D_Washer_V1(0, 0, 0, 1, d, D, t, 0, false);
    m.drBaseRotate(0, 360.0);
    m.drPlaneEskis(tvapi::o3d_planeXOZ, D, 0.0, "");
    if (IsGroove) {
        TContDrawing C(m);
        C.Make(0, 0, dP(t, t, dP(t, 0, dP(0, -t, dP(0, 0, nullptr)))));
        C.dr2D(1);
        m.drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, D, 0.0);
    }
    m.drExpect3D(1, kind + " " + Fig(d) + "*" + Fig(D) + "*" + Fig(t));
    m.drSave3D(true, true);
}

void TCommonGeometry::dr3D_Screw(R M, R L, R LM, R S_, R H, S FName) const
{
    TModeler3D& m = M2();
    const TString name = ::DC("Болт") + " M" + TString(Integer(M));
    m.drCreate3D(true, true, FName, name, name);
    m.drPlaneEskis(tvapi::o3d_planeXOY, 0.0, 0.0, "");
    dr2D_Screw_V1(0, 0, 0, 1, M, L, LM, S_, H, 0, false);
    m.drBaseRotate(0, 360.0);
    m.drPlaneEskis(tvapi::o3d_planeYOZ, 0.0, 0.0, "");
    dr2D_Nut_V3(0, 0, 0, 1, M, S_, H, 0, false);
    m.drRectAngle(-2 * S_, -2 * S_, 2 * S_, 2 * S_, 1);
    m.drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, 2 * M, 0.0);
    m.drExpect3D(1, name + "*" + Fig(L));
    m.drSave3D(true, true);
}
