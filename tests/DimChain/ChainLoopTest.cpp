// The one loop rule: a chain keeping its stored signs where the vectors' sum decides, the
// recognition's paths answered as the chain made of them is, and a checked chain keeping its
// closing link's own deviations.

#include "ChainLoop.h"

#include "AssemblyLinks.h"
#include "ChainRecognition.h"
#include "TDimensionChain.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace loop_rule {

// Four links of (5, 0) without places: any two added and two subtracted close them, and the sum
// cannot tell which; the lowest such signs are 0b0011.
struct TStoredCase {
    const char* Name;
    bool StoredClosed;
    Integer Stored, Expected;
};

void PrintTo(const TStoredCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TStoredSignsTest : public testing::TestWithParam<TStoredCase> {};

TEST_P(TStoredSignsTest, SumKeepsTheSignsAClosedChainHolds)
{
    const TStoredCase& c = GetParam();
    TDimensionChain C;
    for (int i = 0; i < 4; ++i) {
        TDimension L;
        L.Type = tvapi::tvDrDDimension; // a circle's link: no ends to walk
        L.V2.Set(5, 0);
        C.Dimensions.Add(L);
    }
    C.Closed = c.StoredClosed;
    C.StateClosed = c.Stored;
    const TChainLoop loop = C.Loop();
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop.Signs, c.Expected);
    EXPECT_TRUE(loop.BySum);
    const TChainLoop core = LinksLoop(C.Dimensions, TChainSpace::Drawing);
    EXPECT_EQ(core.Signs, 0b0011) << "the core keeps no stored signs";
}

INSTANTIATE_TEST_SUITE_P(Stored, TStoredSignsTest,
                         testing::Values(TStoredCase{"OpenTakesTheLowest", false, 0b0101, 0b0011},
                                         TStoredCase{"ClosedKeepsItsSigns", true, 0b0101, 0b0101},
                                         TStoredCase{"ClosedKeepsItsLastSigns", true, 0b1100, 0b1100},
                                         TStoredCase{"SignsThatDoNotCloseGiveWay", true, 0b0001, 0b0011}),
                         [](const testing::TestParamInfo<TStoredCase>& p) {
                             return std::string(p.param.Name);
                         });

TPlacement3D FaceAt(double Z)
{
    TPlacement3D p;
    p.Set(TPoint3D(0, 0, Z), TVector3D(0, 0, 1));
    return p;
}

// A model link between faces at heights Z1 and Z2, numbered P1 and P2 as the pool numbers them.
TDimension Between(int P1, double Z1, int P2, double Z2)
{
    TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
    L.IP1 = P1;
    L.IP2 = P2;
    L.PL1 = FaceAt(Z1);
    L.PL2 = FaceAt(Z2);
    L.V3 = TVector3D(0, 0, Z2 - Z1);
    L.Nominal = L.V3.Len();
    return L;
}

// A pool whose closing link joins faces 0 and 20, and a path A, B through plane number 1,
// found by the plane numbers; Loop: what the chain made of the kept path says.
struct TPathCase {
    const char* Name;
    std::vector<TDimension> Pool; // the closing link last
    int Found;
    TLoopState Loop;
};

void PrintTo(const TPathCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TPathLoopTest : public testing::TestWithParam<TPathCase> {};

TEST_P(TPathLoopTest, PathClosesAsItsChainDoes)
{
    const TPathCase& c = GetParam();
    TDimensionChain pool, chain;
    for (const TDimension& L : c.Pool)
        pool.Dimensions.Add(L);
    const TPlanePaths paths = FindPlanePaths(pool, pool.Count() - 1, 1);
    EXPECT_EQ(paths.Found, c.Found);
    // The links the numbers join, in the path's order, closing link last.
    for (Integer i = 0; i < pool.Count(); ++i)
        chain.Dimensions.Add(pool.Dimensions[i]);
    EXPECT_EQ(chain.Loop().State, c.Loop);
}

std::vector<TDimension> Stack(int Parts, double Apart = 0.0)
{
    std::vector<TDimension> pool;
    for (int k = 0; k < Parts; ++k)
        pool.push_back(Between(k, 10.0 * k + (k > 0 ? Apart : 0.0), k + 1, 10.0 * (k + 1)));
    pool.push_back(Between(0, 0.0, Parts, 10.0 * Parts));
    return pool;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TPathLoopTest,
    testing::Values(TPathCase{"JoinedFaceToFace", Stack(2), 1, TLoopState::Closed},
                    TPathCase{"NumbersJoinFacesApart", Stack(2, 5.0), 0, TLoopState::Open},
                    TPathCase{"LongerThanTheLimitOffered", Stack(TDimensionChain::MaxLinks), 1,
                              TLoopState::TooLong}),
    [](const testing::TestParamInfo<TPathCase>& p) { return std::string(p.param.Name); });

// A model stack 40 +-0.1 and 10 +0.05/0 closing on 30 +0.2/-0.2, checked: the closing link keeps
// its own deviations and the check's figures are kept apart, whatever the method.
class TCheckedChainTest : public testing::TestWithParam<TMethodCalculating> {};

TEST_P(TCheckedChainTest, KeepsItsClosingLinksOwnDeviations)
{
    TDimensionChain C;
    for (const auto& [z, lo, hi] : {std::tuple{40.0, -0.1, 0.1}, {10.0, 0.0, 0.05}, {30.0, -0.2, 0.2}}) {
        TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
        L.V3 = TVector3D(0, 0, z);
        L.Nominal = z;
        L.QLow = lo;
        L.QHigh = hi;
        C.Dimensions.Add(L);
    }
    C.MethodCalculating = GetParam();
    C.ApplyMethod();
    TClosingStep check;
    check.NoteResidual = false;
    check.CheckOnly = true;
    ASSERT_TRUE(C.RunClosingStep(check));
    ASSERT_TRUE(C.Checked);
    ASSERT_TRUE(C.TakeCalculation());
    const TDimension& closing = C.Dimensions[2];
    EXPECT_EQ(closing.QHigh, 0.2);
    EXPECT_EQ(closing.QLow, -0.2);
    EXPECT_EQ(closing.Nominal, 30.0);
    ASSERT_TRUE(C.CheckFigures);
    EXPECT_GT(C.CheckFigures->QHigh, C.CheckFigures->QLow);
}

INSTANTIATE_TEST_SUITE_P(Methods, TCheckedChainTest, testing::Values(mcMinMax, mcNormalDistribution),
                         [](const testing::TestParamInfo<TMethodCalculating>& p) {
                             return std::string(p.param == mcMinMax ? "MinMax" : "Normal");
                         });

} // namespace loop_rule
