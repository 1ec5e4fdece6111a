// Editing a contour: keeping and cutting parameter ranges (joints included), reversal, the
// joint pieces and the equidistant contour checked against an independent distance.

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
    contourtest::Polygon(C, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);  // three sides
    C[1]->Atr = 5;
    double t1 = 1.2, t2 = 1.7;
    std::unique_ptr<TCurve2D> part(C.Trimmed(t1, t2, 1));  // within one item: that item's part
    EXPECT_TRUE(Seg(part.get()) == "10 2 10 7" && part->Atr == 5);
    part.reset(C.Trimmed(t1, t2, -1));
    EXPECT_TRUE(Seg(part.get()) == "10 7 10 2" && t1 == 1.7);
    C.Trimm(0.5, 1.5);  // two items remain and the parameter length follows
    EXPECT_TRUE(C.Count == 2 && C.GetTMax() == 2.0 && Seg(C[0]) == "5 0 10 0");
    contourtest::Square(S, 10);
    S.Trimm(3.5, 0.5);  // over the start of a closed contour
    EXPECT_EQ(Seg(S[0]) + " / " + Seg(S[1]) + " / " + std::to_string(S.Count), "0 5 0 0 / 0 0 5 0 / 2");
    contourtest::Square(T, 10);
    T.Trimm(0.75, 0.25);  // both ends on the first side: it is kept twice
    EXPECT_EQ(Seg(T[0]) + " / " + Seg(T[4]) + " / " + std::to_string(T.Count), "7.5 0 10 0 / 0 0 2.5 0 / 5");
}

TEST(TContourEditTest, WholeRangesCutsOnJointsAndReversal)
{
    TContour C, S, two;
    TCurve2D* part2 = nullptr;
    contourtest::Polygon(C, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);  // three sides
    EXPECT_EQ(C.TrimmPart(0, 3, part2), TContour::dp_NoChanged);
    EXPECT_EQ(C.DeletePart(1.25, 1.5, part2), TContour::dp_NoChanged);  // inside one item: kept
    EXPECT_EQ(C.DeletePart(1, 2, part2), TContour::dp_Changed);         // exactly the middle item
    EXPECT_EQ(Seg(C[0]) + " / " + Seg(C[1]), "0 0 10 0 / 10 10 0 10");
    EXPECT_EQ(C.DeletePart(1, 2, part2), TContour::dp_Changed);  // up to the end
    EXPECT_EQ(C.DeletePart(0.5, 1, part2), TContour::dp_Changed);
    EXPECT_TRUE(C.Count == 1 && Seg(C[0]) == "0 0 5 0");
    EXPECT_EQ(C.DeletePart(0, 1, part2), TContour::dp_Degenerated);
    EXPECT_TRUE(C.Count == 0 && part2 == nullptr);
    contourtest::Square(S, 10);
    EXPECT_EQ(S.DeletePart(3.5, 0.5, part2), TContour::dp_Changed);  // over the start
    EXPECT_EQ(Seg(S[0]) + " / " + Seg(S[3]) + " / " + std::to_string(S.Count), "5 0 10 0 / 0 10 0 5 / 4");
    // reversal runs the same path backwards
    two.Add(new TLineSeg(0, 0, 1, 0));
    two.Add(new TLineSeg(1, 0, 1, 1));
    two.Inverse();
    EXPECT_EQ(Seg(two[0]) + " / " + Seg(two[1]), "1 0 0 0 / 1 1 1 0");  // each turned, the order kept
    S.Clear();
    contourtest::Square(S, 10);
    S.Inverse();  // a b c d -> a' d' c' b'
    EXPECT_EQ(Seg(S[1]) + " / " + Seg(S[3]), "0 0 0 10 / 10 10 10 0");
    EXPECT_NEAR(S.Area2(), -100, 1e-9);
}

TEST(TContourEditTest, JointPiecesFollowTheTurn)
{
    TContour C;
    TLineSeg a(0, 0, 10, 0), straight(10, 0, 20, 0), right(10, 0, 10, -10), far(0, 50, 1, 50);
    std::unique_ptr<TCurve2D> j(C.FilletSegment(&a, &straight, 5, nullptr, nullptr));
    EXPECT_EQ(j->IsType(), ctLineSeg);
    j.reset(C.FilletSegment(&a, &right, 5, nullptr, nullptr));  // a quarter about the corner
    ASSERT_EQ(j->IsType(), ctArc);
    const auto* arc = static_cast<const TArc*>(j.get());
    EXPECT_TRUE(arc->Radius == 5 && arc->x == 10 && arc->y == 0 && std::fabs(arc->GetTMax() - kPi / 2) < 1e-12);
    std::unique_ptr<TCurve2D> o1(a.Offset(5)), o2(right.Offset(5));
    j.reset(C.FilletSegment(&a, &right, 5, o1.get(), o2.get()));  // from (10, 5) to (15, 0)
    EXPECT_EQ(contourtest::Pt(j->PointTMin()) + " / " + contourtest::Pt(j->PointTMax()), "10 5 / 15 0");
    j.reset(C.FilletSegment(&a, &right, 5, &far, o2.get()));  // no arc meets it: a straight bridge
    EXPECT_EQ(Seg(j.get()), "1 50 15 0");
    EXPECT_EQ(C.FilletSegment(nullptr, &a, 5, nullptr, nullptr), nullptr);
}

TEST(TContourEditTest, OffsetLiesAtTheDistanceEverywhere)
{
    for (int shape = 0; shape < 3; ++shape) {
        SCOPED_TRACE(shape);
        TContour C;
        shape < 2 ? contourtest::Square(C, 10, shape == 0) : contourtest::Stadium(C);  // smooth joints
        std::unique_ptr<TContour> R(static_cast<TContour*>(C.Offset(1.5)));
        ASSERT_EQ(R->Count, 8);
        for (Integer k = 0; k < 8; ++k) {
            const TCurve2D* I = (*R)[k];
            EXPECT_TRUE(I->Atr == 1 + k % 2 && I->Name2 == k / 2) << "item " << k;
            for (int i = 0; i <= 16; ++i) {
                const TPoint2D P = contourtest::At(*I, I->GetTMin() + (I->GetTMax() - I->GetTMin()) * i / 16);
                EXPECT_NEAR(contourtest::Oracle(C, P).Distance, 1.5, 1e-4) << "item " << k;
            }
        }
        EXPECT_TRUE(R->IsClosed());
    }
    TContour L;  // a concave corner: the offsets still join into one chain
    contourtest::Polygon(L, {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    std::unique_ptr<TContour> R(static_cast<TContour*>(L.Offset(1)));
    EXPECT_TRUE(R->Count == 12 && R->IsClosed());
}
