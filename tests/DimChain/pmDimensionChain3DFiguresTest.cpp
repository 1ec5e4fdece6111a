// The assembly panel's figures as a designer works them out by hand: a gap stack along a diagonal
// with parts turned end over end, an extrusion depth, a pool closing across two directions, typed
// deviations, and parts changed while the assembly was closed.

#include "Panel3DFixture.h"

#include <functional>

namespace {

const double R2 = std::sqrt(0.5), Exact = 1e-9;
using TGather = TpmDimensionChain3DGatherTest;
using TBuild = std::function<void(TGather&)>; // the part closing on comes last

// A part of a stack: a box whose length, from At along the stack's axis, is its dimension; turned
// end over end when its Bit is in the stack's mask.
struct TStackBox {
    double At, Length, Hi, Lo;
    int Bit = 0;
};

// The boxes along the unit axis X, Y across it, in Parent (the assembly when none).
void Stack(TGather& T, const std::vector<TStackBox>& Boxes, tvhost::TXyz X, tvhost::TXyz Y = {0, 1, 0},
           tvhost::THostPart* Parent = nullptr, int Turned = 0)
{
    for (const TStackBox& b : Boxes) {
        const double k = (b.Bit & Turned) ? -1 : 1, from = k < 0 ? b.At + b.Length : b.At;
        T.Add(Parent ? *Parent : T.Top(), BoxPart(L"P", b.Length, 8, 8, 0, 0, b.Length, b.Hi, b.Lo),
              Frame({X[0] * from, X[1] * from, X[2] * from}, {k * X[0], k * X[1], k * X[2]}, Y));
    }
}

// The boxes along X as Layout lays them out.
void StackLaidOut(TGather& T, const std::vector<TStackBox>& Boxes, TChainLayout Layout, int Turned = 0)
{
    if (Layout == SlantedAxis) {
        Stack(T, Boxes, {ChainSlant[0][2], ChainSlant[1][2], ChainSlant[2][2]},
              {ChainSlant[0][0], ChainSlant[1][0], ChainSlant[2][0]}, nullptr, Turned);
        return;
    }
    if (Layout == AlongAxis) return Stack(T, Boxes, {1, 0, 0}, {0, 1, 0}, nullptr, Turned);
    auto sub = tvhost::New<tvhost::THostPart>();
    Stack(T, Boxes, {1, 0, 0}, {0, 1, 0}, sub.Get(), Turned);
    T.Add(T.Top(), sub, SubAssemblyFrame());
}

// A0 = A3 - A1 - A2 = 1 (47 0/-0.14, 21 0/-0.14, 25 0/-0.12) along (1, 1, 0), the housing and its
// gauge (1) or A1 (2) turned by the mask; with Deep, in a sub-assembly of a sub-assembly, each moved
// and turned.
TBuild Gap(int Turned, bool Deep = false)
{
    return [=](TGather& T) {
        auto outer = tvhost::New<tvhost::THostPart>(), inner = tvhost::New<tvhost::THostPart>();
        Stack(T, {{0, 47, 0, -0.14, 1}, {0, 21, 0, -0.14, 2}, {21, 25, 0, -0.12}, {46, 1, 0, 0, 1}},
              {R2, R2, 0}, {-R2, R2, 0}, Deep ? inner.Get() : nullptr, Turned);
        if (!Deep) return;
        T.Add(*outer, inner, Frame({0, 0, 5}, {0, 1, 0}, {-1, 0, 0}));
        T.Add(T.Top(), outer, Frame({3, 2, 1}, {-1, 0, 0}, {0, -1, 0}));
    };
}

// Housing 60 +-0.1 [0, 60], ring 20 +0.2/0 [0, 20], sleeve 25 +-0.05 [20, 45], flange 20 +-0.02
// [25, 45] (1 when turned), cup 32 +-0.05 [25, 57] and gauge 3 [57, 60] (8), along X as laid out:
// the gap is 60 - 20 - 25 + 20 - 32 = 3 +0.22/-0.42, though ring + and flange - would sum to 3 as well.
TBuild EqualLengths(int Turned, TChainLayout Layout = AlongAxis)
{
    return [=](TGather& T) {
        StackLaidOut(T,
                     {{0, 60, 0.1, -0.1},
                      {0, 20, 0.2, 0},
                      {20, 25, 0.05, -0.05},
                      {25, 20, 0.02, -0.02, 4},
                      {25, 32, 0.05, -0.05},
                      {57, 3, 0, 0, 8}},
                     Layout, Turned);
    };
}

// An extrusion 10 deep (+0.04/0) along X from 0, a stop 15 +-0.03 and the 25 they close.
void ExtrusionStack(TGather& T)
{
    tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    tvhost::THostSketch& s = part->AddSketch(L"");
    feature_test::Rect(s, 0, 0, 10, 5);
    const tvapi::IExtrusionPtr boss = feature_test::Extrusion(
        tvapi::IPartPtr(part.Get()), s, tvapi::o3d_bossExtrusion, tvapi::dtNormal, 10, 0);
    const tvapi::ISymbols3DContainerPtr symbols(tvapi::IPartPtr(part.Get()));
    symbols->CreateGenerativeDimensions({tvapi::IModelObjectPtr(boss)}, true);
    tvapi::IDimensionTextPtr(symbols->GetLineDimensions3D()->GetItem(0))->SetDeviations(0.04, 0);
    T.Add(T.Top(), part, Frame({10, 0, 0}, {0, 0, 1}, {0, 1, 0}));
    Stack(T, {{10, 15, 0.03, -0.03}, {0, 25, 0, 0}}, {1, 0, 0});
}

using TAssemblyCase = std::tuple<const char*, TBuild, double, double>; // name, parts, closing figures
class TAssemblyFiguresTest : public TGather, public testing::WithParamInterface<TAssemblyCase> {};

// The chain of the last part's dimension, searched; with no search, the pool's own chain.
TEST_P(TAssemblyFiguresTest, ClosingLinkTakesTheHandFigures)
{
    const auto& [name, build, hi, lo] = GetParam();
    build(*this);
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    if (!ChainAt(0).Closed) {
        Panel->Select(tvapi::ITervanAPIObjectPtr(pool.Dimensions[pool.Count() - 1].MO));
        Press(Panel->bAddDimChain);
    }
    const TDimensionChain& C = ChainAt(Chains() - 1);
    ASSERT_TRUE(C.Closed);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QHigh, hi, Exact);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QLow, lo, Exact);
}

