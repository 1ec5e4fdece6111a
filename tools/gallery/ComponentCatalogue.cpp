// The standard components in the catalogue, with their sample sizes: the sizes a mould maker
// would try first, taken from the bundled element library where the component reads one.

#include "ComponentCatalogue.h"

#include <cstring>
#include <string>

#include "BaseDetail.h"
#include "Clamper.h"
#include "DistanceScrew.h"
#include "Fitting.h"
#include "LeaderPin.h"
#include "LeaderPinBushing.h"
#include "MathDetail2.h"
#include "MathDetailsl.h"
#include "MetricFigures.h"
#include "drModeler3D.h"
#include <algorithm>
#include <iterator>

namespace {

constexpr Integer Steel45 = 1;
constexpr Integer SteelU8A = 2;

struct TPair2 {
    Real a, b;
};

void BuildPin(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const TPair2 sizes[] = {{3, 20}, {4, 30}, {5, 40}};
    TPin p(Id, &M, nullptr);
    p.Set(TPin::Type, sizes[Size].a, sizes[Size].b);
    p.dr3D(0);
}

void BuildCapScrew(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const TPair2 sizes[] = {{4, 20}, {5, 30}, {6, 40}};
    TScrew s(Id, &M, nullptr);
    s.Set(33, sizes[Size].a, sizes[Size].b);
    s.dr3D(0);
}

void BuildStopPin(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][4] = {{5, 8, 6, 30}, {6, 10, 8, 40}, {8, 12, 10, 50}};
    TStopPin s(Id, &M, nullptr);
    s.Radius = sizes[Size][0];
    s.CollarRadius = sizes[Size][1];
    s.CollarHeight = sizes[Size][2];
    s.Len = sizes[Size][3];
    s.Design = true;
    s.dr3D(0);
    s.dr2D();
}

// The part file and texts of a toolbox part built as detail Id.
struct TToolboxFile {
    Str File, Name, Marking;
    explicit TToolboxFile(TDcDetail Id)
    {
        if (const TControlModel* model = ComponentModel()) {
            File = model->sfDetail3D(Id, 0);
            Name = model->NameDet(Id, 0);
            Marking = model->MarkingDet(Id, 0);
        }
    }
};

// A sheet of detail Id with the side view drawn by Draw at the origin.
template <class F> void ToolboxSheet(TModeler3D& M, TDcDetail Id, F Draw)
{
    const TSheetBracket sheet(M, Id, 0.0, 0.0);
    if (!sheet) return;
    TCommonGeometry G(M);
    Draw(G);
}

void BuildCapScrew11738(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][2] = {{6, 30}, {8, 40}, {10, 50}}; // d, L under the head
    const Real d = sizes[Size][0], L = sizes[Size][1];
    const TMetricFigures s = MetricFigures(d);
    const TToolboxFile f(Id);
    TCommonGeometry(M).dr3D_ScrewGost11738(f.File, f.Name, f.Marking, d, s.HeadD, s.Socket, s.HeadK,
                                           s.SocketDepth, L, 0.6 * L, 0.4);
    ToolboxSheet(M, Id, [&](TCommonGeometry& G) {
        G.dr2D_Bolt11738_V1(0, 0, 0, 1, d / 2, L, 0.6 * L, 31, true, s.HeadD / 2, s.HeadK);
    });
}

void BuildHexBolt(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][5] = {
        {6, 30, 18, 4, 10}, {8, 40, 22, 5.3, 13}, {10, 50, 26, 6.4, 16}}; // M L LM H S
    const Real* s = sizes[Size];
    TCommonGeometry(M).dr3D_Screw(s[0], s[1], s[2], s[4], s[3], TToolboxFile(Id).File);
    ToolboxSheet(M, Id, [&](TCommonGeometry& G) {
        G.dr2D_Bolt7805_V1(0, 0, 0, 1, s[0] / 2, s[1], s[2], s[3], s[4], 31, true, 0);
        G.dr2D_Screw_V1(0, -40, 0, 1, s[0], s[1], s[2], s[4], s[3], 31, true);
    });
}

void BuildNut(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{6, 10, 5}, {8, 13, 6.5}, {10, 16, 8}}; // M S H
    const Real* s = sizes[Size];
    TCommonGeometry(M).dr3D_Nut(s[0], s[1], s[2], TToolboxFile(Id).File);
    ToolboxSheet(M, Id, [&](TCommonGeometry& G) {
        G.dr2D_Nut_V1(0, 0, 0, 1, s[0], s[1], s[2], 31, true);
        G.dr2D_Nut_V2(0, -30, 0, 1, s[0], s[1], s[2], 31, true);
        G.dr2D_Nut_V3(s[2] + 30, 0, 0, 1, s[0], s[1], s[2], 1, true);
        G.dr2D_Gajka_V1(0, 30, 0, 1, s[0] / 2, 31, true);
    });
}

