// The facade's annotation signs and section lines against the stand-in host: what reaches
// the host and in which order, what becomes current, and what happens while a contour
// collects or the host refuses.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Contour.h"
#include "FacadeFixture.h"
#include "HostSigns.h"
#include "HostText.h"

namespace {

class TSignsTest : public TDrawingFacadeFixture {
protected:
    // The operations of `prefixes` journaled since the last Clear, in call order.
    std::vector<std::string> Ops(std::initializer_list<const char*> prefixes)
    {
        std::vector<std::string> ops;
        for (const tvhost::TJournalEntry& e : Host().Journal().Entries())
            for (const char* p : prefixes)
                if (e.Operation.rfind(p, 0) == 0) ops.push_back(e.Operation);
        return ops;
    }
};

} // namespace

TEST_F(TSignsTest, RoughSetsItsParametersInOrderAndBecomesCurrent)
{
    Host().Journal().Clear();
    drApi::MA.drRough(10, 20, 45, tvapi::tvDeleteMaterial, "Ra 1,6", "Полировать", "");
    ASSERT_EQ(Drawn().size(), 1u);
    tvhost::TDrawingCore& rough = Obj(0);
    EXPECT_EQ(rough.Type(), tvapi::tvDrRough);
    EXPECT_EQ(Ops({"IRough::", "IRoughParams::", "IDrawingObject::Update"}),
              (std::vector<std::string>{
                  "IRough::SetX", "IRough::SetY", "IRoughParams::SetType", "IRoughParams::SetShelf",
                  "IDrawingObject::Update", "IRoughParams::SetLeader", "IRoughParams::SetSize",
                  "IRoughParams::SetAngle", "IRoughParams::GetText1", "IRoughParams::GetText2",
                  "IRoughParams::GetText3", "IDrawingObject::Update"}));
    EXPECT_EQ(rough.Params().Real("Size"), 20.0);
    EXPECT_EQ(rough.Params().Real("Angle"), 45.0);
    EXPECT_EQ(U(rough.Text("Text2").Str()), "Полировать");
    EXPECT_EQ(rough.Updates(), 2);
    EXPECT_EQ(Current().Get(), Drawn()[0].Get());
}

TEST_F(TSignsTest, SignsMakeNothingWhileAContourCollects)
{
    const tvapi::IDrawingObjectPtr before = Current();
    TContour c;
    drApi::MA.SetOutput(&c);
    drApi::MA.drRough(0, 0, 0, tvapi::tvNoProcessingType, "a", "", "");
    drApi::MA.drSRough(1, true, "Ra 6,3");
    drApi::MA.drForm(0, 0, 0, 1, "", "");
    drApi::MA.drSupportForm(1, 1, 0, 0);
    drApi::MA.drBase(0, 0, 1, 1, "А");
    drApi::MA.drWPointer(0, 0, 1, 1, 2, 2, 5, 1, 75, "Б");
    drApi::MA.SetOutput(nullptr);
    EXPECT_TRUE(Drawn().empty());
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_EQ(Current().Get(), before.Get());
    EXPECT_FALSE(R().Tolerance);
    EXPECT_FALSE(tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Data().Notes.Rough);
}

TEST_F(TSignsTest, GeneralRoughnessIsTheDrawingsOwnAndIgnoresTz)
{
    auto& notes = tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Data().Notes;
    drApi::MA.drSRough(1, true, "");
    EXPECT_FALSE(notes.Rough); // an empty text asks for nothing
    Host().Journal().Clear();
    drApi::MA.drSRough(5, true, "Ra 6,3");
    ASSERT_TRUE(notes.Rough);
    const tvhost::TParams& p = notes.Rough->Params();
    EXPECT_EQ(p.Log(), (std::vector<std::string>{"Type", "Text", "Sign", "InBrackets"}));
    EXPECT_EQ(p.Int("Type"), 0);
    EXPECT_EQ(p.Int("Sign"), 1);
    EXPECT_TRUE(p.Flag("InBrackets"));
    EXPECT_EQ(notes.Rough->Applies(), 1);
    drApi::MA.drSRough(0, false, "Ra 12,5"); // the same sign again
    EXPECT_EQ(U(p.Text("Text")), "Ra 12,5");
    EXPECT_FALSE(p.Flag("InBrackets"));
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(TSignsTest, FormToleranceTakesThreeCellsAndItsBranchesUntilEnded)
{
    drApi::MA.drForm(5, 6, 99, -12, "0,05", "");
    ASSERT_EQ(Drawn().size(), 1u);
    auto& frame = dynamic_cast<tvhost::THostTolerance&>(Obj(0));
    EXPECT_EQ(frame.CellCount(), 3);
    EXPECT_EQ(U(frame.CellStr(0)), "-12");
    EXPECT_EQ(U(frame.CellStr(1)), "0,05");
    EXPECT_EQ(U(frame.CellStr(2)), "");
    EXPECT_EQ(frame.Params().Int("Type"), 8);
    EXPECT_EQ(frame.Params().Int("CellSize0"), 8);
    EXPECT_EQ(frame.Params().Int("CellSize1"), 2);
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmForm}));
    EXPECT_FALSE(Current()); // the frame becomes current only when ended
    drApi::MA.drSupportForm(20, 0, 0, 0);
    drApi::MA.drSupportForm(30, 0, 0, 0);
    const int updates = frame.Updates();
    drApi::MA.drEndObj();
    EXPECT_EQ(frame.Params().Reals("Branches"), (std::vector<double>{20, 0, 30, 0}));
    EXPECT_EQ(frame.Updates(), updates + 1);
    EXPECT_EQ(R().Entity2D.Get(), Drawn()[0].Get());
    EXPECT_FALSE(R().Tolerance);
    EXPECT_TRUE(OpenKinds().empty());
    drApi::MA.drSupportForm(40, 0, 0, 0); // no frame open any more
    EXPECT_EQ(frame.Params().Reals("Branches").size(), 4u);
    drApi::MA.drForm(0, 0, 0, 7, "", "");
    EXPECT_EQ(U(dynamic_cast<tvhost::THostTolerance&>(Obj(1)).CellStr(0)), "7");
    drApi::MA.drEndObj();
}

