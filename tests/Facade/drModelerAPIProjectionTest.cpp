// View projections of the current 3D document: shown, kept as the current drawing object,
// given by a matrix and shown again.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "Mtr3D.h"

namespace {

class TProjectionTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        FDoc = Open(tvapi::tvDocumentPart);
        R().IDoc3D = FDoc;
    }
    void TearDown() override
    {
        R().IDoc3D.Reset();
        FDoc.Reset();
        TFacadeFixture::TearDown();
    }
    const tvhost::TShownProjection& Shown() { return tvhost::HostAs<tvhost::THostDocument3D>(FDoc)->Shown(); }

    tvapi::ITervanDocumentPtr FDoc;
};

} // namespace

TEST_F(TProjectionTest, StandardAndMatrixProjectionsAreShownAndKeptAsTheCurrentObject)
{
    drApi::MA.SaveAndSetViewProjection(tvapi::tvVPIsometric);
    EXPECT_EQ(Shown().Type, tvapi::tvVPIsometric);
    EXPECT_EQ(Shown().Applies, 1);
    ASSERT_TRUE(R2().CurDrawingObject);
    tvapi::IViewProjectionPtr kept(R2().CurDrawingObject);
    drApi::MA.SaveAndSetViewProjection(tvapi::tvVPFront);
    EXPECT_EQ(Shown().Type, tvapi::tvVPFront);
    drApi::MA.RestoreViewProjection(kept);
    EXPECT_EQ(Shown().Type, tvapi::tvVPIsometric);
    EXPECT_FALSE(kept);
    drApi::MA.RestoreViewProjection(kept); // applied once only
    EXPECT_EQ(Shown().Applies, 3);
    drApi::MA.SaveAndSetViewProjection(tvapi::tvVPNone); // no such projection
    EXPECT_FALSE(R2().CurDrawingObject);
    EXPECT_EQ(Shown().Applies, 3);
    TMtr3D m; // a matrix projection carries its sixteen cells
    drApi::MA.CreateViewProjection(m);
    EXPECT_EQ(Shown().Type, tvapi::tvVPUser);
    ASSERT_EQ(Shown().Matrix.size(), 16u);
    EXPECT_EQ(Shown().Matrix[0], 1.0);
    EXPECT_EQ(Shown().Matrix[15], 1.0);
    EXPECT_EQ(Shown().Matrix[1], 0.0);
}

TEST_F(TProjectionTest, WithoutA3DDocumentNothingIsShownAndTheCurrentObjectEmpties)
{
    R().IDoc3D.Reset();
    R2().CurDrawingObject = tvapi::IDrawingObjectPtr();
    drApi::MA.SaveAndSetViewProjection(tvapi::tvVPFront);
    drApi::MA.CreateViewProjection(TMtr3D());
    EXPECT_FALSE(R2().CurDrawingObject);
    EXPECT_EQ(Shown().Applies, 0);
}