void BuildWasher(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{6.4, 12, 1.6}, {8.4, 16, 2}, {10.5, 20, 2.5}}; // d D t
    const Real* s = sizes[Size];
    TCommonGeometry(M).dr3D_Washer(s[0], s[1], s[2], TToolboxFile(Id).File, Size == 2);
    ToolboxSheet(M, Id, [&](TCommonGeometry& G) {
        G.dr2D_Washer_V1(0, 0, 0, 1, s[0], s[1], s[2], 31, true);
        G.dr2D_Washer_V2(20, 0, 0, 1, s[0], s[1], s[2], 31, true);
    });
}

void BuildRing(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][4] = {{12, 5.5, 3, 0.2}, {16, 8.5, 4, 0.5}, {20, 10.5, 20, 1}}; // D d L f
    const Real* s = sizes[Size];
    const TToolboxFile f(Id);
    if (Size < 2)
        TCommonGeometry(M).dr3D_Shajba(f.File, f.Name, f.Marking, s[0], s[1], s[2], s[3]);
    else
        TCommonGeometry(M).dr3D_PlugGost(f.File, f.Name, f.Marking, s[0], s[1], s[2], s[3]);
}

void BuildPinGost(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{6, 20, 1}, {8, 30, 1}, {10, 40, 1.5}}; // D L f
    const Real* s = sizes[Size];
    const TToolboxFile f(Id);
    TCommonGeometry(M).dr3D_PinGost(f.File, f.Name, f.Marking, s[0], s[1], s[2]);
}

// Rows 1 and 4 of table 39 one-piece; row 4 again assembled from a cap screw, a washer and a
// bushing.
void BuildDistanceScrew(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Integer rows[] = {1, 4, 4};
    TDistanceScrew s(Id, &M, nullptr);
    s.Set(TDistanceScrew::Type, rows[Size]);
    *s.Execution.PInt = Size == 2 ? 1 : 0;
    s.dr3D(0);
    s.dr2D();
}

// The clamp has one size.
void BuildClamp(TModeler3D& M, TDcDetail Id, Integer)
{
    const TClamper c(Id, &M);
    c.dr3D(0);
    c.dr2D();
}

// The fitting has one size, M12x1.25 with a hexagon of 14.
void BuildFitting(TModeler3D& M, TDcDetail Id, Integer)
{
    const TFitting f(Id, &M);
    f.dr3D(0);
    f.dr2D();
}

void BuildSafetySupport(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Thread length and radius, length, head radius, flats, head end to the flats' middle.
    static const Real sizes[][6] = {
        {20, 6, 50, 10, 14, 15}, {25, 8, 60, 12, 17, 17}, {30, 10, 70, 14, 19, 18}};
    const Real* s = sizes[Size];
    TProtectSupport p(Id, &M, TConstruktor::Empty());
    p.ThreadLen = s[0], p.ThreadRadius = s[1], p.Len = s[2], p.Radius = s[3], p.Key = s[4], p.LenToKey = s[5];
    p.Design = true;
    p.dr3D(0);
    p.dr2D();
}

// Element 2 (an extension beyond the collar) twice, then element 4 (a groove on the body).
void BuildLeaderPinBushing(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{2, 12.5, 20}, {2, 15, 30}, {4, 15, 40}}; // element, R, length
    const Real* s = sizes[Size];
    TSocketLeaderPinBushing b(Id, &M, nullptr);
    b.Set(Integer(s[0]), s[1], s[2]);
    b.dr3D(0);
    b.dr2D();
}

// The second size stands out of its plate no further than its collar.
void BuildGuideBush(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Radius, CollarHeight, CollarRadius, ColumnRadius, OustingLen, Len.
    static const Real sizes[][6] = {
        {12.5, 5, 15, 8, 15, 40}, {15, 6, 17.5, 10, 6, 40}, {15, 6, 17.5, 10, 20, 50}};
    const Real* s = sizes[Size];
    TDirectPlug p(Id, &M, TConstruktor::Empty());
    p.Radius = s[0], p.CollarHeight = s[1], p.CollarRadius = s[2], p.ColumnRadius = s[3], p.OustingLen = s[4],
    p.Len = s[5];
    p.Design = true;
    p.dr3D(0);
    p.dr2D();
}

