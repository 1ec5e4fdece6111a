// The facade's constraint recorder: which constraints the host is asked to create along a
// chain of segments, arcs and closed curves.

#include "drConstraintApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FacadeFixture.h"
#include "HostParametric.h"

using tvhost::TConstraintRecord;
using tvhost::THostConstrainedObject;

class TConstraintApiTest : public TFacadeFixture {
protected:
    void SetUp() override {
        TFacadeFixture::SetUp();
        C().Active = true;
    }
    void TearDown() override {
        C().Active = C().ActiveConnest = false;
        C().FixFirst = true;
        M().CurDrawingObject.Reset();
        M().PrevDrawingObject.Reset();
        FObjects.clear();
        TFacadeFixture::TearDown();
    }
    static drApi::TConstraintApi& C() { return drApi::MA.Constraint; }
    static TRegistryModeler2D& M() { return *drApi::MA.R2; }

    // A new host object made the current one, as a drawing primitive leaves it.
    THostConstrainedObject& Draw() {
        FObjects.push_back(tvhost::New<THostConstrainedObject>());
        M().CurDrawingObject = FObjects.back();
        return *FObjects.back();
    }
    // The constraints of o as "type index partner partnerIndex", the partner as its id.
    static std::vector<std::string> Made(const THostConstrainedObject& o) {
        std::vector<std::string> out;
        for (const TConstraintRecord& r : o.Constraints())
            out.push_back(std::to_string(r.Type) + " " + std::to_string(r.Index) + " " +
                          std::to_string(r.PartnerId) + " " + std::to_string(r.PartnerIndex));
        return out;
    }

    std::vector<tvhost::THostConstrainedObjectPtr> FObjects;
};

using TMade = std::vector<std::string>;

TEST_F(TConstraintApiTest, SegmentThenArcsAreFixedAlignedAndJoinedEndToStart) {
    C().ActiveConnest = true;
    THostConstrainedObject& seg = Draw();
    C().DoLine(0, 0, 10, 0, 1);
    THostConstrainedObject& a1 = Draw();
    C().DoArc(10, 5, 5, 10, 0, 15, 5, 1, 1);
    THostConstrainedObject& a2 = Draw();
    C().DoArc(15, 10, 5, 15, 5, 20, 10, -1, 1);
    EXPECT_EQ(Made(seg), (TMade{"1 0 0 0", "3 1 0 0"}));
    EXPECT_EQ(Made(a1),
              (TMade{"11 1 " + std::to_string(seg.Id()) + " 1", "15 1 " + std::to_string(seg.Id()) + " 1"}));
    EXPECT_EQ(Made(a2),
              (TMade{"11 1 " + std::to_string(a1.Id()) + " 2", "15 1 " + std::to_string(a1.Id()) + " 2"}));
    EXPECT_TRUE(M().PrevDrawingObject.Get() == &a2 && M().PrevIndex == 2);
    EXPECT_EQ(C().Count, 0); // the recorder keeps no records
}

TEST_F(TConstraintApiTest, ZeroLengthSegmentIsBothVerticalAndHorizontalAndClosedCurvesEndTheChain) {
    InjectFault("IDrawingObject1::NewConstraint"); // the fixed point is refused; the rest comes
    THostConstrainedObject& dot = Draw();
    C().DoLine(3, 4, 3, 4, 2);
    EXPECT_EQ(Made(dot), (TMade{"4 1 0 0", "3 1 0 0"}));
    THostConstrainedObject& vertical = Draw();
    C().DoLine(0, 0, 0, 1e-12, 1); // exact comparison: not horizontal
    EXPECT_EQ(Made(vertical), (TMade{"1 0 0 0", "4 1 0 0"}));

    Draw();
    C().DoCircle(0, 0, 5, 1);
    EXPECT_FALSE(M().PrevDrawingObject);
    THostConstrainedObject& arc = Draw();
    C().DoArc(0, 0, 5, 5, 0, 0, 5, 1, 1);
    EXPECT_TRUE(Made(arc).empty()); // joined to nothing after a circle
    Draw();
    C().DoEllipse(0, 0, 5, 3, 0, 1);
    EXPECT_FALSE(M().PrevDrawingObject);
}

TEST_F(TConstraintApiTest, InactiveRecorderOrStyleZeroAsksTheHostNothing) {
    const tvapi::IDrawingObjectPtr prev = tvhost::New<THostConstrainedObject>();
    M().PrevDrawingObject = prev;
    Draw();
    Journal().Clear();
    C().DoLine(0, 0, 10, 0, 0); // style 0: chain untouched
    C().Active = false;
    C().DoLine(0, 0, 10, 0, 1);
    C().DoArc(0, 0, 1, 1, 0, 0, 1, 1, 1);
    C().DoCircle(0, 0, 1, 1);
    EXPECT_TRUE(Journal().Entries().empty());
    EXPECT_EQ(M().PrevDrawingObject, prev);
}
