// The facade's dimensions in a stand-in drawing: drDimL's direction table, drDimL7's offset
// dimension line, the diametral, radial and angular dimensions, and the paths that make nothing.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Contour.h"
#include "FacadeFixture.h"

class TModelerApiDimTest : public TDrawingFacadeFixture {
protected:
    // drDimL over (10, 0) and (40, 20): text position 1, shelf 6 at 30 degrees, terminator 2
    // drawn at the first end and 3, not drawn, at the second.
    static void DimL(double Dx, double Dy, int Pt, const char* S1 = "", const char* S2 = "")
    {
        drApi::MA.drDimL(0.0, "", Dx, Dy, Pt, 1, 30.0, 6.0, 10.0, 0.0, 2, 5, 40.0, 20.0, 3, 0, S1, S2, "");
    }
};

// Dx, Dy, Pt -> orientation, angle (radians), text base and shift, the dimension-line point
// and the measured value over (10, 0) and (40, 20).
// The callers give (Dx, Dy) as the line's offset: a zero Dx measures along X, a zero Dy along Y.
TEST_F(TModelerApiDimTest, DimLMeasuresAcrossItsOffsetAndTakesTheTextPlaceFromPt)
{
    constexpr double Pi = std::numbers::pi;
    const double cases[][8] = {
        {0, 5, 3, 1, 0, 1, -3, 30},      {0, 0, -3, 2, Pi / 2, 2, -3, 20},
        {-1, 0, 0, 2, Pi / 2, 0, 0, 20}, {1, -1, 7, 0, Pi / 4, 1, -7, 50 / std::sqrt(2.0)},
        {0, -2, 0, 1, 0, 0, 0, 30},      {3, 4, 0, 0, std::atan2(3.0, -4.0), 0, 0, 0.6 * 20 - 0.8 * 30}};
    for (const auto& [dx, dy, pt, orientation, angle, base, shift, value] : cases) {
        SCOPED_TRACE(testing::Message() << dx << " " << dy << " " << pt);
        DimL(dx, dy, static_cast<int>(pt), "&02", "h14");
        const tvhost::TParams& p = Core(Current()).Params();
        EXPECT_EQ(Current(), Drawn().back());
        EXPECT_FALSE(R().Obj3D); // a host dimension is no model object
        EXPECT_EQ(p.Int("Orientation"), orientation);
        EXPECT_EQ(p.Int("TextBase"), base);
        EXPECT_EQ(p.Int("TextShift"), shift);
        EXPECT_NEAR(p.Real("Angle", -1.0), angle, 1e-12);
        EXPECT_EQ(Core(Current()).Text("Prefix").Str() + Core(Current()).Text("Suffix").Str(), L"&02h14");
        // The line stands off the second point, the base the components measure from.
        EXPECT_DOUBLE_EQ(p.Real("X3"), 40 + dx);
        EXPECT_DOUBLE_EQ(p.Real("Y3"), 20 + dy);
        EXPECT_NEAR(tvapi::IDimensionTextPtr(Current())->GetNominalValue(), std::fabs(value), 1e-12);
    }
}

// A dimension with no terminator at one end (a diameter drawn from its edge to the axis) shows
// the caller's value; one with both ends shows what it measures.
TEST_F(TModelerApiDimTest, AOneSidedDimensionShowsTheCallersValue)
{
    drApi::MA.drDimL(16.0, "", -25, 0, 0, 0, 0, 0, 2, 8, 1, 0, 0, 0, 0, 1, "M", "", "");
    const tvapi::IDimensionTextPtr half(Current());
    EXPECT_DOUBLE_EQ(half->GetNominalValue(), 16.0);
    EXPECT_EQ(half->GetNominalText()->GetStr(), L"16");
    drApi::MA.drDimL(-16.0, "", -25, 0, 0, 0, 0, 0, 2, 8, 0, 1, 0, 0, 1, 0, "M", "", "");
    EXPECT_DOUBLE_EQ(tvapi::IDimensionTextPtr(Current())->GetNominalValue(), 16.0);
    drApi::MA.drDimL(16.0, "", -25, 0, 0, 0, 0, 0, 2, 8, 1, 0, 0, 0, 1, 0, "M", "", "");
    EXPECT_DOUBLE_EQ(tvapi::IDimensionTextPtr(Current())->GetNominalValue(), 8.0);
}

// The third text goes to the dimension's note, for linear, diametral and radial dimensions.
TEST_F(TModelerApiDimTest, TheThirdTextIsTheDimensionsNote)
{
    drApi::MA.drDimL(12.0, "", 0, 5, 0, 0, 0, 0, 0, 0, 1, 0, 12, 0, 1, 0, "M", "", "-7H");
    EXPECT_EQ(Core(Current()).Text("Note").Str(), L"-7H");
    drApi::MA.drDimD(20.0, "", 45, 0, 0, 0, 0, 0, "&02", "h14", "4 отв.");
    EXPECT_EQ(Core(Current()).Text("Note").Str(), L"4 отв.");
    drApi::MA.drDimR(2.0, "", 45, 0, 0, 0, 0, 0, 0, 0, "R", "", "*");
    EXPECT_EQ(Core(Current()).Text("Note").Str(), L"*");
    EXPECT_EQ(Journal().Count("IDimensionText::GetNote"), 3u);
}

