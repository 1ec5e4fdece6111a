// The facade's dimensions in a stand-in drawing: drDimL's host calls in order and its
// direction table, drDimL7's offset dimension line, the diametral, radial and angular
// dimensions, and the paths that make nothing.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Contour.h"
#include "DimFacadeFixture.h"

namespace {

using TBaseShift = std::pair<std::int64_t, std::int64_t>;

TBaseShift BaseShift(const tvhost::TParams& p) {
    return {p.Int("TextBase"), p.Int("TextShift")};
}

} // namespace

class TModelerApiDimTest : public TDimFacadeFixture {};

TEST_F(TModelerApiDimTest, DimLTalksToTheHostInItsOrder) {
    Journal().Clear();
    DimL(0.0, 5.0, 3, "&02", "h14");
    // clang-format off
    const std::vector<std::string> expected = {
        "ISymbols2DContainer::GetLineDimensions()", "ILineDimensions::Add()", "ILineDimension::SetX1(10)",
        "ILineDimension::SetY1(0)", "ILineDimension::SetX2(40)", "ILineDimension::SetY2(20)",
        "ILineDimension::SetOrientation(2)", "ILineDimension::SetAngle(1.5707963267948966)",
        "IDimensionText::GetPrefix()", "ITextLine::SetStr(&02)", "IDimensionText::GetSuffix()",
        "ITextLine::SetStr(h14)", "IDimensionParams::SetArrowType1(2)", "IDimensionParams::SetArrowType2(3)",
        "IDimensionParams::SetTextPos(1)", "IDimensionParams::SetShelfLength(6)",
        "IDimensionParams::SetShelfAngle(30)", "IDimensionParams::SetArrowOn1(true)",
        "IDimensionParams::SetArrowOn2(false)", "IDimensionParams::SetTextBase(1)",
        "IDimensionParams::SetTextShift(-3)", "IDrawingObject::Update()", "IDrawingObject::Update()"};
    // clang-format on
    EXPECT_EQ(Journal().Lines(), expected);
    EXPECT_TRUE(Current() == Drawn().at(0));
    EXPECT_FALSE(R().Obj3D); // a host dimension is no model object

    // Dx, Dy, Pt -> orientation, angle (radians), base, shift; empty texts are written too.
    constexpr double Pi = std::numbers::pi;
    for (const auto& [dx, dy, pt, orientation, angle, base, shift] :
         std::vector<std::tuple<double, double, int, int, double, int, int>>{
             {0, 0, -3, 2, 0, 2, -3},
             {-1, 0, 0, 1, Pi, 0, 0},
             {1, -1e-9, 7, 0, 0, 1, -7},
             {3, 4, 0, 0, std::atan2(4.0, 3.0), 0, 0},
             {0, -2, 0, 2, 1.5 * Pi, 0, 0}}) {
        SCOPED_TRACE(dx + dy);
        Journal().Clear();
        DimL(dx, dy, pt);
        const tvhost::TParams& p = Core(Current()).Params();
        EXPECT_EQ(p.Int("Orientation"), orientation);
        EXPECT_NEAR(p.Real("Angle", -1.0), angle, 1e-12);
        EXPECT_EQ(BaseShift(p), TBaseShift(base, shift));
        EXPECT_EQ(Journal().Count("ITextLine::SetStr"), 2u);
    }
}

// The dimension line is offset by (Dx, Dy) for the shelf angles 0 and 90 and left at the
// host's midpoint (25, 10) otherwise; the text stands Dln along Fn from it.
TEST_F(TModelerApiDimTest, DimL7PlacesAnOverallSizeInTheActiveView) {
    const double diagonal = 5.0 * std::sqrt(2.0);
    for (const auto& [dx, dy, fn, dln, orientation, pos, lineX, lineY, textX, textY] :
         std::vector<std::tuple<double, double, double, double, int, int, double, double, double, double>>{
             {0, 5, 0, 0, 1, 0, 40, 5, 40, 5},
             {5, 0, 90, 4, 2, 2, 15, 20, 15, 24},
             {2, 3, 45, 10, 0, 2, 25, 10, 25 + diagonal, 10 + diagonal},
             {-6, 0, 0, -8, 2, 1, 34, 0, 26, 0}}) {
        SCOPED_TRACE(fn);
        drApi::MA.drDimL7(0.0, "", dx, dy, 3, 1, fn, dln, 10.0, 0.0, 1, 1, 40.0, 20.0, 1, 1, "a", "b", "");
        auto& dim = dynamic_cast<tvhost::THostLineDimension&>(Obj(Drawn().size() - 1));
        const tvhost::TParams& p = dim.Params();
        EXPECT_EQ(p.Int("Orientation"), orientation);
        EXPECT_EQ(p.Int("TextPos"), pos);
        EXPECT_EQ(p.Int("ArrowType1"), 7);
        EXPECT_EQ(p.Int("ArrowType2"), 7);
        EXPECT_FALSE(p.Has("Angle") || p.Has("TextBase"));
        EXPECT_DOUBLE_EQ(dim.LineX(), lineX);
        EXPECT_DOUBLE_EQ(dim.LineY(), lineY);
        EXPECT_NEAR(p.Real("TextX"), textX, 1e-12);
        EXPECT_NEAR(p.Real("TextY"), textY, 1e-12);
        EXPECT_TRUE(p.Flag("AutoNominal"));
        EXPECT_EQ(TextOf(dim, "Upper") + TextOf(dim, "Lower") + TextOf(dim, "Prefix"), L"+0,02-0,02");
    }
    EXPECT_FALSE(Current()); // the current object is left alone
}

