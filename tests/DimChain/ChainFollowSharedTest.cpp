// A closing dimension that two chains close on, in a drawing: what it shows, and what the
// chains read of it, when the chain writing it stops closing, is refused, or finds texts the
// user typed over it while the drawing was closed.

#include "ChainFollow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChainSetFixture.h"
#include "RecordingChainHost.h"
#include "TWrittenDeviations.h"

namespace {

enum class TOneGap { BothBreak, WriterRefused, TypedWhileClosed };

struct TOneGapCase {
    const char* Name;
    TOneGap How;
    bool Second;                  // a second chain closing on C
    const wchar_t *Upper, *Lower; // C's texts after; none: the texts it was drawn with
    double Hi, Lo;                // the first chain's last link after
    bool Told;                    // the follow finds the first chain's last link changed
};

void PrintTo(const TOneGapCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TOneGapFollowTest : public TChainSetFixture, public testing::WithParamInterface<TOneGapCase> {
protected:
    // Follows Change through the set, every text written over kept.
    std::vector<TFollowedChain> Follow(TFigureChange Change)
    {
        Change.Written = &Kept;
        return FollowFigures(Set, FacadeChainHost(), Change);
    }
    void Add(std::initializer_list<tvapi::IDrawingObjectPtr> Links)
    {
        TDimensionChain& chain = Set.Add();
        for (const tvapi::IDrawingObjectPtr& d : Links)
            ASSERT_TRUE(chain.Add(d, {}, FacadeChainHost()));
        ASSERT_TRUE(chain.Closed);
        TFigureChange closed;
        closed.Chains = {Set.Count - 1};
        closed.Laid = {Set.Count - 1};
        Follow(closed);
    }
    void TearDown() override
    {
        Chains.reset(); // before the host ends
        TChainSetFixture::TearDown();
    }
    std::unique_ptr<TArrayOf<TDimensionChain>> Chains = std::make_unique<TArrayOf<TDimensionChain>>(4, 4);
    TArrayOf<TDimensionChain>& Set = *Chains;
};

// A 0-40 +-0.1 less B 30-40 +0.05/0 writes C 0-30 +0.3/-0.1 as +0.1/-0.15; D 0-10 +-0.02 and
// E 10-30 +-0.03 close on it too, keeping +-0.05.
TEST_P(TOneGapFollowTest, DimensionShowsWhatItsChainsRead)
{
    const TOneGapCase& t = GetParam();
    A = Linear(0, 0, 40, 0, 0.1, -0.1);
    B = Linear(30, 0, 40, 0, 0.05, 0);
    C = Linear(0, 0, 30, 0, 0.3, -0.1);
    const std::optional<TDeviationTexts> own = TDeviationTexts::Of(C);
    Add({A, B, C});
    if (t.Second) Add({Linear(0, 0, 10, 0, 0.02, -0.02), Linear(10, 0, 30, 0, 0.03, -0.03), C});
    ASSERT_EQ(Upper(C), L"  0,100");
    TFigureChange change;
    change.Everything = true;
    switch (t.How) {
    case TOneGap::BothBreak: // drawn 30.4 long while the drawing was closed
        tvapi::ILineDimensionPtr(C)->SetX2(30.4);
        C->Update();
        break;
    case TOneGap::WriterRefused: // dl/dT 12 typed for 12e-6 at dT -50
        Set[0].Dimensions[0].dLdT = 12;
        Set[0].Dimensions[0].dT = -50;
        change = {};
        change.Chains = {0};
        break;
    case TOneGap::TypedWhileClosed: // and B drawn 30..41
        TDeviationTexts{L"+0,4", L"-0,2"}.WriteTo(C);
        tvapi::ILineDimensionPtr(B)->SetX2(41);
        B->Update();
        break;
    }
    Kept.Forget(); // stored: a new run keeps what it writes over
    const std::vector<TFollowedChain> followed = Follow(change);
    ASSERT_FALSE(followed.empty());
    EXPECT_EQ(!followed[0].Changed.empty(), t.Told);
    const TDeviationTexts shown = t.Upper ? TDeviationTexts{t.Upper, t.Lower} : *own;
    EXPECT_EQ(TDeviationTexts::Of(C), shown);
    const TDimension& last = Set[0].Dimensions[Set[0].Count() - 1];
    EXPECT_NEAR(last.QHigh, t.Hi, 1e-9);
    EXPECT_NEAR(last.QLow, t.Lo, 1e-9);
    // The next opening finds nothing changed.
    TFigureChange opening;
    opening.Everything = true;
    for (const TFollowedChain& f : Follow(opening))
        EXPECT_TRUE(f.Changed.empty()) << "chain " << f.Chain;
    EXPECT_EQ(TDeviationTexts::Of(C), shown);
}

INSTANTIATE_TEST_SUITE_P(Closings, TOneGapFollowTest,
                         testing::Values(TOneGapCase{"BothChainsBreakAtOnce", TOneGap::BothBreak, true,
                                                     nullptr, nullptr, 0.3, -0.1, true},
                                         TOneGapCase{"WriterRefused", TOneGap::WriterRefused, true,
                                                     L"  0,050", L" -0,050", 0.05, -0.05, false},
                                         TOneGapCase{"TextsTypedWhileClosed", TOneGap::TypedWhileClosed,
                                                     false, L"+0,4", L"-0,2", 0.4, -0.2, true}),
                         [](const testing::TestParamInfo<TOneGapCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace

namespace {

class TCancelTest : public TChainSetFixture {};

// A cancelled run gives the texts back through the host it is handed, not around it.
TEST_F(TCancelTest, GivesTextsBackThroughTheHost)
{
    C = Linear(0, 0, 30, 0, 0.3, -0.1);
    TWrittenDeviations written;
    written.Keep(C);
    TDeviationTexts{L"  0,100", L" -0,150"}.WriteTo(C);
    TRecordingChainHost host;
    written.RestoreAll(host);
    EXPECT_EQ(host.Kinds(), "G");
    EXPECT_EQ(Upper(C), L"  0,100") << "written by the host alone";
    EXPECT_TRUE(written.Empty());
}

} // namespace