INSTANTIATE_TEST_SUITE_P(
    Stacks, TAssemblyFiguresTest,
    testing::Values(
        TAssemblyCase{"FirstTurned", Gap(2), 0.26, -0.14},
        TAssemblyCase{"HousingTurned", Gap(1), 0.26, -0.14},
        TAssemblyCase{"TwoSubAssembliesDeep", Gap(2, true), 0.26, -0.14},
        TAssemblyCase{"ExtrusionDepthCounts", ExtrusionStack, 0.07, -0.03},
        // Ring and flange of one length walked in opposite senses: the signs are the
        // walk's, whichever end of the gauge its dimension starts from.
        TAssemblyCase{"EqualLengthsSignedByTheWalk", EqualLengths(4), 0.22, -0.42},
        TAssemblyCase{"EqualLengthsGaugeTurned", EqualLengths(4 | 8), 0.22, -0.42},
        TAssemblyCase{"EqualLengthsSlantedAxis", EqualLengths(4, SlantedAxis), 0.22, -0.42},
        TAssemblyCase{"EqualLengthsGaugeTurnedSlantedAxis", EqualLengths(4 | 8, SlantedAxis), 0.22, -0.42},
        TAssemblyCase{"EqualLengthsTurnedSubAssembly", EqualLengths(4, TurnedSubAssembly), 0.22, -0.42},
        TAssemblyCase{"EqualLengthsGaugeTurnedTurnedSubAssembly", EqualLengths(4 | 8, TurnedSubAssembly),
                      0.22, -0.42},
        // The pool closes along X and along Z at once: its closing link is along X.
        TAssemblyCase{"PoolCountsAlongItsClosingLink",
                      [](TGather& T) {
                          Stack(T, {{0, 5, 0.1, -0.1}, {5, 7, 0.1, -0.1}, {0, 12, 0, 0}}, {0, 0, 1});
                          Stack(T, {{0, 10, 0.05, -0.05}, {10, 15, 0.04, 0}, {0, 25, 0, 0}}, {1, 0, 0});
                      },
                      0.09, -0.05}),
    [](const testing::TestParamInfo<TAssemblyCase>& p) { return std::string(std::get<0>(p.param)); });