// The third size has no collar of its own: its body is as wide, so it has no groove.
void BuildSupportWasher(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Len, Radius, CollarRadius, CollarHeight, BoltHeadLen, BoltHeadRadius, BoltRadius.
    static const Real sizes[][7] = {
        {20, 10, 14, 5, 7, 5.5, 3.4}, {25, 12, 16, 6, 9, 6.5, 4.5}, {30, 14, 14, 6, 11, 8, 5.5}};
    const Real* s = sizes[Size];
    TSupportWasher w(Id, &M, nullptr);
    w.Len = s[0], w.Radius = s[1], w.CollarRadius = s[2], w.CollarHeight = s[3], w.BoltHeadLen = s[4],
    w.BoltHeadRadius = s[5], w.BoltRadius = s[6];
    w.Design = true;
    w.dr3D(0);
    w.dr2D();
}

// The tube dowel has no sheet or part of its own; its owner builds them from its drawing, as
// here: the revolved half section, and the dimensioned section on a sheet.
void BuildTubeDowel(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{6, 4, 12}, {8, 5, 16}, {10, 6.5, 20}}; // Radius, ECRadius, Len
    const Real* s = sizes[Size];
    TTubeDowel d(Id, &M, TConstruktor::Empty());
    d.Radius = s[0], d.ECRadius = s[1], d.Len = s[2];
    d.Design = true;
    if (const TPartBracket part(M, Id, {2 * d.Radius, d.Len}); part) {
        d.dr2D_VtulkaCentruucha_V1(0, 0, 0, 1.0, d.Radius, d.ECRadius, d.Len, 0, false);
        part.Revolve();
    }
    const TSheetBracket sheet(M, Id, 0.0, 0.0);
    if (!sheet) return;
    d.dr2D_VtulkaCentruucha_V1(0, 0, 0, 1.0, d.Radius, d.ECRadius, d.Len, 1, true);
}

// Rows 1, 4 and 8 of table 5; the press fit as the table's fit diameter. The second is tapped
// M6 and has flats on its collar, the third flats only.
void BuildLeaderPin(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Fit diameter, shoulder with collar, length; thread radius and length, flats.
    static const Real sizes[][6] = {{8, 25, 60, 0, 0, 0}, {8, 35, 100, 3, 12, 17}, {10, 40, 125, 0, 0, 20}};
    const Real* s = sizes[Size];
    TSocketLeaderPin p(Id, &M, nullptr, nullptr);
    p.Set(TSocketLeaderPin::Type, s[0], s[1], s[2]);
    p.FRadius = p.OFRadius;
    p.ThreadRadius = s[3], p.ThreadLen = s[4], p.Key = s[5];
    p.dr3D(0);
    p.dr2D();
}

// Rows 1, 3 and 6 of table 3; the last one collared beside a leader pin whose flats it takes.
void BuildLocatingSleeve(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const TPair2 sizes[] = {{8, 20}, {8, 30}, {10, 40}};
    TSocketLeaderPin pin(0, &M, nullptr, nullptr);
    TSocketLeaderPinLocatingSleeves s(Id, &M, Size == 2 ? &pin : nullptr, nullptr);
    s.Set(TSocketLeaderPinLocatingSleeves::Type, sizes[Size].a, sizes[Size].b);
    if (Size == 2) {
        s.CollarHeight = 5, s.CollarRadius = s.Radius + 3;
        pin.Key = 2 * s.CollarRadius - 4;
    }
    s.dr3D(0);
    s.dr2D();
}

// The part of detail Id revolved from the half profile that Draw puts into its sketch.
template <class F> void RevolvedPart(TModeler3D& M, TDcDetail Id, F Draw)
{
    const TPartBracket part(M, Id, {});
    if (!part) return;
    Draw();
    part.Revolve();
}

void BuildEjectorPlug(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Radius, Len, ConeLen, CollarHeight, CollarRadius, ECRadius, EC2Radius, EC2Len.
    static const Real sizes[][8] = {
        {8, 25, 4, 4, 11, 4, 5, 16}, {10, 30, 5, 5, 13, 6, 7, 20}, {12.5, 40, 6, 6, 16, 8, 9, 28}};
    const Real* s = sizes[Size];
    TEjectorPlug p(Id, &M, TConstruktor::Empty());
    p.Radius = s[0], p.Len = s[1], p.ConeLen = s[2], p.CollarHeight = s[3], p.CollarRadius = s[4];
    p.ECRadius = s[5], p.EC2Radius = s[6], p.EC2Len = s[7];
    p.Design = true;
    p.dr3D(0);
    p.dr2D();
}

