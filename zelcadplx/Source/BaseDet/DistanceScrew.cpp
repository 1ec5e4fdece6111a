// The distance screw: record and stream forms (with the readers of older kinds), sizes from
// table 39, the profile with its dimensions, the sheet, and the one-piece or assembled part.

#include "DistanceScrew.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "ContDrawing.h"
#include "KmfData.h"
#include "Mathemat.h"
#include "Messager.h"
#include "MetricFigures.h"
#include "TControlModel.h"
#include "TFileName.h"
#include "TextBase.h"

namespace {

// The slot across the collar, 2.5 wide and 3 deep, as the sheet dimensions it.
constexpr Real SlotDepth = 3.0;
constexpr Real SlotHalfWidth = 1.25;
constexpr Real Chamfer = 2.0;
// The collar's relief groove is rounded with its depth.
constexpr Real CollarGrooveRound = TReliefGroove::Depth;
// The collar's relief groove as the enlarged view shows it.
constexpr Real ViewGrooveRadius = 0.4;
constexpr Real ViewScale = 4.0;
const char* const DetailLetter = "А"; // Cyrillic

void DrawDimensions(TModeler3D& m, Real r89, Real r95, Real r94, Real y5, Real y6, Real y7, Real S)
{
    m.drDimHL(y7, -57, 0, y7, 2 - r94, 0, 2 - r89, "", "h14", "");
    m.drDimHL(y6, -42, -1, y6, -r89, 0, 2 - r89, "", "h9", "");
    m.drDimHL(y7 - y6 - y5, -40, -1, S, -r95, y6, -r89, "", "h8", "");
    m.drDimHL(SlotDepth, -30, -1, SlotDepth, -SlotHalfWidth, 0, 2 - r89, "", "H14", "");
    m.drDimHL(Chamfer, -15, -1, Chamfer, -r89, 0, 2 - r89, "2 фаски ", "", "&04~45&01");
    m.drDimVL(2 * SlotHalfWidth, -5, -15, 0, -SlotHalfWidth, 0, SlotHalfWidth, "", "H14", "");
    m.drDimVL(2 * r89, -20, -1, Chamfer, -r89, Chamfer, r89, "&02", "h14", "");
    m.drDimVL(2 * r95, 0, -1, S - 20, -r95, S - 20, r95, "&02", "h7", "");
    m.drDimVL(2 * r94, 12, -1, y7 - 2, -r94, y7 - 2, r94, "M", "-8g", "");
    const tvapi::tvRoughSignEnum sign = tvapi::tvRoughSignEnum(0);
    m.drRough(y6, -12 - r89, 0, sign, "1,6", "", "");
    m.drRough(y6 + 20, -r95, -90, sign, "0,8", "", "");
    m.drRough(S, -5 - r95, 0, sign, "1,6", "", "");
    m.drRough(0, -56 - r89, 180, sign, "1,6", "", "");
}

} // namespace

TDistanceScrew::TDistanceScrew(TDcDetail iId, TModeler3D* M, TConstruktor* K)
    : TDetail(iId, M, K), Execution("", 0, {"Цельный", "Сборный"})
{
}

TDistanceScrew& TDistanceScrew::operator=(const TDistanceScrew& D)
{
    LD = D.LD;
    RU = D.RU;
    Radius = D.Radius;
    Len = D.Len;
    CollarHeight = D.CollarHeight;
    CollarRadius = D.CollarRadius;
    ThreadLen = D.ThreadLen;
    ThreadRadius = D.ThreadRadius;
    return *this;
}

Integer TDistanceScrew::Set(Integer DetId, Integer Row)
{
    if (DetId != Type) return 0;
    ABaseDetail.Init();
    // A row the table does not hold is no row: nothing is read from it.
    if (Row == 0 || !ABaseDetail.ParStDet(Type, Row))
        Messager.LiftBox(::DC("Строки") + " " + TString(Row) + " " + ::DC("нет в таблице") + " " +
                             TString(Type),
                         TMessager::toApi);
    return Fill(Row);
}