TEST_F(TSignsTest, BaseAndViewPointerTakeTheirPointsAndLetter)
{
    drApi::MA.drBase(10, 20, 0, 0, "А");
    ASSERT_EQ(Drawn().size(), 1u);
    const tvhost::TParams& base = Obj(0).Params();
    EXPECT_EQ(base.Real("X1"), base.Real("X2"));
    EXPECT_EQ(base.Real("Y1"), base.Real("Y2"));
    EXPECT_EQ(base.Int("Type"), 1);
    EXPECT_EQ(U(Obj(0).Text("Text").Str()), "А");
    EXPECT_EQ(Current().Get(), Drawn()[0].Get());

    drApi::MA.drWPointer(0, 0, 10, 0, 12, 3, 0, 9, 9, "Б");
    drApi::MA.drWPointer(0, 0, 10, 0, 12, 3, 7, 9, 9, "В");
    ASSERT_EQ(Drawn().size(), 3u);
    EXPECT_EQ(Obj(1).Params().Log(), (std::vector<std::string>{"X1", "Y1", "X2", "Y2", "Xt", "Yt"}));
    const tvhost::TTextData& zero = Obj(1).Text("Text");
    ASSERT_EQ(zero.Lines.size(), 1u);
    EXPECT_EQ(zero.Lines[0].Items.at(0).Height, 0.0); // the host's own height
    EXPECT_EQ(Obj(2).Text("Text").Lines.at(0).Items.at(0).Height, 7.0);
    EXPECT_EQ(Current().Get(), Drawn()[2].Get());
}

TEST_F(TSignsTest, SignsTheHostRefusesLeaveNothingOpenOrCurrent)
{
    InjectFault("IRoughs::Add", tvhost::fkFail);
    drApi::MA.drRough(0, 0, 0, tvapi::tvNoProcessingType, "", "", "");
    EXPECT_TRUE(Drawn().empty());
    EXPECT_FALSE(Current());
    InjectFault("ITolerances::Add");
    drApi::MA.drForm(0, 0, 0, 1, "", "");
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_FALSE(R().Tolerance);
}

TEST_F(TSignsTest, CutPointsAreKeptTransformedAndRefusedPastTheBuffer)
{
    drApi::TModelerApi& m = drApi::MA;
    m.NewCut();
    m.ACTIf(false, 1, 1);
    EXPECT_EQ(drApi::TModelerApi::CutPointCount(), 0);
    m.drMtr(100, 0, 0, 1);
    m.ACT(1, 2);
    m.drDeleteMtr(); // a later placement does not move points already kept
    EXPECT_EQ(drApi::TModelerApi::CutPointAt(0).x, 101.0);
    for (int i = 1; i < 60; ++i)
        m.ACT(i, 0);
    EXPECT_EQ(drApi::TModelerApi::CutPointCount(), drApi::TModelerApi::CutPoints);
    EXPECT_EQ(drApi::TModelerApi::CutPointAt(drApi::TModelerApi::CutPoints - 1).x, 49.0);
    m.NewCut();
    m.DrawCut("А", 1); // no point: no line
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(TSignsTest, DrawCutWaitsForTheContourAndDrawsAOnePointCut)
{
    drApi::TModelerApi& m = drApi::MA;
    m.NewCut();
    m.ACT(5, 5);
    TContour c;
    m.SetOutput(&c);
    m.DrawCut("А", 1);
    m.SetOutput(nullptr);
    EXPECT_TRUE(Drawn().empty());
    EXPECT_EQ(drApi::TModelerApi::CutPointCount(), 1);
    m.DrawCut("А", 1);
    ASSERT_EQ(Drawn().size(), 1u);
    const tvhost::TParams& cut = Obj(0).Params();
    EXPECT_EQ(cut.Real("X1"), cut.Real("X2"));
    EXPECT_EQ(cut.Real("Y1"), cut.Real("Y2"));
    EXPECT_EQ(cut.Reals("Points"), (std::vector<double>{5, 5}));
    EXPECT_EQ(drApi::TModelerApi::CutPointCount(), 0);
}
