// Stored figures that only the user gives, held to what the grid and the drawing take: a typed
// figure beyond the grid's range, a kept text's height that is no number, a character of it
// that is no Unicode character or its string stored whole unlike its narrow one leaves the set
// damaged - told at each opening, never stored over, the drawing as it was and still saved; a
// conversion's factor no conversion gives is read again from the link.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "AssemblyLinks.h"
#include "RecordingChainHost.h"
#include "Reopen2DFixture.h"
#include "StoredFields.h"
#include "drModelerAPI.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const char* const DamagedText = "Сохраненные размерные цепи повреждены и не прочитаны";

struct TFigureDamage {
    const char* Name;
    std::function<void(TDimensionChain&)> Do;
    // Then done to the stored bytes, for what no writer writes.
    std::function<void(std::vector<Byte>&)> Bytes = {};
};
void PrintTo(const TFigureDamage& d, std::ostream* os)
{
    *os << d.Name;
}

// The Nth (from 0) character From of the strings stored whole ("OWNW") made To.
std::function<void(std::vector<Byte>&)> WideCharacter(int Nth, std::int32_t From, std::int32_t To)
{
    return [=](std::vector<Byte>& bytes) {
        const Byte tag[] = {'O', 'W', 'N', 'W'}, *from = reinterpret_cast<const Byte*>(&From);
        auto at = std::search(bytes.begin(), bytes.end(), std::begin(tag), std::end(tag));
        for (int n = 0; n <= Nth && at != bytes.end(); ++n)
            at = std::search(at + 4, bytes.end(), from, from + 4);
        ASSERT_NE(at, bytes.end());
        std::memcpy(&*at, &To, 4);
    };
}

class TStoredFigureTest : public TReopenFixture, public testing::WithParamInterface<TFigureDamage> {
protected:
    // The sample's chain picked with C's upper text "+0,2" at 2,5 mm, so that its kept texts are
    // stored with their heights; OK, the drawing reopened, its set damaged, the panel opened.
    void StoreDamaged()
    {
        DrawSample(1);
        const tvapi::IDimensionTextPtr text(Dims[2]);
        text->GetUpperDeviation()->SetStr(L"+0,2");
        tvapi::ITextFontPtr(text->GetUpperDeviation()->GetLine(0)->GetItem(0))->SetHeight(2.5);
        Dims[2]->Update();
        Open();
        PickChain();
        OkAndReopen([this] {
            TDimensionChains set;
            std::vector<Byte> bytes;
            ASSERT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserData, bytes, {}));
            ASSERT_TRUE(set.from(bytes));
            ASSERT_TRUE(set.DimChains[0].OwnTexts && set.DimChains[0].OwnTexts->HasForm());
            GetParam().Do(set.DimChains[0]);
            set.to(bytes);
            if (GetParam().Bytes) GetParam().Bytes(bytes);
            ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, set.NameUserData, bytes, false, {}));
        });
    }
    std::vector<Byte> Stored()
    {
        std::vector<Byte> bytes;
        drApi::MA.drGetUserData(R().IDoc, TDimensionChains().NameUserData, bytes, {});
        return bytes;
    }
};

