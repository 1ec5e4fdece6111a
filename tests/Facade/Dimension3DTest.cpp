// The load-time globals: MA is the first facade, the curves place through its stack, and
// ADimension3D is made over the registry and the model variables, drawing through MA; a later
// facade leaves it with MA.

#include "Dimension3D.h"

#include "TAVariable.h"
#include "TRegistrator.h"
#include "drModelerAPI.h"
#include "drTervan.h"

#include <gtest/gtest.h>

TEST(TADimension3DTest, LoadBuildsTheListOverMAAndASecondFacadeLeavesItThere)
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
    EXPECT_EQ(drApi::TModelerApi::Last, &drApi::MA);
    EXPECT_EQ(drApi::Transf2D, &drApi::MA.R2->Transf2D);
    {
        drApi::TModelerApi second;
        EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
    }
    EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
}