// Two rods of their own design, then a catalogue rod (Code not 0).
void BuildEjectorRod(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Radius, Len, ThreadLen, ThreadRadius, ThreadStep, CollarRadius, R61, X88, X89, X90, R97, R98,
    // Y3, Y4.
    static const Real sizes[][14] = {{10, 80, 20, 8, 1.5, 12, 3, 10, 16, 20, 4, 2.5, 12, 4},
                                     {12.5, 100, 25, 10, 1.5, 15, 4, 12, 20, 25, 5, 3.4, 15, 5},
                                     {8, 60, 12, 3, 0.5, 7, 0, 0, 10, 12, 0, 0, 0, 0}};
    const Real* s = sizes[Size];
    TMTail t(Id, &M, TConstruktor::Empty());
    t.Radius = s[0], t.Len = s[1], t.ThreadLen = s[2], t.ThreadRadius = s[3], t.ThreadStep = s[4];
    t.CollarRadius = s[5], t.R61 = s[6], t.X88 = s[7], t.X89 = s[8], t.X90 = s[9], t.R97 = s[10];
    t.R98 = s[11], t.Y3 = s[12], t.Y4 = s[13];
    t.Code = Size == 2 ? 1 : 0;
    t.Design = true;
    t.dr3D(0);
    t.dr2D();
}

// The pin has no documents of its own: its profile is revolved and drawn on a sheet.
void BuildEjectorPin(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][5] = {
        {2, 4, 4, 0.3, 80}, {3, 5, 5, 0.5, 100}, {4, 6, 6, 0.5, 125}}; // d D k R Len
    TEjectorPin p(Id, &M, TConstruktor::Empty());
    p.d = sizes[Size][0], p.D = sizes[Size][1], p.k = sizes[Size][2], p.R = sizes[Size][3];
    p.Len = sizes[Size][4];
    RevolvedPart(M, Id, [&] { p.dr2D_V1(0, 0, 0, 1.0, p.d, p.D, p.k, p.R, p.Len, 0, false); });
    ToolboxSheet(M, Id,
                 [&](TCommonGeometry&) { p.dr2D_V1(0, 0, 0, 1.0, p.d, p.D, p.k, p.R, p.Len, 31, true); });
}

// The headless set screw as the part: its sketch's lower half is thin lines, so only the upper
// half revolves (the record's screw draws both halves closed). The sheet shows both screws.
void BuildSetScrew(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][5] = {{3, 4.5, 12, 4, 3}, {4, 6, 16, 5, 4}, {5, 7.5, 20, 6, 5}}; // r R L K S
    const Real* s = sizes[Size];
    TSetScrew w(Id, &M, TConstruktor::Empty());
    w.r = s[0], w.R = s[1], w.L = s[2], w.K = s[3], w.S = s[4];
    const TCommonGeometry G(M);
    RevolvedPart(M, Id, [&] { G.dr2D_HexagonSocketSetScrew_V1(0, 0, 0, 1.0, w.r, w.S, 1.0, w.L, 0, false); });
    ToolboxSheet(M, Id, [&](TCommonGeometry& T) {
        w.dr2D_V1(0, 0, 0, 1.0, w.r, w.R, w.L, w.K, w.S, 1, false);
        T.dr2D_HexagonSocketSetScrew_V1(0, -4 * w.r, 0, 1.0, w.r, w.S, 1.0, w.L, 1, false);
    });
}

void BuildSprueBushing(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Seat radius, orifice, collar, fit above the collar, shank, length, collar height, seat depth.
    static const Real sizes[][8] = {{12, 2, 25, 12.5, 45, 60, 8, 5},
                                    {16, 2.5, 30.5, 15, 60, 80, 10, 5},
                                    {20, 3, 35, 18, 100, 125, 12, 6}};
    const Real* s = sizes[Size];
    TInjectPlug p(Id, &M, TConstruktor::Empty());
    p.SphereRadius = s[0], p.TPARadius = s[1], p.CollarRadius = s[2], p.BFitRadius = s[3], p.FitLen = s[4];
    p.Len = s[5], p.CollarHeight = s[6], p.SphereLen = s[7];
    p.Design = true;
    p.dr3D(0);
    p.dr2D();
}

void BuildGuidePillar(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Working radius, end radius, end length, length, working length.
    static const Real sizes[][5] = {{12, 10, 10, 100, 80}, {16, 12, 15, 140, 110}, {20, 16, 20, 180, 140}};
    const Real* s = sizes[Size];
    TDirectColumn c(Id, &M, TConstruktor::Empty());
    c.Radius = s[0], c.TailRadius = s[1], c.TailLen = s[2], c.Len = s[3], c.SupportLen = s[4];
    c.Design = true;
    c.dr3D(0);
    c.dr2D();
}

// The ring and its plate are two details of one record; each entry makes one of them and
// names no detail (-1) for the other, which is then not made.
constexpr TDcDetail NoDetail = -1;

