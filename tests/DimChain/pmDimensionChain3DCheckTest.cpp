// A checked assembly chain's figures kept apart from its closing link's note: the note a part's
// name or the user gave is never cut, an older set's figures are read out of the note, and a
// part removed from the assembly leaves the chain open with no figures and the signs it had.
// The assembly closed under the panel: OK stores nothing, anywhere, and says so. Stored check
// figures that are no numbers, or beyond what the grid shows, are calculated again quietly.

#include "Panel3DFixture.h"

#include "KmfData.h"
#include "TDimensionChains.h"
#include "TLinkText.h"

#include <limits>

namespace {

// 10 +-0.1 and 20 +0.05/0 closing on 30 along Z, checked: { 0.150 -0.100 }.
TDimensionChain CheckedStack(const char* Note, std::optional<TCheckFigures> Figures)
{
    TDimensionChain C;
    for (const auto& [z, hi, lo] : {std::tuple{10.0, 0.1, -0.1}, {20.0, 0.05, 0.0}, {30.0, 0.0, 0.0}}) {
        TDimension& L = C.Dimensions.Add() = NewAssemblyLink(tvapi::o3d_lineDimension3D);
        L.V3 = TVector3D(0, 0, z);
        L.Nominal = z;
        L.QHigh = hi;
        L.QLow = lo;
    }
    C.Dimensions[2].Comment = TString(Note);
    C.Closed = true;
    C.StateClosed = 0b011;
    C.Checked = true;
    C.CheckFigures = Figures;
    return C;
}

// The closing link's note (the part's name or typed, then the figures a set of this version or an
// older one keeps), the chain stored and read back, then checked again: the note is whole and
// the figures follow it once.
using TNoteCase = std::tuple<const char*, const char*, bool, const char*>; // note, figures apart, kept
class TCheckNoteTest : public testing::TestWithParam<TNoteCase> {};
TEST_P(TCheckNoteTest, IsNeverCutAndTheFiguresFollowItOnce)
{
    const auto& [name, note, apart, kept] = GetParam();
    TDimensionChains set;
    set.DimChains[0] = CheckedStack(note, apart ? std::optional(TCheckFigures{0.15, -0.1}) : std::nullopt);
    std::vector<Byte> bytes;
    set.to(bytes);
    TDimensionChains read;
    ASSERT_TRUE(read.from(bytes));
    TDimensionChain& C = read.DimChains[0];
    ASSERT_TRUE(C.TakeCalculation());
    EXPECT_EQ(std::wstring(C.ShownNote(2).toWideChar()),
              std::wstring(TString((std::string(kept) + " {   0.150  -0.100 }").c_str()).toWideChar()));
}

INSTANTIATE_TEST_SUITE_P(
    Notes, TCheckNoteTest,
    testing::Values(TNoteCase{"PartNamedWithABrace", "0 0 2 Зазор {по ТУ 5}", true, "0 0 2 Зазор {по ТУ 5}"},
                    TNoteCase{"OlderSetFiguresInTheNote", "0 0 2 Зазор {по ТУ 5} {   0.150  -0.100 }", false,
                              "0 0 2 Зазор {по ТУ 5}"},
                    // Only the check note's own form is taken: a typed " { 1 2 }" stays.
                    TNoteCase{"OlderSetTypedBraceBeforeTheFigures", "см. { 1 2 } {   0.150  -0.100 }", false,
                              "см. { 1 2 }"}),
    [](const testing::TestParamInfo<TNoteCase>& p) { return std::string(std::get<0>(p.param)); });

// The stored chain (plate +, bushing + and the shaft's length -) checked from its closing row and
// stored, then a part removed from the assembly on disk (Removed, by its place): reopened, the
// chain is open, the grid and the report show no check figures, and the links left keep their
// signs.
// Each laid out as the sample has it, on a slanted axis and in a turned sub-assembly.
using TRemovedCase = std::tuple<const char*, int>;
class TPartRemovedTest : public TpmDimensionChain3DStoredTest,
                         public testing::WithParamInterface<std::tuple<TRemovedCase, TChainLayout>> {
protected:
    void SetUp() override
    {
        FLayout = std::get<1>(GetParam());
        TpmDimensionChain3DStoredTest::SetUp();
    }
};
TEST_P(TPartRemovedTest, LeavesNoFiguresAndTheSignsOfTheLinksLeft)
{
    const auto& [name, removed] = std::get<0>(GetParam());
    Open();
    CheckFromTheClosingRow();
    ASSERT_EQ(Chains(), 3);
    ASSERT_TRUE(ChainAt(2).CheckFigures);
    Panel->ButtonClick(1);
    Panel.reset();
    ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
    Reopen("removed.qas", [removed](nlohmann::json& components) { components.erase(removed); });
    Open();
    const TDimensionChain& C = ChainAt(2);
    ASSERT_EQ(C.Count(), 2);
    EXPECT_FALSE(C.Closed);
    EXPECT_EQ(std::vector<bool>({C.Plus(0), C.Plus(1)}), std::vector<bool>({true, false}));
    EXPECT_EQ(Cell(2, rComment).find(" {"), std::string::npos) << Cell(2, rComment);
}

INSTANTIATE_TEST_SUITE_P(Parts, TPartRemovedTest,
                         testing::Combine(testing::Values(TRemovedCase{"Plate", 0},
                                                          TRemovedCase{"Bushing", 1}),
                                          testing::Values(AlongAxis, SlantedAxis, TurnedSubAssembly)),
                         [](const testing::TestParamInfo<std::tuple<TRemovedCase, TChainLayout>>& p) {
                             return std::string(std::get<0>(std::get<0>(p.param))) +
                                    LayoutName(std::get<1>(p.param));
                         });

// A chain found, then the assembly closed by the host while the panel is open, alone or with
// another assembly open that then becomes the active one: OK tells it and stores nothing.
class TClosedUnderThePanelTest : public TpmDimensionChain3DTest, public testing::WithParamInterface<bool> {};
TEST_P(TClosedUnderThePanelTest, OkTellsItAndStoresNothing)
{
    tvapi::ITervanDocumentPtr other;
    if (GetParam()) {
        other = Host().App().Documents().AddDocument(tvapi::tvDocumentAssembly, L"");
        ASSERT_TRUE(R().IDoc->Activate());
    }
    Open();
    Pool();
    SelectClosing();
    Press(Panel->bAddDimChain);
    ASSERT_EQ(Chains(), 2);
    ASSERT_TRUE(R().IDoc->Close(tvapi::kdDoNotSaveChanges));
    Journal().Clear();
    Panel->ButtonClick(1);
    EXPECT_EQ(Statuses(), std::vector<std::string>{TpmDimensionChain3D::ClosedDocumentText});
    std::vector<Byte> stored;
    if (other) {
        EXPECT_FALSE(drApi::MA.drGetUserData(other, Panel->DimensionChains.NameUserData, stored, {}));
    }
}
INSTANTIATE_TEST_SUITE_P(Documents, TClosedUnderThePanelTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) {
                             return p.param ? "AnotherBecomesActive" : "Alone";
                         });

