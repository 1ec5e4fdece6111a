// The standard components in the catalogue, with their sample sizes: the sizes a mould maker
// would try first, taken from the bundled element library where the component reads one.

#include "ComponentCatalogue.h"

#include <cstring>

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
    {"ejectorchannel", "Толкатель подпружиненный", SteelU8A, 3, true, BuildEjectorChannel},
    {"backejector", "Толкатель возвратный", SteelU8A, 3, true, BuildBackEjector},
    {"backpillar", "Опора толкателя возвратного", Steel45, 3, true, BuildBackPillar},
    {"retraction", "Толкатель литника", SteelU8A, 3, true, BuildReTraction},
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
