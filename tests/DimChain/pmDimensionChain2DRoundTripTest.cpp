// What the chain command writes, it reads back: stored fields at values the host holds, and the
// sample drawing and assembly played by each of their scripts, each written, the document saved
// and opened again, and the chains read compared field by field with those written.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "HostDrawingObject.h"
#include "Panel3DFixture.h"
#include "Reopen2DFixture.h"
#include "TDimensionChains.h"
#include "drModelerAPI.h"
#include "pmCommands.h"

namespace {

const char* const SetNotRead = "Сохраненные размерные цепи повреждены и не прочитаны";

using TChains = std::vector<TDimensionChain>;

// The chains the command stored in the active document.
void Written(TChains& Chains)
{
    TDimensionChains set;
    std::vector<Byte> bytes;
    tvapi::ITervanDocumentPtr doc = drApi::MA.Application()->GetActiveDocument();
    ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserData, bytes, {}));
    ASSERT_TRUE(set.from(bytes));
    Chains.assign(set.DimChains.begin(), set.DimChains.end());
}

// The chains a panel read at its opening, field by field against those written.
void ExpectSame(const TDimensionChains& Read, const TChains& Was)
{
    ASSERT_EQ(Read.DimChains.Count, static_cast<Integer>(Was.size()));
    for (Integer c = 0; c < Read.DimChains.Count; ++c) {
        SCOPED_TRACE(c);
        const TDimensionChain &a = Was[c], &b = Read.DimChains[c];
        EXPECT_EQ(b.Closed, a.Closed);
        EXPECT_EQ(b.Checked, a.Checked);
        EXPECT_TRUE(b.Settings() == a.Settings());
        EXPECT_TRUE(b.OwnTexts == a.OwnTexts);
        ASSERT_EQ(b.Count(), a.Count());
        for (Integer i = 0; i < a.Count(); ++i) {
            const TDimension& m = b.Dimensions[i];
            // The host's objects are bound by the reading, not stored.
            TDimension l = a.Dimensions[i];
            static_cast<TDimensionHost&>(l) = m;
            EXPECT_TRUE(m == l) << "link " << i;
            EXPECT_EQ(m.EQLow, l.EQLow);
            EXPECT_EQ(m.EQHigh, l.EQHigh);
            EXPECT_EQ(m.dLdT, l.dLdT);
            EXPECT_EQ(m.dT, l.dT);
            EXPECT_EQ(Wide(m.Comment), Wide(l.Comment));
        }
    }
}

// A script of samples/ played in the command, which it runs to its end.
void Play(const std::string& Name, Boolean (*Command)() = DimensionChain)
{
    const std::filesystem::path file =
        std::filesystem::path(DC_SOURCE_DIR) / "samples" / ("chain-" + Name + ".script");
    std::ifstream in(file);
    const std::string script{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(script.empty()) << file;
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load(script, error)) << error;
    EXPECT_TRUE(Command());
    tvhost::Script().Clear();
}

class TRoundTripFixture : public TReopenFixture {
protected:
    void ExpectRead(const TChains& Was)
    {
        EXPECT_EQ(Said(SetNotRead), 0);
        ExpectSame(Panel->DimensionChains, Was);
    }
};

class TStoredFieldRoundTripTest;

// A figure typed into a link.
struct TTypedFigure {
    Integer Link;
    Real TDimension::*Field;
    Real Value;
};

// What a row drew or typed, as the chain read back must hold it: figures typed, C's own texts as
// they can be given back and the height of its upper text's first item (0: the text's own).
struct TKeptFields {
    std::vector<TTypedFigure> Figures = {};
    std::optional<std::wstring> Upper = {}, Lower = {};
    std::optional<double> Height = {};
};

