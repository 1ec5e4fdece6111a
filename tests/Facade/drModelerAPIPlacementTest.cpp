// The facade's 2D placements against the stand-in: the library's stack and the host document's
// placements in step, whether a placement is the library's alone, and the placement at a
// model point's image in the open sketch.

#include "FacadeFixture.h"

#include <cmath>

#include "HostJournal.h"
#include "HostSketch.h"

using namespace tvapi;

class drModelerAPIPlacementTest : public TDrawingFacadeFixture {
protected:
    static Integer Depth() { return drApi::Transf2D->AMtr.Count; }
    // The last placement the host document received, rounded to 1e-9.
    std::vector<double> Pushed()
    {
        std::vector<double> values;
        const auto calls = Journal().Calls("ITervanDocument2D::PushLocalPlacement");
        if (!calls.empty())
            for (const std::string& a : calls.back().Arguments)
                values.push_back(std::round(std::stod(a) * 1e9) / 1e9);
        return values;
    }
};

// False with an empty stack, true after one placement without a 2D document, false for the
// same placement while one is current; the host document gets exactly the placements opened
// while it is current, and a pop for each close.
TEST_F(drModelerAPIPlacementTest, IsMtrFollowsTheStackAndTheDocument)
{
    const ITervanDocument2DPtr doc = R().IDoc2D;
    R().IDoc2D = nullptr;
    EXPECT_FALSE(drApi::MA.isMtr());
    drApi::MA.drMtr(10, 20, 30, 2);
    EXPECT_TRUE(drApi::MA.isMtr());
    drApi::MA.drDeleteMtr();
    EXPECT_EQ(Journal().Count("ITervanDocument2D::PushLocalPlacement"), 0u);

    R().IDoc2D = doc;
    drApi::MA.drMtr(10, 20, 30, 2);
    EXPECT_FALSE(drApi::MA.isMtr());
    EXPECT_EQ(Depth(), 1);
    EXPECT_EQ(Pushed(), (std::vector<double>{10, 20, 30, 2, 2}));
    EXPECT_EQ(Drawing().Placements().size(), 1u);
    drApi::MA.drDeleteMtr();
    EXPECT_EQ(Depth(), 0);
    EXPECT_TRUE(Drawing().Placements().empty());
}

// Without an open sketch the identity; in a sketch on XOZ the model point (3, 4, 5) is (3, -5)
// and the model's Z runs against the sketch's v, so the placement is turned half round.
TEST_F(drModelerAPIPlacementTest, GlobalMtrOpensOnePlacementAtTheSketchImage)
{
    R().IDoc2D = nullptr;
    drApi::MA.drGlobalMtr(3, 4, 5);
    EXPECT_EQ(Depth(), 1);
    Real x = 0, y = 0;
    drApi::Transf2D->xyMtr(7, 8, x, y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    drApi::MA.drDeleteMtr();

    const tvhost::THostSketchPtr sketch = tvhost::New<tvhost::THostSketch>(L"S");
    sketch->SetPlane(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_planeXOZ)));
    R().Sketch = ISketchPtr(sketch);
    R().IDoc2D = sketch->BeginEdit(false);
    drApi::MA.drGlobalMtr(3, 4, 5);
    EXPECT_EQ(Pushed(), (std::vector<double>{3, -5, 180, 1, 1}));
    drApi::MA.drDeleteMtr();
    sketch->SetAngle(90); // the sketch's u now runs along -Z: Z's image points against u
    drApi::MA.drGlobalMtr(3, 4, 5);
    EXPECT_EQ(Pushed(), (std::vector<double>{-5, -3, 90, 1, 1}));
    drApi::MA.drDeleteMtr();
    sketch->EndEdit();
}
