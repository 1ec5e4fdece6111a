// Tests of the modeller base: curve dispatch, the rectangle, the contour collector and the
// section-line collector through the placement stack.

#include "Contour.h"
#include "drModeler3D.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "Arc.h"
#include "Elements.h"
#include "LineSeg.h"
#include "RecordingModeler.h"

using Texts = std::vector<std::string>;

namespace {

// A segment that counts how many of its kind are alive.
struct TCountedSeg : TLineSeg {
    static inline int Alive = 0;
    TCountedSeg(Real x1, Real y1, Real x2, Real y2) : TLineSeg(x1, y1, x2, y2) { ++Alive; }
    ~TCountedSeg() override { --Alive; }
};

} // namespace

// The rectangle's four sides in order, none for an empty one; an item drawn by its kind.
TEST(TModeler2DTest, RectangleSidesAndItemsByKind)
{
    TRecordingModeler M;
    M.drRectAngle(1, 2, 11, 7, 3);
    EXPECT_EQ(M.Texts(), (Texts{"drLine(1, 2, 1, 7, 3)", "drLine(1, 7, 11, 7, 3)", "drLine(11, 7, 11, 2, 3)",
                                "drLine(11, 2, 1, 2, 3)"}));
    M.ClearJournal();
    M.drRectAngle(5, 0, 5, 10, 1);
    M.drRectAngle(0, 4, 10, 4, 1);
    EXPECT_TRUE(M.Calls.empty());

    TLineSeg seg(0, 0, 10, 5);
    seg.Atr = 2;
    TCircle circle(1, 2, 3);
    circle.Atr = 1;
    TArc arc;
    std::tie(arc.x, arc.y, arc.Radius, arc.A1, arc.A2, arc.sense, arc.Atr) =
        std::make_tuple(4, 5, 6, 0.5, -1.25, TArc::ByClockWise, 3);

    TLine line(0, 0, 1, 1);
    for (TBasePoint* item : std::initializer_list<TBasePoint*>{&seg, &circle, &arc, &line})
        M.drItem(item, 0); // a line has no drawing
    M.drItem(&seg, 7);     // a style of its own replaces the item's
    M.drItem(nullptr, 1);
    EXPECT_EQ(M.Texts(), (Texts{"drLine(0, 0, 10, 5, 2)", "drCircle(1, 2, 3, 1)",
                                "drArc(4, 5, 6, 0.5, -1.25, 3, -1)", "drLine(0, 0, 10, 5, 7)"}));
}

// drHatch starts a new outline (the old one deleted) and collects into it until drEndObj; inside
// another collection it leaves that one, which its drEndObj does not end.
TEST(TModeler2DTest, HatchCollectsIntoHatchContourUntilEndObj)
{
    TRecordingModeler M;
    TContour& hatch = *M.R2->HatchContour;
    hatch.Add(new TCountedSeg(0, 0, 1, 0));
    M.drHatch(0, 45, 0.1);
    EXPECT_EQ(TCountedSeg::Alive, 0);
    EXPECT_EQ(hatch.Count, 0);
    EXPECT_EQ(M.OutputContour(), &hatch);
    M.drEndObj();
    M.drEndObj(); // nothing left to end
    EXPECT_FALSE(M.isOutput());
    TContour outer;
    M.SetOutput(&outer);
    M.drHatch(0, 45, 0.1);
    EXPECT_EQ(M.R2->AContour.Count, 1);
    M.drEndObj(); // the top is not the hatch: kept
    EXPECT_EQ(M.OutputContour(), &outer);
    EXPECT_EQ(M.Names(),
              (std::vector<std::string>{"drHatch", "drEndObj", "drEndObj", "drHatch", "drEndObj"}));
}

TEST(TModeler2DTest, SectionPointsAreMappedThroughTheModellersStack)
{
    TRecordingModeler M;
    M.ACT(1, 0);
    M.drMtr(10, 0, 90, 2);
    for (int i = 0; i < 40; ++i)
        M.ACT(i, -i); // past the 32 points of room
    M.drDeleteMtr();
    M.ACT(3, 4);
    const TArrayOf<TPoint2D>& P = M.R2->ACutPoint;
    ASSERT_EQ(P.Count, 42);
    EXPECT_EQ(P[0], TPoint2D(1, 0));
    EXPECT_EQ(P[2], TPoint2D(12, 2));
    EXPECT_EQ(P[40], TPoint2D(88, 78));
    EXPECT_EQ(P[41], TPoint2D(3, 4));
}
