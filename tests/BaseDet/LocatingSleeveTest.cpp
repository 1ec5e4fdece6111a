// The locating sleeve: table 3, its record, the half section in both modes with its marks, the
// end view with and without flats, and the flats a leader pin beside it gives sheet and part.

#include <gtest/gtest.h>

#include <cmath>

#include "ComponentTableFixture.h"
#include "LeaderPin.h"

namespace {

using TArgs = std::vector<std::string>;
using TList = std::vector<TArgs>;

class TLocatingSleeveTest : public TComponentTableFixture {
protected:
    void SetUp() override
    {
        TComponentTableFixture::SetUp();
        ASSERT_EQ(S.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    }
    TSocketLeaderPin Pin{3, &M, nullptr, nullptr};
    TSocketLeaderPinLocatingSleeves S{Model.RowOf("sleeve"), &M, &Pin, nullptr};
};

TEST_F(TLocatingSleeveTest, SetFillsFromTableThreeAndTheRecordKeepsEightSizes)
{
    EXPECT_EQ((std::vector<double>{S.Radius, S.Len, S.FLen, S.FRadius, S.CollarRadius, S.CollarHeight,
                                   S.ThreadLen, S.ThreadRadius}),
              (std::vector<double>{8, 20, 20, 4, 8, 0, 8, 5})); // ThreadLen is the bore's diameter
    EXPECT_EQ(S.Code, 3001);
    EXPECT_EQ(Model.GetCodeDet(S.Id), (TBaseDetail{3, 1, 0}));
    S.CollarHeight = 5, S.CollarRadius = 11;
    const streamtest::Bytes bytes = Record(S);
    TKmfData expected;
    expected << Boolean(true);
    expected.Write(Integer(3001));
    for (const double v : {8.0, 20.0, 20.0, 4.0, 11.0, 5.0, 8.0, 5.0})
        expected.Write(v);
    EXPECT_EQ(bytes, streamtest::DataOf(expected));
    TSocketLeaderPinLocatingSleeves back(2, &M, nullptr, nullptr);
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    back.fromStream(in);
    EXPECT_EQ(Record(back), bytes);

    EXPECT_EQ(S.Set(3, 10, 35), 5); // at or below 35 among the bodies of 20
    EXPECT_EQ(S.Set(2, 8, 20), 0);  // another table: nothing changes
    EXPECT_EQ(S.Code, 3005);
    EXPECT_EQ(S.Set(3, 30, 20), 0);
    EXPECT_FALSE(S.Design);
    EXPECT_EQ(S.Len, 30.0);
}

TEST_F(TLocatingSleeveTest, SketchSectionIsOneClosedLoopOffTheAxis)
{
    for (const double x50 : {0.0, 5.0})
        for (const double x52 : {0.0, 8.0}) {
            SCOPED_TRACE(testing::Message() << x50 << " " << x52);
            M.ClearJournal();
            S.dr2D_V1(0, 0, 0, 1, 20, x50, x52, 8, 4, 11, 5, 0, false, 8);
            EXPECT_TRUE(M.OutlineClosed());
            double minY = 1e9, maxY = 0;
            for (const TArgs& a : M.ArgsOf("drLine"))
                if (a[4] != "3")
                    minY = std::min({minY, Num(a[1]), Num(a[3])}),
                    maxY = std::max({maxY, Num(a[1]), Num(a[3])});
            EXPECT_EQ(minY, 4.0); // the bore: M10's tap drill of 8.5 is wider
            EXPECT_EQ(maxY, x50 == 0 ? 8.0 : 11.0);
            EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "23", "0", "3"}));
            EXPECT_EQ(M.CountOf("drHatch"), 0u);
        }
}