// The housing 40 +-0.1 holding spacer 25 +-0.05, ring 2 +-0.03 and shoulder 10 +-0.05 along X, the
// gap 3 their closing link; dl/dT typed at dT 50 on the parts of Heated (bit 1 the housing, 2 the
// spacer) before the gap's chain is searched, or checked (Check): the gap counts the parts as heat
// makes them, its limits written against the 3 it shows with the "(*dT=" note (a check's figures
// moved as well).
// Each laid out along X, on a slanted axis and in a turned sub-assembly.
using THeatCase = std::tuple<const char*, int, double, bool, double, double, const char*>;
class TAssemblyHeatTest : public TGather,
                          public testing::WithParamInterface<std::tuple<THeatCase, TChainLayout>> {};
TEST_P(TAssemblyHeatTest, HeatedPartsMoveTheGap)
{
    const auto& [name, heated, dLdT, check, hi, lo, note] = std::get<0>(GetParam());
    StackLaidOut(*this,
                 {{0, 40, 0.1, -0.1},
                  {0, 25, 0.05, -0.05},
                  {25, 2, 0.03, -0.03},
                  {27, 10, 0.05, -0.05},
                  {37, 3, 0, 0}},
                 std::get<1>(GetParam()));
    Open();
    for (int part = 0; part < 2; ++part) {
        if (!(heated & (1 << part))) continue;
        for (const auto& [column, text] :
             {std::pair{rdLdT, std::to_wstring(dLdT)}, std::pair{rdT, std::wstring(L"50")}}) {
            Grid().SetCurrentCell(part + 1, column);
            Grid().SetCellText(part + 1, column, text.c_str());
            Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
        }
    }
    Panel->Select(tvapi::ITervanAPIObjectPtr(Panel->AllDimension3D.Dimensions[4].MO));
    Press(check ? Panel->bAddDimChain2 : Panel->bAddDimChain);
    const TDimensionChain& C = ChainAt(Chains() - 1);
    ASSERT_TRUE(C.Closed);
    EXPECT_NEAR(C.Dimensions[4].QHigh, hi, Exact);
    EXPECT_NEAR(C.Dimensions[4].QLow, lo, Exact);
    EXPECT_NE(Cell(5, rComment).find(note), std::string::npos) << Cell(5, rComment);
}

