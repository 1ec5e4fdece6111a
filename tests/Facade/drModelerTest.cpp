// Tests of the modeller base: numbering, curve dispatch, the rectangle, the contour collector,
// the section-line collector through the placement stack, the detail code and the release of
// the private state.

#include "drModeler3D.h"

#include <memory>
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

// A host object with a reference count of its own, seen as a drawing group or object.
class TCountedObject final : public tvapi::IDrawingGroup, public tvapi::IDrawingObject {
public:
    long Refs = 0;
    long AddRef() noexcept override { return ++Refs; }
    long Release() noexcept override { return --Refs; }
    void* QueryInterface(const char*) noexcept override { return nullptr; }
};

} // namespace

TEST(TModeler2DTest, NumbersAreNeverReusedAndNamesCount) {
    const Integer before = CountOfTModeler;
    { TRecordingModeler A; }
    TRecordingModeler M;
    EXPECT_EQ(M.GetCount(), before + 2);
    M.R2->AdditionalName2 = 9;
    M.SetMainName(7, 3);
    EXPECT_EQ(M.R2->AdditionalName2, 0u);
    EXPECT_EQ(M.GetNextAdditionalName(), 4u);
    M.SetMainName(1, 4294967295u); // the additional name wraps like any unsigned counter
    EXPECT_EQ(M.GetNextAdditionalName(), 0u);
}

TEST(TModeler2DTest, RectangleDrawsFourSidesInOrderUnlessASideIsEmpty) {
    TRecordingModeler M;
    M.drRectAngle(1, 2, 11, 7, 3);
    EXPECT_EQ(M.Texts(), (Texts{"drLine(1, 2, 1, 7, 3)", "drLine(1, 7, 11, 7, 3)", "drLine(11, 7, 11, 2, 3)",
                                "drLine(11, 2, 1, 2, 3)"}));
    M.ClearJournal();
    M.drRectAngle(5, 0, 5, 10, 1);
    M.drRectAngle(0, 4, 10, 4, 1);
    EXPECT_TRUE(M.Calls.empty());
    M.drRectAngle(0, 0, 5.0000001, 1e-7, 1); // tiny but distinct: drawn
    EXPECT_EQ(M.CountOf("drLine"), 4u);
}

TEST(TModeler2DTest, ItemIsDrawnByItsKind) {
    TRecordingModeler M;
    TLineSeg seg(0, 0, 10, 5);
    seg.Atr = 2;
    TCircle circle(1, 2, 3);
    circle.Atr = 1;
    TArc arc;
    std::tie(arc.x, arc.y, arc.Radius, arc.A1, arc.A2, arc.sense, arc.Atr) =
        std::make_tuple(4, 5, 6, 0.5, -1.25, TArc::ByClockWise, 3);

    M.drItem(&seg, 0);
    M.drItem(&seg, 7);
    M.drItem(&circle, 0);
    M.drItem(&arc, 0);
    M.drItem(&arc, 9);
    TBasePoint point(1, 1);
    TLine line(0, 0, 1, 1);
    M.drItem(&point, 0); // other kinds and null draw nothing
    M.drItem(&line, 1);
    M.drItem(nullptr, 1);
    EXPECT_EQ(M.Texts(), (Texts{"drLine(0, 0, 10, 5, 2)", "drLine(0, 0, 10, 5, 7)", "drCircle(1, 2, 3, 1)",
                                "drArc(4, 5, 6, 0.5, -1.25, 3, -1)", "drArc(4, 5, 6, 0.5, -1.25, 9, -1)"}));
}

TEST(TModeler2DTest, HatchCollectsIntoHatchContourUntilEndObj) {
    TRecordingModeler M;
    TContour& hatch = M.R2->HatchContour;
    hatch.Add(new TCountedSeg(0, 0, 1, 0));
    ASSERT_EQ(TCountedSeg::Alive, 1);

    M.drHatch(0, 45, 0.1);
    EXPECT_EQ(std::make_pair(TCountedSeg::Alive, hatch.Count), std::make_pair(0, 0)); // old outline deleted
    EXPECT_EQ(M.OutputContour(), &hatch);

    M.drEndObj();
    M.drEndObj(); // nothing left to end
    EXPECT_EQ(M.R2->AContour.Count, 0);
    EXPECT_TRUE(M.Calls.empty());
}

TEST(TModeler2DTest, HatchInsideAnotherCollectionLeavesItOverASuspendedOneIsPushed) {
    TRecordingModeler M;
    TContour outer;
    M.SetOutput(&outer);
    M.R2->HatchContour.Add(new TCountedSeg(0, 0, 1, 1));
    M.drHatch(0, 45, 0.1);
    EXPECT_EQ(TCountedSeg::Alive, 0); // cleared all the same
    EXPECT_EQ(M.R2->AContour.Count, 1);
    M.drEndObj(); // the top is not the hatch: kept
    EXPECT_EQ(M.OutputContour(), &outer);

    M.R2->AContour.Push(nullptr); // drawing goes to the document again
    M.drHatch(0, 0, 0);
    EXPECT_EQ(M.R2->AContour.Count, 3);
    EXPECT_EQ(M.OutputContour(), &M.R2->HatchContour);
    M.drEndObj();
    EXPECT_EQ(M.R2->AContour.Count, 2);
    EXPECT_FALSE(M.isOutput());
}

