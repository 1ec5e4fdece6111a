// The hole on sheets through a recording modeller: the section of a simple hole segment by
// segment with its axis, threads drawn one unit off the bore, the outline with its recorded
// ends and closing line, and the axial view's centre lines and circles.

#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingModeler.h"
#include "THole3DParam.h"

namespace {

class THole3DParam2DTest : public ::testing::Test {
protected:
    // The simple hole of Set1C(5, 20) in the drawing's argument order.
    void Section(int Typ) { H.drHole(Typ, X, Y, A, 0, 0, Z, Z, Z, Half, L, R, Half, Z, Z, Z); }
    void Outline(int Typ) { H.cHole(Typ, X, Y, A, 0, 0, Z, Z, Z, Half, L, R, Half, Z, Z, Z); }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> out;
        for (const std::string& t : M.Texts())
            if (t.rfind("drLine", 0) == 0) out.push_back(t);
        return out;
    }
    bool Has(const std::string& call) const
    {
        const std::vector<std::string> all = M.Texts();
        return std::find(all.begin(), all.end(), call) != all.end();
    }

    TRecordingModeler M;
    THole3DParam H{M};
    const double X = 100, Y = 50, A = 0, Z = 0, Half = 0.5, L = 20, R = 5;
};

} // namespace

TEST_F(THole3DParam2DTest, SectionOfASimpleHoleInOneMacroWithItsAxis)
{
    Section(THole3DParam::UpCut | THole3DParam::DnCut);
    const std::vector<std::string> names = M.Names();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(M.Texts().front(), "drMacro2D(true)");
    EXPECT_EQ(names.back(), "drEndMacro");
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines,
              (std::vector<std::string>{// the entry transition, lower half first
                                        "drLine(0, -5.5, 0.5, -5, 1)", "drLine(0.5, 0, 0.5, -5, 1)",
                                        "drLine(0, 5.5, 0.5, 5, 1)", "drLine(0.5, 0, 0.5, 5, 1)",
                                        // the bore, upper half first
                                        "drLine(0.5, 5, 19.5, 5, 1)", "drLine(19.5, 0, 19.5, 5, 1)",
                                        "drLine(0.5, -5, 19.5, -5, 1)", "drLine(19.5, 0, 19.5, -5, 1)",
                                        // the exit transition
                                        "drLine(19.5, -5, 20, -5.5, 1)", "drLine(19.5, -5, 19.5, 0, 1)",
                                        "drLine(19.5, 5, 20, 5.5, 1)", "drLine(19.5, 5, 19.5, 0, 1)",
                                        // the axis overhangs by 2
                                        "drLine(-2, 0, 22, 0, 3)"}));
}

TEST_F(THole3DParam2DTest, ThreadedBoreIsDrawnOneSmallerWithThinLinesAtTheSize)
{
    Section(THole3DParam::UpCut | THole3DParam::CThreaded);
    EXPECT_TRUE(Has("drLine(0.5, 4, 19.5, 4, 1)")) << "the bore one unit under the size";
    EXPECT_TRUE(Has("drLine(0.5, 5, 19.5, 5, 2)")) << "the thread line at the size";
    EXPECT_TRUE(Has("drLine(19.5, 5, 19.5, 4, 2)"));
    for (const std::string& l : Lines())
        EXPECT_EQ(l.find(", -"), std::string::npos) << "the upper half only: " << l;
}

TEST_F(THole3DParam2DTest, OutlineRecordsItsEndsAndClosesAHalfAlongTheAxis)
{
    Outline(THole3DParam::UpCut);
    EXPECT_EQ(H.lx, 0);
    EXPECT_EQ(H.lr, 5.5);
    EXPECT_EQ(H.rx, 20);
    EXPECT_EQ(H.rr, 5.5);
    EXPECT_TRUE(Has("drLine(0, 0, 20, 0, 1)"));
    EXPECT_TRUE(Has("drLine(0, 0, 0, 5.5, 1)")) << "the left end line";
    EXPECT_EQ(M.CountOf("drMacro2D"), 0u);
    for (const int Typ : {THole3DParam::UpCut | THole3DParam::DnCut, THole3DParam::UpCut | 8}) {
        M.ClearJournal();
        Outline(Typ);
        EXPECT_FALSE(Has("drLine(0, 0, 20, 0, 1)")) << Typ;
    }
    M.ClearJournal();
    H.cHole(48, X, Y, A, 0, 0, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z);
    EXPECT_EQ(H.lx, 500) << "no segment: the start stays beyond";
}

TEST_F(THole3DParam2DTest, AxialViewCentreLinesOverhangTheLargestCircleByThree)
{
    // dr2DHole takes the right end first: rF, rL, irR, F2, iL, iR, F1, ilL, ilR, lF.
    H.dr2DHole(0, X, Y, 0, Z, Z, Z, Half, L, R, Half, Z, Z, Z, "");
    const std::vector<std::string> t = M.Texts();
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0], "drLine(92, 50, 108, 50, 3)");
    EXPECT_EQ(t[1], "drLine(100, 42, 100, 58, 3)");
    EXPECT_TRUE(Has("drCircle(100, 50, 5, 1)"));
    M.ClearJournal();
    // A two-step hole with a threaded step: the step's thread arc, then its circle; the bore
    // behind it dashed.
    H.dr2DHole(THole3DParam::LThreaded, X, Y, 0, Z, Z, Z, Half, L, R, Z, 6, 8, Half, "");
    EXPECT_TRUE(Has("drArc(100, 50, 9, 92, 50, 100, 58, 1, 2)"));
    EXPECT_TRUE(Has("drCircle(100, 50, 8, 1)"));
    EXPECT_TRUE(Has("drCircle(100, 50, 8.5, 1)")) << "the mouth chamfer";
    EXPECT_FALSE(Has("drCircle(100, 50, 5, 4)")) << "the bore is smaller than the step: solid";
    EXPECT_TRUE(Has("drCircle(100, 50, 5, 1)"));
}
