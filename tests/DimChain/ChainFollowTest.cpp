// The follow path over bare chains of model links and the recording host: which chains it
// calculates, in what order, what each ends in, what it writes and the figures it leaves.

#include "ChainFollow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AssemblyLinks.h"
#include "HostFixture.h"
#include "HostModelObject.h"
#include "RecordingChainHost.h"
#include "TWrittenDeviations.h"

namespace {

// Dimensions along z: A 0-10 +-0.1, B 10-30 +0.05/0, C 0-30, D 30-35 +-0.02, E 0-35.
enum TName { A, B, C, D, E, Names };

struct TFollowCase {
    const char* Name;
    std::vector<std::vector<TName>> Chains; // links in order, the closing one last
    std::function<void(TArrayOf<TDimensionChain>&, TRecordingChainHost&, TFigureChange&)> Change;
    std::vector<std::pair<Integer, TFollowed>> Outcomes; // in the order followed
    std::string Writes;                                  // the closing dimensions written, by name
    // Chain, its last link's figures after the follow.
    Integer Chain;
    double Hi, Lo;
    std::string Gives = "";     // the dimensions given their own texts back, by name
    const char* Note = nullptr; // the chain's closing note after the follow, when asked
};

void PrintTo(const TFollowCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TFollowFiguresTest : public HostFixture, public testing::WithParamInterface<TFollowCase> {
protected:
    void TearDown() override
    {
        Set.reset();
        Objects.clear();
        Host = {};
        HostFixture::TearDown();
    }
    TDimension Link(TName N)
    {
        static const double From[Names] = {0, 10, 0, 30, 0}, To[Names] = {10, 30, 30, 35, 35};
        static const double Hi[Names] = {0.1, 0.05, 0, 0.02, 0}, Lo[Names] = {-0.1, 0, 0, -0.02, 0};
        TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
        L.V3 = TVector3D(0, 0, To[N] - From[N]);
        L.Nominal = L.V3.Len();
        L.QHigh = Hi[N];
        L.QLow = Lo[N];
        L.MO = Objects[N];
        return L;
    }
    char NameOf(const tvapi::IModelObjectPtr& O) const
    {
        for (int n = 0; n < Names; ++n)
            if (Objects[n] == O) return static_cast<char>('A' + n);
        return '?';
    }

    std::vector<tvapi::IModelObjectPtr> Objects;
    std::unique_ptr<TArrayOf<TDimensionChain>> Set = std::make_unique<TArrayOf<TDimensionChain>>(4, 4);
    TRecordingChainHost Host;
};

TEST_P(TFollowFiguresTest, CalculatesEachChainOnceInDependencyOrder)
{
    const TFollowCase& t = GetParam();
    for (int n = 0; n < Names; ++n)
        Objects.emplace_back(tvhost::New<tvhost::THostModelObject>(tvapi::o3d_lineDimension3D));
    for (const std::vector<TName>& links : t.Chains) {
        TDimensionChain& chain = Set->Add();
        for (const TName n : links)
            chain.Dimensions.Add(Link(n));
        chain.TakeLoop(chain.Loop());
    }
    TWrittenDeviations written;
    TFigureChange change;
    change.Written = &written;
    t.Change(*Set, Host, change);
    std::vector<std::pair<Integer, TFollowed>> outcomes;
    for (const TFollowedChain& f : FollowFigures(*Set, Host, change))
        outcomes.emplace_back(f.Chain, f.Outcome);
    EXPECT_EQ(outcomes, t.Outcomes);
    std::string writes;
    for (const TRecordingChainHost::TCall& call : Host.Calls)
        if (call.Kind == 'W') writes += NameOf(call.Model);
    EXPECT_EQ(writes, t.Writes);
    std::string gives;
    for (const TRecordingChainHost::TCall& call : Host.Calls)
        if (call.Kind == 'G') gives += NameOf(call.Model);
    EXPECT_EQ(gives, t.Gives);
    const TDimensionChain& chain = (*Set)[t.Chain];
    EXPECT_NEAR(chain.Dimensions[chain.Count() - 1].QHigh, t.Hi, 1e-12);
    EXPECT_NEAR(chain.Dimensions[chain.Count() - 1].QLow, t.Lo, 1e-12);
    if (t.Note) {
        const std::string note(t.Note);
        EXPECT_EQ(std::wstring(TString(chain.ShownNote(chain.Count() - 1)).toWideChar()),
                  std::wstring(note.begin(), note.end()));
    }
}

// A's deviations as the dimension now shows them.
void AWidened(TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change)
{
    Host.Shows.emplace_back(TRecordingChainHost::Identity(Set[0].Dimensions[0]),
                            TShownFigures{10, 0.2, -0.2});
    Change.Dimensions.push_back({{}, Set[0].Dimensions[0].MO});
}

// Chain 0 as stored: C showing its figures (A + B: +0.15/-0.1) over its own empty texts, and B
// drawn 10..31 while the document was closed, so that A and B no longer close on C. Opened.
void BStretchedWhileClosed(TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change)
{
    TDimension& c = Set[0].Dimensions[2];
    c.QHigh = 0.15;
    c.QLow = -0.1;
    Host.Shows.emplace_back(TRecordingChainHost::Identity(c), TShownFigures{30, 0.15, -0.1});
    Set[0].OwnTexts = TDeviationTexts{L"", L""};
    Set[0].Dimensions[1].V3 = TVector3D(0, 0, 21);
    for (Integer k = 1; k < Set.Count; ++k)
        for (TDimension& L : Set[k].Dimensions)
            if (L.MO == c.MO) static_cast<TDimensionTolerances&>(L) = c;
    Change.Everything = true;
}

// dl/dT 12 typed for 12e-6 at dT -50: A is -599 times its length.
void HeatUndoesA(TArrayOf<TDimensionChain>& Set, TRecordingChainHost&, TFigureChange& Change)
{
    Set[0].Dimensions[0].dLdT = 12;
    Set[0].Dimensions[0].dT = -50;
    Change.Chains = {0};
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TFollowFiguresTest,
    testing::Values(
        TFollowCase{
            "ComponentChanged", {{A, B, C}}, AWidened, {{0, TFollowed::Calculated}}, "C", 0, 0.25, -0.2},
        // Chain 1 counts chain 0's closing dimension C: it follows once C is written.
        TFollowCase{"CountingChainFollowsAfter",
                    {{A, B, C}, {C, D, E}},
                    AWidened,
                    {{0, TFollowed::Calculated}, {1, TFollowed::Calculated}},
                    "CE",
                    1,
                    0.27,
                    -0.22},
        // The same chains listed the other way round are followed in the same order.
        TFollowCase{"OrderIsByDependencyNotByPlace",
                    {{C, D, E}, {A, B, C}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change) {
                        Host.Shows.emplace_back(TRecordingChainHost::Identity(Set[1].Dimensions[0]),
                                                TShownFigures{10, 0.2, -0.2});
                        Change.Dimensions.push_back({{}, Set[1].Dimensions[0].MO});
                    },
                    {{1, TFollowed::Calculated}, {0, TFollowed::Calculated}},
                    "CE",
                    0,
                    0.27,
                    -0.22},
        // An open chain's last link is a link like the others.
        TFollowCase{"OpenChainsLastLinkReadAgain",
                    {{A, B, C}, {D, C}},
                    AWidened,
                    {{0, TFollowed::Calculated}, {1, TFollowed::LeftOpen}},
                    "C",
                    1,
                    0.25,
                    -0.2},
        // Chain 0 closes C counting B; chain 1 closes B counting C: neither is calculated.
        TFollowCase{"RingIsRefusedAndWritesNothing",
                    {{A, B, C}, {A, C, B}},
                    [](TArrayOf<TDimensionChain>&, TRecordingChainHost&, TFigureChange& Change) {
                        Change.Chains = {0, 1};
                    },
                    {{0, TFollowed::Refused}, {1, TFollowed::Refused}},
                    "",
                    0,
                    0,
                    0},
        // A deviation that reads as infinite: no figures, nothing written, and no ring.
        TFollowCase{"InfiniteDeviationIsNoNumbers",
                    {{A, B, C}, {C, D, E}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change) {
                        Host.Shows.emplace_back(TRecordingChainHost::Identity(Set[0].Dimensions[0]),
                                                TShownFigures{10, HUGE_VAL, -0.1});
                        Change.Dimensions.push_back({{}, Set[0].Dimensions[0].MO});
                    },
                    {{0, TFollowed::NoNumbers}},
                    "",
                    0,
                    0,
                    0},
        // A length that heat turns negative, which no worst case takes.
        TFollowCase{"HeatTurningALengthNegativeIsNoNumbers",
                    {{A, B, C}},
                    HeatUndoesA,
                    {{0, TFollowed::NoNumbers}},
                    "",
                    0,
                    0,
                    0},
        // A check keeps its closing link's own deviations; the normal method notes the loop's.
        TFollowCase{"CheckedChainCheckedAgain",
                    {{A, B, C}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost&, TFigureChange& Change) {
                        Set[0].Checked = true;
                        Set[0].MethodCalculating = mcNormalDistribution;
                        Set[0].ApplyMethod();
                        Change.Chains = {0};
                    },
                    {{0, TFollowed::Checked}},
                    "",
                    0,
                    0,
                    0},
        // A checked chain whose figures are no numbers notes no figures.
        TFollowCase{"CheckedChainWithNoNumbersIsNoNumbers",
                    {{A, B, C}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change) {
                        Set[0].Checked = true;
                        HeatUndoesA(Set, Host, Change);
                    },
                    {{0, TFollowed::NoNumbers}},
                    "",
                    0,
                    0,
                    0},
        // Without a place for written texts nothing is written and no chain waits for another.
        TFollowCase{"NothingWrittenWithoutWritten",
                    {{A, B, C}, {C, D, E}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change) {
                        AWidened(Set, Host, Change);
                        Change.Written = nullptr;
                    },
                    {{0, TFollowed::Calculated}},
                    "",
                    0,
                    0.25,
                    -0.2},
        // Opened: a chain that no longer closes keeps nothing of its loop; C reads its own texts.
        TFollowCase{"ReopenedChainThatNoLongerClosesGivesItsTextsBack",
                    {{A, B, C}},
                    BStretchedWhileClosed,
                    {{0, TFollowed::LeftOpen}},
                    "",
                    0,
                    0,
                    0,
                    "C"},
        // The chain counting C follows C's own figures: E is D's alone.
        TFollowCase{"ChainCountingALostClosingFollows",
                    {{A, B, C}, {C, D, E}},
                    BStretchedWhileClosed,
                    {{0, TFollowed::LeftOpen}, {1, TFollowed::Calculated}},
                    "E",
                    1,
                    0.02,
                    -0.02,
                    "C"},
        // An assembly's checked chain that no longer closes keeps no check figures in its note.
        TFollowCase{"CheckedChainThatNoLongerClosesDropsItsCheck",
                    {{A, B, C}},
                    [](TArrayOf<TDimensionChain>& Set, TRecordingChainHost& Host, TFigureChange& Change) {
                        BStretchedWhileClosed(Set, Host, Change);
                        Set[0].Checked = true;
                        Set[0].Dimensions[2].Comment = TString("Shaft");
                        Set[0].CheckFigures = TCheckFigures{0.15, -0.1};
                        Change.Written = nullptr;
                    },
                    {{0, TFollowed::LeftOpen}},
                    "",
                    0,
                    0.15,
                    -0.1,
                    "",
                    "Shaft"},
        // Chains 0 (A + B) and 1 (E - D) close on C: the first writes it, once; the other keeps
        // its own figures.
        TFollowCase{"FirstOfTwoChainsClosingOnADimensionWritesIt",
                    {{A, B, C}, {E, D, C}},
                    [](TArrayOf<TDimensionChain>&, TRecordingChainHost&, TFigureChange& Change) {
                        Change.Chains = {1, 0};
                    },
                    {{0, TFollowed::Calculated}, {1, TFollowed::Calculated}},
                    "C",
                    1,
                    0.02,
                    -0.02}),
    [](const testing::TestParamInfo<TFollowCase>& p) { return std::string(p.param.Name); });

} // namespace