TEST_F(TModelerApiDimTest, DiametralRadialAndAngularDimensions) {
    drApi::MA.drDimD(20.0, "h7", 30.0, -4, 2, 5.0, 6.0, 0, "2 отв. ", " *", "");
    const tvhost::TParams& d = Core(Current()).Params();
    EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrDDimension);
    EXPECT_EQ(d.Real("Radius"), 10.0);
    EXPECT_EQ(BaseShift(d), TBaseShift(2, -4));
    EXPECT_EQ(Core(Current()).Updates(), 2);
    EXPECT_EQ(Journal().Calls("ITextLine::SetStr").at(0).Arguments,
              std::vector<std::string>{" *"}); // suffix first

    for (const auto& [drl, shift] : std::vector<std::pair<double, int>>{{2.5, 3}, {-2.5, -3}, {1e-7, 0}}) {
        drApi::MA.drDimR(20.0, "", 15.0, drl, 9, 1, 1.0, 2.0, 0, 0, "R", "", "");
        const tvhost::TParams& r = Core(Current()).Params();
        EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrRDimension);
        EXPECT_EQ(r.Real("Radius"), 20.0);
        EXPECT_EQ(r.Int("TextShift"), shift);
        EXPECT_FALSE(r.Has("TextBase"));
    }

    drApi::MA.drDimA(30.0, -1, 90.0, 25.0, 0, 2, 15.0, 7.6, 0.0, 25.0, 1, 1, 12.5, 21.65, 2, 0, "~", 0.0,
                     0.0);
    const tvhost::TParams& a = Core(Current()).Params();
    EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrADimension);
    EXPECT_EQ(a.Real("Angle1"), 90.0);
    EXPECT_EQ(a.Real("Angle2"), 60.0);
    EXPECT_EQ(a.Real("ShelfLength"), 8.0);
    EXPECT_EQ(a.Int("TextShift"), 15);
    EXPECT_EQ(Core(Current()).Updates(), 1);
    EXPECT_EQ(std::vector<std::string>(a.Log().end() - 2, a.Log().end()),
              (std::vector<std::string>{"TextShift", "TextBase"}));
    drApi::MA.drDimA(45.0, 1, 0.0, 25.0, 0, 2, 0.0, 0.0, 25.0, 0.0, 1, 1, 17.7, 17.7, 1, 1, "", 0.0, 0.0);
    EXPECT_EQ(Core(Current()).Params().Int("TextShift"), 23);
}

// Contour collection, a missing container and each refused host step make nothing and keep
// the current object; drDimL7 does not look at contour collection.
TEST_F(TModelerApiDimTest, NothingIsMadeWithoutContainerCollectionOrInContourMode) {
    const auto all = [] {
        DimL(0.0, 1.0, 0);
        drApi::MA.drDimD(20.0, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
        drApi::MA.drDimR(20.0, "", 0.0, 0.0, 0, 0, 0.0, 0.0, 0, 0, "", "", "");
        drApi::MA.drDimA(30.0, 1, 0.0, 10.0, 0, 0, 0.0, 0.0, 10.0, 0.0, 1, 1, 0.0, 10.0, 1, 1, "", 0.0, 0.0);
    };
    const auto dimL7 = [] {
        drApi::MA.drDimL7(0.0, "", 0.0, 5.0, 0, 0, 0.0, 0.0, 0.0, 0.0, 0, 0, 10.0, 0.0, 0, 0, "", "", "");
    };
    TContour contour;
    drApi::MA.SetOutput(&contour);
    all();
    dimL7();
    drApi::MA.SetOutput(nullptr);
    EXPECT_EQ(Drawn().size(), 1u);
    EXPECT_FALSE(Current());

    for (const char* op : {"ISymbols2DContainer::GetLineDimensions", "ILineDimensions::Add",
                           "ISymbols2DContainer::GetDiametralDimensions", "IDiametralDimensions::Add",
                           "IRadialDimensions::AddRadial", "ISymbols2DContainer::GetAngleDimensions",
                           "IAngleDimensions::Add"}) {
        InjectFault(op); // fires once and stops one of the four
        all();
    }
    EXPECT_EQ(Drawn().size(), 1u + 7u * 3u);

    const tvapi::IDrawingObjectPtr last = Current();
    R().Symbols2DContainer.Reset();
    all();
    EXPECT_TRUE(Current() == last);
    tvapi::ITervanDocument2DPtr none;
    EXPECT_FALSE(drApi::GetSymbols2DContainer(none));
    Open(tvapi::tvDocumentPart); // drDimL7 needs a drawing active
    dimL7();
    EXPECT_EQ(Drawn().size(), 22u);
}