void BuildLocating(TModeler3D& M, TDcDetail Ring, TDcDetail Plate, Integer Size)
{
    // Thickness, radius, spigot radius and height, bore, bolt circle, pin radius, bolt, head
    // radius and depth, the bolts' count, the column tails' circle and radius.
    static const Real sizes[][13] = {{15, 50, 35, 5, 18, 42, 3, 3, 5.5, 6.5, 4, 25, 4},
                                     {20, 60, 60, 0, 20, 50, 4, 4, 7, 8.5, 3, 30, 5},
                                     {20, 75, 50, 8, 25, 62, 5, 5, 8.5, 10, 5, 35, 6}};
    const Real* s = sizes[Size];
    TColumnTail tails(NoDetail, &M, TConstruktor::Empty());
    tails.PlaceRadius = s[11], tails.Radius = s[12], tails.Count = 4;
    const Real angles[] = {0, 30, 120, 210, 300};
    std::copy(std::begin(angles), std::end(angles), tails.Angle);
    TLocatingRing r(Ring, Plate, &M, nullptr, &tails);
    r.Thickness = s[0], r.Radius = s[1], r.BaseRadius = s[2], r.BaseThickness = s[3], r.InRadius = s[4];
    r.FixRadius = s[5], r.PinRadius = s[6], r.FixBoltRadius = s[7], r.FixBoltHeadRadius = s[8];
    r.FixBoltHeadLen = s[9], r.CountFix = Integer(s[10]);
    for (Integer i = 0; i < r.CountFix; ++i)
        r.FixAngle[i] = 45 + 360.0 / r.CountFix * i;
    r.Design = true;
    r.dr3D(0);
    r.dr2D();
}

void BuildLocatingRing(TModeler3D& M, TDcDetail Id, Integer Size)
{
    BuildLocating(M, Id, NoDetail, Size);
}

void BuildLocatingPlate(TModeler3D& M, TDcDetail Id, Integer Size)
{
    BuildLocating(M, NoDetail, Id, Size);
}

void BuildChannelWasher(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const TPair2 sizes[] = {{5, 15}, {6, 20}, {8, 25}}; // height, radius
    TWasherEjectorChannel w(Id, &M, TConstruktor::Empty());
    w.Height = sizes[Size].a, w.Radius = sizes[Size].b;
    w.Design = true;
    w.dr3D(0);
    w.dr2D();
}

// Radius, across flats, length, thread length, thread radius.
const Real ColumnTailSizes[][5] = {{10, 17, 60, 20, 8}, {12.5, 22, 70, 25, 10}, {15, 27, 80, 30, 12}};

void SetColumnTail(TColumnTail& t, Integer Size)
{
    const Real* s = ColumnTailSizes[Size];
    t.Radius = s[0], t.Key = s[1], t.Len = s[2], t.ThreadLen = s[3], t.ThreadRadius = s[4];
}

void BuildColumnTail(TModeler3D& M, TDcDetail Id, Integer Size)
{
    TColumnTail t(Id, &M, TConstruktor::Empty());
    SetColumnTail(t, Size);
    t.Design = true;
    t.dr3D(0);
    t.dr2D();
}

// The plate with its tail set (four holes at angles 1 to 4) and its rod's thread.
void BuildCirclePlane(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Thickness, radius, bolt, bolt head, head depth, bolt circle, rod thread radius and pitch.
    static const Real sizes[][8] = {
        {20, 60, 5.5, 9, 11, 40, 8, 1.5}, {25, 75, 6.6, 11, 13, 50, 10, 1.5}, {30, 90, 9, 14, 17, 62, 12, 2}};
    static const Real angles[][5] = {{0, 45, 135, 225, 315}, {0, 0, 90, 180, 270}, {0, 30, 150, 210, 330}};
    const Real* s = sizes[Size];
    TColumnTail tails(0, &M, TConstruktor::Empty());
    SetColumnTail(tails, Size);
    tails.Count = 4, tails.PlaceRadius = s[5];
    for (Integer i = 0; i < MaxStoredCount; ++i)
        tails.Angle[i] = angles[Size][i];
    TMTail rod(0, &M, TConstruktor::Empty());
    rod.ThreadRadius = s[6], rod.ThreadStep = s[7];
    TCirclePlane p(Id, &M, TConstruktor::Empty(), &tails, &rod);
    p.Thickness = s[0], p.Radius = s[1], p.BoltRadius = s[2], p.BoltHeadRadius = s[3], p.BoltHeadLen = s[4];
    p.Design = true;
    p.dr3D(0);
    p.dr2D();
}

// ---- Base-detail builder kinds -----------------------------------------------------------------