Integer TDistanceScrew::Fill(Integer Row)
{
    if (Row != 0 && !ABaseDetail.ParStDet(Type, Row)) Row = 0;
    if (Row != 0) {
        Radius = TablePar(Type, Row, 5) / 2;
        ThreadRadius = TablePar(Type, Row, 3) / 2;
        ThreadLen = TablePar(Type, Row, 8);
        CollarRadius = TablePar(Type, Row, 10) / 2;
        CollarHeight = TablePar(Type, Row, 9);
        Len = TablePar(Type, Row, 7) + CollarHeight + ThreadLen;
        Code = Type * 1000 + Row;
        if (TControlModel* model = ComponentModel()) model->SetCodeDet(Id, Type, Row, 0);
    }
    Design = Row != 0;
    return Row;
}

Integer TDistanceScrew::Set(Integer DetId, Real const& R, Real const& T)
{
    if (DetId != Type) return 0;
    ABaseDetail.Init();
    const Integer row = ABaseDetail.IndexStDet(Type, 5, 2 * R, 7, T, 0, 0.0);
    TellOutsideTable(Type, row, {{5, 2 * R}, {7, T}});
    return Fill(row);
}

// ---- Drawing ----------------------------------------------------------------------------------

void TDistanceScrew::dr2D_Gvynt_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms,
                                   Real const& r89, Real const& r95, Real const& r94, Real const& y5,
                                   Real const& y6, Real const& y7, Real y92, Integer tl, Boolean isSize) const
{
    const Real S = y7 - y5;
    const Real P = std::min(S, y92);
    const Real z = Zn(Real(tl));
    const Real w = SlotHalfWidth * z;
    drMtr(mx - S, my, ma, ms);
    TContDrawing C(M2());
    // From the shank's end to the thread's end face and back along the axis.
    TContDrawing::TNode* thread = dPx(
        S, r95,
        dCVR(S, r94 - 1, S + 2, r94 - 1, S + 3, r94, 1.0,
             dPx(S + 3, r94, dPx(y7 - 2, r94, dP(y7, r94 - 2, dP(y7, 0, dPt0(SlotDepth * z, 0, nullptr)))))));
    // The slot, the collar with its chamfer and relief groove, the precision shank.
    C.Make(SlotDepth * z, 0,
           dP(SlotDepth * z, w,
              dP(2 * z, w,
                 dPnm(Chamfer, r89,
                      dP(0, w,
                         dFsk(0, r89, y6, r89, Chamfer,
                              dPx(y6, r89,
                                  dCVR(y6, r95 - TReliefGroove::Depth, y6 + TReliefGroove::Width,
                                       r95 - TReliefGroove::Depth, y6 + TReliefGroove::Width, r95,
                                       CollarGrooveRound,
                                       dPx(y6 + TReliefGroove::Width, r95, dPx(P, r95, thread))))))))));
    C.ContBlockClear(tl);
    drLine(-3, 0, y7 + 3, 0, 3);
    const Integer t = tl / 10, u = tl % 10;
    const auto rootLine = [&](Real side) { drLine(y7 - 1, side * (r94 - 1), S + 3, side * (r94 - 1), 2); };
    if (t == 1) {
        C.dr2D(u);
        rootLine(1);
    } else if (t == 2) {
        C.dr2DMY(u);
        rootLine(-1);
    } else {
        C.dr2D(u);
        if (tl != 0) {
            C.dr2DMY(u);
            rootLine(1);
            rootLine(-1);
        }
    }
    if (isSize) {
        M2->drCircleShelf(y6 + 1.2, r95 - TReliefGroove::Depth, 3.0, y6 + 10, r89 + 5, DetailLetter);
        TCommonGeometry(M2()).drCVR_dV(20, -110, 0, ViewScale, TReliefGroove::Width, TReliefGroove::Depth,
                                       ViewGrooveRadius, DetailLetter, true);
        DrawDimensions(M2(), r89, r95, r94, y5, y6, y7, S);
    }
    drDeleteMtr();
}

void TDistanceScrew::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                             Boolean isSize) const
{
    if (!ComponentExists(Id)) return;
    dr2D_Gvynt_V1(mx, my, ma, ms, CollarRadius, Radius, ThreadRadius, ThreadLen, CollarHeight, Len,
                  Len - ThreadLen, tl, isSize);
}

void TDistanceScrew::dr2D() const
{
    const TSheetBracket sheet(M2(), Id, 10.0, 0.0);
    if (!sheet || !ComponentExists(Id)) return;
    if (ExecutionValue() != 0) return drAssembledSheet();
    dr2D_Gvynt_V1(Len - ThreadLen - 15, -10, 0, 1, CollarRadius, Radius, ThreadRadius, ThreadLen,
                  CollarHeight, Len, Len - ThreadLen, 1, true);
}

