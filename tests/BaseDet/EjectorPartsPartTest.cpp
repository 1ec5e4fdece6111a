// The ejector plug, rod, pin and set screw built on the stand-in host: each part's volume
// against its revolved section (Pappus) less its cuts, sheets that reopen with their
// dimensions, and a rod whose unset drawing sizes leave its profile degenerate.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

#include "ComponentHostFixture.h"
#include "MathDetail2.h"

namespace {

using TPolygon = std::vector<std::pair<double, double>>;
constexpr double pi = std::numbers::pi;

// The volume the polygon (x along the axis, y radial) sweeps about the axis: 2 pi times its
// first moment about the axis.
double Revolved(const TPolygon& p)
{
    double s = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto [x0, y0] = p[i];
        const auto [x1, y1] = p[(i + 1) % p.size()];
        s += (x0 * y1 - x1 * y0) * (y0 + y1);
    }
    return 2 * pi * std::abs(s) / 6;
}

// The segment of a circle of radius r beyond a chord w from its centre.
double Segment(double r, double w)
{
    return r * r * std::acos(w / r) - w * std::sqrt(r * r - w * w);
}

class TEjectorPartsPartTest : public TComponentHostFixture {
protected:
    // The linear dimensions of the saved sheet of detail id; -1 when it does not open.
    int SheetDimensions(TDcDetail id)
    {
        const tvapi::ITervanDocumentPtr sheet =
            Host().App().Documents().OpenFile(Wide(Model->sfDetail2D(id, 0)), false);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(sheet.Get());
        if (!drawing) return -1;
        int n = 0;
        for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
            for (const tvapi::IDrawingObjectPtr& o : view->Children()) {
                const auto* core = dynamic_cast<tvhost::TDrawingCore*>(o.Get());
                n += core && core->Type() == tvapi::tvDrLDimension;
            }
        return n;
    }
    double PartVolume(TDcDetail id)
    {
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        if (shapes.size() != 1 || !tvhost::IsValidShape(shapes[0])) return -1;
        const double v = tvhost::Volume(shapes[0]);
        Kept.Reset();
        return v;
    }
};

TEST_F(TEjectorPartsPartTest, PlugIsTheHollowRevolvedSectionAndItsSheetReopens)
{
    const TDcDetail id = Present("ejectorplug");
    TEjectorPlug p(id, &drApi::MA, TConstruktor::Empty());
    p.Radius = 10, p.Len = 30, p.ConeLen = 5, p.CollarHeight = 5, p.CollarRadius = 13;
    p.ECRadius = 6, p.EC2Radius = 7, p.EC2Len = 20;
    p.dr3D(0);
    const double t1 = std::tan(pi / 180);
    const TPolygon section = {{0, 13}, {5, 13},  {5, 9.7},  {7.7, 9.7},
                              {8, 10}, {30, 10}, {30, 6.1}, {25, 6.1 + 5 * t1},
                              {25, 6}, {20, 6},  {19, 7},   {0, 7}};
    // The rounded corners of the groove and the seat change it by less than 2.
    EXPECT_NEAR(PartVolume(id), Revolved(section), 2.0);
    p.dr2D();
    EXPECT_EQ(SheetDimensions(id), 10);
}

// Collar 24 by 20 with a cross hole 6 at 10 and flats 17 apart over 16, body 20, thread M16
// over 20 with its groove and chamfer, a hole 5 by 12 counterbored 8 by 4 in its end.
TEST_F(TEjectorPartsPartTest, RodIsItsSectionLessTheCrossHoleAndTheFlats)
{
    const TDcDetail id = Present("ejectorrod");
    TMTail t(id, &drApi::MA, TConstruktor::Empty());
    t.Radius = 10, t.Len = 80, t.ThreadLen = 20, t.ThreadRadius = 8, t.ThreadStep = 1.5;
    t.CollarRadius = 12, t.R61 = 3, t.X88 = 10, t.X89 = 16, t.X90 = 20, t.R97 = 4, t.R98 = 2.5;
    t.Y3 = 12, t.Y4 = 4;
    t.dr3D(0);
    const TPolygon section = {{6, 0},    {8, 2.5},  {16, 2.5}, {16, 4},    {20, 4},  {20, 6},
                              {19, 7},   {18, 8},   {3, 8},    {2.7, 7.7}, {0, 7.7}, {0, 10},
                              {-40, 10}, {-40, 12}, {-57, 12}, {-60, 9},   {-60, 0}};
    // The flats take a segment beyond 8.5 over 16, the first 3 of them on the collar's chamfer
    // (radius 9 to 12); the cross hole lies between the flats, 17 long.
    double chamfered = 0;
    constexpr int steps = 3000;
    for (int i = 0; i < steps; ++i)
        chamfered += Segment(9 + 3.0 * (i + 0.5) / steps, 8.5) * 3.0 / steps;
    const double flats = 2 * (chamfered + 13 * Segment(12, 8.5));
    const double volume = PartVolume(id);
    t.dr2D();
    EXPECT_EQ(SheetDimensions(id), 18); // 14 of the side view, 2 of the end view, 2 of view A
    ASSERT_GT(volume, 0);
    EXPECT_NEAR(volume, Revolved(section) - flats - pi * 9 * 17, 2.0);
}

