// Constraints the facade puts on drawing objects: a dimension tied to a numbered variable,
// and a geometric constraint on one object or between two.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostParametric.h"

namespace {

using tvhost::THostConstrainedObject;

class TModelerApiConstraintTest : public TDrawingFacadeFixture {
protected:
    void TearDown() override
    {
        FObjects.clear();
        TDrawingFacadeFixture::TearDown();
    }
    tvapi::IDrawingObjectPtr Object()
    {
        FObjects.push_back(tvhost::New<THostConstrainedObject>());
        return tvapi::IDrawingObjectPtr(FObjects.back());
    }
    const std::vector<tvhost::TConstraintRecord>& Made(std::size_t i)
    {
        return FObjects.at(i)->Constraints();
    }

    std::vector<tvhost::THostConstrainedObjectPtr> FObjects;
};

TEST_F(TModelerApiConstraintTest, DimensionIsFixedThenTiedToANumberedVariable)
{
    const auto dim = Object();
    const Integer next = drApi::NextInteger() + 1;
    drApi::MA.SetDimAssociateVariable(dim, Str("d1*2"));
    ASSERT_EQ(Made(0).size(), 2u);
    EXPECT_EQ(Made(0)[0].Type, tvapi::tvCFixedDim);
    EXPECT_EQ(Made(0)[1].Type, tvapi::tvCDimWithVariable);
    EXPECT_EQ(Made(0)[1].Expression, L"d1*2");
    EXPECT_EQ(Made(0)[1].VariableName, L"II" + std::to_wstring(next));
    drApi::MA.SetDimAssociateVariable(dim, Str(""));
    ASSERT_EQ(Made(0).size(), 4u);
    EXPECT_EQ(Made(0)[3].Expression, L"");
    EXPECT_EQ(Made(0)[3].VariableName, L"II" + std::to_wstring(next + 1));
    InjectFault("IDrawingObject1::NewConstraint"); // refused fixing still ties the variable
    drApi::MA.SetDimAssociateVariable(Object(), Str(""));
    ASSERT_EQ(Made(1).size(), 1u);
    EXPECT_EQ(Made(1)[0].Type, tvapi::tvCDimWithVariable);
}

TEST_F(TModelerApiConstraintTest, ConstraintBindsPointsOfOneOrTwoObjects)
{
    const auto a = Object(), b = Object();
    drApi::MA.drConstraint(tvapi::tvCMergePoints, a, 1, b, 0);
    drApi::MA.drConstraint(tvapi::tvCHorizontal, b, 0, {}, 0);
    ASSERT_EQ(Made(0).size(), 1u);
    EXPECT_EQ(Made(0)[0].Type, tvapi::tvCMergePoints);
    EXPECT_EQ(Made(0)[0].Index, 1);
    EXPECT_EQ(Made(0)[0].PartnerId, FObjects[1]->Id());
    ASSERT_EQ(Made(1).size(), 1u);
    EXPECT_EQ(Made(1)[0].Type, tvapi::tvCHorizontal);
    EXPECT_EQ(Made(1)[0].PartnerId, 0u);
}

TEST_F(TModelerApiConstraintTest, NothingWithoutDocumentOrObject)
{
    const auto a = Object();
    drApi::MA.drConstraint(tvapi::tvCHorizontal, {}, 0, {}, 0);
    R().IDoc2D.Reset();
    drApi::MA.drConstraint(tvapi::tvCHorizontal, a, 0, {}, 0);
    drApi::MA.SetDimAssociateVariable(a, Str("x"));
    EXPECT_TRUE(Made(0).empty());
}

} // namespace