INSTANTIATE_TEST_SUITE_P(
    Stacks, TAssemblyHeatTest,
    // 40 * 0.0006 = 0.024 more gap; 40 * 0.05 = 2; 2 - 25 * 0.05 = 0.75; 25 * 0.5 = 12.5 less.
    testing::Combine(
        testing::Values(
            THeatCase{"HousingWarm", 1, 0.000012, false, 0.25406, -0.20606, "(*dT=   3.000   3.024"},
            THeatCase{"HousingHot", 1, 0.001, false, 2.235, 1.765, "(*dT=   3.000   5.000"},
            THeatCase{"HousingAndSpacerHot", 3, 0.001, false, 0.9875, 0.5125, "(*dT=   3.000   3.750"},
            // The spacer 12.5 longer: an interference of 9.5, its sign kept.
            THeatCase{"SpacerHotInterferes", 2, 0.01, false, -12.245, -12.755, "(*dT=   3.000  -9.500"},
            THeatCase{"HousingHotChecked", 1, 0.001, true, 0, 0, "{   2.235   1.765 }"}),
        testing::Values(AlongAxis, SlantedAxis, TurnedSubAssembly)),
    [](const testing::TestParamInfo<std::tuple<THeatCase, TChainLayout>>& p) {
        return std::string(std::get<0>(std::get<0>(p.param))) + LayoutName(std::get<1>(p.param));
    });

// The clip stack: housing 20 +0.1/0, bushing 15 +-0.05, shoulder 4.8 0/-0.08 and clip 0.2 +-0.02,
// the gap between clip and housing an assembly dimension of length 0; the housing at place
// Housing among the parts, along X or along (0.6, 0.8, 0) with every second part turned.
using TZeroGapCase = std::tuple<const char*, int, bool>;
class TAssemblyZeroGapTest : public TGather, public testing::WithParamInterface<TZeroGapCase> {};

// Right whatever the order: the housing less the parts, 20 - 15 - 4.8 - 0.2 with +0.25/-0.07,
// offered once though the loop can be walked either way.
TEST_P(TAssemblyZeroGapTest, GapIsTheHousingLessThePartsInEveryOrder)
{
    const auto& [name, housing, slanted] = GetParam();
    std::vector<TStackBox> parts{{0, 15, 0.05, -0.05, 2}, {15, 4.8, 0, -0.08}, {19.8, 0.2, 0.02, -0.02, 8}};
    parts.insert(parts.begin() + housing, {0, 20, 0.1, 0, 1});
    const tvhost::TXyz X = slanted ? tvhost::TXyz{0.6, 0.8, 0} : tvhost::TXyz{1, 0, 0};
    const tvhost::TXyz Y = slanted ? tvhost::TXyz{-0.8, 0.6, 0} : tvhost::TXyz{0, 1, 0};
    Stack(*this, parts, X, Y, nullptr, slanted ? 1 | 8 : 0);
    // The gap: a dimension from a face of a part at 20 to that same face.
    Add(Top(), BoxPart(L"Gap", 5, 8, 8, 0, 5, 5), Frame({15 * X[0], 15 * X[1], 0}, X, Y));
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    ASSERT_EQ(pool.Count(), 5);
    Journal().Clear();
    Panel->Select(tvapi::ITervanAPIObjectPtr(pool.Dimensions[4].MO));
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Распознаны 1 цепи"}));
    const TDimensionChain& C = ChainAt(Chains() - 1);
    ASSERT_TRUE(C.Closed);
    EXPECT_NEAR(C.Dimensions[4].QHigh, 0.25, Exact);
    EXPECT_NEAR(C.Dimensions[4].QLow, -0.07, Exact);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TAssemblyZeroGapTest,
    testing::Values(TZeroGapCase{"HousingFirst", 0, false}, TZeroGapCase{"HousingSecond", 1, false},
                    TZeroGapCase{"HousingLast", 3, false}, TZeroGapCase{"HousingFirstSlantedTurned", 0, true},
                    TZeroGapCase{"HousingLastSlantedTurned", 3, true}),
    [](const testing::TestParamInfo<TZeroGapCase>& p) { return std::string(std::get<0>(p.param)); });