const std::vector<TBaseDetailSample> BaseSamples = {
    {"Bushing2", 2, 1, {0, 16, 25, 32, 6, 4, 20, 40}},
    {"Bushing4", 4, 1, {0, 16, 25, 32, 6, 4, 20, 40}},
    {"Sleeve3", 3, 3, {0, 8, 0, 16, 10, 25, 30}},
    {"LeaderPin5", 5, 1, {0, 20, 20, 28, 6, 25, 4, 0, 100}},
    {"LeaderPin6", 6, 1, {0, 20, 20, 28, 6, 4, 6, 100}},
    {"LeaderPin7", 7, 1, {0, 20, 28, 4, 6, 100}},
    {"LeaderPin8", 8, 1, {0, 12, 3, 60}},
    {"LeaderPin29", 29, 1, {0, 20, 25, 32, 6, 4, 20, 100}},
    {"LeaderPin30", 30, 1, {0, 20, 25, 32, 6, 25, 4, 20, 100}},
    {"Bushing10", 10, 1, {0, 16, 25, 32, 10, 40}},
    {"Bushing11", 11, 1, {0, 16, 25, 32, 6, 10, 40}},
    {"EjectorPin12", 12, 1, {0, 6, 10, 4, 0.5, 100}},
    {"EjectorPlug13", 13, 2, {0, 20, 12, 26, 14, 5, 20, 30}},
    {"Sprue14", 14, 2, {0, 0, 50, 8, 0, 4, 45, 2}},
    {"Sprue15", 15, 2, {0, 0, 50, 8, 0, 4, 45, 2, 12}},
    {"Sprue16", 16, 2, {0, 0, 50, 8, 0, 4, 45, 2}},
    {"Sprue17", 17, 2, {0, 0, 50, 8, 0, 4, 45, 2, 12}},
    {"LocatingRing18", 18, 1, {0, 36, 5, 100, 15, 90, 5, 60}},
    {"LocatingRing19", 19, 1, {0, 36, 5, 100, 15, 90, 5, 60}},
    {"EjectorRod20", 20, 1, {0, 20, 10, 16, 15, 15, 10, 100}},
    {"LocatingRing21", 21, 3, {0, 100, 15, 36, 5, 90}},
    {"SetScrew22", 22, 1, {0, 8, 30, 12, 8, 4}},
    {"StopPin23", 23, 1, {0, 20, 12, 40, 6, 1}},
    {"TubeDowel24", 24, 1, {0, 16, 10, 20}},
    {"SocketSetScrew25", 25, 1, {0, 10, 4, 1, 20}},
    {"CapScrew26", 26, 1, {0, 8, 13, 6, 8, 4, 20, 0.4, 30}},
    {"SupportWasher27", 27, 1, {0, 30, 15, 9, 8, 20}},
    {"Pin31", 31, 1, {0, 10, 40, 1}},
    {"HexBolt32", 32, 2, {0, 50, 10, 26, 0, 6.4, 0, 0, 16, 0, 0, 0}},
    {"CapScrew33", 33, 1, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}},
    {"SlottedScrew34", 34, 1, {0, 8, 30, 0, 0, 13, 8, 20}},
    {"CrossScrew35", 35, 1, {0, 8, 30, 0, 0, 12, 6, 0, 0, 0, 0, 6, 2}},
    {"Fitting36", 36, -1, {}},
    {"HexPlug37", 37, 0, {10, 13, 20}},
    {"TangHead38", 38, 2, {30, 10, 10, 6}},
    {"Bushing43", 43, 3, {0, 0, 0, 16, 25, 40}},
    {"LeaderPin50", 50, 3, {0, 0, 0, 10, 80, 4}},
    {"Bushing51", 51, 3, {0, 0, 0, 16, 25, 40}},
    {"Bushing52", 52, 3, {0, 0, 0, 16, 0, 25, 0, 40, 0, 10}},
};

// The part of sample Index of the builder's samples, as detail Id.
void BuildBaseSample(TModeler3D& M, TDcDetail Id, std::size_t Index)
{
    const TBaseDetailSample& s = BaseSamples[Index];
    const std::string file = TToolboxFile(Id).File.PChar();
    const std::size_t slash = file.rfind('/') + 1, dot = file.rfind('.');
    TString path(file.substr(0, slash).c_str()), name(file.substr(slash, dot - slash).c_str()), marking("");
    std::vector<double> P = s.P;
    P.resize(13, 0.0);
    drBaseDetail(M, path, name, marking, s.Kind, 0, P.data(), false);
}

