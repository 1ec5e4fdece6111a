// Drawing chains over the recording host: a closing nominal that typed nominals turn negative,
// what a refused chain is told as, and rings found once over many chains.

#include "ChainFollow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ChainSetFixture.h"
#include "RecordingChainHost.h"
#include "TLinkText.h"
#include "TWrittenDeviations.h"
#include "tvapi/DrawingTexts.h"

namespace {

// A horizontal link from X1 to X2, its deviations; Typed, when not 0, the nominal typed.
struct TPart {
    double X1, X2, Hi = 0, Lo = 0, Typed = 0;
};

// How the chain comes to be calculated.
enum class TPath { Picked, Recognised, Followed };

struct TSignCase {
    const char* Name;
    std::vector<TPart> Parts; // the closing link last, or a zero gap first
    TPath Path;
    double Hi, Lo;    // the closing link's deviations of the nominal it shows
    const char* Note; // the length note: the shown nominal, then the calculated one
};

void PrintTo(const TSignCase& c, std::ostream* os)
{
    *os << c.Name;
}

// The recording host lets go of the host objects it holds before the host ends.
class TRecordingHostFixture : public TChainSetFixture {
protected:
    void TearDown() override
    {
        Host = {};
        TChainSetFixture::TearDown();
    }
    TRecordingChainHost Host;
};

class TNegativeGapTest : public TRecordingHostFixture, public testing::WithParamInterface<TSignCase> {};

TEST_P(TNegativeGapTest, IsCalculatedAndWrittenNegative)
{
    const TSignCase& t = GetParam();
    TArrayOf<TDimensionChain> set(4, 4);
    TDimensionChain& chain = set.Add();
    TClosingStep quiet;
    quiet.NoteResidual = false;
    for (const TPart& p : t.Parts) {
        Dims.push_back(LinearAt(0, p.X1, 0, p.X2, 0, p.Hi, p.Lo));
        if (p.Typed != 0 && t.Path != TPath::Followed)
            tvapi::IDimensionTextPtr(Dims.back())->SetNominalValue(p.Typed);
        ASSERT_TRUE(chain.Add(Dims.back(), {}, Host, quiet));
    }
    ASSERT_TRUE(chain.Closed);
    if (t.Path == TPath::Recognised) {
        ASSERT_TRUE(chain.CloseRecognised(false));
    }
    const TDimension& closing = chain.Dimensions[chain.Count() - 1];
    if (t.Path == TPath::Followed) {
        // Typed while the drawing was closed: the link reads the typed nominal on opening.
        for (std::size_t i = 0; i < t.Parts.size(); ++i)
            if (t.Parts[i].Typed != 0) chain.Dimensions[chain.Index(Dims[i])].Nominal = t.Parts[i].Typed;
    }
    // What the follow writes into the closing dimension.
    TWrittenDeviations written;
    TFigureChange change;
    change.Chains = {0};
    change.Written = &written;
    const std::vector<TFollowedChain> followed = FollowFigures(set, Host, change);
    ASSERT_EQ(followed.size(), 1u);
    EXPECT_EQ(followed[0].Outcome, TFollowed::Calculated);
    const TShownFigures* shown = Host.Shown(closing);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(LinkText::Deviation(shown->QHigh), LinkText::Deviation(t.Hi));
    EXPECT_EQ(LinkText::Deviation(shown->QLow), LinkText::Deviation(t.Lo));
    EXPECT_NEAR(closing.QHigh, t.Hi, 1e-9);
    EXPECT_NEAR(closing.QLow, t.Lo, 1e-9);
    // Noted where the figures are: typed while the drawing was closed too.
    EXPECT_NE(std::string(closing.Comment.PChar()).find(t.Note), std::string::npos)
        << closing.Comment.PChar();
}

// The zero gap G 0 = H 20 +-0.1 - F 15 +-0.05 - S 4.8 +-0.08 - K 0.2 +-0.02, F typed 15.3: -0.3
// +-0.25, written -0.050/-0.550. A0 1 = 47 0/-0.14 - A1 21 0/-0.14 - 25 0/-0.12, A1 typed 22.5:
// -0.5 +0.26/-0.14, limits -0.24 to -0.64, written on the shown 1 as -1.240/-1.640.
const std::vector<TPart> ZeroGap = {{20, 20},
                                    {0, 20, 0.1, -0.1},
                                    {0, 15, 0.05, -0.05, 15.3},
                                    {15, 19.8, 0.08, -0.08},
                                    {19.8, 20, 0.02, -0.02}};
const std::vector<TPart> ShownOne = {
    {0, 47, 0, -0.14}, {0, 21, 0, -0.14, 22.5}, {21, 46, 0, -0.12}, {46, 47}};

INSTANTIATE_TEST_SUITE_P(
    TypedNominals, TNegativeGapTest,
    testing::Values(
        TSignCase{"ZeroGapPicked", ZeroGap, TPath::Picked, -0.05, -0.55, "(*dT=   0.000  -0.300"},
        TSignCase{"ZeroGapRecognised", ZeroGap, TPath::Recognised, -0.05, -0.55, "(*dT=   0.000  -0.300"},
        TSignCase{"ZeroGapFollowed", ZeroGap, TPath::Followed, -0.05, -0.55, "(*dT=   0.000  -0.300"},
        TSignCase{"ShownOnePicked", ShownOne, TPath::Picked, -1.24, -1.64, "(*dT=   1.000  -0.500"},
        TSignCase{"ShownOneRecognised", ShownOne, TPath::Recognised, -1.24, -1.64, "(*dT=   1.000  -0.500"},
        TSignCase{"ShownOneFollowed", ShownOne, TPath::Followed, -1.24, -1.64, "(*dT=   1.000  -0.500"}),
    [](const testing::TestParamInfo<TSignCase>& p) { return std::string(p.param.Name); });

// The example chain A 0-40 +-0.1, B 30-40 +0.05/0, closing C 0-30, opened with A's
// deviations changed; with Ring a second chain A, C closing B counts C and C counts B. A chain
// refused is told so once and shown open, in its grid and report alike.
struct TToldCase {
    const char* Name;
    double AHi;      // A's upper deviation as the drawing now shows it
    double DlDt, DT; // A's thermal factor
    TMethodCalculating Method;
    bool Ring;
    TFollowed Outcome;            // of the first chain
    int Rings, NoNumbers, Writes; // messages told, closing dimensions written
};

void PrintTo(const TToldCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TRefusalToldTest : public TRecordingHostFixture, public testing::WithParamInterface<TToldCase> {};

TEST_P(TRefusalToldTest, ToldAsWhatItIs)
{
    const TToldCase& t = GetParam();
    TDimensionChains S;
    Example(S);
    TDimensionChain& first = S.DimChains[0];
    first.MethodCalculating = t.Method;
    first.ApplyMethod();
    first.Dimensions[0].dLdT = t.DlDt;
    first.Dimensions[0].dT = t.DT;
    if (t.Ring) {
        TDimensionChain& second = S.DimChains.Add();
        for (const tvapi::IDrawingObjectPtr& d : {A, C, B})
            ASSERT_TRUE(second.Add(d, {}, Host, TClosingStep{false, false}));
        ASSERT_TRUE(second.Closed);
    }
    const double hi = first.Dimensions[2].QHigh, lo = first.Dimensions[2].QLow;
    Host.Shows.emplace_back(TRecordingChainHost::Identity(first.Dimensions[0]),
                            TShownFigures{40, t.AHi, -0.1});
    Journal().Clear();
    TWrittenDeviations written;
    const std::vector<TFollowedChain> followed = S.FollowOpening(Host, &written);
    const auto ours =
        std::find_if(followed.begin(), followed.end(), [](const TFollowedChain& f) { return f.Chain == 0; });
    ASSERT_NE(ours, followed.end());
    EXPECT_EQ(ours->Outcome, t.Outcome);
    const std::vector<std::string> said = Boxes();
    EXPECT_EQ(std::count(said.begin(), said.end(), "Цепи не могут зависеть друг от друга по кругу"), t.Rings);
    EXPECT_EQ(std::count(said.begin(), said.end(), TDimensionChains::NoNumbersText), t.NoNumbers);
    const std::string kinds = Host.Kinds();
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 'W'), t.Writes);
    const TDimension& closing = first.Dimensions[2];
    EXPECT_LE(closing.QLow, closing.QHigh);
    if (t.Outcome == TFollowed::Calculated) return;
    // Shown as an open chain: C's own empty texts back, its row and report line C's own 0/0.
    EXPECT_FALSE(first.Closed);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 'G'), 1);
    EXPECT_EQ(closing.QHigh, 0.0) << hi;
    EXPECT_EQ(closing.QLow, 0.0) << lo;
    const std::string report = FDir + "/report.txt";
    ASSERT_TRUE(S.toTextFile(std::wstring(report.begin(), report.end())));
    std::ifstream in(report, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("01.02\t-\t  30.00\t  0.000\t  0.000\t"), std::string::npos) << text;
    EXPECT_EQ(text.find("01.02*"), std::string::npos) << text;
    // The next opening finds nothing to tell.
    Journal().Clear();
    S.FollowOpening(Host, &written);
    EXPECT_EQ(Boxes(), std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Openings, TRefusalToldTest,
    testing::Values(
        TToldCase{"Calculated", 0.2, 0, 0, mcMinMax, false, TFollowed::Calculated, 0, 0, 1},
        TToldCase{"Ring", 0.2, 0, 0, mcMinMax, true, TFollowed::Refused, 1, 0, 0},
        // A deviation of 320 digits reads as infinite.
        TToldCase{"InfiniteDeviation", HUGE_VAL, 0, 0, mcMinMax, false, TFollowed::NoNumbers, 0, 1, 0},
        TToldCase{"InfiniteDeviationInARing", HUGE_VAL, 0, 0, mcMinMax, true, TFollowed::Refused, 1, 0, 0},
        // dl/dT 12 typed for 12e-6 at dT -50: A is 1 - 600 times its length.
        TToldCase{"HeatTurnsALengthNegative", 0.2, 12, -50, mcMinMax, false, TFollowed::NoNumbers, 0, 1, 0},
        TToldCase{"HeatTurnsALengthNegativeNormal", 0.2, 12, -50, mcNormalDistribution, false,
                  TFollowed::NoNumbers, 0, 1, 0},
        TToldCase{"HeatMakesALengthZero", 0.2, 0.02, -50, mcMinMax, false, TFollowed::NoNumbers, 0, 1, 0}),
    [](const testing::TestParamInfo<TToldCase>& p) { return std::string(p.param.Name); });

