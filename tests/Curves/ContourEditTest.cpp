// Editing a contour: keeping parameter ranges, and the equidistant contour checked against an
// independent distance.

#include "Contour.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ContourTestUtil.h"

using contourtest::kPi;
using contourtest::Seg;

TEST(TContourEditTest, TrimmingKeepsTheRangeAndItsAttributes)
{
    TContour C, S, T;
    contourtest::Polygon(C, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true); // three sides
    C[1]->Atr = 5;
    double t1 = 1.2, t2 = 1.7;
    std::unique_ptr<TCurve2D> part(C.Trimmed(t1, t2, 1)); // within one item: that item's part
    EXPECT_EQ(Seg(part.get()), "10 2 10 7");
    EXPECT_EQ(part->Atr, 5);
    part.reset(C.Trimmed(t1, t2, -1));
    EXPECT_EQ(Seg(part.get()), "10 7 10 2");
    EXPECT_EQ(t1, 1.7);
    C.Trimm(0.5, 1.5); // two items remain and the parameter length follows
    EXPECT_EQ(C.Count, 2);
    EXPECT_EQ(C.GetTMax(), 2.0);
    EXPECT_EQ(Seg(C[0]), "5 0 10 0");
    contourtest::Square(S, 10);
    S.Trimm(3.5, 0.5); // over the start of a closed contour
    EXPECT_EQ(Seg(S[0]) + " / " + Seg(S[1]) + " / " + std::to_string(S.Count), "0 5 0 0 / 0 0 5 0 / 2");
    contourtest::Square(T, 10);
    T.Trimm(0.75, 0.25); // both ends on the first side: it is kept twice
    EXPECT_EQ(Seg(T[0]) + " / " + Seg(T[4]) + " / " + std::to_string(T.Count), "7.5 0 10 0 / 0 0 2.5 0 / 5");
}

TEST(TContourEditTest, OffsetLiesAtTheDistanceEverywhere)
{
    for (int shape = 0; shape < 3; ++shape) {
        SCOPED_TRACE(shape);
        TContour C;
        shape < 2 ? contourtest::Square(C, 10, shape == 0) : contourtest::Stadium(C); // smooth joints
        std::unique_ptr<TContour> R(static_cast<TContour*>(C.Offset(1.5)));
        ASSERT_EQ(R->Count, 8);
        for (Integer k = 0; k < 8; ++k) {
            const TCurve2D* I = (*R)[k];
            EXPECT_EQ(I->Atr, 1 + k % 2) << "item " << k;
            EXPECT_EQ(I->Name2, k / 2) << "item " << k;
            for (int i = 0; i <= 16; ++i) {
                const TPoint2D P =
                    contourtest::PointAt(*I, I->GetTMin() + (I->GetTMax() - I->GetTMin()) * i / 16);
                EXPECT_NEAR(contourtest::Oracle(C, P).Distance, 1.5, 1e-4) << "item " << k;
            }
        }
        EXPECT_TRUE(R->IsClosed());
    }
    TContour L; // a concave corner: the offsets still join into one chain
    contourtest::Polygon(L, {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    std::unique_ptr<TContour> R(static_cast<TContour*>(L.Offset(1)));
    EXPECT_EQ(R->Count, 12);
    EXPECT_TRUE(R->IsClosed());
}