// A family of the builder's kinds: sample size i is the family's i-th kind.
template <int... Kinds> void BuildBaseFamily(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const int kinds[] = {Kinds...};
    for (std::size_t i = 0; i < BaseSamples.size(); ++i)
        if (BaseSamples[i].Kind == kinds[Size]) return BuildBaseSample(M, Id, i);
}

// The spring-loaded ejector with its plug's cone: the first size is the reference pin (spigot
// 10, fit 4 over 20, collar 6 by 5, notch 2 deep over the cone's 8).
void BuildEjectorChannel(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Radius, Len, SpringRadius, SpringLen, FitRadius, FitLen, CollarRadius, CollarHeight,
    // GradeHeight, the plug's ConeLen.
    static const Real sizes[][10] = {{3, 100, 2, 10, 4, 20, 6, 5, 2, 8},
                                     {4, 120, 3, 12, 5, 25, 8, 6, 2.5, 10},
                                     {2, 80, 1.5, 8, 2, 16, 4, 4, 0, 6}};
    const Real* s = sizes[Size];
    TEjectorPlug plug(0, &M, TConstruktor::Empty());
    plug.ConeLen = s[9];
    TEjectorChannel e(Id, &M, TConstruktor::Empty(), &plug);
    e.Radius = s[0], e.Len = s[1], e.SpringRadius = s[2], e.SpringLen = s[3], e.FitRadius = s[4];
    e.FitLen = s[5], e.CollarRadius = s[6], e.CollarHeight = s[7], e.GradeHeight = s[8];
    e.Design = true;
    e.dr3D(0);
    e.dr2D();
}

// The return pins' sizes: Radius, CollarHeight, CollarRadius, FitRadius, FitLen, Len, LenOpora.
const Real BackEjectorSizes[][7] = {
    {4, 6, 8, 5, 25, 100, 30}, {5, 8, 10, 5, 30, 125, 40}, {6, 8, 12, 7, 30, 160, 50}};

void SizeBackEjector(TBackEjector& b, Integer Size)
{
    const Real* s = BackEjectorSizes[Size];
    b.Radius = s[0], b.CollarHeight = s[1], b.CollarRadius = s[2], b.FitRadius = s[3], b.FitLen = s[4];
    b.Len = s[5], b.LenOpora = s[6];
    b.Design = true;
}

// The pins' part builds the pillar's too, as the entry after this one; that entry builds
// it again with its sheet.
void BuildBackEjector(TModeler3D& M, TDcDetail Id, Integer Size)
{
    TBackEjector b(Id, &M, TConstruktor::Empty(), Id + 1);
    SizeBackEjector(b, Size);
    b.dr3D(0);
    b.dr2D();
}

void BuildBackPillar(TModeler3D& M, TDcDetail Id, Integer Size)
{
    TBackEjector b(0, &M, TConstruktor::Empty(), Id);
    SizeBackEjector(b, Size);
    b.dr3D_Opora();
    b.dr2D_Opora();
}

void BuildReTraction(TModeler3D& M, TDcDetail Id, Integer Size)
{
    // Radius, FitLen, Fit2Len, CollarHeight, CollarRadius.
    static const Real sizes[][5] = {{4, 20, 40, 6, 7}, {5, 25, 50, 6, 8}, {6, 30, 60, 8, 10}};
    const Real* s = sizes[Size];
    TReTraction r(Id, &M, TConstruktor::Empty());
    r.Radius = s[0], r.FitLen = s[1], r.Fit2Len = s[2], r.CollarHeight = s[3], r.CollarRadius = s[4];
    r.Len = s[2] + 5.4;
    r.Design = true;
    r.dr3D(0);
    r.dr2D();
}

