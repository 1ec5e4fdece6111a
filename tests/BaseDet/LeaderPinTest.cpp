// The leader pin: sizes from table 5 with the lookup that falls back to the next longer pin,
// the record with and without its corners and before the flats were stored, the plan symbol,
// the profile in both modes with its marks, the auxiliary views, the sheet and the part's cuts.

#include <gtest/gtest.h>

#include <cmath>

#include "ComponentTableFixture.h"
#include "GImage.h"
#include "KmfData.h"
#include "LeaderPin.h"

namespace {

using TArgs = std::vector<std::string>;

streamtest::Bytes Reals(std::initializer_list<double> values)
{
    streamtest::Bytes out;
    for (const double v : values) {
        const auto* p = reinterpret_cast<const Byte*>(&v);
        out.insert(out.end(), p, p + 8);
    }
    return out;
}

// A pin with a shoulder, a fitted end, a tapped hole and flats on the collar.
void Fill(TSocketLeaderPin& p)
{
    p.Radius = 8, p.FRadius = 10, p.CollarRadius = 14, p.CollarHeight = 6, p.OFLen = 10, p.Len = 60;
    p.FLen = 20, p.ThreadRadius = 4, p.ThreadLen = 14, p.Key = 22, p.OFRadius = 9;
}

class TLeaderPinTest : public TComponentTableFixture {
protected:
    std::vector<std::string> TextsDrawn() const
    {
        std::vector<std::string> out;
        for (const TArgs& a : M.ArgsOf("drText"))
            out.push_back(a[6]);
        return out;
    }
};

TEST_F(TLeaderPinTest, SetFillsFromTableFiveAndFallsBackToTheNextLongerPin)
{
    const TDcDetail id = Model.RowOf("leaderpin");
    TSocketLeaderPin p(id, &M, nullptr, nullptr);
    p.FRadius = 3.5, p.Key = 7, p.ThreadRadius = 2, p.ThreadLen = 9;
    EXPECT_EQ(p.Set(5, 8, 35, 90), 3); // the row at or below 90 among d1 16, L2 35
    EXPECT_EQ(p.Radius, 8.0);
    EXPECT_EQ(p.Len, 80.0);
    EXPECT_EQ(p.FLen, 20.0);
    EXPECT_EQ(p.OFLen, 30.0); // column 7 less the collar
    EXPECT_EQ(p.OFRadius, 8.0);
    EXPECT_EQ(p.CollarHeight, 5.0);
    EXPECT_EQ(p.CollarRadius, 10.0);
    EXPECT_EQ(p.ThreadRadius, 0.0);
    EXPECT_EQ(p.ThreadLen, 0.0);
    EXPECT_EQ(p.FRadius, 3.5);
    EXPECT_EQ(p.Key, 7.0);
    EXPECT_EQ(p.Code, 5003);
    EXPECT_TRUE(p.Design);
    EXPECT_EQ(Model.GetCodeDet(id), (TBaseDetail{5, 3, 0}));

    EXPECT_EQ(p.Set(5, 8, 35, 70), 3); // none at or below 70: the one at or above it
    EXPECT_EQ(p.Len, 80.0);
    EXPECT_EQ(p.Set(5, 10, 40, 200), 8);
    EXPECT_EQ(p.Code, 5008);
    EXPECT_EQ(p.CollarRadius, 12.5);

    EXPECT_EQ(p.Set(4, 8, 25, 60), 0); // not the pin's table: nothing changes
    EXPECT_TRUE(p.Design);
    EXPECT_EQ(p.Code, 5008);
    EXPECT_EQ(p.Set(5, 30, 25, 60), 0); // no such diameter
    EXPECT_FALSE(p.Design);
    EXPECT_EQ(p.Len, 125.0);
}

TEST_F(TLeaderPinTest, RecordPutsTheCornersFirstOnlyWithoutAComplement)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    EXPECT_EQ(Record(p), streamtest::Bytes(125, 0));
    Fill(p);
    p.LD = {-50, -40}, p.RU = {50, 40};
    p.Design = true, p.Code = 5003;
    const streamtest::Bytes bytes = Record(p);
    ASSERT_EQ(bytes.size(), 125u);
    EXPECT_EQ(streamtest::Bytes(bytes.begin(), bytes.begin() + 32), Reals({-50, 40, 50, -40}));
    EXPECT_EQ(bytes[32], 1);
    EXPECT_EQ(streamtest::Bytes(bytes.begin() + 33, bytes.begin() + 37), streamtest::Ints({5003}));
    EXPECT_EQ(streamtest::Bytes(bytes.begin() + 37, bytes.end()),
              Reals({60, 20, 10, 10, 9, 8, 6, 14, 4, 14, 22}));

