// The hole of a base detail: which details have one, and the worked holes of each kind.

#include <gtest/gtest.h>

#include "BaseGetHole.h"
#include "THoleData.h"

namespace {

std::vector<double> Lengths(const THoleData& h)
{
    return {h.lF, h.lL, h.lR, h.F1, h.L, h.R, h.F2, h.rL, h.rR, h.rF};
}

THoleData Asked(int kind, double dh, double depth)
{
    THoleData h;
    *h.Cfg.PInt = kind;
    h.DH = dh;
    h.Depth = depth;
    return h;
}

} // namespace

TEST(BaseGetHoleTest, OnlyTheHoledDetailsAnswerTrue)
{
    const double P[10] = {};
    for (int id = 0; id < 60; ++id) {
        SCOPED_TRACE(id);
        THoleData h = Asked(0, 0, 0);
        const bool holed = id == 22 || id == 23 || id == 25 || id == 26 || (id >= 31 && id <= 35);
        EXPECT_EQ(drBaseGetHole(id, P, &h), holed);
        EXPECT_EQ(drBaseGetHole(id, nullptr, nullptr), holed);
        EXPECT_EQ(*h.Cfg.PInt, 0) << "kind 0 writes nothing";
    }
}

TEST(BaseGetHoleTest, CapScrewSeatIsATwoStepHoleWhenTheHeadIsSunk)
{
    double P[10] = {};
    P[1] = 8;
    P[2] = 13;
    P[8] = 16;
    THoleData h = Asked(1, -5, 30);
    EXPECT_TRUE(drBaseGetHole(26, P, &h));
    EXPECT_EQ(Lengths(h), (std::vector<double>{0.5, 5, 7.5, 0, 25, 4.5, 0.5, 0, 0, 0}));
    EXPECT_EQ(*h.Cfg.PInt, 2);
    for (const double dh : {0.0, 2.0}) {
        THoleData flat = Asked(1, dh, 30);
        drBaseGetHole(26, P, &flat);
        EXPECT_EQ(Lengths(flat), (std::vector<double>{0, 0, 0, 0.5, 30, 4.5, 0.5, 0, 0, 0}));
        EXPECT_EQ(*flat.Cfg.PInt, 1);
    }
    THoleData nominal = Asked(3, 0, 30);
    drBaseGetHole(26, P, &nominal);
    EXPECT_EQ(nominal.R, 4);
    EXPECT_EQ(nominal.L, 16) << "the screw's own length";
}

TEST(BaseGetHoleTest, SetScrewCountersinkAndPinAndBolt)
{
    double P[10] = {};
    P[1] = 6;
    P[4] = 3;
    THoleData h = Asked(1, 2, 10);
    drBaseGetHole(22, P, &h);
    EXPECT_EQ(Lengths(h), (std::vector<double>{0, 2, 6, 2.5, 8.5, 3.5, 0, 0, 0, 0}));
    EXPECT_EQ(*h.Cfg.PInt, 3);
    for (const int kind : {1, 2, 3}) {
        THoleData pin = Asked(kind, -4, 12);
        drBaseGetHole(31, P, &pin);
        EXPECT_EQ(pin.R, 3) << "a pin's hole is its own size";
        EXPECT_EQ(pin.L, 12);
    }
    double B[10] = {};
    B[2] = 10;
    B[8] = 13;
    THoleData bolt = Asked(1, -6, 20);
    drBaseGetHole(32, B, &bolt);
    EXPECT_NEAR(bolt.lR, 13 * 0.5 / 0.8660254037844387 * 1.5, 1e-12);
    EXPECT_EQ(bolt.R, 5.5);
    EXPECT_EQ(bolt.L, 14);
    THoleData untouched = Asked(2, 0, 5);
    EXPECT_TRUE(drBaseGetHole(23, P, &untouched));
    EXPECT_EQ(Lengths(untouched), std::vector<double>(10, 0.0));
    EXPECT_FALSE(drBaseGetHole(24, P, &untouched));
}
