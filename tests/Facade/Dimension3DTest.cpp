// ADimension3D: made at load over the registry and the model variables, drawing through MA;
// a later facade leaves it with MA, and an empty record is all zero.

#include "Dimension3D.h"

#include "TAVariable.h"
#include "TRegistrator.h"
#include "drModelerAPI.h"
#include "drTervan.h"

#include <gtest/gtest.h>

TEST(TADimension3DTest, LoadBuildsTheListOverTheRegistryAndMA)
{
    EXPECT_EQ(&ADimension3D.Registrator, &Registrator);
    EXPECT_EQ(&ADimension3D.Variables, &AVariable);
    EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
    EXPECT_FALSE(ADimension3D.M.Owner);
    EXPECT_STREQ(ADimension3D.defQuality.PChar(), "h14");
    EXPECT_EQ(ADimension3D.Size(), 256);
    EXPECT_EQ(ADimension3D.ASizePoint.Size(), 128);
    EXPECT_EQ(ADimension3D.APoint3D.Size(), 64);
    EXPECT_FALSE(ADimension3D.IsParametric);
}

TEST(TADimension3DTest, ASecondFacadeLeavesTheListWithTheFirst)
{
    {
        drApi::TModelerApi second;
        EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
    }
    EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
}

TEST(TADimension3DTest, NewRecordIsEmpty)
{
    TDimension3D d;
    EXPECT_EQ(d.Type, TDimension3D::tdEmpty);
    EXPECT_EQ(d.Detail2.Code, 0u);
    EXPECT_EQ(d.VId, 0);
    EXPECT_DOUBLE_EQ(d.V, 0.0);
    EXPECT_TRUE(d.Q.Empty());
    EXPECT_FALSE(d.Point);
    EXPECT_FALSE(d.Exclude);
    EXPECT_DOUBLE_EQ(d.P12.z, 0.0);
}
