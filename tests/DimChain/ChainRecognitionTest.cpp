// The pool of a drawing's dimensions and chain recognition on real dimensions of the
// stand-in: plane numbers, gathering over views, derived links, paths chosen by index.

#include "ChainRecognition.h"

#include <gtest/gtest.h>

#include "DrawingLinks.h"

namespace {

TPlacement3D Plane(double x, double y, double nx, double ny)
{
    TPlacement3D p;
    p.Set(TPoint3D(x, y, 0.0), TVector3D(nx, ny, 0.0));
    return p;
}

} // namespace

class TChainRecognitionTest : public TDrawingLinksFixture {
protected:
    void TearDown() override
    {
        A = B = C = L = M = {};
        All.Dimensions.FreeMemory(); // emptied slots still hold their links
        Target.Dimensions.FreeMemory();
        TDrawingLinksFixture::TearDown();
    }
    // A step of a shaft: C 0..30 closes A 0..40 less B 30..40, and also L 0..80 less M 40..80
    // less B; pool order A, B, C, L, M.
    void DrawSteps()
    {
        A = LinearAt(0, 0, 15, 40, 20, 0.1, -0.1);
        B = LinearAt(0, 30, 15, 40, 20, 0.05, 0.0);
        C = LinearAt(0, 0, 15, 30, 15);
        L = LinearAt(0, 0, 15, 80, 12);
        M = LinearAt(0, 40, 20, 80, 12);
        GetAllDimensions(All);
    }
    int Recognise(const tvapi::IDrawingObjectPtr& closing, int index)
    {
        TDimension D;
        D.SetLDim(closing, {});
        return Make3DDimensionChain(All, D, index, Placements, Directions, Target);
    }
    std::vector<double> Nominals() const
    {
        std::vector<double> out;
        for (const TDimension& d : Target.Dimensions)
            out.push_back(d.Nominal);
        return out;
    }

    tvapi::IDrawingObjectPtr A, B, C, L, M;
    TDimensionChain All, Target;
    TAPlacement3D Placements, Directions;
};

TEST_F(TChainRecognitionTest, PlanesAndDirectionsAreNumberedOnceEach)
{
    TPlacementIndex planes(Placements, TPlacementIndex::pkPlane);
    EXPECT_EQ(planes.Put(Plane(0, 0, 1, 0)), 0);
    EXPECT_EQ(planes.Put(Plane(0, 7, 1, 0)), 0); // the same plane x = 0
    EXPECT_EQ(planes.Put(Plane(4e-6, 3, -1, 0)), 0);
    EXPECT_EQ(planes.Put(Plane(1e-3, 0, 1, 0)), 1);
    EXPECT_EQ(Placements.Count, 2);
    TPlacementIndex directions(Directions, TPlacementIndex::pkDirection);
    EXPECT_EQ(directions.Put(Plane(0, 0, 1, 0)), 0);
    EXPECT_EQ(directions.Put(Plane(9, 0, -1, 0)), 0); // reversed: one direction
    EXPECT_EQ(directions.Put(Plane(0, 0, 0, 1)), 1);
}

TEST_F(TChainRecognitionTest, GatheringTakesLinearAndCircularDimensionsOfEveryViewOnce)
{
    Linear(0, 0, 10, 0);
    Angle();
    Circle(true, 50, 0, 10);
    Circle(false, 80, 0, 4);
    R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Arbitrary);
    Linear(0, 0, 0, 25);
    GetAllDimensions(All);
    std::vector<int> kinds, views;
    for (const TDimension& d : All.Dimensions) {
        kinds.push_back(d.Type);
        views.push_back(d.View);
    }
    EXPECT_EQ(kinds, (std::vector<int>{tvapi::tvDrLDimension, tvapi::tvDrDDimension, tvapi::tvDrRDimension,
                                       tvapi::tvDrLDimension}));
    EXPECT_EQ(views, (std::vector<int>{0, 0, 0, 1}));
    GetAllDimensions(All); // gathered anew, not appended
    EXPECT_EQ(All.Count(), 4);

    R().IDoc2D.Reset();
    GetAllDimensions(All);
    EXPECT_EQ(All.Count(), 0);
}

TEST_F(TChainRecognitionTest, DerivedLinksAreAddedOnceAndOnlyFromDrawnCircles)
{
    Circle(true, 50, 0, 10);
    Circle(false, 80, 0, 4);
    const tvapi::IDrawingObjectPtr axis = Linear(0, 0, 100, 0);
    GetAllDimensions(All);
    TDimension model = All.Dimensions[0];
    model.Obj.Reset();
    All.Dimensions.Add(model);
    AddDerivativeDimensions(All, axis);
    ASSERT_EQ(All.Count(), 4 + 6);
    EXPECT_FALSE(All.Dimensions[4].Obj);
    EXPECT_TRUE(All.Dimensions[4].PearentObj == All.Dimensions[0].Obj);
    EXPECT_DOUBLE_EQ(All.Dimensions[6].Nominal, 20.0); // the diameter itself
    EXPECT_DOUBLE_EQ(All.Dimensions[4].Nominal, 10.0); // its radius from the centre
    AddDerivativeDimensions(All, axis);
    EXPECT_EQ(All.Count(), 10);
}

TEST_F(TChainRecognitionTest, PathIsChosenByIndexWithTheClosingDimensionLast)
{
    DrawSteps();
    EXPECT_EQ(Recognise(C, 1), 2);
    EXPECT_EQ(Nominals(), (std::vector<double>{40, 10, 30}));
    EXPECT_EQ(Recognise(C, 2), 2);
    EXPECT_EQ(Nominals(), (std::vector<double>{80, 40, 10, 30}));
    EXPECT_EQ(Recognise(C, 5), 2); // fewer paths than asked: the last one
    EXPECT_EQ(Nominals(), (std::vector<double>{80, 40, 10, 30}));
    EXPECT_TRUE(Target.Dimensions[3].Obj == C);
    EXPECT_EQ(All.Dimensions[0].IP1, All.Dimensions[2].IP1); // A and C start at one plane
}

TEST_F(TChainRecognitionTest, OtherViewsAndUngatheredClosingDimensionsFindNothing)
{
    DrawSteps();
    Recognise(C, 1);
    const std::vector<double> before = Nominals();
    EXPECT_EQ(Recognise(Angle(), 1), 0); // angular: never in the pool
    EXPECT_EQ(Nominals(), before);

    // The same steps in a second view hold no link that closes C of the first view.
    R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Arbitrary);
    const tvapi::IDrawingObjectPtr far = LinearAt(0, 0, 15, 30, 15);
    LinearAt(0, 0, 15, 40, 20);
    LinearAt(0, 30, 15, 40, 20);
    GetAllDimensions(All);
    EXPECT_EQ(Recognise(C, 3), 2);
    for (const TDimension& d : Target.Dimensions)
        EXPECT_EQ(d.View, 0);
    EXPECT_EQ(Recognise(far, 1), 1);
    for (const TDimension& d : Target.Dimensions)
        EXPECT_EQ(d.View, 1);
}