TEST_F(TEjectorPartsPartTest, CatalogueRodAndAnUnsetRodStillMakeTheirDocuments)
{
    const TDcDetail id = Present("ejectorrod");
    TMTail t(id, &drApi::MA, TConstruktor::Empty());
    t.Radius = 8, t.Len = 60, t.ThreadLen = 12, t.ThreadRadius = 3, t.ThreadStep = 0.5, t.CollarRadius = 7;
    t.X90 = 10, t.X89 = 10, t.Code = 1;
    t.dr3D(0);
    // Holes of radius 2 drilled 16 and 14 deep past their countersinks (radius 3 to 2 over 1)
    // with their drill points, the rod chamfered 1 at both ends.
    const double cone = pi * 4 / 3 * 2 * 0.5773502691896257, countersink = pi * (9 + 6 + 4) / 3;
    const double rod = pi * 64 * 60 - 2 * 2 * pi * (8 - 1.0 / 3) * 0.5;
    const double holes = pi * 4 * (16 + 14) + 2 * cone + 2 * countersink;
    const double volume = PartVolume(id);
    EXPECT_LT(volume, rod - holes + 1.0);
    EXPECT_GT(volume, rod - holes - 2 * 10 * Segment(8, 6.5) - 1.0);
    t.dr2D();
    EXPECT_EQ(SheetDimensions(id), 0); // the catalogue rod's half section has none

    // The drawing sizes no stream keeps, left at 0: the collar folds back on itself and the
    // flats have no depth; both features fail, so the empty part is told and not saved.
    TMTail bare(id, &drApi::MA, TConstruktor::Empty());
    bare.Radius = 10, bare.Len = 80, bare.ThreadLen = 20, bare.ThreadRadius = 8, bare.CollarRadius = 12;
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    bare.dr3D(0);
    EXPECT_FALSE(std::filesystem::exists(Model->sfDetail3D(id, 0).PChar()));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Arguments[0].rfind("Деталь не построена: ", 0), 0u) << boxes[0].Arguments[0];
    // Nor is its sheet: the sheet of the rod built before goes with it.
    bare.dr2D();
    EXPECT_EQ(SheetDimensions(id), -1);
}

TEST_F(TEjectorPartsPartTest, PinAndSetScrewPartsOfTheGallery)
{
    const TDcDetail pin = Present("ejectorpin");
    ComponentCatalogue()[std::size_t(pin - 1)].Build(drApi::MA, pin, 1); // d 3, D 5, k 5, R 0.5, L 100
    // The fillet under the head adds less than 1.5.
    const double head = Revolved({{0, 0}, {0, 5}, {5, 5}, {5, 3}, {100, 3}, {100, 0}});
    EXPECT_NEAR(PartVolume(pin), head, 1.5);
    EXPECT_GT(PartVolume(pin), head);
    EXPECT_EQ(SheetDimensions(pin), 4);

    const TDcDetail screw = Present("setscrew");
    ComponentCatalogue()[std::size_t(screw - 1)].Build(drApi::MA, screw, 1); // r 4, S 4, L 16
    const double x0 = 2 * (1 + 0.5773502691896257);
    const TPolygon half = {{x0, 0}, {2, 2}, {0, 2}, {0, 3}, {1, 4}, {15, 4}, {16, 3}, {16, 0}};
    EXPECT_NEAR(PartVolume(screw), Revolved(half), 1e-6);
    EXPECT_EQ(SheetDimensions(screw), 0);
}

} // namespace