// A value the host holds: given to the sample's drawing before its chain is picked, or typed
// into the grid after; and what is kept of it.
struct TFieldCase {
    const char* Name;
    std::function<void(TStoredFieldRoundTripTest&)> Draw, Type;
    TKeptFields Kept = {};
};
void PrintTo(const TFieldCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TStoredFieldRoundTripTest : public TRoundTripFixture, public testing::WithParamInterface<TFieldCase> {
public:
    // C's upper text "+0,2" in an item of its own height.
    void Height(double HeightMm)
    {
        const tvapi::IDimensionTextPtr text(Dims[2]);
        text->GetUpperDeviation()->SetStr(L"+0,2");
        tvapi::ITextFontPtr(text->GetUpperDeviation()->GetLine(0)->GetItem(0))->SetHeight(HeightMm);
        Dims[2]->Update();
    }
    void LowerText(const wchar_t* Text)
    {
        tvapi::IDimensionTextPtr(Dims[2])->GetLowerDeviation()->SetStr(Text);
        Dims[2]->Update();
    }
    // C's text Name ("Upper" or "Lower") given Str in its first item as the host holds it, past
    // what its text interface takes (a U+0000, a lone surrogate).
    void HeldText(const char* Name, const std::wstring& Str)
    {
        dynamic_cast<tvhost::TDrawingCore&>(*Dims[2].Get()).Text(Name).Lines.at(0).Items.at(0).Str = Str;
        Dims[2]->Update();
    }
    // C's text Name given Lines of items as the host holds them.
    void HeldLines(const char* Name, std::vector<tvhost::TTextLineData> Lines)
    {
        dynamic_cast<tvhost::TDrawingCore&>(*Dims[2].Get()).Text(Name).Lines = std::move(Lines);
        Dims[2]->Update();
    }
};

// Chain, read back, against what Kept says was drawn or typed.
void ExpectKept(const TDimensionChain& Chain, const TKeptFields& Kept)
{
    for (const TTypedFigure& f : Kept.Figures) {
        ASSERT_LT(f.Link, Chain.Count());
        EXPECT_EQ(Chain.Dimensions[f.Link].*f.Field, f.Value) << "link " << f.Link;
    }
    if (!Kept.Upper && !Kept.Lower && !Kept.Height) return;
    ASSERT_TRUE(Chain.OwnTexts);
    const TTextForm& upper = Chain.OwnTexts->UpperForm;
    if (Kept.Upper) {
        EXPECT_EQ(Chain.OwnTexts->Upper, *Kept.Upper);
    }
    if (Kept.Lower) {
        EXPECT_EQ(Chain.OwnTexts->Lower, *Kept.Lower);
    }
    if (Kept.Height) {
        EXPECT_EQ(upper.empty() ? 0.0 : upper.at(0).at(0).Height, *Kept.Height);
    }
}

TEST_P(TStoredFieldRoundTripTest, ReadsBackWhatItWrote)
{
    DrawSample(1);
    if (GetParam().Draw) GetParam().Draw(*this);
    Open();
    PickChain();
    if (GetParam().Type) GetParam().Type(*this);
    // The texts the chain keeps as OK stores it, before any stream holds them.
    const std::optional<TDeviationTexts> own = Panel->Chain().OwnTexts;
    Panel->ButtonClick(1);
    ASSERT_EQ(Panel->ExitCode, 0);
    TChains written;
    Written(written);
    ASSERT_EQ(written.size(), 1u);
    Panel.reset();
    Dims.clear();
    A = B = C = {};
    ReopenDrawing(FDir + "/chain.qdr");
    Open();
    ExpectRead(written);
    EXPECT_TRUE(Panel->Chain().OwnTexts == own);
    const TKeptFields& kept = GetParam().Kept;
    ExpectKept(Panel->Chain(), kept);
    if (!kept.Upper && !kept.Lower) return;
    // C let go: its own texts given back as they were kept.
    Dims = Drawn();
    Pick(15, 28);
    ASSERT_FALSE(Panel->Chain().Closed);
    if (kept.Upper) {
        EXPECT_EQ(Upper(Dims[2]), *kept.Upper);
    }
    if (kept.Lower) {
        EXPECT_EQ(Lower(Dims[2]), *kept.Lower);
    }
}

TFieldCase HeightCase(const char* Name, double HeightMm, double Kept)
{
    return {
        Name, [HeightMm](TStoredFieldRoundTripTest& f) { f.Height(HeightMm); }, {}, {{}, L"+0,2", {}, Kept}};
}
TFieldCase HeightCase(const char* Name, double HeightMm)
{
    return HeightCase(Name, HeightMm, HeightMm);
}

using namespace std::string_literals;

// clang-format off
const TFieldCase FieldCases[] = {
    HeightCase("HeightTwelveHundred", 1200), HeightCase("HeightMinusOne", -1), HeightCase("HeightZero", 0),
    HeightCase("HeightSubnormal", 1e-310), HeightCase("HeightMinusFive", -5), HeightCase("HeightHuge", 1e300),
    HeightCase("HeightJustAboveAThousand", 1000.001),
    // Not kept: the text's own height is given back.
    HeightCase("HeightNoNumber", std::numeric_limits<double>::quiet_NaN(), 0),
    {"TypedAtTheGridsEdge", {}, [](TStoredFieldRoundTripTest& f) {
         f.Type(1, rEQHigh, L"1000000");
         f.Type(1, rEQLow, L"-1000000");
         f.Type(2, rdT, L"-1000000");
     },
     {{{0, &TDimension::EQHigh, 1e6}, {0, &TDimension::EQLow, -1e6}, {1, &TDimension::dT, -1e6}}}},
    {"DeviationTextWithTheMinusSign", [](TStoredFieldRoundTripTest& f) { f.LowerText(L"\u22120,05"); }, {},
     {{}, {}, L"\u22120,05"}},
    // The host's text interface ends a text at its first U+0000: kept up to there, its item and
    // height with it, its U+2212 stored whole.
    {"TextsHeldPastANull", [](TStoredFieldRoundTripTest& f) {
         f.Height(2.5);
         f.HeldText("Upper", L"+0,2\0 x"s);
         f.LowerText(L"\u22120,05");
         f.HeldText("Lower", L"\u22120,05\0" L"9"s);
     },
     {}, {{}, L"+0,2", L"\u22120,05", 2.5}},
    // Nor is anything after it kept: neither the rest of its line's items nor the lines below.
    {"TextHeldPastANullInAnEarlyItem", [](TStoredFieldRoundTripTest& f) {
         f.HeldLines("Upper", {{{{L"+0,1", 2.5}, {L"5\0 x"s, 3.5}, {L"9", 2.5}}}, {{{L"+0,3", 0.0}}}});
     },
     {}, {{}, L"+0,15", {}, 2.5}},
    // No Unicode character: kept as the host's file holds it.
    {"TextHeldWithALoneSurrogate", [](TStoredFieldRoundTripTest& f) {
         f.LowerText(L"-0,05");
         f.HeldText("Lower", L"-0,05"s + static_cast<wchar_t>(0xD800));
     },
     {}, {{}, {}, L"-0,05\uFFFD"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Fields, TStoredFieldRoundTripTest, testing::ValuesIn(FieldCases),
                         [](const testing::TestParamInfo<TFieldCase>& p) {
                             return std::string(p.param.Name);
                         });

// A sample script played on the sample drawing, after the one it plays on when given; those that
// end in OK (the edits and the settings scripts cancel: they store nothing).
struct TSampleCase {
    const char* Script;
    const char* Before;
};
void PrintTo(const TSampleCase& c, std::ostream* os)
{
    *os << c.Script;
}

std::string SampleName(const testing::TestParamInfo<TSampleCase>& p)
{
    std::string name =
        std::string(p.param.Script) + (p.param.Before ? std::string("After_") + p.param.Before : "");
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

class TSampleRoundTripTest : public TRoundTripFixture, public testing::WithParamInterface<TSampleCase> {};

TEST_P(TSampleRoundTripTest, ReadsBackWhatItsScriptWrote)
{
    const std::string copy = FDir + "/chain.qdr";
    std::filesystem::copy_file(std::filesystem::path(DC_SOURCE_DIR) / "samples" / "chain.qdr", copy);
    OpenDrawing(copy);
    if (GetParam().Before) {
        Play(GetParam().Before);
        ReopenDrawing(copy);
    }
    Play(GetParam().Script);
    TChains written;
    Written(written);
    ASSERT_FALSE(written.empty());
    ReopenDrawing(copy);
    Journal().Clear();
    Open();
    ExpectRead(written);
}

INSTANTIATE_TEST_SUITE_P(Samples, TSampleRoundTripTest,
                         testing::Values(TSampleCase{"pick", nullptr}, TSampleCase{"recognise", nullptr},
                                         TSampleCase{"angular", nullptr}, TSampleCase{"reopen", "pick"},
                                         TSampleCase{"reopen", "angular"},
                                         TSampleCase{"recognise-reopen", "pick"}),
                         SampleName);

// The sample assembly played by its scripts.
class TAssemblySampleRoundTripTest : public TpmDimensionChain3DStoredTest,
                                     public testing::WithParamInterface<TSampleCase> {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        CopySample();
        Reopen("chain.qas");
    }
    void SaveAndReopen()
    {
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
        Reopen("chain.qas");
    }
};

TEST_P(TAssemblySampleRoundTripTest, ReadsBackWhatItsScriptWrote)
{
    if (GetParam().Before) {
        Play(GetParam().Before, DimensionChain3D);
        SaveAndReopen();
    }
    Play(GetParam().Script, DimensionChain3D);
    TChains written;
    Written(written);
    ASSERT_FALSE(written.empty());
    SaveAndReopen();
    Journal().Clear();
    Open();
    const std::vector<std::string> said = Statuses();
    EXPECT_EQ(std::count(said.begin(), said.end(), SetNotRead), 0);
    ExpectSame(Panel->DimensionChains, written);
}

INSTANTIATE_TEST_SUITE_P(Samples, TAssemblySampleRoundTripTest,
                         testing::Values(TSampleCase{"assembly", nullptr},
                                         TSampleCase{"assembly-reopen", "assembly"},
                                         TSampleCase{"assembly-method", nullptr},
                                         TSampleCase{"assembly-method-reopen", "assembly-method"}),
                         SampleName);

} // namespace
