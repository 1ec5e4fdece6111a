// The facade's constraint recorder: which constraints the host is asked to create along a
// chain of segments, arcs and closed curves.

#include "drConstraintApi.h"

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostParametric.h"

using tvhost::THostConstrainedObject;
using TMade = std::vector<std::string>;

class TConstraintApiTest : public TFacadeFixture {
protected:
    void TearDown() override
    {
        C().Active = C().ActiveConnest = false;
        C().FixFirst = true;
        FObjects.clear();
        TFacadeFixture::TearDown();
    }
    static drApi::TConstraintApi& C() { return drApi::MA.Constraint; }
    // A new host object made the current one, as a drawing primitive leaves it.
    THostConstrainedObject& Draw()
    {
        FObjects.push_back(tvhost::New<THostConstrainedObject>());
        R2().CurDrawingObject = FObjects.back();
        return *FObjects.back();
    }
    // The constraints of o as "type index partner partnerIndex", the partner as its id.
    static TMade Made(const THostConstrainedObject& o)
    {
        TMade out;
        for (const tvhost::TConstraintRecord& r : o.Constraints())
            out.push_back(std::to_string(r.Type) + " " + std::to_string(r.Index) + " " +
                          std::to_string(r.PartnerId) + " " + std::to_string(r.PartnerIndex));
        return out;
    }

    std::vector<tvhost::THostConstrainedObjectPtr> FObjects;
};

TEST_F(TConstraintApiTest, SegmentThenArcsAreFixedAlignedAndJoinedEndToStart)
{
    C().Active = C().ActiveConnest = true;
    InjectFault("IDrawingObject1::NewConstraint"); // the fixed point is refused; the rest comes
    THostConstrainedObject& seg = Draw();
    C().DoLine(0, 0, 10, 0, 1);
    THostConstrainedObject& a1 = Draw();
    C().DoArc(10, 5, 5, 10, 0, 15, 5, 1, 1);
    THostConstrainedObject& a2 = Draw();
    C().DoArc(15, 10, 5, 15, 5, 20, 10, -1, 1);
    const std::string s = std::to_string(seg.Id()), a = std::to_string(a1.Id());
    EXPECT_EQ(Made(seg), (TMade{"3 1 0 0"}));
    EXPECT_EQ(Made(a1), (TMade{"11 1 " + s + " 1", "15 1 " + s + " 1"}));
    EXPECT_EQ(Made(a2), (TMade{"11 1 " + a + " 2", "15 1 " + a + " 2"}));
    EXPECT_EQ(R2().PrevDrawingObject.Get(), &a2);
    EXPECT_EQ(R2().PrevIndex, 2);
    EXPECT_EQ(C().Count, 0); // the recorder keeps no records
    Draw();
    C().DoCircle(0, 0, 5, 1);
    EXPECT_FALSE(R2().PrevDrawingObject); // a closed curve ends the chain
}