// Chains counting each other in a line: chain k closes D(k+1) 0..10(k+2) on D(k) and E(k); a
// chain back closes D(0) on D(1) and E(0), a ring with chain 0. D(0) widened, each chain not
// in a ring follows once, in the line's order; a ring's chains are refused, and what counts
// them follows their dimensions' own texts (none kept here: nothing to follow).
struct TLineCase {
    const char* Name;
    int Chains;
    int Back; // 0: the chain back, -1: none
    int Calculated, Refused;
};

void PrintTo(const TLineCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TChainLineTest : public TRecordingHostFixture, public testing::WithParamInterface<TLineCase> {};

TEST_P(TChainLineTest, RingsFoundOnceAndTheRestFollowedInOrder)
{
    const TLineCase& t = GetParam();
    std::vector<tvapi::IDrawingObjectPtr> d{Linear(0, 0, 10, 0, 0.1, -0.1)}, e;
    for (int k = 0; k < t.Chains; ++k) {
        e.push_back(Linear(10.0 * (k + 1), 0, 10.0 * (k + 2), 0, 0.01, 0));
        d.push_back(Linear(0, 0, 10.0 * (k + 2), 0));
    }
    TArrayOf<TDimensionChain> set(t.Chains + 1, 64);
    const auto chain = [&](std::initializer_list<tvapi::IDrawingObjectPtr> Links) {
        TDimensionChain& c = set.Add();
        for (const tvapi::IDrawingObjectPtr& l : Links)
            c.Add(l, {}, Host, TClosingStep{false, false});
        return c.Closed;
    };
    for (int k = 0; k < t.Chains; ++k)
        ASSERT_TRUE(chain({d[k], e[k], d[k + 1]}));
    if (t.Back >= 0) {
        ASSERT_TRUE(chain({d[t.Back + 1], e[t.Back], d[t.Back]}));
    }
    EXPECT_EQ(std::any_of(set.begin(), set.end(), [&](const TDimensionChain& c) { return InRing(set, c); }),
              t.Back >= 0);
    EXPECT_EQ(InRing(set, set[0]), t.Back == 0);
    Host.Shows.emplace_back(TRecordingChainHost::Identity(set[0].Dimensions[0]),
                            TShownFigures{10, 0.2, -0.2});
    TWrittenDeviations written;
    TFigureChange change;
    change.Everything = true;
    change.Written = &written;
    std::vector<Integer> calculated;
    int refused = 0;
    for (const TFollowedChain& f : FollowFigures(set, Host, change)) {
        if (f.Outcome == TFollowed::Calculated) calculated.push_back(f.Chain);
        refused += f.Outcome == TFollowed::Refused;
    }
    EXPECT_EQ(static_cast<int>(calculated.size()), t.Calculated);
    EXPECT_TRUE(std::is_sorted(calculated.begin(), calculated.end()));
    EXPECT_EQ(refused, t.Refused);
    // Each step adds its own upper 0.01 to the widened 0.2.
    if (t.Calculated == t.Chains) {
        EXPECT_NEAR(set[t.Chains - 1].Dimensions[2].QHigh, 0.2 + 0.01 * t.Chains, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, TChainLineTest,
                         testing::Values(TLineCase{"ThreeHundredInALine", 300, -1, 300, 0},
                                         TLineCase{"ThreeInALine", 3, -1, 3, 0},
                                         TLineCase{"RingAtTheStartOfThreeHundred", 300, 0, 0, 2},
                                         TLineCase{"RingOfTwo", 1, 0, 0, 2}),
                         [](const testing::TestParamInfo<TLineCase>& p) {
                             return std::string(p.param.Name);
                         });

// The example chain picked, so that C's note holds the pick's residual, with text of the
// user's around it; then the chain opens: that note goes, the user's text stays.
enum class TOpens { ComponentRemoved, LoopLostOnOpening, NoNumbers, Ring };

struct TNoteCase {
    const char* Name;
    TOpens How;
    const char* Before; // typed by the user around the residual
    const char* After;
};

void PrintTo(const TNoteCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TResidualNoteTest : public TChainSetFixture, public testing::WithParamInterface<TNoteCase> {};

TEST_P(TResidualNoteTest, LeavesWhenTheChainOpens)
{
    const TNoteCase& t = GetParam();
    TDimensionChains S;
    Example(S);
    TDimensionChain& chain = S.DimChains[0];
    TString& note = chain.Dimensions[2].Comment;
    ASSERT_EQ(std::string(note.PChar()), "0(   0.00)[  0.100, -0.150]");
    note = TString(t.Before) + note + TString(t.After);
    TWrittenDeviations written;
    TFigureChange change;
    change.Written = &written;
    switch (t.How) {
    case TOpens::ComponentRemoved:
        chain.Remove(B, FacadeChainHost());
        break;
    case TOpens::LoopLostOnOpening: // B drawn 30..41 while the drawing was closed
        tvapi::ILineDimensionPtr(B)->SetX2(41);
        B->Update();
        change.Everything = true;
        break;
    case TOpens::NoNumbers:
        chain.Dimensions[0].dLdT = 12;
        chain.Dimensions[0].dT = -50;
        change.Chains = {0};
        break;
    case TOpens::Ring: {
        TDimensionChain& ring = S.DimChains.Add();
        for (const tvapi::IDrawingObjectPtr& d : {A, C, B})
            ASSERT_TRUE(ring.Add(d, {}, FacadeChainHost(), TClosingStep{false, false}));
        change.Everything = true;
        break;
    }
    }
    if (t.How != TOpens::ComponentRemoved) FollowFigures(S.DimChains, FacadeChainHost(), change);
    EXPECT_FALSE(S.DimChains[0].Closed);
    EXPECT_EQ(std::string(S.DimChains[0].Dimensions[S.DimChains[0].Count() - 1].Comment.PChar()),
              std::string(TString((std::string(t.Before) + t.After).c_str()).PChar())); // the 8-bit code page
}

INSTANTIATE_TEST_SUITE_P(Openings, TResidualNoteTest,
                         testing::Values(TNoteCase{"ComponentRemoved", TOpens::ComponentRemoved, "", ""},
                                         TNoteCase{"ComponentRemovedUserTextKept", TOpens::ComponentRemoved,
                                                   "см. 0(1)[2] ", " ок"},
                                         TNoteCase{"LoopLostOnOpening", TOpens::LoopLostOnOpening, "", " ок"},
                                         TNoteCase{"NoNumbersOnAFollow", TOpens::NoNumbers, "зазор ", ""},
                                         TNoteCase{"RefusedInARing", TOpens::Ring, "", ""}),
                         [](const testing::TestParamInfo<TNoteCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace
