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
    testing::Values(TAssemblyCase{"FirstTurned", Gap(2), 0.26, -0.14},
                    TAssemblyCase{"HousingTurned", Gap(1), 0.26, -0.14},
                    TAssemblyCase{"TwoSubAssembliesDeep", Gap(2, true), 0.26, -0.14},
                    TAssemblyCase{"ExtrusionDepthCounts", ExtrusionStack, 0.07, -0.03},
                    // The pool closes along X and along Z at once: its closing link is along X.
                    TAssemblyCase{
                        "PoolCountsAlongItsClosingLink",
                        [](TGather& T) {
                            Stack(T, {{0, 5, 0.1, -0.1}, {5, 7, 0.1, -0.1}, {0, 12, 0, 0}}, {0, 0, 1});
                            Stack(T, {{0, 10, 0.05, -0.05}, {10, 15, 0.04, 0}, {0, 25, 0, 0}}, {1, 0, 0});
                        },
                        0.09, -0.05}),
    [](const testing::TestParamInfo<TAssemblyCase>& p) { return std::string(std::get<0>(p.param)); });

// The stored chain (plate 12.5 +-0.1 and bushing 17.5 +0.05/0 closing on the shaft's 30) met again:
// the plate's file given +-0,2 or made 13.5 thick, or the bushing removed while the assembly was
// closed, or 0,05 typed as the plate's upper additional deviation and the chain searched again;
// what is told, then whether the chain is closed and its last link's figures.
enum TChange { PartFile, Thicker, Removed, Typed };
using TStoredCase = std::tuple<const char*, TChange, const char*, double, double>; // told, hi, lo
class TStoredChainTest : public TpmDimensionChain3DStoredTest,
                         public testing::WithParamInterface<TStoredCase> {};
TEST_P(TStoredChainTest, FollowsWhatChangedAndCountsIt)
{
    const auto& [name, change, told, hi, lo] = GetParam();
    if (change == PartFile) {
        nlohmann::json part = nlohmann::json::parse(std::ifstream(FDir / "chain-plate.qpt"));
        part["model"]["dimensions3D"][0]["texts"]["Upper"][0][0][0] = "+0,2";
        part["model"]["dimensions3D"][0]["texts"]["Lower"][0][0][0] = "-0,2";
        std::ofstream(FDir / "chain-plate.qpt") << part.dump(1);
        Reopen("chain.qas");
    }
    if (change == Thicker) {
        std::ifstream in(FDir / "chain-plate.qpt");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::size_t at = text.find("12.5"); at != std::string::npos; at = text.find("12.5", at))
            text.replace(at, 4, "13.5");
        std::ofstream(FDir / "chain-plate.qpt") << text;
        Reopen("chain.qas");
    }
    if (change == Removed) Reopen("removed.qas", [](nlohmann::json& components) { components.erase(1); });
    Journal().Clear();
    Open();
    if (change == Typed) {
        Grid().SetCurrentCell(1, rEQHigh);
        Grid().SetCellText(1, rEQHigh, L"0,05");
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
        Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 3, true);
        Press(Panel->bAddDimChain);
    }
    EXPECT_EQ(Statuses(), (std::vector<std::string>{told}));
    const TDimensionChain& C = ChainAt(Chains() - 1);
    EXPECT_EQ(C.Closed, change != Removed && change != Thicker);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QHigh, hi, Exact);
    EXPECT_NEAR(C.Dimensions[C.Count() - 1].QLow, lo, Exact);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TStoredChainTest,
    testing::Values(TStoredCase{"PartFileChanged", PartFile, "Изменился размер ", 0.25, -0.2},
                    // Open, the shaft's length shows its own deviations, not the lost figures.
                    TStoredCase{"PartThickerNoLongerCloses", Thicker, "Изменился размер ", 0, 0},
                    TStoredCase{"ComponentRemoved", Removed,
                                "Сборка изменилась! Отсутствуют элементы размерной цепи", 0, 0},
                    TStoredCase{"TypedValue", Typed, "Распознаны 1 цепи", 0.2, -0.1}),
    [](const testing::TestParamInfo<TStoredCase>& p) { return std::string(std::get<0>(p.param)); });

} // namespace
