// The pool of a drawing's dimensions and chain recognition on real dimensions of the
// stand-in: plane numbers, gathering over views, derived links, paths chosen by index.

#include "ChainRecognition.h"

#include "ChainGather.h"
#include "ChainLoop.h"
#include "FacadeChainHost.h"

#include <gtest/gtest.h>

#include "RecordingChainHost.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "DrawingLinks.h"

namespace {

TPlacement3D Plane(double x, double y, double nx, double ny)
{
    TPlacement3D p;
    p.Set(TPoint3D(x, y, 0.0), TVector3D(nx, ny, 0.0));
    return p;
}

// The oracle of the order of discovery: every link tried at every step, paths grown without a
// bound and never back to a plane passed until they come back to the closing dimension's other
// plane; those whose links close on their loop are found, a ring (the closing dimension's
// planes one) once, walked from its lower link.
void SearchAll(const TDimensionChain& All, std::vector<int>& Path, int FreeEnd,
               std::vector<std::vector<int>>& Found, std::vector<int> Passed = {})
{
    if (Passed.empty()) Passed.push_back(FreeEnd);
    const int end = All.Dimensions[Path[0]].IP2;
    for (int i = 0; i < All.Count(); ++i) {
        const TDimension& L = All.Dimensions[i];
        if (L.View != All.Dimensions[Path[0]].View || (L.IP1 != FreeEnd && L.IP2 != FreeEnd)) continue;
        if (std::find(Path.begin(), Path.end(), i) != Path.end()) continue;
        const int next = L.IP1 == FreeEnd ? L.IP2 : L.IP1;
        if (next == FreeEnd || (next != end && std::find(Passed.begin(), Passed.end(), next) != Passed.end()))
            continue;
        Path.push_back(i);
        if (next == end) {
            TArrayOf<TDimension> links;
            for (int p : Path)
                links.Add(All.Dimensions[p]);
            Integer mask = 0;
            const bool reversed = Passed.front() == end && Path.size() > 2 && Path[1] > Path.back();
            if (!reversed &&
                FindLinkLoop(links, TDimensionChain::DrawingTolerance, mask) == TLinkLoop::Closed)
                Found.push_back(Path);
        } else {
            Passed.push_back(next);
            SearchAll(All, Path, next, Found, Passed);
            Passed.pop_back();
        }
        Path.pop_back();
    }
}

} // namespace

class TChainRecognitionTest : public TDrawingLinksFixture {
protected:
    TRecordingChainHost Host;

    void TearDown() override
    {
        A = B = C = L = M = {};
        Host.Calls.clear();
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
        D.SetLDim(FacadeChainHost(), closing, {});
        return Make3DDimensionChain(All, D, index, Placements, Directions, Target, Host);
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
    AddDerivativeDimensions(All, FacadeChainHost(), axis);
    ASSERT_EQ(All.Count(), 4 + 6);
    EXPECT_FALSE(All.Dimensions[4].Obj);
    EXPECT_TRUE(All.Dimensions[4].PearentObj == All.Dimensions[0].Obj);
    EXPECT_DOUBLE_EQ(All.Dimensions[6].Nominal, 20.0); // the diameter itself
    EXPECT_DOUBLE_EQ(All.Dimensions[4].Nominal, 10.0); // its radius from the centre
    AddDerivativeDimensions(All, FacadeChainHost(), axis);
    EXPECT_EQ(All.Count(), 10);
}

TEST_F(TChainRecognitionTest, PathIsChosenByIndexWithTheClosingDimensionLast)
{
    DrawSteps();
    EXPECT_EQ(Recognise(C, 1), 2);
    EXPECT_EQ(Nominals(), (std::vector<double>{40, 10, 30}));
    // The host sees the closing dimension, then the chosen path once; the paths tried stay unseen.
    EXPECT_EQ(Host.Kinds(), "CSSSS");
    EXPECT_TRUE(Host.Calls[2].Object == A && Host.Calls[3].Object == B && Host.Calls[4].Object == C);
    Host.Calls.clear();
    EXPECT_EQ(Recognise(C, 2), 2);
    EXPECT_EQ(Host.Kinds(), "CSUUUUUUSSSS") << "the chain replaced is unselected first";
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

TEST_F(TChainRecognitionTest, PathsAreFoundInTheOrderOfTheUnboundedSearch)
{
    // Extension lines whose distances close some chains within the 0.001 tolerance, some at
    // it and some just past it; each drawing in a view of its own.
    const double xs[] = {0, 10, 20, 30.001, 30.0012, 9.9993, 40, 50.001, 19.999, 10.001, 40.001};
    const double ys[] = {0, 15, 25.0009, 40, 14.9995};
    std::mt19937 rng(29);
    for (int drawing = 0; drawing < 6; ++drawing) {
        SCOPED_TRACE(drawing);
        if (drawing > 0)
            R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Arbitrary);
        std::vector<tvapi::IDrawingObjectPtr> dims;
        for (int k = 0; k < 16; ++k) {
            const bool across = k % 3 == 2;
            const int n = across ? 5 : 11;
            const double a = across ? ys[rng() % n] : xs[rng() % n],
                         b = across ? ys[rng() % n] : xs[rng() % n];
            if (a == b) continue;
            dims.push_back(across ? LinearAt(M_PI / 2, 7.0 * k, a, 7.0 * k, b)
                                  : LinearAt(0, a, 7.0 * k, b, 7.0 * k));
        }
        GetAllDimensions(All);
        TDimension D;
        D.SetLDim(FacadeChainHost(), dims[0], {});
        const int n = Make3DDimensionChain(All, D, 1, Placements, Directions, Target, Host);
        std::vector<int> path;
        for (Integer i = 0; i < All.Count() && path.empty(); ++i)
            if (All.Dimensions[i] == D) path.push_back(i);
        std::vector<std::vector<int>> found;
        SearchAll(All, path, D.IP1, found);
        ASSERT_EQ(n, static_cast<int>(found.size()));
        for (int index : {1, 2, 3, n}) {
            if (index < 1 || index > n) continue;
            Make3DDimensionChain(All, D, index, Placements, Directions, Target, Host);
            const std::vector<int>& kept = found[static_cast<std::size_t>(index - 1)];
            ASSERT_EQ(Target.Count(), static_cast<Integer>(kept.size()));
            for (std::size_t j = 0; j < kept.size(); ++j)
                EXPECT_TRUE(Target.Dimensions[static_cast<Integer>(j)].Obj ==
                            All.Dimensions[kept[(j + 1) % kept.size()]].Obj);
        }
    }
}