// The dimension line is offset by (Dx, Dy) for the shelf angles 0 and 90 and left at the
// host's midpoint (25, 10) otherwise; the text stands Dln along Fn from it.
TEST_F(TModelerApiDimTest, DimL7PlacesAnOverallSizeInTheActiveView)
{
    const double diagonal = 5.0 * std::sqrt(2.0);
    const double cases[][10] = {{0, 5, 0, 0, 1, 0, 40, 5, 40, 5},
                                {5, 0, 90, 4, 2, 2, 15, 20, 15, 24},
                                {2, 3, 45, 10, 0, 2, 25, 10, 25 + diagonal, 10 + diagonal}};
    for (const auto& [dx, dy, fn, dln, orientation, pos, lineX, lineY, textX, textY] : cases) {
        SCOPED_TRACE(fn);
        drApi::MA.drDimL7(0.0, "", dx, dy, 3, 1, fn, dln, 10.0, 0.0, 1, 1, 40.0, 20.0, 1, 1, "a", "b", "");
        auto& dim = dynamic_cast<tvhost::THostLineDimension&>(Obj(Drawn().size() - 1));
        const tvhost::TParams& p = dim.Params();
        EXPECT_EQ(p.Int("Orientation"), orientation);
        EXPECT_EQ(p.Int("TextPos"), pos);
        EXPECT_DOUBLE_EQ(dim.LineX(), lineX);
        EXPECT_DOUBLE_EQ(dim.LineY(), lineY);
        EXPECT_NEAR(std::hypot(p.Real("TextX") - textX, p.Real("TextY") - textY), 0.0, 1e-12);
        EXPECT_EQ(dim.Text("Upper").Str() + dim.Text("Lower").Str() + dim.Text("Prefix").Str(),
                  L"+0,02-0,02");
    }
    EXPECT_FALSE(Current()); // the current object is left alone
}

TEST_F(TModelerApiDimTest, DiametralRadialAndAngularDimensions)
{
    drApi::MA.drDimD(20.0, "h7", 30.0, -4, 2, 5.0, 6.0, 0, "2 отв. ", " *", "");
    const tvhost::TParams& d = Core(Current()).Params();
    EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrDDimension);
    EXPECT_EQ(d.Real("Radius"), 10.0);
    EXPECT_EQ(d.Int("TextBase"), 2);
    EXPECT_EQ(d.Int("TextShift"), -4);

    for (const auto& [drl, shift] : {std::pair{2.5, 3}, {-2.5, -3}, {1e-7, 0}}) {
        drApi::MA.drDimR(20.0, "", 15.0, drl, 9, 1, 1.0, 2.0, 0, 0, "R", "", "");
        const tvhost::TParams& r = Core(Current()).Params();
        EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrRDimension);
        EXPECT_EQ(r.Real("Radius"), 20.0);
        EXPECT_EQ(r.Int("TextShift"), shift);
    }

    drApi::MA.drDimA(30.0, -1, 90.0, 25.0, 0, 2, 15.0, 7.6, 0.0, 25.0, 1, 1, 12.5, 21.65, 2, 0, "~", 0.0,
                     0.0);
    const tvhost::TParams& a = Core(Current()).Params();
    EXPECT_EQ(Core(Current()).Type(), tvapi::tvDrADimension);
    EXPECT_EQ(a.Real("Angle1"), 90.0);
    EXPECT_EQ(a.Real("Angle2"), 60.0);
    EXPECT_EQ(a.Real("ShelfLength"), 8.0);
    EXPECT_EQ(a.Int("TextShift"), 15);
}

// Contour collection, a missing container and each refused host step make nothing and keep
// the current object; drDimL7 does not look at contour collection.
TEST_F(TModelerApiDimTest, NothingIsMadeWithoutContainerCollectionOrInContourMode)
{
    const auto all = [] {
        DimL(0.0, 1.0, 0);
        drApi::MA.drDimD(20.0, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
        drApi::MA.drDimR(20.0, "", 0.0, 0.0, 0, 0, 0.0, 0.0, 0, 0, "", "", "");
        drApi::MA.drDimA(30.0, 1, 0.0, 10.0, 0, 0, 0.0, 0.0, 10.0, 0.0, 1, 1, 0.0, 10.0, 1, 1, "", 0.0, 0.0);
    };
    TContour contour;
    drApi::MA.SetOutput(&contour);
    all();
    drApi::MA.drDimL7(0.0, "", 0.0, 5.0, 0, 0, 0.0, 0.0, 0.0, 0.0, 0, 0, 10.0, 0.0, 0, 0, "", "", "");
    drApi::MA.SetOutput(nullptr);
    EXPECT_EQ(Drawn().size(), 1u);
    EXPECT_FALSE(Current());

    for (const char* op : {"ILineDimensions::Add", "IDiametralDimensions::Add",
                           "IRadialDimensions::AddRadial", "ISymbols2DContainer::GetAngleDimensions"}) {
        InjectFault(op); // fires once and stops one of the four
        all();
    }
    EXPECT_EQ(Drawn().size(), 1u + 4u * 3u);
    const tvapi::IDrawingObjectPtr last = Current();
    R().Symbols2DContainer.Reset();
    all();
    EXPECT_EQ(Current(), last);
    EXPECT_EQ(Drawn().size(), 13u);
}
