// The leader-pin bushing (record, sizes from the element library, sheet and part) and the
// guide bush's drawing routine that draws it, with the guide-bush set's own sheet and part.

#include "LeaderPinBushing.h"

#include <algorithm>

#include "ContDrawing.h"
#include "KmfData.h"
#include "MathDetail2.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// Chamfers and relief grooves of the bushing are 0.5; their corners are rounded by half that.
constexpr Real Chamfer = 0.5;
constexpr Real GrooveCorner = 0.25;
constexpr Real HatchAngle = 45.0;
constexpr Real HatchStep = 3.0;
constexpr Integer GuideBushRequirement = 26;
constexpr Integer RadiiRequirement = 30;

const tvapi::tvRoughSignEnum NoProcessing = tvapi::tvRoughSignEnum(0);

// Where the guiding bore begins (x) and the radius of the relieved bore left of it: the guiding
// bore is sl long from the right end, at most up to the left end's entry chamfer.
struct TBore {
    Real x, rr;
    TBore(Real r, Real F, Real L, Real sl)
    {
        const Real e = F + L - Chamfer;
        x = L - std::min(sl, e);
        rr = e > sl ? r + Chamfer : r;
    }
};

// The half outline (y >= 0) of the bushing, from the collar's outer corner (0, r2) round and
// back to it.
TContDrawing::TNode* BushingOutline(Real r, Real r1, Real r2, Real F, Real S, Real L, const TBore& B, Real Xk)
{
    const Real rr = B.rr;
    const Real c = F > 3 ? 3.0 : F - 1.5;
    TContDrawing::TNode* collar =
        dP(S + 3, r1,
           dMacroIf(AbsZn(S) != 0, dCVR(S + 2.5, r1 - 0.5, S, r1 - 0.5, S, r2, GrooveCorner, nullptr),
                    dP(0, r2, nullptr)));
    TContDrawing::TNode* right = dCLL(
        L, r, L, r1 - 1, Chamfer,
        dPx(L, r1 - Chamfer,
            dP(L - Chamfer, r1,
               dMacroIf(AbsZn(Xk) != 0, dP(Xk + 1, r1, dP(Xk, r1 - 1, dP(Xk - 1, r1, nullptr))), collar))));
    TContDrawing::TNode* bore = dP(B.x, rr, dPx(B.x, r, right));
    TContDrawing::TNode* extension =
        dCVR(0, r1 - 0.5, 0.5 - c, r1 - 0.5, -c, r1, GrooveCorner,
             dP(Chamfer - F, r1, dP(-F, r1 - Chamfer, dPx(-F, rr + Chamfer, dPx(Chamfer - F, rr, nullptr)))));
    TContDrawing::TNode* face = dPx(0, rr + Chamfer, dPx(Chamfer, rr, nullptr));
    return dMacroIfE(AbsZn(F) != 0, extension, face, bore);
}

void BushingSizes(TModeler3D& m, Real r, Real r1, Real r2, Real F, Real S, Real L, Real boreX)
{
    m.drCircleShelf(S + 1.5, r1, 3.0, S + 5, r1 + 20, "A");
    m.drDimHL(S, -30, 1, 0, -r2, S, -r2, "", "h9", "");
    m.drDimHL(S + F, -43, 1, -F, 0.5 - r1, S, -r2, "", "h14", "");
    m.drDimHL(L + F, r1 - r2 - 54, 1, -F, 0.5 - r1, L, 0.5 - r1, "", "h14", "");
    m.drDimVL2(2 * r1, -15, 0, 1 - F, -r1, 1 - F, r1, "&02", "h9", "");
    m.drDimVL2(2 * r2, -26 - F, 1, 0, -r2, 0, r2, "&02", "h14", "");
    m.drDimVL2(2 * r, 14, 5, L, -r, L, r, "&02", "H7", "");
    m.drDimVL2(2 * r1, 28, 1, L - 0.5, -r1, L - 0.5, r1, "&02", "n6", "");
    m.drDimHL(0.5, 13, -1, L - 0.5, r1, L, r1 - 0.5, "2 фаски", "", "&04~45&01");
    m.drRough(boreX + 4, -r, 90, NoProcessing, "0,4", "", "");
    m.drRough(-8 - F, r1, 90, NoProcessing, "0,8", "", "");
    m.drRough(L + 12, r1, 90, NoProcessing, "0,8", "", "");
    m.drRough(0, -20 - r2, 180, NoProcessing, "1,6", "", "");
    m.drRough(S, -5 - r2, 0, NoProcessing, "1,6", "", "");
}

} // namespace

// ---- Guide bush drawing ------------------------------------------------------------------------