// The chain checked from its closing row and stored, then one of its check figures stored as
// Figure: the opening calculates them again, quietly, and OK stores the right ones.
struct TCheckFigureCase {
    const char* Name;
    bool Upper;
    double Figure;
};
void PrintTo(const TCheckFigureCase& c, std::ostream* os)
{
    *os << c.Name;
}
class TStoredCheckFiguresTest : public TpmDimensionChain3DStoredTest,
                                public testing::WithParamInterface<TCheckFigureCase> {
protected:
    std::optional<TCheckFigures> StoredFigures()
    {
        TDimensionChains set;
        std::vector<Byte> bytes;
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserData, bytes, {}));
        EXPECT_TRUE(set.from(bytes));
        return set.DimChains.Count > 2 ? set.DimChains[2].CheckFigures : std::nullopt;
    }
};
TEST_P(TStoredCheckFiguresTest, AreCalculatedAgainQuietly)
{
    const TCheckFigureCase& c = GetParam();
    Open();
    CheckFromTheClosingRow();
    ASSERT_EQ(Chains(), 3);
    ASSERT_TRUE(ChainAt(2).CheckFigures);
    const TCheckFigures right = *ChainAt(2).CheckFigures;
    Panel->ButtonClick(1);
    Panel.reset();
    RewriteStored([&c](TDimensionChains& set, std::vector<tvapi::ITervanAPIObjectPtr>&) {
        TCheckFigures& figures = *set.DimChains[2].CheckFigures;
        (c.Upper ? figures.QHigh : figures.QLow) = c.Figure;
    });
    Journal().Clear();
    Open();
    EXPECT_TRUE(Statuses().empty());
    EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
    Panel->ButtonClick(1);
    const std::optional<TCheckFigures> stored = StoredFigures();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->QHigh, right.QHigh);
    EXPECT_EQ(stored->QLow, right.QLow);
}
INSTANTIATE_TEST_SUITE_P(
    Stored, TStoredCheckFiguresTest,
    testing::Values(TCheckFigureCase{"UpperNoNumber", true, std::numeric_limits<double>::quiet_NaN()},
                    TCheckFigureCase{"LowerMinusInfinity", false, -std::numeric_limits<double>::infinity()},
                    TCheckFigureCase{"UpperOf300Digits", true, 1e300}),
    [](const testing::TestParamInfo<TCheckFigureCase>& p) { return std::string(p.param.Name); });

} // namespace