// Parts of 1 +-0.01 along X end to end and their overall, recognised from the overall: a chain of
// Links links, calculated up to 30 and otherwise told, open, and reported without a method.
class TLongStackTest : public TGather, public testing::WithParamInterface<int> {};
TEST_P(TLongStackTest, ChainOfMoreThanThirtyLinksIsToldAndNotReportedAsCalculated)
{
    const int links = GetParam();
    std::vector<TStackBox> parts;
    for (int k = 0; k + 1 < links; ++k)
        parts.push_back({double(k), 1, 0.01, -0.01});
    parts.push_back({0, links - 1.0, 0, 0});
    Stack(*this, parts, {1, 0, 0});
    Open();
    Journal().Clear();
    Panel->Select(tvapi::ITervanAPIObjectPtr(Panel->AllDimension3D.Dimensions[links - 1].MO));
    Press(Panel->bAddDimChain);
    std::vector<std::string> told{"Распознаны 1 цепи"};
    if (links > 30) told.push_back(TDimensionChain::TooLongText);
    EXPECT_EQ(Statuses(), told);
    const TDimensionChain& C = ChainAt(Chains() - 1);
    ASSERT_EQ(C.Count(), links);
    EXPECT_EQ(C.Closed, links <= 30);
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        ("long-stack-" + std::to_string(::getpid()) + "-" + std::to_string(links));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "report.txt").string();
    ASSERT_TRUE(Panel->DimensionChains.toTextFile(tvhost::FromUtf8(file)));
    const std::string report((std::istreambuf_iterator<char>(std::ifstream(file, std::ios::binary).rdbuf())),
                             {});
    std::filesystem::remove_all(dir);
    const std::string method = TString("Метод расчета").PChar(); // as the report writes it
    std::size_t methods = 0;
    for (std::size_t at = report.find(method); at != std::string::npos; at = report.find(method, at + 1))
        ++methods;
    EXPECT_EQ(methods, links <= 30 ? static_cast<std::size_t>(Chains()) : 0u) << report;
}
INSTANTIATE_TEST_SUITE_P(Stacks, TLongStackTest, testing::Values(30, 31, 80),
                         [](const testing::TestParamInfo<int>& p) {
                             return "Links" + std::to_string(p.param);
                         });

// Stacks of Parts parts of 1 and their overall, Stacks of them on the same planes, searched
// from the last overall: the paths multiply, and a search that stops at its bound says so.
using TSharedStacksCase = std::tuple<const char*, int, int, const char*>; // stacks, parts, found
class TSharedStacksTest : public TGather, public testing::WithParamInterface<TSharedStacksCase> {};
TEST_P(TSharedStacksTest, SearchStoppedAtItsBoundIsTold)
{
    const auto& [name, stacks, count, found] = GetParam();
    for (int s = 0; s < stacks; ++s) {
        std::vector<TStackBox> parts;
        for (int k = 0; k < count; ++k)
            parts.push_back({double(k), 1, 0.01, -0.01});
        parts.push_back({0, double(count), 0, 0});
        Stack(*this, parts, {1, 0, 0});
    }
    Open();
    Journal().Clear();
    const TDimensionChain& pool = Panel->AllDimension3D;
    Panel->Select(tvapi::ITervanAPIObjectPtr(pool.Dimensions[pool.Count() - 1].MO));
    Press(Panel->bAddDimChain);
    const std::vector<std::string> said = Statuses();
    ASSERT_GE(said.size(), 1u);
    EXPECT_EQ(said[0], found);
    const bool stopped = said.size() == 2 && said[1].starts_with("Поиск остановлен: просмотрено ") &&
                         said[1].ends_with(" путей");
    EXPECT_EQ(stopped, std::string(found) == "Распознаны 10000 цепи") << said.back();
}
INSTANTIATE_TEST_SUITE_P(Stacks, TSharedStacksTest,
                         testing::Values(TSharedStacksCase{"TwoOfThree", 2, 3, "Распознаны 9 цепи"},
                                         TSharedStacksCase{"FourOfSeven", 4, 7, "Распознаны 10000 цепи"}),
                         [](const testing::TestParamInfo<TSharedStacksCase>& p) {
                             return std::string(std::get<0>(p.param));
                         });

