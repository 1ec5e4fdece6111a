// The facade's 2D primitives against a stand-in drawing: what reaches the document, what is
// dropped, what a collecting contour receives, and where the placement stack applies.

#include <gtest/gtest.h>

#include <cmath>

#include "Arc.h"
#include "FacadeFixture.h"

using drApi::MA;
using namespace tvapi;
constexpr double Pi = TMathDef::C_PI;

class TModelerApi2DTest : public TDrawingFacadeFixture {};

TEST_F(TModelerApi2DTest, PrimitivesReachTheDocumentUnlessDegenerate)
{
    MA.drLine(0, 0, 10, 0, tvCSNormal);
    const IDrawingObjectPtr first = R2().CurDrawingObject;
    MA.drLine(1, 1, 1.0001, 0.9999, tvCSNormal); // closes up within 0.0001
    EXPECT_TRUE(R2().CurDrawingObject == first);
    MA.drLine(1, 1, 1.0002, 1, tvCSThin);
    MA.drLine(0, 0, 10, 0, tvCSUnvisible); // hidden: nothing, the current one emptied
    EXPECT_FALSE(R2().CurDrawingObject);
    MA.drArc(0, 0, 5, 5, 0, 0, 5, 1, tvCSUnvisible); // style 0 still makes an arc
    MA.drArc(0, 0, 5, 5, 0, 0, 5, -1, tvCSNormal);
    MA.drArc(0, 0, 5, 0.3, 0.3 + 2 * Pi, tvCSNormal, 1); // a full turn is no arc
    MA.drCircle(1, 2, 0.0001, tvCSNormal);
    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrLineSeg, tvDrLineSeg, tvDrArc, tvDrArc}));
    EXPECT_FALSE(Obj(2).Params().Flag("Direction"));
    EXPECT_TRUE(Obj(3).Params().Flag("Direction")); // host: clockwise
}

// A NaN or an infinity in any coordinate or size makes no object: the drawing never holds one.
TEST_F(TModelerApi2DTest, NonFiniteInputDrawsNothing)
{
    for (const double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        SCOPED_TRACE(bad);
        MA.drLine(0, 0, bad, 1, tvCSNormal);
        MA.drArc(0, 0, bad, 5, 0, 0, 5, 1, tvCSNormal);
        MA.drArc(0, 0, 5, 0, bad, tvCSNormal, 1);
        MA.drCircle(bad, 0, 5, tvCSNormal);
        MA.drEllipse(0, 0, 5, 2, bad, tvCSNormal);
        MA.drText(bad, 0, 0, 3.5, 1, 0, "t");
        MA.drText(0, 0, 0, bad, 1, 0, "t");
        MA.drPoint(0, bad);
        MA.drDimL(0.0, "", 0, 1, 0, 1, 30.0, 6.0, bad, 0.0, 2, 5, 40.0, 20.0, 3, 0, "", "", "");
        MA.drDimD(bad, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
        MA.drDimR(20.0, "", 0.0, 0.0, 0, 0, bad, 0.0, 0, 0, "", "", "");
        MA.drDimA(30.0, 1, bad, 10.0, 0, 0, 0.0, 0.0, 10.0, 0.0, 1, 1, 0.0, 10.0, 1, 1, "", 0.0, 0.0);
        TContour contour;
        MA.SetOutput(&contour);
        MA.drLine(bad, 0, 1, 1, tvCSNormal);
        MA.drCircle(0, 0, bad, tvCSNormal);
        MA.SetOutput(nullptr);
        EXPECT_EQ(contour.Count, 0);
    }
    EXPECT_TRUE(Kinds().empty());
    MA.drLine(0, 0, 1, 1, tvCSNormal);
    MA.drDimD(20.0, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrLineSeg, tvDrDDimension}));
}

// drArc(0, 0, R, 5, 0, 0, 5, Napr): Napr -1 runs the same quarter from its end; a negative
// radius turns the arc clockwise.
TEST_F(TModelerApi2DTest, ArcGoesIntoTheContourWithItsSense)
{
    const struct {
        double R, Napr, A1, A2;
        TArc::TDirection Sense;
    } cases[] = {{5, 1, 0, Pi / 2, TArc::BackClockWise},
                 {5, -1, Pi / 2, 2 * Pi, TArc::BackClockWise},
                 {-5, 1, 0, -3 * Pi / 2, TArc::ByClockWise},
                 {-5, -1, Pi / 2, 0, TArc::ByClockWise}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.R << " " << c.Napr);
        TContour contour;
        MA.SetOutput(&contour);
        MA.drArc(0, 0, c.R, 5, 0, 0, 5, static_cast<int>(c.Napr), tvCSAxial);
        MA.SetOutput(nullptr);
        ASSERT_EQ(contour.Count, 1);
        const auto* arc = static_cast<const TArc*>(contour[0]);
        EXPECT_EQ(arc->Radius, 5.0);
        EXPECT_EQ(arc->Atr, tvCSAxial);
        EXPECT_EQ(arc->sense, c.Sense);
        EXPECT_NEAR(std::hypot(arc->A1 - c.A1, arc->A2 - c.A2), 0.0, 1e-12);
    }
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(TModelerApi2DTest, PlacementAppliesWithoutA2DDocumentAndLayersTakeWhatFollows)
{
    drApi::Transf2D->drMtr(10, 0, 0, 2, false);
    MA.drLine(0, 0, 1, 0, tvCSNormal); // a drawing is open: unchanged
    const ITervanDocument2DPtr doc = std::move(R().IDoc2D);
    MA.drLayer(7); // no layer 7: the host adds layer 1
    MA.drLine(0, 0, 1, 0, tvCSNormal);
    TContour contour;
    MA.SetOutput(&contour);
    MA.drCircle(0, 0, 5, tvCSThin);
    MA.SetOutput(nullptr);
    R().IDoc2D = doc;
    EXPECT_EQ(Obj(0).Params().Real("X2"), 1.0);
    EXPECT_EQ(Obj(0).Layer(), 0);
    EXPECT_EQ(Obj(1).Params().Real("X2"), 12.0);
    EXPECT_EQ(Obj(1).Layer(), 1);
    EXPECT_EQ(contour.Count, 1);
    EXPECT_EQ(contour[0]->IsType(), ctCircle);
    EXPECT_TRUE(static_cast<const TCircle*>(contour[0])->Radius == 10.0);
}
