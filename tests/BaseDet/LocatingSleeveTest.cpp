// The locating sleeve: sizes from table 3, its 69-byte record, the half section in both modes
// with its marks, the end view with and without flats, the sheet's width across flats from a
// leader pin beside it, and the part's flats cut only where there are flats to cut.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ComponentTableFixture.h"
#include "GImage.h"
#include "KmfData.h"
#include "LeaderPin.h"

namespace {

using TArgs = std::vector<std::string>;
constexpr double c30 = 0.5773502691896257;

class TLocatingSleeveTest : public TComponentTableFixture {
protected:
    TDcDetail Id() const { return Model.RowOf("sleeve"); }
};

TEST_F(TLocatingSleeveTest, SetFillsFromTableThreeWithoutACollar)
{
    const TDcDetail id = Model.RowOf("sleeve");
    TSocketLeaderPinLocatingSleeves s(id, &M, nullptr, nullptr);
    s.CollarHeight = 7, s.CollarRadius = 30;
    EXPECT_EQ(s.Set(3, 8, 20), 1);
    EXPECT_EQ(s.Len, 20.0);
    EXPECT_EQ(s.FLen, 20.0);
    EXPECT_EQ(s.Radius, 8.0);
    EXPECT_EQ(s.FRadius, 4.0);
    EXPECT_EQ(s.CollarRadius, 8.0);
    EXPECT_EQ(s.CollarHeight, 0.0);
    EXPECT_EQ(s.ThreadLen, 8.0); // the bore's whole diameter
    EXPECT_EQ(s.ThreadRadius, 5.0);
    EXPECT_EQ(s.Code, 3001);
    EXPECT_TRUE(s.Design);
    EXPECT_EQ(Model.GetCodeDet(id), (TBaseDetail{3, 1, 0}));
    EXPECT_EQ(s.Set(3, 10, 35), 5); // the row at or below 35 among the bodies of 20
    EXPECT_EQ(s.Code, 3005);
    EXPECT_EQ(s.Len, 30.0);

    EXPECT_EQ(s.Set(2, 8, 20), 0); // not the sleeve's table: nothing changes
    EXPECT_TRUE(s.Design);
    EXPECT_EQ(s.Code, 3005);
    EXPECT_EQ(s.Set(3, 30, 20), 0);
    EXPECT_FALSE(s.Design);
    EXPECT_EQ(s.Len, 30.0);
}

TEST_F(TLocatingSleeveTest, RecordIsDesignCodeAndEightSizes)
{
    TSocketLeaderPinLocatingSleeves s(2, &M, nullptr, nullptr);
    EXPECT_EQ(Record(s), streamtest::Bytes(69, 0));
    ASSERT_EQ(s.Set(3, 8, 20), 1);
    s.CollarHeight = 5, s.CollarRadius = 11;
    const streamtest::Bytes bytes = Record(s);
    ASSERT_EQ(bytes.size(), 69u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(streamtest::Bytes(bytes.begin() + 1, bytes.begin() + 5), streamtest::Ints({3001}));
    const double sizes[] = {8, 20, 20, 4, 11, 5, 8, 5};
    for (int i = 0; i < 8; ++i) {
        double v = 0;
        std::memcpy(&v, bytes.data() + 5 + 8 * i, 8);
        EXPECT_EQ(v, sizes[i]) << i;
    }
    TSocketLeaderPinLocatingSleeves q(2, &M, nullptr, nullptr);
    TKmfData in;
    in.from(streamtest::Blob(TKmfData::CurrentVersion, bytes));
    q.fromStream(in);
    EXPECT_EQ(Record(q), bytes);
    TGImage image(nullptr, nullptr);
    q.Show(image, TColor());
    EXPECT_EQ(image.CountLElement, 0); // no plan symbol
}

TEST_F(TLocatingSleeveTest, SketchSectionIsOneClosedLoopOffTheAxis)
{
    TSocketLeaderPinLocatingSleeves s(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    for (const double x50 : {0.0, 5.0})
        for (const double x52 : {0.0, 8.0}) {
            SCOPED_TRACE(testing::Message() << x50 << " " << x52);
            M.ClearJournal();
            s.dr2D_V1(0, 0, 0, 1, 20, x50, x52, 8, 4, 11, 5, 0, false, 8);
            EXPECT_TRUE(M.OutlineClosed());
            double minY = 1e9, maxY = 0, maxX = 0;
            for (const TArgs& a : M.ArgsOf("drLine")) {
                if (a[4] == "3") continue;
                minY = std::min({minY, Num(a[1]), Num(a[3])});
                maxY = std::max({maxY, Num(a[1]), Num(a[3])});
                maxX = std::max({maxX, Num(a[0]), Num(a[2])});
            }
            EXPECT_EQ(minY, x52 == 0 ? 4.0 : 3.0); // the bore, or the tap drill
            EXPECT_EQ(maxY, x50 == 0 ? 8.0 : 11.0);
            EXPECT_EQ(maxX, 20.0);
            EXPECT_EQ(M.ArgsOf("drLine").front(), (TArgs{"-3", "0", "23", "0", "3"}));
            EXPECT_EQ(M.CountOf("drHatch"), 0u);
            EXPECT_EQ(M.Depth(), 0);
        }
}

TEST_F(TLocatingSleeveTest, SectionViewCarriesThreadBoreCollarAndArrowMarks)
{
    TSocketLeaderPinLocatingSleeves s(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    s.dr2D_V1(0, 0, 0, 1, 20, 0, 8, 8, 4, 8, 5, 1, true, 8);
    const auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 6u);
    EXPECT_EQ(hl[0], (TArgs{"8", "23", "1", "0", "7.422649731", "8", "3", "\"\"", "\"Js14\"", "\"\""}));
    const double u = 20 - (8 + 1.5 * c30 + 3);
    EXPECT_NEAR(Num(hl[3][0]), -u, 1e-8);
    EXPECT_EQ(hl[3][8], "\"h14\"");
    const auto vl2 = M.ArgsOf("drDimVL2");
    ASSERT_EQ(vl2.size(), 4u);
    EXPECT_EQ(vl2[0], (TArgs{"-10", "-33", "4", "1", "-8", "0", "5", "\"M\"", "\"-7H\"", "\"\""}));
    EXPECT_EQ(M.CountOf("drDimA"), 1u);
    EXPECT_EQ(M.CountOf("drRough"), 3u);
    EXPECT_EQ(M.CountOf("drCircleShelf"), 0u);
    EXPECT_EQ(M.ArgsOf("drWPointer"),
              (std::vector<TArgs>{{"70", "0", "80", "0", "76", "0", "7", "1", "75", "\"A\""}}));
    EXPECT_EQ(M.CountOf("drHatch"), 1u);
    EXPECT_EQ(M.LinesInStyle(2), 2u);

    M.ClearJournal();
    s.dr2D_V1(0, 0, 0, 1, 20, 5, 8, 8, 4, 11, 5, 1, true, 0);
    EXPECT_EQ(M.CountOf("drDimA"), 2u);
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"13.5", "-7.7", "3", "22", "-16", "\"Б\""}}));
    EXPECT_EQ(M.ArgsOf("drDimVL2").back()[0], "-22");
    EXPECT_EQ(M.CountOf("drWPointer"), 0u);

    M.ClearJournal();
    s.dr2D_V1(0, 0, 0, 1, 20, 0, 0, 8, 4, 8, 5, 1, true, 8);
    EXPECT_EQ(M.CountOf("drDimA"), 0u);
    EXPECT_EQ(M.CountOf("drDimVL2"), 2u);
    EXPECT_EQ(M.ArgsOf("drDimHL")[1][0], "0"); // the plain bore's length, skipped by the modeller
    EXPECT_EQ(M.LinesInStyle(2), 0u);
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingSleeveTest, OneHalfIsClearedHatchedAndThreadedForTens1And2)
{
    TSocketLeaderPinLocatingSleeves s(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    for (const int tl : {11, 21}) {
        SCOPED_TRACE(tl);
        M.ClearJournal();
        s.dr2D_V1(0, 0, 0, 1, 20, 0, 8, 8, 4, 8, 5, tl, false, 8);
        EXPECT_EQ(M.CountOf("drGroup"), 1u);
        EXPECT_EQ(M.CountOf("drClearRegion"), 1u);
        EXPECT_EQ(M.CountOf("drHatch"), 1u);
        const double sign = tl == 11 ? 1 : -1;
        for (const TArgs& a : M.ArgsOf("drLine"))
            if (a[4] != "3") {
                EXPECT_GE(sign * Num(a[1]), 0) << a[0] << " " << a[1];
            }
        const auto thin = M.ArgsOf("drLine");
        ASSERT_EQ(M.LinesInStyle(2), 1u);
        EXPECT_EQ(thin.back()[1], tl == 11 ? "5" : "-5");
        EXPECT_EQ(M.Depth(), 0);
    }
}

TEST_F(TLocatingSleeveTest, EndViewHasFlatsOnlyNarrowerThanTheCollar)
{
    TSocketLeaderPinLocatingSleeves s(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    s.dr2D_V2(0, 0, 0, 1, 12, 8, 4, 8, 5, 1, true);
    const double h = std::sqrt(64.0 - 36);
    const auto hl = M.ArgsOf("drDimHL");
    ASSERT_EQ(hl.size(), 1u);
    EXPECT_EQ(hl[0][0], "12");
    EXPECT_NEAR(Num(hl[0][4]), -h, 1e-8);
    EXPECT_EQ(M.CountOf("drCircle"), 3u); // bore, thread core, body
    EXPECT_EQ(M.ArgsOf("drText")[0][6], "\"Вид А\"");
    EXPECT_EQ(M.ArgsOf("drArc").size(), 3u); // the flats' two and the thread's three quarters

    M.ClearJournal();
    s.dr2D_V2(0, 0, 0, 1, 22, 8, 4, 8, 5, 1, true);
    EXPECT_TRUE(AllFinite());
    EXPECT_EQ(M.CountOf("drDimHL"), 0u);
    EXPECT_EQ(M.CountOf("drCircle"), 4u); // the whole collar too
    EXPECT_EQ(M.ArgsOf("drCircle")[0], (TArgs{"0", "0", "8", "1"}));
    EXPECT_EQ(M.Depth(), 0);
}

TEST_F(TLocatingSleeveTest, SheetTakesTheFlatsOfTheLeaderPinBesideIt)
{
    TSocketLeaderPin pin(3, &M, nullptr, nullptr);
    pin.Key = 12;
    TSocketLeaderPinLocatingSleeves s(Id(), &M, &pin, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    s.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(s.Id) + ", 0, 30, -30, true)");
    EXPECT_EQ(M.ArgsOf("drDimHL").back()[0], "3"); // the enlarged relief's last is its length
    bool flats = false;
    for (const TArgs& a : M.ArgsOf("drDimHL"))
        flats |= a[0] == "12" && a[8] == "\"h14\"";
    EXPECT_TRUE(flats);
    std::vector<std::string> texts;
    for (const TArgs& a : M.ArgsOf("drText"))
        texts.push_back(a[6]);
    EXPECT_EQ(texts, (std::vector<std::string>{"\"Вид А\"", "\"Б(   5.00:1)\""}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    TSocketLeaderPinLocatingSleeves alone(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(alone.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    alone.dr2D();
    bool collarWide = false;
    for (const TArgs& a : M.ArgsOf("drDimHL"))
        collarWide |= a[0] == "8" && a[8] == "\"h14\"" && a[1] == "-25";
    EXPECT_TRUE(collarWide) << "without a pin the flats stand the collar's radius apart";
}

TEST_F(TLocatingSleeveTest, PartCutsFlatsOnlyOnACollarBesideAPinWithFlats)
{
    TSocketLeaderPin pin(3, &M, nullptr, nullptr);
    pin.Key = 12;
    TSocketLeaderPinLocatingSleeves s(Id(), &M, &pin, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    s.dr3D(0);
    EXPECT_EQ(M.Texts().front(), "drCreate3DNewPartPlane(" + std::to_string(s.Id) + ", 0, true, 3, 0)");
    EXPECT_EQ(M.CountOf("drBaseRotate"), 1u);
    EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u); // Set leaves no collar
    s.CollarHeight = 5;
    M.ClearJournal();
    s.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis"), (std::vector<TArgs>{{"1", "0", "0", "\"\""}}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"1", "0", "5", "0"}}));
    EXPECT_EQ(M.ArgsOf("drCircle").back(), (TArgs{"0", "0", "10", "1"}));
    for (const double key : {0.0, 16.0, 20.0}) {
        SCOPED_TRACE(key);
        pin.Key = key;
        M.ClearJournal();
        s.dr3D(0);
        EXPECT_EQ(M.CountOf("drCutExtrusion"), 0u);
        EXPECT_TRUE(AllFinite());
    }
    TSocketLeaderPinLocatingSleeves alone(Id(), &M, nullptr, nullptr);
    ASSERT_EQ(alone.Set(3, 8, 20), 1); // body 16 x 20, bore 8, M10 8 deep
    M.ClearJournal();
    alone.dr3D(0);
    EXPECT_EQ(M.CountOf("drPlaneEskis"), 0u);
    M.ClearJournal();
    M.BooleanResult = false;
    s.dr3D(0);
    EXPECT_EQ(M.Calls.size(), 1u);
}

} // namespace
