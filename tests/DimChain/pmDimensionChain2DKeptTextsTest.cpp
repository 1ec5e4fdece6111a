// A closing dimension's own texts as the panel works them: the loop's residual note counts them,
// never the figures a chain wrote over them, and they come back with their items and character
// heights whichever way the chain lets them go.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "Reopen2DFixture.h"

namespace {

class TKeptTextsFixture : public TReopenFixture {
public: // the residual cases' steps
    void SpacerChangedWhileClosed()
    {
        DrawStack(1);
        Open();
        PickStack();
        OkAndReopen([this] {
            tvapi::IDimensionTextPtr(Dims[1])->SetDeviations(0.1, -0.05);
            Dims[1]->Update();
        });
    }
    void SecondChainTakesOver()
    {
        DrawStack(1);
        Part(0, 35, 60, 0.05, -0.05);
        Open();
        PickStack();
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
        for (const auto& [x, y] : {std::pair{17, 60}, {36, 30}, {20, 40}, {38, 50}})
            At(x, y);
        ASSERT_TRUE(Panel->Chain().Closed);
        OkAndReopen([this] { Dims[0]->Delete(); });
    }
    void TypedOnB()
    {
        DrawSample(1);
        Open();
        PickChain();
        Type(2, rEQHigh, L"0,15");
    }

protected:
    // The set's last chain made the current one, as the user sets "Текущая".
    void ShowLastChain()
    {
        tvhost::THostPropertyControl& current = *Control("Текущая");
        current.UserSet(std::to_wstring(Panel->DimensionChains.DimChains.Count).c_str());
        Panel->ChangeControlValue(
            tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertySpinEdit*>(&current)));
    }
    const TDimension& Closing() { return Panel->Chain().Dimensions[Panel->Chain().Count() - 1]; }
    std::string Note() { return Cell(Panel->Chain().Count(), rComment); }
    std::string ClosingTexts() { return U(Upper(Closing().Obj)) + "|" + U(Lower(Closing().Obj)); }
    // The sample's C given upper "+0,2" at 2,5 and " x" at 1 in one line, lower "-0,1" at 5.
    void ShapeC()
    {
        const tvapi::IDimensionTextPtr text(Dims[2]);
        text->GetUpperDeviation()->SetStr(L"+0,2");
        const tvapi::ITextLinePtr upper = text->GetUpperDeviation()->GetLine(0);
        tvapi::ITextFontPtr(upper->GetItem(0))->SetHeight(2.5);
        const tvapi::ITextItemPtr x = upper->Add();
        x->SetStr(L" x");
        tvapi::ITextFontPtr(x)->SetHeight(1);
        text->GetLowerDeviation()->SetStr(L"-0,1");
        tvapi::ITextFontPtr(text->GetLowerDeviation()->GetLine(0)->GetItem(0))->SetHeight(5);
        Dims[2]->Update();
    }
    // Each line's items as "text@height", items joined by "+", lines by "/".
    static std::string Shape(const tvapi::ITextPtr& Text)
    {
        std::ostringstream out;
        for (int i = 0; i < Text->GetCount(); ++i) {
            const tvapi::ITextLinePtr line = Text->GetLine(i);
            out << (i ? "/" : "");
            for (int j = 0; j < line->GetCount(); ++j)
                out << (j ? "+" : "") << U(line->GetItem(j)->GetStr()) << "@"
                    << tvapi::ITextFontPtr(line->GetItem(j))->GetHeight();
        }
        return out.str();
    }
    std::string ShapeOf(const tvapi::IDrawingObjectPtr& D)
    {
        const tvapi::IDimensionTextPtr text(D);
        return Shape(text->GetUpperDeviation()) + "|" + Shape(text->GetLowerDeviation());
    }
};