void TDistanceScrew::drAssembledSheet() const
{
    const TAssembledSizes a = AssembledSizes();
    const TMetricFigures& f = a.Screw;
    const TCommonGeometry G(M2());
    const Real K = f.HeadK, overall = K + a.ScrewLen, bushing = K + a.WasherLen;
    // Where the one-piece sheet puts its collar's end face, the cap screw's head stands.
    drMtr(-15, -10, 0, 1);
    G.dr2D_SocketHeadCapScrew_V1(0, 0, 0, 1, f.d / 2, f.HeadD / 2, f.Socket, K, f.SocketDepth, overall,
                                 ThreadLen, a.Fillet, 1, false);
    drMtr(K, 0, 0, 1);
    G.DrawRing(a.WasherR, a.WasherIn, a.WasherLen, 0.2, true);
    drDeleteMtr();
    drMtr(bushing, 0, 0, 1);
    G.DrawRing(a.BushingR, a.BushingIn, a.BushingLen, 1.0, true);
    drDeleteMtr();
    TModeler3D& m = M2();
    const Real end = bushing + a.BushingLen;
    m.drDimHL(overall, -57, 0, overall, 1 - f.d / 2, 0, 1 - f.HeadD / 2, "", "h14", "");
    m.drDimHL(a.BushingLen, -40, -1, end, -a.BushingR, bushing, -a.BushingR, "", "h8", "");
    m.drDimHL(a.WasherLen, a.WasherR + 10, 1, K, a.WasherR, bushing, a.WasherR, "", "", "");
    m.drDimVL(2 * a.BushingR, 0, -1, end - 5, -a.BushingR, end - 5, a.BushingR, "&02", "h7", "");
    m.drDimVL(2 * a.BushingIn, 12, -1, end, -a.BushingIn, end, a.BushingIn, "&02", "", "");
    drDeleteMtr();
}

// ---- Part ---------------------------------------------------------------------------------------

void TDistanceScrew::dr3D(const Integer) const
{
    if (ExecutionValue() == 0) {
        if (const TPartBracket part(M2(), Id, {2 * Radius, Len}); part) drOnePiece(part);
        return;
    }
    // A thread the list lacks is told once: in the refusal of the piece it spoils, if any.
    M2->drHoldBoxes3D();
    const TAssembledSizes a = AssembledSizes();
    // The pieces come first: one refused leaves no assembly, and no sheet of it.
    if (!drPieces(a)) {
        if (const TControlModel* model = ComponentModel()) M2->drNotBuilt3D(model->sfDetail3D(Id, 0));
        return;
    }
    if (const TPartBracket part(M2(), Id, {2 * Radius, Len}, tvapi::o3d_planeYOZ, TPartBracket::Plain); part)
        drAssembled(part, a);
}

void TDistanceScrew::drOnePiece(const TPartBracket& Part) const
{
    if (ComponentExists(Id))
        dr2D_Gvynt_V1(0, 0, 0, 1, CollarRadius, Radius, ThreadRadius, ThreadLen, CollarHeight, Len,
                      Len - ThreadLen, 0, false);
    Part.Revolve();
    drPlaneEskis(tvapi::o3d_planeYOZ, CollarRadius, 0.0, "");
    drMtr(ThreadLen - Len, 0, 0, 1.0);
    drRectAngle(0, -SlotHalfWidth, SlotDepth, SlotHalfWidth, 1);
    drDeleteMtr();
    // The plane touches the collar where YOZ's sketches leave it: the slot is cut along their
    // normal, back through the collar (against it, it would cut nothing).
    drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, 2 * CollarRadius, 0.0);
}

TDistanceScrew::TAssembledSizes TDistanceScrew::AssembledSizes() const
{
    // The cap screw of the thread, its head to the standard; it reaches as far under the washer
    // as the screw's collar leaves, and washer and bushing let it through at least its
    // clearance hole, the fillet under its head too.
    TMetricFigures f = MetricFigures(2 * ThreadRadius);
    f.SocketDepth = CapScrewSocketDepth(f.Socket, f.SocketDepth, f.HeadK, f.HeadK);
    const Real bore = f.Clearance / 2;
    return {f,
            Len - CollarHeight,
            std::min(0.5, bore - f.d / 2),
            CollarRadius,
            std::max(Radius - 2.5, bore),
            3.0,
            Radius,
            std::max(Radius - 3.0, bore),
            Len - ThreadLen - CollarHeight};
}