TEST(TModeler2DTest, SectionPointsAreMappedThroughTheModellersStack) {
    TRecordingModeler M;
    M.ACT(1, 0);
    M.drMtr(10, 0, 90, 2);
    M.ACT(1, 0);
    M.ACTIf(false, 5, 5);
    M.ACTIf(true, 0, 1);
    M.drDeleteMtr();
    M.ACT(3, 4);
    const TArrayOf<TPoint2D>& P = M.R2->ACutPoint;
    ASSERT_EQ(P.Count, 4);
    EXPECT_TRUE(P[0] == TPoint2D(1, 0) && P[1] == TPoint2D(10, 2) && P[2] == TPoint2D(8, 0) &&
                P[3] == TPoint2D(3, 4));
    EXPECT_EQ(drApi::Transf2D->AMtr.Count, 0); // the facade's stack is another one

    M.NewCut();
    EXPECT_EQ(P.Count, 0);
    M.drMtr(0, 0, 0, 0.5);
    for (int i = 0; i < 40; ++i)
        M.ACT(i, -i); // past the 32 points of room
    ASSERT_EQ(P.Count, 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(P[i], TPoint2D(0.5 * i, -0.5 * i)) << "point " << i;
    M.drDeleteMtr();
    EXPECT_TRUE(M.Calls.empty());
}

TEST(TModeler2DTest, DetailCodePacksKindAndLowSuffixByte) {
    TRecordingModeler M;
    M.R2->DI.cDetail = 95;
    M.R2->DI.cSuffics = 0x1234;
    const TDetailCode D = M.GetDetailCode();
    EXPECT_EQ(std::make_tuple(D.Code, D.fDC, D.fCopy, D.fSuffics),
              std::make_tuple(95u * 65536u + 0x34u, 95u, 0u, 0x34u));
    M.R2->DI.cSuffics = -1;
    EXPECT_EQ(M.GetDetailCode().Code, 95u * 65536u + 255u);
    M.SetOnlySizes2D(true);
    M.PushOnlySizes2D(false);
    EXPECT_FALSE(M.IsOnlySizes2D());
    M.PopOnlySizes2D();
    EXPECT_TRUE(M.IsOnlySizes2D());
}

TEST(TModeler2DTest, StateIsReleasedWithTheModeller) {
    TCountedObject host;
    TContour collected;
    collected.Add(new TCountedSeg(1, 1, 3, 3));
    auto M = std::make_unique<TRecordingModeler>();
    M->R2->AGroup.Add(tvapi::IDrawingGroupPtr(static_cast<tvapi::IDrawingGroup*>(&host)));
    M->R2->CurDrawingObject = tvapi::IDrawingObjectPtr(static_cast<tvapi::IDrawingObject*>(&host));
    M->R2->PrevDrawingObject = M->R2->CurDrawingObject;
    M->R2->HatchContour.Add(new TCountedSeg(0, 0, 2, 2));
    M->SetOutput(&collected);
    EXPECT_EQ(std::make_pair(host.Refs, TCountedSeg::Alive), std::make_pair(3L, 2));
    M.reset(); // only the hatch outline belonged to the modeller
    EXPECT_EQ(std::make_tuple(host.Refs, TCountedSeg::Alive, collected.Count), std::make_tuple(0L, 1, 1));
    collected.Clear();
    EXPECT_EQ(TCountedSeg::Alive, 0);
}

TEST(TRecordingModelerTest, JournalFormatsEveryKindOfArgument) {
    TRecordingModeler M;
    M.drText(-0.0, 1.0 / 3, 90, 3.5, 1, 0, "Ось А");
    M.drShelf(tvapi::tvLSignNone, 1, 2, tvapi::tvLSLeft, tvapi::tvLeaderWithoutArrow, 5, 1, 75, "a", 5, 1, 75,
              "");
    M.drConstraint(tvapi::tvCMergePoints, nullptr, 1, nullptr, 2);
    M.drClose3D(true, Quor::tStandart);
    M.RealResult = 2.5;
    EXPECT_EQ(M.drCreateAttrStr(7), 2.5);
    M.BooleanResult = false;
    EXPECT_FALSE(M.drView(1, 0, 0));
    EXPECT_EQ(M.Texts(), (Texts{"drText(0, 0.3333333333, 90, 3.5, 1, 0, \"Ось А\")",
                                "drShelf(0, 1, 2, -1, 0, 5, 1, 75, \"a\", 5, 1, 75, \"\")",
                                "drConstraint(11, null, 1, null, 2)", "drClose3D(true, 25)",
                                "drCreateAttrStr(7)", "drView(1, 0, 0)"}));
    EXPECT_EQ(M.CountOf("drView"), 1u);
    M.ClearJournal();
    EXPECT_TRUE(M.Names().empty());
}

TEST(TModeler3DTest, AssignSharesTheOtherModellersStateWithoutOwningIt) {
    TRecordingModeler A;
    A.SetMainName(11, 0);
    {
        TRecordingModeler B;
        B.Assign(A);
        EXPECT_TRUE(B.R2.Ptr == A.R2.Ptr && !B.R2.Owner);
    }
    EXPECT_EQ(A.GetMainName(), 11u); // B's end left A's state alone
}
