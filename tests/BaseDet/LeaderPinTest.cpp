// The leader pin: table 5 with its fallback to the next longer pin, the record with and without
// its corners and before the flats were stored, the profile and its marks, the auxiliary views,
// the sheet and the part's cuts.

#include <gtest/gtest.h>

#include <cmath>

#include "ComponentTableFixture.h"
#include "GImage.h"
#include "LeaderPin.h"

namespace {

using TArgs = std::vector<std::string>;
using TList = std::vector<TArgs>;

// Len, FLen, FRadius, OFLen, OFRadius, Radius, CollarHeight, CollarRadius, ThreadRadius,
// ThreadLen, Key: the record's order.
std::vector<double> Sizes(const TSocketLeaderPin& p)
{
    return {p.Len,          p.FLen,         p.FRadius,      p.OFLen,     p.OFRadius, p.Radius,
            p.CollarHeight, p.CollarRadius, p.ThreadRadius, p.ThreadLen, p.Key};
}

// A pin with a shoulder, a fitted end, an M8 hole and flats 22 across on its collar.
void Fill(TSocketLeaderPin& p)
{
    p.Len = 60, p.FLen = 20, p.FRadius = 10, p.OFLen = 10, p.OFRadius = 9, p.Radius = 8;
    p.CollarHeight = 6, p.CollarRadius = 14, p.ThreadRadius = 4, p.ThreadLen = 14, p.Key = 22;
}

class TLeaderPinTest : public TComponentTableFixture {
protected:
    TArgs TextsDrawn() const
    {
        TArgs out;
        for (const TArgs& a : M.ArgsOf("drText"))
            out.push_back(a[6]);
        return out;
    }
    TSocketLeaderPin P{Model.RowOf("leaderpin"), &M, nullptr, nullptr};
};

TEST_F(TLeaderPinTest, SetFillsFromTableFiveAndFallsBackToTheNextLongerPin)
{
    P.FRadius = 3.5, P.Key = 7, P.ThreadRadius = 2;
    EXPECT_EQ(P.Set(5, 8, 35, 90), 3); // at or below 90 among fit 16, shoulder 35
    EXPECT_EQ(Sizes(P), (std::vector<double>{80, 20, 3.5, 30, 8, 8, 5, 10, 0, 0, 7}));
    EXPECT_EQ(P.Code, 5003);
    EXPECT_EQ(Model.GetCodeDet(P.Id), (TBaseDetail{5, 3, 0}));
    EXPECT_EQ(P.Set(5, 8, 35, 70), 3); // none at or below 70: the one above
    EXPECT_EQ(P.Set(5, 10, 40, 200), 8);
    EXPECT_EQ(P.Set(4, 8, 25, 60), 0); // another table: nothing changes
    EXPECT_TRUE(P.Design);
    EXPECT_EQ(P.Code, 5008);
    EXPECT_EQ(P.Set(5, 30, 25, 60), 0);
    EXPECT_FALSE(P.Design);
    EXPECT_EQ(P.Len, 125.0);
}

TEST_F(TLeaderPinTest, RecordPutsTheCornersFirstWithoutAComplementAndDerivesOldFlats)
{
    EXPECT_EQ(Record(P), streamtest::Bytes(125, 0));
    Fill(P);
    P.LD = {-50, -40}, P.RU = {50, 40}, P.Design = true, P.Code = 5003;
    const streamtest::Bytes bytes = Record(P);
    TKmfData expected;
    for (const double v : {-50.0, 40.0, 50.0, -40.0})
        expected.Write(v);
    expected << Boolean(true);
    expected.Write(Integer(5003));
    for (const double v : Sizes(P))
        expected.Write(v);
    EXPECT_EQ(bytes, streamtest::DataOf(expected));
    TSocketLeaderPin back(2, &M, nullptr, nullptr);
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    back.fromStream(in);
    EXPECT_EQ(Record(back), bytes);

    const TSocketLeaderPin companion(3, &M, nullptr, nullptr);
    TSocketLeaderPin beside(2, &M, &companion, nullptr);
    beside = P; // the sizes only
    beside.Design = true, beside.Code = 5003;
    EXPECT_EQ(Record(beside), streamtest::Bytes(bytes.begin() + 32, bytes.end()));

    // Before version 49 no Key: it is 2 FRadius + 1 and the next byte is the next record's.
    streamtest::Bytes old(bytes.begin(), bytes.end() - 8);
    old.push_back(0x7F);
    TSocketLeaderPin q(2, &M, nullptr, nullptr);
    TKmfData v48;
    v48.from(streamtest::Blob(48, old));
    q.fromStream(v48);
    EXPECT_EQ(q.Key, 21.0);
    Byte next = 0;
    v48.Read(next);
    EXPECT_EQ(next, 0x7F);
    TSocketLeaderPin cut(2, &M, nullptr, nullptr);
    TKmfData shortStream;
    shortStream.from(streamtest::Blob(48, streamtest::Bytes(old.begin(), old.begin() + 60)));
    cut.fromStream(shortStream);
    EXPECT_EQ(Sizes(cut), std::vector<double>(11, 0.0));

    TGImage image(nullptr, nullptr);
    P.Show(image, TColor());
    EXPECT_EQ(image.CountLElement, 5); // the pen and the four pins
}

TEST_F(TLeaderPinTest, SketchProfileIsOneClosedHalfFromLeadInToFittedEnd)
{
    for (const double r44 : {0.0, 4.0}) {
        SCOPED_TRACE(r44);
        M.ClearJournal();
        P.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 26, 0, false, 22, r44, r44 * 3.5);
        EXPECT_TRUE(M.OutlineClosed());
        double minX = 0, maxX = 0, minY = 0;
        for (const TArgs& a : M.ArgsOf("drLine"))
            if (a[4] != "3")
                minX = std::min({minX, Num(a[0]), Num(a[2])}), maxX = std::max({maxX, Num(a[0]), Num(a[2])}),
                minY = std::min({minY, Num(a[1]), Num(a[3])});
        EXPECT_EQ(minX, -70.0); // the lead-in end at -(Len + OFLen)
        EXPECT_EQ(maxX, 26.0);  // the fitted end at CollarHeight + FLen
        EXPECT_EQ(minY, 0.0);
        EXPECT_EQ(M.LinesInStyle(1) + M.LinesInStyle(3), M.CountOf("drLine"));
        EXPECT_EQ(M.Depth(), 0);
    }
}

