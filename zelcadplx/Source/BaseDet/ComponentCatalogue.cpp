// The standard components in the catalogue, with their sample sizes: the sizes a mould maker
// would try first, taken from the bundled element library where the component reads one.

#include "ComponentCatalogue.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "Clamper.h"
#include "DistanceScrew.h"
#include "Fitting.h"
#include "MathDetail2.h"
#include "MathDetailsl.h"
#include "drModeler3D.h"

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
    if (!M.drLeafStampView1(Id, 0, 0.0, 0.0, true)) return;
    TCommonGeometry G(M);
    Draw(G);
    M.drCloseViewTDemCloseLeaf("", "", "", "");
}

void BuildCapScrew11738(TModeler3D& M, TDcDetail Id, Integer Size)
{
    static const Real sizes[][3] = {{6, 10, 30}, {8, 13, 40}, {10, 16, 50}}; // d, D, L
    const Real d = sizes[Size][0], D = sizes[Size][1], L = sizes[Size][2];
    const TToolboxFile f(Id);
    TCommonGeometry(M).dr3D_ScrewGost11738(f.File, f.Name, f.Marking, d, D, 0.5 * D, d, 0.5 * d, L, 0.6 * L,
                                           0.4);
    ToolboxSheet(
        M, Id, [&](TCommonGeometry& G) { G.dr2D_Bolt11738_V1(0, 0, 0, 1, d / 2, L - d, 0.6 * L, 31, true); });
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
    {"sprue", "Втулка литниковая", SteelU8A, 3, true, BuildSprueBushing},
    {"pillar", "Колонка направляющая", SteelU8A, 3, true, BuildGuidePillar},
    {"locring", "Кольцо установочное", Steel45, 3, true, BuildLocatingRing},
    {"locplate", "Плита кольца установочного", Steel45, 3, true, BuildLocatingPlate},
};

} // namespace

const std::vector<TCatalogueEntry>& ComponentCatalogue()
{
    return Catalogue;
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