TEST_P(TStoredFigureTest, LeavesTheSetDamagedAndTheDrawingAsItWas)
{
    StoreDamaged();
    const std::vector<Byte> damaged = Stored();
    const std::string texts = Texts(2);
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(Said(DamagedText), 1);
        Panel->ButtonClick(1);
        EXPECT_EQ(Stored(), damaged);
        EXPECT_EQ(Texts(2), texts);
        Panel.reset();
        EXPECT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(FDir + "/again.qdr").c_str()));
        Journal().Clear();
        Open();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TStoredFigureTest,
    testing::Values(
        TFigureDamage{"TypedUpperTwoMillion", [](TDimensionChain& c) { c.Dimensions[0].EQHigh = 2e6; }},
        TFigureDamage{"TypedLowerBeyondAnyAngle", [](TDimensionChain& c) { c.Dimensions[1].EQLow = 1e300; }},
        TFigureDamage{"HeatFactorBeyondTheGrid", [](TDimensionChain& c) { c.Dimensions[0].dLdT = -1.5e6; }},
        TFigureDamage{"TemperatureBeyondTheGrid", [](TDimensionChain& c) { c.Dimensions[1].dT = 1e7; }},
        TFigureDamage{"KeptHeightNoNumber",
                      [](TDimensionChain& c) { c.OwnTexts->UpperForm[0][0].Height = NaN; }},
        TFigureDamage{"KeptHeightInfinite",
                      [](TDimensionChain& c) {
                          c.OwnTexts->UpperForm[0][0].Height = std::numeric_limits<double>::infinity();
                      }},
        // Stored whole, as a character with no CP1251 code is.
        TFigureDamage{"KeptTextSurrogate",
                      [](TDimensionChain& c) { c.OwnTexts->Lower += static_cast<wchar_t>(0xD800); }},
        // "-0,05" stored whole where its narrow string says "?0,05".
        TFigureDamage{"KeptTextWholeUnlikeItsNarrow",
                      [](TDimensionChain& c) { c.OwnTexts->Lower = L"\u22120,05"; },
                      WideCharacter(0, 0x2212, '-')},
        // The item stored whole as "\u27960,2" under its text "\u22120,2": both "?0,2" narrow.
        TFigureDamage{
            "KeptItemWholeUnlikeItsText",
            [](TDimensionChain& c) { c.OwnTexts->Upper = c.OwnTexts->UpperForm[0][0].Str = L"\u22120,2"; },
            WideCharacter(1, 0x2212, 0x2796)}),
    [](const testing::TestParamInfo<TFigureDamage>& p) { return std::string(p.param.Name); });

// Link A is bound to no angle: its angular deviations are the user's alone, held as the others.
INSTANTIATE_TEST_SUITE_P(
    AngularOfAnUnboundLink, TStoredFigureTest,
    testing::Values(
        TFigureDamage{"LowerBeyondAnyAngle", [](TDimensionChain& c) { c.Dimensions[0].AQLow = 1e300; }},
        TFigureDamage{"LowerMinusTwoMillion", [](TDimensionChain& c) { c.Dimensions[0].AQLow = -2e6; }},
        TFigureDamage{"UpperTwoMillion", [](TDimensionChain& c) { c.Dimensions[0].AQHigh = 2e6; }}),
    [](const testing::TestParamInfo<TFigureDamage>& p) { return std::string(p.param.Name); });

// A model link's stored figures as the reading finds them: what each comes to, and the
// conversion factor after it.
struct TLinkFigureCase {
    const char* Name;
    std::function<void(TDimension&)> Do;
    TStoredFields Outcome;
    double Factor;
};
void PrintTo(const TLinkFigureCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TStoredLinkFigureTest : public testing::TestWithParam<TLinkFigureCase> {};

TEST_P(TStoredLinkFigureTest, IsHeldToWhatTheGridTakes)
{
    TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
    L.Nominal = 30;
    L.V3 = TVector3D(0, 0, 30);
    GetParam().Do(L);
    TRecordingChainHost host;
    EXPECT_EQ(ReadStoredFields(L, host, true), GetParam().Outcome);
    EXPECT_EQ(L.KTransformation, GetParam().Factor);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TStoredLinkFigureTest,
    testing::Values(
        TLinkFigureCase{"TypedAtTheGridsEdge",
                        [](TDimension& L) { L.EQHigh = 1e6, L.EQLow = -1e6, L.dT = 1e6, L.dLdT = -1e6; },
                        TStoredFields::Held, 0},
        TLinkFigureCase{"TypedJustBeyond", [](TDimension& L) { L.EQLow = -1000000.5; },
                        TStoredFields::Damaged, 0},
        TLinkFigureCase{"AngularAtTheGridsEdge", [](TDimension& L) { L.AQHigh = 1e6, L.AQLow = -1e6; },
                        TStoredFields::Held, 0},
        TLinkFigureCase{"AngularJustBeyond", [](TDimension& L) { L.AQHigh = 1000000.5; },
                        TStoredFields::Damaged, 0},
        // The chain's check shows it open and says so.
        TLinkFigureCase{"TypedNoNumber", [](TDimension& L) { L.EQHigh = NaN; }, TStoredFields::Held, 0},
        TLinkFigureCase{"FactorOfAConversionTakenBack", [](TDimension& L) { L.KTransformation = 0.5; },
                        TStoredFields::Held, 0.5},
        TLinkFigureCase{"FactorNoConversionGives", [](TDimension& L) { L.KTransformation = 3; },
                        TStoredFields::Read, 0}),
    [](const testing::TestParamInfo<TLinkFigureCase>& p) { return std::string(p.param.Name); });

} // namespace