TEST_F(TLeaderPinTest, ViewDrawsFlatsAndTheMarksOfItsFittedEndAndAuxiliaryViews)
{
    P.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 26, 1, true, 22, 4, 14);
    int flats = 0;
    for (const TArgs& a : M.ArgsOf("drLine"))
        flats += a[0] == "0" && a[2] == "6" && std::abs(std::abs(Num(a[1])) - std::sqrt(75.0)) < 1e-6;
    EXPECT_EQ(flats, 2);
    const TList hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 10u);
    EXPECT_EQ(hl[5], (TArgs{"96", "-57", "-1", "-70", "0", "26", "-9", "\"\"", "\"\"", "\"*\""}));
    // M8's entry chamfer out to the thread from its tap drill of 6.8.
    EXPECT_EQ(hl[8], (TArgs{"0.6", "11", "-1", "25.4", "3.4", "26", "9", "\"\"", "\"\"", "\"&04~45&01\""}));
    EXPECT_EQ(M.ArgsOf("drDimVL")[0],
              (TArgs{"8", "0", "-7", "19", "-4", "19", "4", "\"M\"", "\"\"", "\"-7H\""}));
    EXPECT_EQ(M.ArgsOf("drCircleShelf"),
              (TList{{"7.5", "10", "3", "4", "33", "\"B\""}, {"-54", "8", "3", "-62", "20", "\"Г\""}}));
    EXPECT_EQ(M.ArgsOf("drWPointer"), (TList{{"51", "0", "61", "0", "53", "2", "7", "1", "75", "\"A\""}}));
    EXPECT_EQ(M.ArgsOf("drCut"), (TList{{"7", "1", "75", "\"Б\"", "-58", "35", "-1", "-58", "-94", "-1"}}));
    EXPECT_EQ(M.CountOf("drRough"), 3u);

    // No fitted part, no flats, no thread, upper halves only: those marks go.
    M.ClearJournal();
    P.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 60, 10, 6, 6, 11, true, 0, 0, 0);
    EXPECT_EQ(M.CountOf("drDimApc") + M.CountOf("drCircleShelf") + M.CountOf("drWPointer"), 2u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[7][0], "0"); // the thread length, skipped by the modeller
    for (const TArgs& a : M.ArgsOf("drLine"))
        EXPECT_TRUE(a[4] == "3" || (Num(a[1]) >= 0 && Num(a[3]) >= 0)) << a[1];
    // A short pin: the groove 4 + g from the shoulder face, not 8 from the lead-in.
    M.ClearJournal();
    P.dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, 8, 12, 0, 6, 6, 1, true, 0, 0, 0);
    EXPECT_NEAR(Num(M.ArgsOf("drCircleShelf")[0][0]), -4 - 1.053565375285274, 1e-8);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinTest, AuxiliaryViewsReadOnlyTheirSizesAndKeepWideFlatsFinite)
{
    P.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 1, 2, 3, 4, 5, 1, true, 22, 4, 6);
    EXPECT_EQ(TextsDrawn(), (TArgs{"\"Вид А\"", "\"Б-Б\"", "\"Г(2:1)\""}));
    EXPECT_NEAR(Num(M.ArgsOf("drDimHL")[0][1]), 24 - std::sqrt(75.0), 1e-8); // above the flats
    EXPECT_EQ(M.ArgsOf("drDimHL")[1][0], "15.8");                            // across the relief flat
    const std::vector<std::string> first = M.Texts();
    M.ClearJournal();
    P.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 9, 9, 9, 9, 9, 1, true, 22, 4, 9);
    EXPECT_EQ(M.Texts(), first);
    M.ClearJournal();
    P.dr2D_KolonkaKriplennya_V2(0, 0, 0, 1, 8, 10, 14, 0, 0, 0, 0, 0, 1, false, 30, 4, 0);
    EXPECT_EQ(TextsDrawn(), (TArgs{"\"Вид А\""}));
    EXPECT_EQ(M.CountOf("drDimHL") + M.CountOf("drDimVL"), 0u);
    EXPECT_TRUE(AllFinite());
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLeaderPinTest, SheetAndPartFollowTheThreadAndTheFlats)
{
    Fill(P);
    P.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(P.Id) + ", 0, 102, -14, true)");
    EXPECT_EQ(TextsDrawn(), (TArgs{"\"Вид А\"", "\"Б-Б\"", "\"Г(2:1)\"", "\"В(   4.00:1)\""}));
    M.ClearJournal();
    P.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (TList{{"1", "60", "0", "\"\""}, {"1", "6", "0", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (TList{{"1", "0", "48", "0"}, {"1", "0", "6", "0"}}));

    P.ThreadLen = 0, P.Key = 28; // plain, flats as wide as the collar: none
    M.ClearJournal();
    P.dr2D();
    // The plain pin draws the views its marks name as the tapped one does, the end view's arrow
    // from a round collar too.
    EXPECT_EQ(TextsDrawn(), (TArgs{"\"Вид А\"", "\"Б-Б\"", "\"Г(2:1)\"", "\"В(   4.00:1)\""}));
    EXPECT_EQ(M.ArgsOf("drWPointer"), (TList{{"127", "0", "137", "0", "129", "2", "7", "1", "75", "\"A\""}}));
    M.ClearJournal();
    P.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (TList{{"1", "0", "54", "0"}}));
    P.Len = 6, P.Key = 22, P.CollarHeight = 0; // no room for the relief flat, no collar
    M.ClearJournal();
    P.dr3D(0);
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
    M.ClearJournal();
    M.BooleanResult = false;
    P.dr2D();
    P.dr3D(0);
    EXPECT_EQ(M.Calls.size(), 2u);
}

} // namespace