TEST_F(TLocatingSleeveTest, SectionViewCarriesThreadBoreCollarAndArrowMarks)
{
    S.dr2D_V1(0, 0, 0, 1, 20, 0, 8, 8, 4, 8, 5, 1, true, 8);
    const TList hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 6u);
    // M10's hole drilled at its tap drill of 8.5, entered through a chamfer 0.75 out to the thread.
    EXPECT_EQ(hl[0], (TArgs{"8", "23", "1", "0", "7.422649731", "8", "4.25", "\"\"", "\"Js14\"", "\"\""}));
    EXPECT_EQ(hl[1][0], "0.75");
    EXPECT_NEAR(Num(hl[3][0]), -(20 - (8 + 0.25 * 0.5773502691896257 + 3)), 1e-8); // the plain bore
    EXPECT_EQ(M.ArgsOf("drDimVL2")[0],
              (TArgs{"-10", "-33", "4", "1", "-8", "0", "5", "\"M\"", "\"-7H\"", "\"\""}));
    EXPECT_EQ(M.CountOf("drDimVL2") + M.CountOf("drDimA") + M.CountOf("drRough"), 8u);
    EXPECT_EQ(M.ArgsOf("drWPointer"), (TList{{"70", "0", "80", "0", "76", "0", "7", "1", "75", "\"A\""}}));
    EXPECT_EQ(M.LinesInStyle(2), 2u);

    M.ClearJournal();
    S.dr2D_V1(0, 0, 0, 1, 20, 5, 8, 8, 4, 11, 5, 1, true, 0);
    EXPECT_EQ(M.CountOf("drDimA"), 2u);
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (TList{{"13.5", "-7.7", "3", "22", "-16", "\"Б\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL2").back()[0], "-22");
    EXPECT_EQ(M.CountOf("drWPointer"), 0u);

    M.ClearJournal();
    S.dr2D_V1(0, 0, 0, 1, 20, 0, 0, 8, 4, 8, 5, 1, true, 8);
    EXPECT_EQ(M.CountOf("drDimA") + M.LinesInStyle(2), 0u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[1][0], "0"); // the bore's length, skipped by the modeller
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingSleeveTest, OneHalfIsClearedHatchedAndThreadedForTens1And2)
{
    for (const int tl : {11, 21}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        S.dr2D_V1(0, 0, 0, 1, 20, 0, 8, 8, 4, 8, 5, tl, false, 8);
        EXPECT_EQ(M.CountOf("drGroup") + M.CountOf("drClearRegion") + M.CountOf("drHatch"), 3u);
        const double sign = tl == 11 ? 1 : -1;
        for (const TArgs& a : M.ArgsOf("drLine"))
            EXPECT_TRUE(a[4] == "3" || sign * Num(a[1]) >= 0) << a[1];
        ASSERT_EQ(M.LinesInStyle(2), 1u);
        EXPECT_EQ(M.ArgsOf("drLine").back()[1], tl == 11 ? "5" : "-5");
        EXPECT_EQ(M.Depth(), 0);
    }
}

TEST_F(TLocatingSleeveTest, EndViewHasFlatsOnlyNarrowerThanTheCollar)
{
    S.dr2D_V2(0, 0, 0, 1, 12, 8, 4, 8, 5, 1, true);
    ASSERT_EQ(M.CountOf("drDimHL"), 1u);
    EXPECT_NEAR(Num(M.ArgsOf("drDimHL")[0][4]), -std::sqrt(64.0 - 36), 1e-8);
    EXPECT_EQ(M.CountOf("drCircle"), 3u); // bore, thread core, body
    EXPECT_EQ(M.ArgsOf("drText")[0][6], "\"Вид А\"");
    M.ClearJournal();
    S.dr2D_V2(0, 0, 0, 1, 22, 8, 4, 8, 5, 1, true);
    EXPECT_TRUE(AllFinite());
    EXPECT_EQ(M.CountOf("drDimHL"), 0u);
    EXPECT_EQ(M.ArgsOf("drCircle")[0], (TArgs{"0", "0", "8", "1"})); // the whole collar
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingSleeveTest, SheetAndPartTakeTheFlatsOfTheLeaderPinBesideIt)
{
    const auto flatsDimension = [&](const char* width) {
        for (const TArgs& a : M.ArgsOf("drDimHL"))
            if (a[0] == width && a[1] == "-25") return true;
        return false;
    };
    // The end view shows the flats only where the part has them: not without a collar.
    Pin.Key = 12;
    S.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(S.Id) + ", 0, 30, -30, true)");
    EXPECT_FALSE(flatsDimension("12"));
    EXPECT_EQ(M.ArgsOf("drText").back()[6], "\"Б(   5.00:1)\"");
    M.ClearJournal();
    S.dr3D(0);
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u); // Set leaves no collar to cut
    S.CollarHeight = 5;
    M.ClearJournal();
    S.dr2D();
    EXPECT_TRUE(flatsDimension("12"));
    TSocketLeaderPinLocatingSleeves alone(S.Id, &M, nullptr, nullptr);
    alone.Set(3, 8, 20);
    alone.CollarHeight = 5;
    M.ClearJournal();
    alone.dr2D();
    EXPECT_FALSE(flatsDimension("8")) << "without a pin the part has no flats";

    M.ClearJournal();
    S.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (TList{{"1", "0", "0", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (TList{{"1", "0", "5", "0"}}));
    EXPECT_EQ(M.ArgsOf("drCircle").back(), (TArgs{"0", "0", "10", "1"}));
    for (const double key : {0.0, 16.0, 20.0}) {
        SCOPED_TRACE(key);
        Pin.Key = key;
        M.ClearJournal();
        S.dr3D(0);
        EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
        EXPECT_TRUE(AllFinite());
    }
}

} // namespace