    TSocketLeaderPin q(2, &M, nullptr, nullptr);
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    q.fromStream(in);
    EXPECT_EQ(Record(q), bytes);

    // A pin that stands beside a companion keeps no corners.
    const TSocketLeaderPin companion(3, &M, nullptr, nullptr);
    TSocketLeaderPin c(2, &M, &companion, nullptr);
    c = p;
    c.Design = true, c.Code = 5003;
    EXPECT_EQ(c.LD.x, 0.0); // the copy takes the sizes only
    EXPECT_EQ(Record(c), streamtest::Bytes(bytes.begin() + 32, bytes.end()));
}

TEST_F(TLeaderPinTest, RecordBeforeVersion49DerivesTheFlatsFromTheFit)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    Fill(p);
    p.Design = true;
    streamtest::Bytes bytes = Record(p);
    bytes.resize(bytes.size() - 8); // no Key
    bytes.push_back(0x7F);          // the next record's first byte
    TSocketLeaderPin q(2, &M, nullptr, nullptr);
    q.Key = 99;
    TKmfData in;
    in.from(streamtest::Blob(48, bytes));
    q.fromStream(in);
    EXPECT_EQ(q.FRadius, 10.0);
    EXPECT_EQ(q.Key, 21.0);
    Byte next = 0;
    in.Read(next);
    EXPECT_EQ(next, 0x7F);

    // A record cut short changes nothing.
    TSocketLeaderPin r(2, &M, nullptr, nullptr);
    r.Key = 5;
    TKmfData cut;
    cut.from(streamtest::Blob(48, streamtest::Bytes(bytes.begin(), bytes.begin() + 60)));
    r.fromStream(cut);
    EXPECT_EQ(r.Key, 5.0);
    EXPECT_EQ(r.Len, 0.0);
}

TEST_F(TLeaderPinTest, PlanSymbolIsFourCirclesOfTheWorkingRadius)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    p.Radius = 8, p.LD = {-50, -40}, p.RU = {50, 40};
    TGImage none(nullptr, nullptr);
    p.Show(none, TColor());
    EXPECT_EQ(none.CountLElement, 0);
    p.Design = true;
    TGImage image(nullptr, nullptr);
    p.Show(image, TColor());
    ASSERT_EQ(image.CountLElement, 5);
    EXPECT_EQ(image.LElements.FArray[1].TE, TGImage::eCircle);
}

TEST_F(TLeaderPinTest, SketchProfileIsOneClosedHalfFromLeadInToFittedEnd)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    Fill(p);
    for (const bool tapped : {false, true}) {
        SCOPED_TRACE(tapped);
        M.ClearJournal();
        const Real r44 = tapped ? 4.0 : 0.0, x44 = tapped ? 14.0 : 0.0;
        p.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 26, 0, false, 22, r44, x44);
        EXPECT_TRUE(M.OutlineClosed());
        double minX = 1e9, maxX = -1e9, minY = 1e9;
        for (const TArgs& a : M.ArgsOf("drLine")) {
            if (a[4] == "3") continue;
            EXPECT_EQ(a[4], "1");
            minX = std::min({minX, Num(a[0]), Num(a[2])});
            maxX = std::max({maxX, Num(a[0]), Num(a[2])});
            minY = std::min({minY, Num(a[1]), Num(a[3])});
        }
        EXPECT_EQ(minX, -70.0); // the lead-in end at -(Len + OFLen)
        EXPECT_EQ(maxX, 26.0);  // the fitted end at CollarHeight + FLen
        EXPECT_EQ(minY, 0.0);   // the upper half, closed along the axis
        EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"28", "0", "-72", "0", "3"}));
        EXPECT_EQ(M.CountOf("drDimHL"), 0u);
        EXPECT_EQ(M.Depth(), 0);
    }
}