void TDirectPlug::dr2D_LeaderPinBushing_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms,
                                           Real const& r, Real const& r1, Real const& r2, Real const& F,
                                           Real const& S, Real const& L, Real const& sl, Integer tl,
                                           Boolean isSize, Real const& Xk) const
{
    const TBore bore(r, F, L, sl);
    drMtr(mx, my, ma, ms);
    drLine(-2 - F, 0, L + 2, 0, 3);
    TContDrawing C(M2());
    C.Make(0, r2, BushingOutline(r, r1, r2, F, S, L, bore, Xk));
    const Integer n = tl / 10, units = tl - 10 * n;
    if (n == 1 || n == 2) {
        // One half: the hatch first, then its outline in the view's style.
        const auto draw = [&](Integer Te) { n == 1 ? C.dr2D(Te) : C.dr2DMY(Te); };
        M2->drHatch(0, HatchAngle, HatchStep);
        draw(0);
        M2->drEndObj();
        draw(units);
    } else {
        C.dr2D(tl);
        if (tl != 0) {
            C.dr2DMY(tl);
            M2->drHatch(0, HatchAngle, HatchStep);
            C.dr2D(0);
            C.dr2DMY(0);
            M2->drEndObj();
        }
    }
    if (isSize) BushingSizes(M2(), r, r1, r2, F, S, L, bore.x);
    drDeleteMtr();
}

// The set's sizes as the drawing's: the extension is what the bush stands out of the plate
// beyond its collar, and the guiding bore runs the whole length.
void TDirectPlug::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, OustingLen, -CollarRadius, TDemStr[GuideBushRequirement],
                              TDemStr[RadiiRequirement]);
    if (!sheet) return;
    dr2D_LeaderPinBushing_V1(0, 0, 0, 1.0, ColumnRadius, Radius, CollarRadius, OustingLen - CollarHeight,
                             CollarHeight, Len - OustingLen + CollarHeight, OustingLen + Len, 1, true, 0.0);
    TCommonGeometry(M2()).drCVR_dV(0, -70 - 2 * CollarRadius, 0, 4.0, TReliefGroove::Width,
                                   TReliefGroove::Depth, 0.5, "A", true);
}

void TDirectPlug::dr3D(const Integer) const
{
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    dr2D_LeaderPinBushing_V1(0, 0, 0, 1.0, ColumnRadius, Radius, CollarRadius, OustingLen - CollarHeight,
                             CollarHeight, Len - OustingLen + CollarHeight, OustingLen + Len, 0, false, 0.0);
    part.Revolve();
}

// ---- Leader-pin bushing ------------------------------------------------------------------------

TSocketLeaderPinBushing::TSocketLeaderPinBushing(TDcDetail iId, TModeler3D* M, const TDetail* iComplement)
    : TDetail(iId, M, iComplement, 0, nullptr)
{
}

TSocketLeaderPinBushing& TSocketLeaderPinBushing::operator=(const TSocketLeaderPinBushing& B)
{
    Design = B.Design;
    Code = B.Code;
    Radius = B.Radius;
    LPRadius = B.LPRadius;
    Len = B.Len;
    FLen = B.FLen;
    LPLen = B.LPLen;
    CollarHeight = B.CollarHeight;
    CollarRadius = B.CollarRadius;
    GrooveLen = B.GrooveLen;
    return *this;
}

Real TSocketLeaderPinBushing::GroovePlace(Real Len, Real CollarHeight)
{
    return TMathDef::Round((Len + CollarHeight) * 0.5);
}

Integer TSocketLeaderPinBushing::Set(Integer DetId, Real const& R, Real const& T)
{
    const Boolean extended = DetId == TypeExtended;
    if (!extended && DetId != TypeGrooved) return 0;
    const Integer lenColumn = extended ? 7 : 6;
    const Integer row = SelectRow(*this, DetId, true, 2, 2 * R, lenColumn, T, 0, 0.0);
    TellOutsideTable(DetId, row, {{2, 2 * R}, {lenColumn, T}});
    if (row == 0) return 0;
    const auto par = [&](Integer c) { return TablePar(DetId, row, c); };
    Radius = par(2) * 0.5;
    LPRadius = par(1) * 0.5;
    Len = par(lenColumn);
    FLen = extended ? par(5) : 0.0;
    LPLen = extended ? par(6) : par(5);
    CollarHeight = par(4);
    CollarRadius = par(3) * 0.5;
    GrooveLen = extended ? 0.0 : GroovePlace(Len, CollarHeight);
    return row;
}

void TSocketLeaderPinBushing::dr2D() const
{
    if (!M2) return;
    const TSheetBracket sheet(M2(), Id, 0.0, -CollarRadius);
    if (!sheet) return;
    TDirectPlug(0, M2, TConstruktor::Empty())
        .dr2D_LeaderPinBushing_V1(0, 0, 0, 1.0, LPRadius, Radius, CollarRadius, FLen, CollarHeight, Len, Len,
                                  1, true, GrooveLen);
}

void TSocketLeaderPinBushing::dr3D(const Integer) const
{
    if (!M2) return;
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    TDirectPlug(0, M2, TConstruktor::Empty())
        .dr2D_LeaderPinBushing_V1(0, 0, 0, 1.0, LPRadius, Radius, CollarRadius, FLen, CollarHeight, Len, Len,
                                  0, false, GrooveLen);
    part.Revolve();
}

void TSocketLeaderPinBushing::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {Radius, LPRadius, Len, FLen, LPLen, CollarHeight, CollarRadius, GrooveLen});
}

void TSocketLeaderPinBushing::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(Radius)(LPRadius)(Len)(FLen)(LPLen)(CollarHeight)(CollarRadius);
    const Boolean stored = r.Version() >= VersionGrooveLen;
    if (stored) r(GrooveLen);
    if (r.Commit() && !stored) GrooveLen = 0.0;
}