const std::vector<TCatalogueEntry> Catalogue = {
    {"pin", "Штифт цилиндрический", Steel45, 3, false, BuildPin},
    {"capscrew", "Винт с шестигранным углублением", Steel45, 3, false, BuildCapScrew},
    {"stoppin", "Опора грибковая", SteelU8A, 3, true, BuildStopPin},
    {"bolt11738", "Болт ГОСТ 11738", Steel45, 3, true, BuildCapScrew11738},
    {"hexbolt", "Болт с шестигранной головкой", Steel45, 3, true, BuildHexBolt},
    {"nut", "Гайка", Steel45, 3, true, BuildNut},
    {"washer", "Шайба", Steel45, 3, true, BuildWasher},
    {"ring", "Шайба, втулка", Steel45, 3, false, BuildRing},
    {"pingost", "Штифт", Steel45, 3, false, BuildPinGost},
    {"distscrew", "Винт дистанционный", Steel45, 3, true, BuildDistanceScrew},
    {"clamp", "Прихват призматический", Steel45, 1, true, BuildClamp},
    {"fitting", "Штуцер", Steel45, 1, true, BuildFitting},
    {"support", "Опора предохранительная", Steel45, 3, true, BuildSafetySupport},
    {"lpbushing", "Втулка направляющая", SteelU8A, 3, true, BuildLeaderPinBushing},
    {"guidebush", "Втулка колонки направляющей", SteelU8A, 3, true, BuildGuideBush},
    {"supportwasher", "Шайба опорная", Steel45, 3, true, BuildSupportWasher},
    {"tubedowel", "Штифт трубчатый", Steel45, 3, true, BuildTubeDowel},
    {"leaderpin", "Колонка направляющая", SteelU8A, 3, true, BuildLeaderPin},
    {"sleeve", "Втулка центрирующая", Steel45, 3, true, BuildLocatingSleeve},
    {"ejectorplug", "Пробка выталкивателя", Steel45, 3, true, BuildEjectorPlug},
    {"ejectorrod", "Хвостовик выталкивателя", Steel45, 3, true, BuildEjectorRod},
    {"ejectorpin", "Толкатель", SteelU8A, 3, true, BuildEjectorPin},
    {"setscrew", "Винт установочный", Steel45, 3, true, BuildSetScrew},
    {"sprue", "Втулка литниковая", SteelU8A, 3, true, BuildSprueBushing},
    {"pillar", "Колонка направляющая", SteelU8A, 3, true, BuildGuidePillar},
    {"locring", "Кольцо установочное", Steel45, 3, true, BuildLocatingRing},
    {"locplate", "Плита кольца установочного", Steel45, 3, true, BuildLocatingPlate},
    {"channelwasher", "Шайба канала толкателя", Steel45, 3, true, BuildChannelWasher},
    {"columntail", "Хвостовик колонки", Steel45, 3, true, BuildColumnTail},
    {"circleplate", "Плита круглая", Steel45, 3, true, BuildCirclePlane},
    {"ejectorchannel", "Толкатель подпружиненный", SteelU8A, 3, true, BuildEjectorChannel},
    {"backejector", "Толкатель возвратный", SteelU8A, 3, true, BuildBackEjector},
    {"backpillar", "Опора толкателя возвратного", Steel45, 3, true, BuildBackPillar},
    {"retraction", "Толкатель литника", SteelU8A, 3, true, BuildReTraction},
    {"basebushing", "Втулка (базовая деталь)", SteelU8A, 7, false, BuildBaseFamily<2, 4, 10, 11, 43, 51, 52>,
     true},
    {"basesleeve", "Втулка центрирующая (базовая деталь)", Steel45, 1, false, BuildBaseFamily<3>, true},
    {"basepin", "Колонка (базовая деталь)", SteelU8A, 7, false, BuildBaseFamily<5, 6, 7, 8, 29, 30, 50>,
     true},
    {"baseejector", "Толкатель, пробка, хвостовик (базовая деталь)", Steel45, 3, false,
     BuildBaseFamily<12, 13, 20>, true},
    {"basesprue", "Втулка литниковая (базовая деталь)", SteelU8A, 4, false, BuildBaseFamily<14, 15, 16, 17>,
     true},
    {"basering", "Кольцо установочное (базовая деталь)", Steel45, 3, false, BuildBaseFamily<18, 19, 21>,
     true},
    {"basescrew", "Винт, болт (базовая деталь)", Steel45, 7, false,
     BuildBaseFamily<22, 25, 26, 32, 33, 34, 35>, true},
    {"baseother", "Опора, штифт, шайба, штуцер, пробка (базовая деталь)", Steel45, 7, false,
     BuildBaseFamily<23, 24, 27, 31, 36, 37, 38>, true},
};

} // namespace

const std::vector<TCatalogueEntry>& ComponentCatalogue()
{
    return Catalogue;
}

const std::vector<TBaseDetailSample>& BaseDetailSamples()
{
    return BaseSamples;
}

TCatalogueModel::TCatalogueModel(const Str& FilePrefix) : TControlModel("Gallery.dss", "Gallery.chm")
{
    FRows.push_back({0, "Сборка", 0, 0.0, 1.0, nullptr, {}});
    for (std::size_t i = 0; i < Catalogue.size(); ++i)
        FRows.push_back({Integer(i + 1), Catalogue[i].Name, Catalogue[i].Material, 0.0, 1.0, nullptr, {}});
    SetDetails(FRows.data(), Integer(FRows.size()));
    prFileName = FilePrefix;
}

TDcDetail TCatalogueModel::RowOf(const char* Stem) const
{
    for (std::size_t i = 0; i < Catalogue.size(); ++i)
        if (std::strcmp(Catalogue[i].Stem, Stem) == 0) return TDcDetail(i + 1);
    return 0;
}
