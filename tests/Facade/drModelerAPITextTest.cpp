// The facade's texts, hatches, cut lines and points against a stand-in drawing:
// each composite object takes what is drawn while it is open and is completed by drEndObj,
// which always ends the object its own opener opened.

#include <gtest/gtest.h>

#include <cmath>

#include "FacadeFixture.h"
#include "Text.h"

using drApi::MA;
using namespace tvapi;
using TReals = std::vector<double>;
using TKinds = std::vector<TCommand>;

class TModelerApiTextTest : public TDrawingFacadeFixture {};

TEST_F(TModelerApiTextTest, TextIsOneLineAtItsPlaceAndOnlyTextsGoIntoAContour)
{
    const ITervanDocument2DPtr doc = std::move(R().IDoc2D); // the placement applies
    drApi::Transf2D->drMtr(100, 0, 90, 2, false);
    MA.drText(3, 4, 30, 5, 1, 0, "Вал");
    TContour contour;
    MA.SetOutput(&contour);
    MA.drText(1, 0, 10, 5, 1, 0, "Вал");
    MA.drCut(5, 0, 0, "А-А", 0, 0, -1, 30, 0, 1);
    MA.SetOutput(nullptr);
    R().IDoc2D = doc;
    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrDrawingText}));
    EXPECT_EQ(Obj(0).Text("Text"), (tvhost::TTextData{{{{{L"Вал", 5.0}}}}}));
    ASSERT_TRUE(OpenKinds().empty());
    ASSERT_EQ(contour.Count, 1);
    const auto* text = static_cast<const TText*>(contour[0]);
    // (1, 0) scaled, turned a quarter and moved; the angle turned, the height scaled.
    EXPECT_NEAR(std::hypot(text->x - 100, text->y - 2), 0, 1e-9);
    EXPECT_NEAR(text->Angle + text->Height, 110, 1e-9);
    EXPECT_TRUE(*text->Text == Str("Вал"));
}

// A hatch takes the curves drawn until its drEndObj; a failed opener must not end an
// enclosing object. A drawing routine that reaches the facade through the modeller makes a
// host hatch as well.
TEST_F(TModelerApiTextTest, EveryEndObjEndsWhatItsOwnOpenerOpened)
{
    MA.drCut(5, 0, 0, "А-А", 0, 0, -1, 30, 0, 1);
    InjectFault("IHatches::Add");
    MA.drHatch(tvHatchMetal, 45, 2);
    EXPECT_EQ(OpenKinds(), (TKinds{cmCut, cmNull}));
    MA.drEndObj();
    TModeler2D& modeller = MA; // through the modeller
    modeller.drHatch(0, 45, 0.1);
    MA.drLine(0, 0, 10, 0, tvCSNormal); // its boundary
    modeller.drEndObj();
    EXPECT_EQ(R2().HatchContour->Count, 0); // nothing collected in place of the hatch
    EXPECT_EQ(R2().AContour.Count, 0);
    EXPECT_TRUE(OpenKinds() == TKinds{cmCut});
    MA.drLine(0, 0, 5, 0, tvCSNormal); // the document again
    MA.drHatch(tvHatchNonMetal, 45, 2.5);
    MA.drArc(5, 0, 5, 10, 0, 0, 0, 1, tvCSNormal);
    MA.drCircle(5, 2, 1, tvCSNormal);
    MA.drEndObj();
    EXPECT_EQ(OpenKinds(), (TKinds{cmCut}));
    for (double x : {0.0, 10.0, 30.0})
        MA.drPoint(x, x / 2);
    MA.drEndObj();

    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrCutLine, tvDrHatch, tvDrLineSeg, tvDrLineSeg, tvDrHatch, tvDrArc,
                                         tvDrCircle}));
    tvhost::TDrawingCore &cut = Obj(0), &first = Obj(1), &hatch = Obj(4);
    EXPECT_EQ(first.Params().Real("Step"), 0.1);
    EXPECT_EQ(first.Boundaries(), DrawingObjectList(Drawn().begin() + 2, Drawn().begin() + 3));
    EXPECT_EQ(cut.Params().Reals("Points"), (TReals{0, 0, 10, 5, 30, 15}));
    EXPECT_TRUE(R2().CurDrawingObject == Drawn()[0]);
    EXPECT_EQ(hatch.Params().Int("HatchStyle"), tvHatchNonMetal);
    EXPECT_EQ(hatch.Params().Real("Step"), 2.5);
    EXPECT_EQ(hatch.Boundaries(), DrawingObjectList(Drawn().begin() + 5, Drawn().end()));
    EXPECT_EQ(cut.Updates(), 1);
    EXPECT_EQ(hatch.Updates(), 1);
    EXPECT_FALSE(R().Hatch);
    EXPECT_FALSE(R().BoundariesObject);
    EXPECT_FALSE(R().CutLine);
    EXPECT_TRUE(OpenKinds().empty());
}
