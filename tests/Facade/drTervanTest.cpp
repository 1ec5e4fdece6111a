// The facade's load-time globals: MA is the first facade and the curves place through its stack.

#include "drTervan.h"

#include <gtest/gtest.h>

#include "drModelerAPI.h"

TEST(TModelerApiTest, LoadMakesMAFirstAndTheCurvesPlaceThroughItsStack)
{
    EXPECT_EQ(drApi::TModelerApi::Last, &drApi::MA);
    EXPECT_EQ(drApi::Transf2D, &drApi::MA.R2->Transf2D);
}
