// The chain: the method and risk tables, the closure search against the exhaustive one, and
// the calculation of the closing link with worked numbers.

#include "TDimensionChain.h"

#include "TDimensionChains.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "RecordingChainHost.h"

#include "KmfData.h"
#include "StreamTestUtil.h"

namespace {

TDimension Link(Real x, Real y, Real lo = 0.0, Real hi = 0.0,
                tvapi::DrawingObjectTypeEnum type = tvapi::tvDrLDimension)
{
    TDimension D;
    D.Type = type;
    D.V2.Set(x, y);
    D.QLow = lo;
    D.QHigh = hi;
    D.Nominal = std::hypot(x, y);
    return D;
}

TDimensionChain Chain(std::initializer_list<TDimension> links)
{
    TDimensionChain C;
    for (const TDimension& D : links)
        C.Dimensions.Add(D);
    return C;
}

using TResult = TChainResult;

TResult Calculated(const TDimensionChain& C, bool zeroEnd = false)
{
    const std::optional<TChainResult> r = C.Calculate2D(zeroEnd);
    EXPECT_TRUE(r.has_value());
    return r.value_or(TChainResult{});
}

TEST(CalculationTablesTest, MethodsAndRiskLabelsPairWithTheirCoefficients)
{
    ASSERT_EQ(eMethodCalculating.Count, 4);
    EXPECT_EQ(eMethodCalculating[mcSimpsonDistribution], TString("Распределение Симпсона"));
    EXPECT_EQ(eMethodCalculating[mcMinMax], TString("Минимум Максимум"));
    EXPECT_EQ(eMethodCalculating[mcEqualDistribution], TString("Равная вероятность"));
    ASSERT_EQ(eRiskFactor.Count, 11);
    ASSERT_EQ(vRiskFactor.Count, 11);
    // A one per cent risk takes the normal quantile.
    const struct {
        Integer At;
        const char* Label;
        Real Value;
    } rows[] = {{1, "0.27", 3.0}, {4, "1.0", 2.57}, {6, "4.6", 2.0}, {10, "32", 1.0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Label);
        EXPECT_EQ(eRiskFactor[row.At], TString(row.Label));
        EXPECT_EQ(vRiskFactor[row.At], row.Value);
    }
    for (Integer i = 1; i < vRiskFactor.Count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(vRiskFactor[i], vRiskFactor[i - 1]);
    }
}

TDimension ModelLink(Real y, Real z)
{
    TDimension D;
    D.TMO = tvapi::o3d_lineDimension3D;
    D.V3 = TVector3D(0, y, z);
    return D;
}

TDimensionChain Zeros(int count)
{
    TDimensionChain C;
    for (int i = 0; i < count; ++i)
        C.Dimensions.Add(Link(0, 0));
    return C;
}

TEST(TDimensionChainTest, ClosesWithTheLowestMaskWithinTolerance)
{
    struct TCase {
        const char* Name;
        TDimensionChain C;
        Integer Mask; // -1: stays open
    };
    TCase cases[] = {
        {"OneLink", Chain({Link(0.0, 0.0)}), -1},
        {"EqualLinks", Chain({Link(5, 0), Link(5, 0)}), 1},
        {"ThreeLinks", Chain({Link(10, 0), Link(5, 0), Link(15, 0)}), 3},
        {"OffsetWithin", Chain({Link(10.0005, 0), Link(5, 0), Link(15, 0)}), 3},
        {"OffsetBeyond", Chain({Link(10.0015, 0), Link(5, 0), Link(15, 0)}), -1},
        // A model chain needs every component within 1e-5.
        {"ModelWithin", Chain({ModelLink(0, 10), ModelLink(5e-6, 10)}), 1},
        {"ModelBeyond", Chain({ModelLink(0, 10), ModelLink(2e-5, 10)}), -1},
        {"ThirtyLinks", Zeros(30), 0},
        {"ThirtyOneLinksNeverClose", Zeros(31), -1},
    };
    for (TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        EXPECT_EQ(t.C.Is3D(), std::string(t.Name).starts_with("Model"));
        EXPECT_EQ(t.C.TakeLoop(t.C.Loop()), t.Mask >= 0);
        EXPECT_EQ(t.C.Closed, t.Mask >= 0);
        if (t.Mask >= 0) {
            EXPECT_EQ(t.C.StateClosed, t.Mask);
        }
    }
}

// Random chains built to close (and some disturbed to stay open) on drawing-like lengths.
std::vector<Real> RandomChain(std::mt19937& rng, int count, bool closing)
{
    std::uniform_int_distribution<int> len(1, 400);
    std::uniform_int_distribution<int> axis(0, 3);
    std::vector<Real> v;
    Real sx = 0.0, sy = 0.0;
    for (int i = 0; i + 1 < count; ++i) {
        const Real l = len(rng) * 0.25;
        const int a = axis(rng);
        const Real x = a == 0 ? l : a == 1 ? 0.0 : a == 2 ? l * 0.6 : -l * 0.8;
        const Real y = a == 0 ? 0.0 : a == 1 ? l : a == 2 ? l * 0.8 : l * 0.6;
        const bool plus = rng() & 1;
        sx += plus ? x : -x;
        sy += plus ? y : -y;
        v.insert(v.end(), {x, y});
    }
    // The closing link as a picked dimension gives it: turned towards +x (+y when vertical).
    TVector2D last(sx + (closing ? 0.0 : 0.0015), sy);
    OrientDrawingVector(last);
    v.insert(v.end(), {last.x, last.y});
    return v;
}

TEST(TDimensionChainTest, FastSearchAnswersAsTheExhaustiveSearch)
{
    std::mt19937 rng(18);
    int closedSeen = 0, openSeen = 0;
    int trial = 0;
    for (int count = 2; count <= 22; ++count)
        for (int k = 0; k < (count <= 16 ? 24 : 3); ++k, ++trial) {
            const std::vector<Real> v = RandomChain(rng, count, trial % 3 != 0);
            Integer fast = -1, slow = -1;
            const bool f = TDimensionChain::SearchClosure(v.data(), 2, count, 0.001, fast);
            const bool s = TDimensionChain::SearchClosureExhaustive(v.data(), 2, count, 0.001, slow);
            SCOPED_TRACE(testing::Message() << "trial " << trial << ", " << count << " links");
            ASSERT_EQ(f, s);
            if (f) {
                EXPECT_EQ(fast, slow);
                EXPECT_EQ((fast >> (count - 1)) & 1, 0) << "the closing link takes the minus sign";
            }
            (f ? closedSeen : openSeen)++;
        }
    EXPECT_GT(closedSeen, 100);
    EXPECT_GT(openSeen, 50);
}

TEST(TDimensionChainTest, FastSearchDecidesThirtyLinksAtOnce)
{
    std::mt19937 rng(30);
    const std::vector<Real> open = RandomChain(rng, 30, false);
    Integer mask = 0;
    EXPECT_FALSE(TDimensionChain::SearchClosure(open.data(), 2, 30, 0.001, mask));
    const std::vector<Real> closing = RandomChain(rng, 30, true);
    ASSERT_TRUE(TDimensionChain::SearchClosure(closing.data(), 2, 30, 0.001, mask));
    Real x = 0.0, y = 0.0;
    for (int i = 0; i < 30; ++i) {
        const Real s = (mask >> i) & 1 ? 1.0 : -1.0;
        x += s * closing[2 * i];
        y += s * closing[2 * i + 1];
    }
    EXPECT_LE(std::fabs(x), 0.001);
    EXPECT_LE(std::fabs(y), 0.001);
}

TEST(TDimensionChainTest, ChainRoundTripsThroughStream)
{
    TDimensionChain C = Chain({Link(40, 0, -0.1, 0.1), Link(10, 0, 0, 0.05), Link(30, 0)});
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    C.MethodCalculating = mcSimpsonDistribution;
    C.Lambda = 1.0 / 6.0;
    C.RiskFactor = 2.3;
    TKmfData s;
    C.toStream(s);
    const streamtest::Bytes data = streamtest::DataOf(s);
    // Array record, three links of 428 bytes, then the chain's own 25 bytes.
    ASSERT_EQ(data.size(), 16u + 3 * 428u + 25u);
    TKmfData in;
    streamtest::Load(in, data);
    TDimensionChain back;
    back.fromStream(in);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_TRUE(back.Dimensions[0] == C.Dimensions[0]);
    EXPECT_TRUE(back.Closed);
    EXPECT_EQ(back.StateClosed, 1);
    EXPECT_EQ(back.MethodCalculating, mcSimpsonDistribution);
    EXPECT_EQ(back.RiskFactor, 2.3);
}

TEST(TDimensionChainTest, ChainArrayGrowsAndStreamsEveryChain)
{
    TArrayOf<TDimensionChain> chains(1, 1);
    for (int i = 0; i < 3; ++i) {
        TDimensionChain C = Chain({Link(5 + i, 0, -0.1, 0.1), Link(5 + i, 0)});
        ASSERT_TRUE(C.TakeLoop(C.Loop()));
        chains.Add(C); // the second and third add grow the array, copying the chains
    }
    ASSERT_EQ(chains.Count, 3);
    EXPECT_DOUBLE_EQ(chains[0].Dimensions[0].V2.x, 5.0);
    EXPECT_TRUE(chains[0].Closed);
    TKmfData s;
    chains.toStream(s);
    const streamtest::Bytes data = streamtest::DataOf(s);
    EXPECT_EQ(data.size(), 16u + 3 * (16u + 2 * 428u + 25u));
    TKmfData in;
    streamtest::Load(in, data);
    TArrayOf<TDimensionChain> back(1, 1);
    back.fromStream(in);
    ASSERT_EQ(back.Count, 3);
    EXPECT_DOUBLE_EQ(back[2].Dimensions[1].V2.x, 7.0);
    EXPECT_EQ(back[2].StateClosed, 1);
    EXPECT_FALSE(in.ErrorReadFromFileToBufer);
}

TEST(TDimensionChainTest, DamagedChainCountAllocatesNothing)
{
    TKmfData in;
    // An array record claiming a million chains with no bytes behind it.
    streamtest::Load(in, streamtest::Ints({1000000, 1, 1000000, 0}));
    TArrayOf<TDimensionChain> back(1, 1);
    back.fromStream(in);
    EXPECT_EQ(back.Count, 0);
    EXPECT_LE(back.Size(), 1);
}

TEST(TDimensionChainTest, StreamEndingAfterLinksKeepsChainFields)
{
    TDimensionChain C = Chain({Link(5, 0), Link(5, 0)});
    TKmfData s;
    C.Dimensions.toStream(s);
    TKmfData in;
    streamtest::Load(in, streamtest::DataOf(s));
    TDimensionChain back;
    back.Closed = true;
    back.StateClosed = 5;
    back.Lambda = 0.25;
    back.fromStream(in);
    EXPECT_EQ(back.Count(), 2);
    EXPECT_TRUE(back.Closed);
    EXPECT_EQ(back.StateClosed, 5);
    EXPECT_EQ(back.Lambda, 0.25);
}

TEST(TDimensionChainTest, RemoveOfUnknownObjectChangesNothing)
{
    TDimensionChain C = Chain({Link(5, 0), Link(5, 0)});
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    TRecordingChainHost host;
    C.Remove(tvapi::IDrawingObjectPtr(), host);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_TRUE(C.Closed);
    EXPECT_EQ(C.Count(), 2);
}

TEST(TDimensionChainTest, ColinearChecksComponentLinksOnly)
{
    EXPECT_TRUE(Chain({Link(40, 0), Link(-10, 0), Link(3, 4)}).IsColinear());
    EXPECT_FALSE(Chain({Link(40, 0), Link(0, 10), Link(30, 0)}).IsColinear());
}

// Calculation.

TDimension With(TDimension D, Real eLow, Real eHigh, Real aLow, Real aHigh)
{
    D.EQLow = eLow;
    D.EQHigh = eHigh;
    D.AQLow = aLow;
    D.AQHigh = aHigh;
    return D;
}

struct TCalcCase {
    const char* Name;
    std::vector<TDimension> Links;
    struct {
        Integer Mask;
        Real Nominal, QHigh, QLow;
    } Expected;
    bool ZeroEnd = false;
};

void PrintTo(const TCalcCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TDimensionChainCalculateTable : public testing::TestWithParam<TCalcCase> {};

TEST_P(TDimensionChainCalculateTable, ClosingLinkTakesTheWorkedNumbers)
{
    const TCalcCase& t = GetParam();
    TDimensionChain C;
    for (const TDimension& D : t.Links)
        C.Dimensions.Add(D);
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    EXPECT_EQ(C.StateClosed, t.Expected.Mask);
    const TResult r = Calculated(C, t.ZeroEnd);
    EXPECT_NEAR(r.Nominal, t.Expected.Nominal, 1e-12);
    EXPECT_NEAR(r.QHigh, t.Expected.QHigh, 1e-12);
    EXPECT_NEAR(r.QLow, t.Expected.QLow, 1e-12);
}

const Real AngularSpread = 2.0 * 10.0 * std::sin(1.0 * M_PI / 180.0);
const Real TiltShift = 40.0 * (std::cos(5.0 * M_PI / 180.0) - 1.0);
// For (50, 45.5) the cosine (v . v/|v|) / |v| rounds to 1.0000000000000002.
const Real RoundedShift = std::hypot(50.0, 45.5) * (std::cos(M_PI / 180.0) - 1.0);
const tvapi::DrawingObjectTypeEnum Angular = tvapi::tvDrADimension;
const std::vector<TDimension> Collinear = {Link(40, 0, -0.1, 0.1), Link(10, 0, 0.0, 0.05), Link(30, 0)};

INSTANTIATE_TEST_SUITE_P(
    WorkedNumbers, TDimensionChainCalculateTable,
    testing::Values(TCalcCase{"CollinearMinMax", Collinear, {1, 30.0, 0.1, -0.15}},
                    TCalcCase{"WholeLoopLeavesZeroNominal", Collinear, {1, 0.0, 0.1, -0.15}, true},
                    TCalcCase{"InclinedClosingLinkProjectsFields",
                              {Link(30, 0, -0.1, 0.1), Link(0, 40, -0.05, 0.15), Link(30, 40)},
                              {3, 50.0, 0.18, -0.10}},
                    // A link pointing away from the closing direction still widens the field.
                    TCalcCase{"SpreadTakesTheProjectionSize",
                              {Link(30, -40, -0.1, 0.1), Link(0, 80, -0.1, 0.1), Link(30, 40)},
                              {3, 50.0, 0.108, -0.108}},
                    // Angular deviations are degrees: the link turns within them, 40 (1 - cos 5°) shorter.
                    TCalcCase{"AdditionalDeviationsAddToLinearLinks",
                              {With(Link(40, 0, -0.1, 0.1), -0.02, 0.03, -5.0, 5.0), Link(40, 0)},
                              {1, 40.0, 0.13 + TiltShift, -0.12 + TiltShift}},
                    // Closing along x: the angular link stands across it.
                    TCalcCase{"SymmetricAngularDeviationWidensThePerpendicularLink",
                              {Link(30, 0), With(Link(0, 10, 0, 0, Angular), 0, 0, -1.0, 1.0), Link(0, 10),
                               Link(30, 0)},
                              {3, 30.0, AngularSpread * 0.5, -AngularSpread * 0.5}},
                    // The short link's vector still counts, its deviations do not.
                    TCalcCase{"ShortLinkContributesNothing",
                              {Link(40, 0, -0.1, 0.1), Link(1e-6, 0, -5, 5), Link(40, 0)},
                              {1, 40.0 - 1e-6, 0.1, -0.1}},
                    TCalcCase{"RoundedCosineAboveOneIsClamped",
                              {With(Link(50.0, 45.5, 0, 0, Angular), 0, 0, -1.0, 1.0), Link(50.0, 45.5)},
                              {1, std::hypot(50.0, 45.5), RoundedShift, RoundedShift}}),
    [](const testing::TestParamInfo<TCalcCase>& c) { return std::string(c.param.Name); });

struct TMethodCase {
    const char* Name;
    TMethodCalculating Method;
    Real Lambda;
    Integer Risk; // position in the risk table
    Real Width;   // QHigh - QLow for spreads 0.3 and 0.4
};

class TDimensionChainMethodTest : public testing::TestWithParam<TMethodCase> {};

TEST_P(TDimensionChainMethodTest, WidthFollowsLambdaAndRisk)
{
    const TMethodCase& m = GetParam();
    TDimensionChain C = Chain({Link(30, 0, -0.15, 0.15), Link(20, 0, -0.2, 0.2), Link(50, 0)});
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    C.MethodCalculating = m.Method;
    C.Lambda = m.Lambda;
    C.RiskFactor = vRiskFactor[m.Risk];
    const TResult r = Calculated(C);
    EXPECT_NEAR(r.QHigh - r.QLow, m.Width, 1e-12);
    EXPECT_NEAR(r.QHigh + r.QLow, 0.0, 1e-12);
    // The closing step gives the same numbers into the closing link.
    const Real risk = C.RiskFactor;
    const std::optional<TChainResult> closed =
        C.RunClosingStep({false, false}) ? C.TakeCalculation() : std::nullopt;
    ASSERT_TRUE(closed);
    EXPECT_EQ(C.Dimensions[2].QHigh, r.QHigh);
    EXPECT_EQ(C.Dimensions[2].QLow, r.QLow);
    EXPECT_EQ(C.RiskFactor, m.Method == mcMinMax ? 1.0 : risk) << "min-max resets the risk factor";
}

INSTANTIATE_TEST_SUITE_P(
    Methods, TDimensionChainMethodTest,
    testing::Values(TMethodCase{"MinMax", mcMinMax, 1.0, 1, 0.7},
                    TMethodCase{"NormalRisk027", mcNormalDistribution, 1.0 / 9.0, 1, 0.5},
                    TMethodCase{"SimpsonRisk46", mcSimpsonDistribution, 1.0 / 6.0, 6,
                                2.0 * 0.5 / std::sqrt(6.0)},
                    TMethodCase{"EqualRisk32", mcEqualDistribution, 1.0 / 3.0, 10, 0.5 / std::sqrt(3.0)},
                    TMethodCase{"NormalRisk1", mcNormalDistribution, 1.0 / 9.0, 4, 2.57 * 0.5 / 3.0}),
    [](const testing::TestParamInfo<TMethodCase>& c) { return std::string(c.param.Name); });

TEST(TDimensionChainCalculateTest, ThermalFactorScalesVectorAndField)
{
    TDimension hot = Link(100, 0, -0.1, 0.1);
    hot.dLdT = 12e-6;
    hot.dT = 50.0;
    TDimensionChain C = Chain({hot, Link(100, 0)});
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    const TResult r = Calculated(C);
    EXPECT_NEAR(r.Nominal, 100.06, 1e-9);
    EXPECT_NEAR(r.QHigh, 0.1 * 1.0006, 1e-12);
}

TEST(TDimensionChainCalculateTest, OpenChainGivesNoResult)
{
    TDimensionChain C = Chain({Link(40, 0), Link(10, 0)});
    EXPECT_FALSE(C.IsClosed());
    EXPECT_FALSE(C.Calculate2D(false));
    EXPECT_FALSE(C.Calculate3D(true));
    EXPECT_FALSE(C.RunClosingStep({}));
}

TEST(TDimensionChainCalculateTest, ModelLinkOfOtherKindAddsOnlyItsVector)
{
    TDimension a, b, c;
    a.TMO = tvapi::o3d_lineDimension3D;
    a.V3 = TVector3D(0, 0, 30);
    a.QLow = -0.1;
    a.QHigh = 0.1;
    b.TMO = static_cast<tvapi::tvObj3dTypeEnum>(1000);
    b.V3 = TVector3D(0, 0, 10);
    b.QLow = -1;
    b.QHigh = 1;
    c.TMO = tvapi::o3d_lineDimension3D;
    c.V3 = TVector3D(0, 0, 40);
    TDimensionChain C = Chain({a, b, c});
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    const TResult r = C.Calculate3D(false).value();
    EXPECT_NEAR(r.Nominal, 40.0, 1e-12);
    EXPECT_NEAR(r.QHigh, 0.1, 1e-12);
}

// A chain of model links is a model chain throughout: it closes, calculates and notes its
// closing length with the model vectors, though its drawing vectors are all zero, and it comes
// back from its stored form as a model chain.
TEST(TDimensionChainSpaceTest, ModelChainClosesCalculatesNotesAndStoresAsModelChain)
{
    TDimension a = ModelLink(0, 30), b = ModelLink(0, 10), c = ModelLink(0, 40);
    a.Nominal = 30;
    a.QHigh = 0.1;
    a.QLow = -0.1;
    b.Nominal = 10;
    b.QHigh = 0.05;
    c.Nominal = 40;
    TDimensionChain C = Chain({a, b, c});
    EXPECT_EQ(C.Space(), TChainSpace::Model);
    EXPECT_EQ(Chain({Link(30, 0), Link(10, 0)}).Space(), TChainSpace::Drawing);
    // Zero drawing vectors would close with every link subtracted (mask 0).
    ASSERT_TRUE(C.TakeLoop(C.Loop()));
    EXPECT_EQ(C.StateClosed, 3);
    EXPECT_NEAR(C.Calculate(false)->QHigh, 0.15, 1e-12); // in its own space: the drawing one gives 0
    const std::optional<TChainResult> r =
        C.RunClosingStep({false, false}) ? C.TakeCalculation() : std::nullopt;
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->Nominal, 40.0, 1e-12);
    EXPECT_NEAR(C.Dimensions[2].QHigh, 0.15, 1e-12);
    EXPECT_NEAR(C.Dimensions[2].QLow, -0.1, 1e-12);
    EXPECT_EQ(C.Dimensions[2].Comment.Len, 0) << "the model length equals the nominal";

    C.Dimensions[2].Nominal = 40.2;
    ASSERT_TRUE(C.RunClosingStep({false, false}));
    ASSERT_TRUE(C.TakeCalculation());
    EXPECT_EQ(C.Dimensions[2].Comment, TString("(*dT=  40.200  40.000"));

    TDimensionChains S;
    S.DimChains[0] = C;
    std::vector<Byte> bytes;
    S.to(bytes);
    TDimensionChains T;
    ASSERT_TRUE(T.from(bytes));
    EXPECT_TRUE(T.Is3D());
    EXPECT_EQ(T.DimChains[0].Space(), TChainSpace::Model);
    EXPECT_TRUE(T.DimChains[0].IsClosed());
    EXPECT_EQ(T.DimChains[0].StateClosed, 3);
}

// The closing nominal and its model length are compared at the precision of lengths: rounding
// (a turned assembly) gives no note, a real difference does.
TEST(TDimensionChainSpaceTest, LengthNoteIgnoresRoundingOfTheClosingLength)
{
    for (const auto& [excess, noted] : std::vector<std::pair<double, bool>>{
             {1e-12, false}, {1e-9, false}, {1.5e-6, false}, {3e-6, true}, {0.2, true}}) {
        SCOPED_TRACE(excess);
        TDimension a = ModelLink(0, 5), b = ModelLink(0, 10), c = ModelLink(0, 15);
        a.Nominal = 5;
        b.Nominal = 10;
        c.Nominal = 15 + excess;
        TDimensionChain C = Chain({a, b, c});
        ASSERT_TRUE(C.RunClosingStep({false, false}));
        ASSERT_TRUE(C.TakeCalculation());
        EXPECT_EQ(C.Dimensions[2].Comment.Len > 0, noted) << C.Dimensions[2].Comment.PChar();
    }
}

// The grid tool bar's moves: the closing link never moves, nor does a link into its place.
TEST(TDimensionChainTest, NeighbourKeepsTheClosingLinkInPlace)
{
    const TDimensionChain four = Chain({Link(1, 0), Link(2, 0), Link(3, 0), Link(6, 0)});
    EXPECT_EQ(four.Neighbour(0, true), -1);
    EXPECT_EQ(four.Neighbour(1, true), 0);
    EXPECT_EQ(four.Neighbour(3, true), -1);
    EXPECT_EQ(four.Neighbour(1, false), 2);
    EXPECT_EQ(four.Neighbour(2, false), -1);
    EXPECT_EQ(Chain({Link(1, 0), Link(1, 0)}).Neighbour(0, false), -1);
}

} // namespace