Boolean TDistanceScrew::drPieces(const TAssembledSizes& a) const
{
    TControlModel* model = ComponentModel();
    if (!model) return false;
    const TCommonGeometry G(M2());
    const TMetricFigures& f = a.Screw;
    // The cap screw is refused without its head and socket; the box says why.
    if (std::isnan(f.HeadD) || std::isnan(f.HeadK) || std::isnan(f.Socket) || std::isnan(f.SocketDepth))
        TellNoCapScrewFigures(f.d);
    const std::function<void(const TString&)> pieces[] = {
        [&](const TString& file) {
            G.dr3D_ScrewGost11738(file, "", "", f.d, f.HeadD, f.Socket, f.HeadK, f.SocketDepth, a.ScrewLen,
                                  ThreadLen, a.Fillet);
        },
        [&](const TString& file) { G.dr3D_Shajba(file, "", "", a.WasherR, a.WasherIn, a.WasherLen, 0.2); },
        [&](const TString& file) {
            G.dr3D_PlugGost(file, "", "", a.BushingR, a.BushingIn, a.BushingLen, 1.0);
        },
    };
    for (Integer n = 1; n <= 3; ++n) {
        pieces[n - 1](model->sfDetail3D(Id, n));
        if (!M2->drRefused3D() && FileExists(model->sfDetail3D(Id, n))) continue;
        // The pieces already saved would be an assembly's without it.
        for (Integer built = 1; built < n; ++built)
            DeleteFile(model->sfDetail3D(Id, built));
        return false;
    }
    return true;
}

void TDistanceScrew::drAssembled(const TPartBracket& Part, const TAssembledSizes& a) const
{
    TControlModel* model = ComponentModel();
    // The part holds the three pieces, no solid of its own.
    Part.Expect(0);
    if (model) model->SetCurrent(M2(), Id, 0);
    const Real h = a.BushingLen;
    M2->AddDetail(0, 0, h + a.WasherLen, Id, 1, false);
    M2->AddDetail(0, 0, h + a.WasherLen, Id, 2, false);
    M2->AddDetail(0, 0, h, Id, 3, false);
}

// ---- Stream -------------------------------------------------------------------------------------

void TDistanceScrew::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {LD.x, LD.y, RU.x, RU.y, Radius, Len, CollarHeight, CollarRadius, ThreadLen, ThreadRadius,
                   DepthHole});
    S.Write(Integer(ExecutionValue()));
}

void TDistanceScrew::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    const Integer version = r.Version();
    r(Design)(Code);
    if (version >= VersionRect) r(LD.x)(LD.y)(RU.x)(RU.y);
    r(Radius)(Len)(CollarHeight)(CollarRadius)(ThreadLen)(ThreadRadius);
    Real depth = 0.0;
    Integer execution = 0;
    if (version >= VersionDepthHole) r(depth);
    if (version >= VersionExecution) r(execution);
    if (!r.Commit()) return;
    DepthHole = depth;
    if (Execution.PInt) *Execution.PInt = execution;
    Execution.GetCurrent(); // the choice shown follows the value read
}

void TDistanceScrew::fromOldStream(TKmfData& S, std::initializer_list<Real*> Sizes)
{
    TRecordReader r(S);
    r(Design)(Code)(RU.x)(RU.y)(LD.x)(LD.y);
    for (Real* v : Sizes)
        r(*v);
    r.Commit();
}

void TTraction::fromStream(TKmfData& S)
{
    if (S.Version() >= VersionDepthHole) return TDistanceScrew::fromStream(S);
    fromOldStream(S, {&Radius, &Len, &CollarHeight, &CollarRadius, &ThreadLen, &ThreadRadius});
}

void TScrewSpecial::fromStream(TKmfData& S)
{
    if (S.Version() >= VersionDepthHole) return TDistanceScrew::fromStream(S);
    fromOldStream(S, {&Radius, &CollarHeight, &ThreadLen, &Len, &ThreadRadius, &CollarRadius});
}