TEST_F(TLeaderPinTest, ViewDrawsBothHalvesFlatsAndTheMarksOfTheAuxiliaryViews)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    p.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 26, 1, true, 22, 4, 14);
    const double h = std::sqrt(14.0 * 14 - 11 * 11);
    int flats = 0, below = 0;
    for (const TArgs& a : M.ArgsOf("drLine")) {
        flats += a[0] == "0" && a[2] == "6" && std::abs(std::abs(Num(a[1])) - h) < 1e-6 && a[1] == a[3];
        below += Num(a[1]) < -1e-9;
    }
    EXPECT_EQ(flats, 2);
    EXPECT_GT(below, 10);
    EXPECT_GT(M.LinesInStyle(4), 0u); // the tapped hole drawn hidden
    const auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 10u);
    EXPECT_EQ(hl[5], (TArgs{"96", "-57", "-1", "-70", "0", "26", "-9", "\"\"", "\"\"", "\"*\""}));
    EXPECT_EQ(hl[8], (TArgs{"1", "11", "-1", "25", "3", "26", "9", "\"\"", "\"\"", "\"&04~45&01\""}));
    EXPECT_EQ(hl[9], (TArgs{"26", "-41", "1", "26", "-9", "0", "-14", "\"\"", "\"js14\"", "\"\""}));
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(vl.size(), 2u);
    EXPECT_EQ(vl[0], (TArgs{"8", "0", "-7", "19", "-4", "19", "4", "\"M\"", "\"\"", "\"-7H\""}));
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"7.5", "10", "3", "4", "33", "\"B\""},
                                                             {"-54", "8", "3", "-62", "20", "\"Г\""}}));
    EXPECT_EQ(M.ArgsOf("drWPointer"),
              (std::vector<TArgs>{{"51", "0", "61", "0", "53", "2", "7", "1", "75", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drCut"),
              (std::vector<TArgs>{{"7", "1", "75", "\"Б\"", "-58", "35", "-1", "-58", "-94", "-1"}}));
    EXPECT_EQ(M.CountOf("drPoint"), 2u);
    EXPECT_EQ(M.CountOf("drEndObj"), 1u);
    EXPECT_EQ(M.CountOf("drRough"), 3u);
    EXPECT_EQ(M.CountOf("drDimR"), 2u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinTest, HalvesFittedEndAndShortPinFollowTheirSizes)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    for (const int tl : {11, 21}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        p.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 26, tl, false, 22, 0, 0);
        for (const TArgs& a : M.ArgsOf("drLine")) {
            if (a[4] == "3") continue;
            const double y = std::abs(Num(a[1])) > std::abs(Num(a[3])) ? Num(a[1]) : Num(a[3]);
            EXPECT_TRUE(tl == 11 ? y >= 0 : y <= 0) << a[0] << " " << a[1];
        }
    }
    // No fitted part and no flats: the fitted-end marks and the view arrow go; the plain end
    // draws no thread.
    M.ClearJournal();
    p.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 6, 1, true, 0, 0, 0);
    EXPECT_EQ(M.CountOf("drDimApc"), 1u);
    EXPECT_EQ(M.CountOf("drCircleShelf"), 1u);
    EXPECT_EQ(M.CountOf("drWPointer"), 0u);
    EXPECT_EQ(M.CountOf("drRough"), 2u);
    EXPECT_EQ(M.LinesInStyle(4), 0u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[7][0], "0"); // the thread length, skipped by the modeller
    // A short pin: the groove 4 + g from the shoulder face, not 8 from the lead-in.
    M.ClearJournal();
    p.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 12, 0, 6, 26, 1, true, 0, 0, 0);
    const auto shelves = M.ArgsOf("drCircleShelf");
    ASSERT_EQ(shelves.size(), 2u);
    EXPECT_NEAR(Num(shelves[1][0]), -4 - 1.053565375285274, 1e-8);
}