// The bore stack (housing 40 +-0.1, shoulder 10 +-0.05, spacer 25 +-0.05, ring 2 +-0.03, gap 3 with
// no deviations) and the sample's chain, worked on after the pick. The residual is the loop's with
// the gap's (C's) own nothing, whatever the chain wrote: the spacer made +0.1/-0.05 while the
// drawing was closed gives +0.23/-0.28; a second chain (housing, a part 35 +-0.05 holding shoulder
// and spacer, ring) closing on the gap gives +-0.18 once the first lets it go; 0,15 typed into B's
// additional upper deviation gives B 0.2/0, so A - B = +0.1/-0.3, C's own counting nothing.
struct TResidualCase {
    const char* Name;
    std::function<void(TKeptTextsFixture&)> Work;
    const char *Note, *Texts;
};

void PrintTo(const TResidualCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TOwnResidualNoteTest : public TKeptTextsFixture, public testing::WithParamInterface<TResidualCase> {};

TEST_P(TOwnResidualNoteTest, CountsTheClosingDimensionsOwnDeviations)
{
    const TResidualCase& c = GetParam();
    c.Work(*this);
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        ShowLastChain();
        ASSERT_TRUE(Panel->Chain().Closed);
        EXPECT_EQ(Note(), c.Note);
        EXPECT_EQ(ClosingTexts(), c.Texts);
        if (opening == 0) OkAndReopen();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TOwnResidualNoteTest,
    testing::Values(TResidualCase{"SpacerChangedWhileClosed", &TKeptTextsFixture::SpacerChangedWhileClosed,
                                  "0(   0.00)[  0.230, -0.280]", "  0,230| -0,280"},
                    TResidualCase{"SecondChainTakesTheGapOver", &TKeptTextsFixture::SecondChainTakesOver,
                                  "0(   0.00)[  0.180, -0.180]", "  0,180| -0,180"},
                    TResidualCase{"ValueTypedOnALink", &TKeptTextsFixture::TypedOnB,
                                  "0(   0.00)[  0.100, -0.300]", "  0,100| -0,300"}),
    [](const testing::TestParamInfo<TResidualCase>& p) { return std::string(p.param.Name); });

// The sample's C shaped (ShapeC), A, B, C picked (C written 0,100/-0,150), then let go: by a
// cancel, by C clicked again, or after OK and a reopening by C clicked again. C's texts come back
// with their items and heights, and stay so after OK and another reopening.
enum class TLetGo { Cancelled, ClickedOut, ClickedOutAfterReopening };

class TKeptTextsTest : public TKeptTextsFixture, public testing::WithParamInterface<TLetGo> {};

TEST_P(TKeptTextsTest, ComeBackWithTheirItemsAndHeights)
{
    DrawSample(1);
    ShapeC();
    const std::string own = ShapeOf(Dims[2]);
    ASSERT_EQ(own, "+0,2@2.5+ x@1|-0,1@5");
    Open();
    PickChain();
    ASSERT_EQ(U(Upper(Dims[2])), "  0,100");
    if (GetParam() == TLetGo::ClickedOutAfterReopening) OkAndReopen();
    if (GetParam() == TLetGo::Cancelled) {
        Panel->ButtonClick(2);
        EXPECT_EQ(ShapeOf(Dims[2]), own);
        return;
    }
    Pick(15, 28);
    ASSERT_FALSE(Panel->Chain().Closed);
    EXPECT_EQ(ShapeOf(Dims[2]), own);
    OkAndReopen();
    EXPECT_EQ(ShapeOf(Dims[2]), own);
}

const char* const LetGoNames[] = {"Cancelled", "ClickedOut", "ClickedOutAfterReopening"};

void PrintTo(TLetGo LetGo, std::ostream* os)
{
    *os << LetGoNames[static_cast<int>(LetGo)];
}

std::string LetGoName(const testing::TestParamInfo<TLetGo>& p)
{
    return LetGoNames[static_cast<int>(p.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, TKeptTextsTest,
                         testing::Values(TLetGo::Cancelled, TLetGo::ClickedOut,
                                         TLetGo::ClickedOutAfterReopening),
                         LetGoName);

} // namespace