// The stored chain (plate 12.5 +-0.1 and bushing 17.5 +0.05/0 closing on the shaft's 30) met again:
// the plate's file given +-0,2, an upper deviation of 320 digits, made 13.5, 11.5 or 47.5 thick, the
// bushing moved 1 along the shaft or removed while the assembly was closed, or 0,05 typed as the
// plate's upper additional deviation and the chain searched again; what is told ("|" between
// messages), then whether the chain is closed and its last link's figures.
// Moved back: the bushing moved, the chain stored open, the bushing put back: the chain stays open,
// quietly, until it is picked again. A placement's rows also with the parts on a slanted axis or
// in a turned sub-assembly.
enum TChange {
    PartFile,
    NoNumber,
    NoNumberAgain,
    BeyondBound,
    Thicker,
    Thinner,
    Interfering,
    Moved,
    MovedBack,
    Removed,
    Typed
};
struct TStoredCase {
    const char* Name;
    TChange Change;
    const char* Told;
    double Hi, Lo;
    TChainLayout Layout = AlongAxis;
};
void PrintTo(const TStoredCase& c, std::ostream* os)
{
    *os << c.Name;
}
class TStoredChainTest : public TpmDimensionChain3DStoredTest,
                         public testing::WithParamInterface<TStoredCase> {
protected:
    void SetUp() override
    {
        FLayout = GetParam().Layout;
        TpmDimensionChain3DStoredTest::SetUp();
    }
    void MoveBushing(const char* Name, double By)
    {
        Reopen(Name, [this, By](nlohmann::json& components) { Slide(components[1]["frame"], By); });
    }
};
TEST_P(TStoredChainTest, FollowsWhatChangedAndCountsIt)
{
    const auto& [name, change, told, hi, lo, layout] = GetParam();
    if (change == PartFile || change == NoNumber || change == NoNumberAgain || change == BeyondBound) {
        nlohmann::json part = nlohmann::json::parse(std::ifstream(FDir / "chain-plate.qpt"));
        part["model"]["dimensions3D"][0]["texts"]["Upper"][0][0][0] = change == PartFile ? "+0,2"
                                                                      : change == BeyondBound
                                                                          ? "+1000001"
                                                                          : "1" + std::string(320, '0');
        part["model"]["dimensions3D"][0]["texts"]["Lower"][0][0][0] = "-0,2";
        std::ofstream(FDir / "chain-plate.qpt") << part.dump(1);
        Reopen("chain.qas");
    }
    if (change == NoNumberAgain) {
        Open();
        Panel->ButtonClick(1);
        Panel.reset();
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
        Reopen("chain.qas");
    }
    if (change == Thicker || change == Thinner || change == Interfering) {
        std::ifstream in(FDir / "chain-plate.qpt");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::size_t at = text.find("12.5"); at != std::string::npos; at = text.find("12.5", at))
            text.replace(at, 4, change == Thicker ? "13.5" : change == Thinner ? "11.5" : "47.5");
        std::ofstream(FDir / "chain-plate.qpt") << text;
        Reopen("chain.qas");
    }
    if (change == Moved || change == MovedBack) MoveBushing("moved.qas", 1);
    if (change == MovedBack) {
        Open();
        ASSERT_FALSE(ChainAt(Chains() - 1).Closed);
        Panel->ButtonClick(1);
        Panel.reset();
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
        MoveBushing("back.qas", -1);
    }
    if (change == Removed) Reopen("removed.qas", [](nlohmann::json& components) { components.erase(1); });
    Journal().Clear();
    Open();
    if (change == MovedBack) {
        EXPECT_FALSE(ChainAt(Chains() - 1).Closed);
    }
    if (change == Typed || change == MovedBack) {
        if (change == Typed) {
            Grid().SetCurrentCell(1, rEQHigh);
            Grid().SetCellText(1, rEQHigh, L"0,05");
            Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
        }
        Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 3, true);
        Press(Panel->bAddDimChain);
    }
    std::string said;
    for (const std::string& s : Statuses())
        said += (said.empty() ? "" : "|") + s;
    EXPECT_EQ(said, told);
    const TDimensionChain& C = ChainAt(Chains() - 1);
    EXPECT_EQ(C.Closed, change == PartFile || change == Typed || change == MovedBack);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QHigh, hi, Exact);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QLow, lo, Exact);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TStoredChainTest,
    testing::Values(
        TStoredCase{"PartFileChanged", PartFile, "Изменился размер ", 0.25, -0.2},
        // Shown open: the shaft's length shows its own deviations, not the old figures.
        // The text of a number too large for a figure is told too, cut to forty characters.
        TStoredCase{"PartFileNoNumber", NoNumber,
                    "Изменился размер |Цепь не рассчитывается: размер не число или длина звена с dT "
                    "не больше нуля|Отклонение «1000000000000000000000000000000000000000…» слишком велико",
                    0, 0},
        // What was told and stored is quiet at the next opening but for the text itself.
        TStoredCase{"PartFileNoNumberOpenedAgain", NoNumberAgain,
                    "Отклонение «1000000000000000000000000000000000000000…» слишком велико", 0, 0},
        // A figure beyond the grid's bound counts no more than one a double cannot hold.
        TStoredCase{"PartFileBeyondTheGridsBound", BeyondBound,
                    "Изменился размер |Цепь не рассчитывается: размер не число или длина звена с dT "
                    "не больше нуля|Отклонение «+1000001» слишком велико",
                    0, 0},
        // Open, the shaft's length shows its own deviations, not the lost figures.
        TStoredCase{"PartThickerNoLongerCloses", Thicker, "Изменился размер ", 0, 0},
        // The bushing stays where it was, 1 off the plate's face.
        TStoredCase{"PartThinnerNoLongerCloses", Thinner, "Изменился размер ", 0, 0},
        // 47.5 - 17.5 - 30 = 0, but the plate's far face touches nothing.
        TStoredCase{"PartInterferingNoLongerCloses", Interfering, "Изменился размер ", 0, 0},
        // The bushing 1 along the shaft, its length kept: it touches neither end, and the loop
        // broken is a change.
        TStoredCase{"PartMovedNoLongerCloses", Moved, "Изменился размер ", 0, 0},
        TStoredCase{"PartMovedNoLongerClosesSlantedAxis", Moved, "Изменился размер ", 0, 0, SlantedAxis},
        TStoredCase{"PartMovedNoLongerClosesTurnedSubAssembly", Moved, "Изменился размер ", 0, 0,
                    TurnedSubAssembly},
        TStoredCase{"PartInterferingNoLongerClosesSlantedAxis", Interfering, "Изменился размер ", 0, 0,
                    SlantedAxis},
        TStoredCase{"PartInterferingNoLongerClosesTurnedSubAssembly", Interfering, "Изменился размер ", 0, 0,
                    TurnedSubAssembly},
        TStoredCase{"PartPutBackStaysOpenUntilPicked", MovedBack, "Распознаны 1 цепи", 0.15, -0.1},
        TStoredCase{"PartPutBackStaysOpenUntilPickedSlantedAxis", MovedBack, "Распознаны 1 цепи", 0.15, -0.1,
                    SlantedAxis},
        TStoredCase{"PartPutBackStaysOpenUntilPickedTurnedSubAssembly", MovedBack, "Распознаны 1 цепи", 0.15,
                    -0.1, TurnedSubAssembly},
        TStoredCase{"ComponentRemoved", Removed, "Сборка изменилась! Отсутствуют элементы размерной цепи", 0,
                    0},
        TStoredCase{"TypedValue", Typed, "Распознаны 1 цепи", 0.2, -0.1}),
    [](const testing::TestParamInfo<TStoredCase>& p) { return std::string(p.param.Name); });

} // namespace