TEST_F(TLeaderPinTest, AuxiliaryViewsReadOnlyTheirSizesAndKeepWideFlatsFinite)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    p.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 1, 2, 3, 4, 5, 1, true, 22, 4, 6);
    const std::vector<std::string> labels{"\"Вид А\"", "\"Б-Б\"", "\"Г(2:1)\""};
    EXPECT_EQ(TextsDrawn(), labels);
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[1][0], "15.8");                            // across the relief flat
    EXPECT_NEAR(Num(M.ArgsOf("drDimHL")[0][1]), 24 - std::sqrt(75.0), 1e-8); // above the flats' top
    EXPECT_EQ(M.Depth(), 0);
    const std::vector<std::string> first = M.Texts();
    M.ClearJournal();
    p.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 9, 9, 9, 9, 9, 1, true, 22, 4, 9);
    EXPECT_EQ(M.Texts(), first);

    M.ClearJournal();
    p.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 0, 0, 0, 0, 0, 1, false, 30, 4, 0);
    EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"\"Вид А\""}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drDimVL") + M.CountOf("drDimR"), 0u);
    EXPECT_TRUE(AllFinite());
}

TEST_F(TLeaderPinTest, TappedPinSheetHasItsThreeAuxiliaryViewsAndEnlargedViewV)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    Fill(p);
    p.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(2, 0, 102, -14, true)");
    const std::vector<std::string> texts = TextsDrawn();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "\"Вид А\"");
    EXPECT_EQ(texts[1], "\"Б-Б\"");
    EXPECT_EQ(texts[2], "\"Г(2:1)\"");
    EXPECT_EQ(texts[3], "\"В(   4.00:1)\"");
    EXPECT_EQ(M.Depth(), 0);
    EXPECT_EQ(M.CountOf("drCloseView"), 1u);

    M.ClearJournal();
    p.ThreadLen = 0;
    p.dr2D();
    EXPECT_EQ(TextsDrawn(), (std::vector<std::string>{"\"A(   4.00:1)\""}));
    M.ClearJournal();
    M.BooleanResult = false;
    p.dr2D();
    EXPECT_EQ(M.Calls.size(), 1u);
}

TEST_F(TLeaderPinTest, PartCutsTheReliefFlatAndCollarFlatsOnlyWithAKey)
{
    TSocketLeaderPin p(2, &M, nullptr, nullptr);
    Fill(p);
    p.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(2, 0, true, 3, 0)");
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"),
              (std::vector<TArgs>{{"1", "60", "0", "\"\""}, {"1", "6", "0", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "48", "0"}, {"1", "0", "6", "0"}}));
    int rectangles = 0;
    for (const TArgs& a : M.ArgsOf("drLine"))
        rectangles += a[0] == "-14" && a[1] == "-14" && a[2] == "-14" && a[3] == "14";
    EXPECT_EQ(rectangles, 1);
    // Plain and without flats: a lead-in of 2 and the relief flat alone.
    M.ClearJournal();
    p.ThreadLen = 0, p.Key = 0;
    p.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "54", "0"}}));
    // Flats as wide as the collar cut nothing and are not asked for.
    M.ClearJournal();
    p.Key = 28;
    p.dr3D(0);
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 1u);
    M.ClearJournal();
    M.BooleanResult = false;
    p.dr3D(0);
    EXPECT_EQ(M.Calls.size(), 1u);
}

} // namespace
