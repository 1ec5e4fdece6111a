// The distance screw: sizes from table 39, its record at every version the gates know, the
// legacy readers, the profile with its dimensions and enlarged view, the sheet, and the parts
// of both executions.

#include <gtest/gtest.h>

#include <algorithm>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "ComponentTableFixture.h"
#include "DistanceScrew.h"
#include "KmfData.h"
#include "StreamTestUtil.h"
#include "TextBase.h"
#include "drModelerAPI.h"

namespace {

using streamtest::Bytes;
using TArgs = std::vector<std::string>;

Bytes Write(const TDetail& D)
{
    TKmfData s;
    D.toStream(s);
    return streamtest::DataOf(s);
}

void Read(TDetail& D, Integer version, const Bytes& data)
{
    TKmfData s;
    s.from(streamtest::Blob(version, data));
    D.fromStream(s);
}

void Append(Bytes& b, const void* v, std::size_t n)
{
    const auto* p = static_cast<const unsigned char*>(v);
    b.insert(b.end(), p, p + n);
}

// Design 1, Code 39004, then the reals in order.
Bytes RecordOf(std::initializer_list<double> reals)
{
    Bytes b;
    const char design = 1;
    const Integer code = 39004;
    Append(b, &design, 1);
    Append(b, &code, 4);
    for (const double v : reals)
        Append(b, &v, 8);
    return b;
}

std::string Q(const char* utf8)
{
    return recording::QuotedUtf8(TString(utf8));
}

bool HasLine(const TComponentRecorder& M, const TArgs& line)
{
    for (const TArgs& a : M.ArgsOf("drLine"))
        if (TArgs(a.begin(), a.begin() + 5) == line) return true;
    return false;
}

class TDistanceScrewTest : public TComponentTableFixture {
protected:
    void SetUp() override
    {
        TComponentTableFixture::SetUp();
        Model.Present(Id, 39);
    }

    // The sizes of row 4 without a table.
    static void Row4(TDistanceScrew& s)
    {
        s.Radius = 8, s.Len = 56, s.CollarHeight = 8, s.CollarRadius = 12, s.ThreadLen = 18,
        s.ThreadRadius = 6;
    }

    TDcDetail Id = Model.RowOf("distscrew");
};

TEST_F(TDistanceScrewTest, SetReadsRowFourOfTable39AndRefusesOtherTablesAndRows)
{
    TDistanceScrew s(Id, &M, nullptr);
    EXPECT_EQ(s.Set(39, 4), 4);
    EXPECT_EQ(s.ThreadRadius, 6.0);
    EXPECT_EQ(s.Radius, 8.0);
    EXPECT_EQ(s.ThreadLen, 18.0);
    EXPECT_EQ(s.CollarRadius, 12.0);
    EXPECT_EQ(s.CollarHeight, 8.0);
    EXPECT_EQ(s.Len, 56.0);
    EXPECT_EQ(s.Code, 39004);
    EXPECT_TRUE(s.Design);
    EXPECT_EQ(Model.GetCodeDet(Id), (TBaseDetail{39, 4, 0}));

    EXPECT_EQ(s.Set(38, 7), 0); // another table: nothing changes
    EXPECT_TRUE(s.Design);
    EXPECT_EQ(s.Code, 39004);
    EXPECT_EQ(s.Set(39, 99), 0); // a row the table does not hold is no row
    EXPECT_FALSE(s.Design);
    EXPECT_EQ(s.Code, 39004);
    EXPECT_EQ(s.Len, 56.0);
    EXPECT_EQ(s.Set(39, -1), 0);
    EXPECT_EQ(s.Radius, 8.0);

    EXPECT_EQ(s.Set(39, 6.0, 20.0), 1); // shank 12, length 20
    EXPECT_EQ(s.Len, 20.0 + 6 + 12);
    EXPECT_EQ(s.Set(39, 8.0, 30.0), 4);
    EXPECT_EQ(s.Set(38, 8.0, 30.0), 0);
    EXPECT_EQ(s.Set(39, 3.0, 30.0), 0); // below every shank
    EXPECT_FALSE(s.Design);
    EXPECT_EQ(s.Len, 56.0);
}

TEST_F(TDistanceScrewTest, RecordIs97BytesWithGatesAt45And50And82)
{
    TDistanceScrew fresh(Id, &M, nullptr);
    const Bytes zero = Write(fresh);
    ASSERT_EQ(zero.size(), 97u);
    EXPECT_TRUE(std::all_of(zero.begin(), zero.end(), [](unsigned char c) { return c == 0; }));

    TDistanceScrew a(Id, &M, nullptr);
    Row4(a);
    a.Design = true, a.Code = 39004, a.DepthHole = 25, a.LD = {1, 2}, a.RU = {3, 4};
    *a.Execution.PInt = 1;
    const Bytes bytes = Write(a);
    EXPECT_EQ(bytes, [&] {
        Bytes b = RecordOf({1, 2, 3, 4, 8, 56, 8, 12, 18, 6, 25});
        const Integer one = 1;
        Append(b, &one, 4);
        return b;
    }());
    TDistanceScrew b(Id, &M, nullptr);
    Read(b, TKmfData::CurrentVersion, bytes);
    EXPECT_EQ(Write(b), bytes);
    EXPECT_EQ(b.ExecutionValue(), 1);
    EXPECT_EQ(b.Execution.ADef.Current, 1); // the choice shown is "Сборный"
    TDistanceScrew cut(Id, &M, nullptr);
    Read(cut, TKmfData::CurrentVersion, Bytes(bytes.begin(), bytes.end() - 1));
    EXPECT_EQ(Write(cut), zero);

    TDistanceScrew v47(Id, &M, nullptr);
    v47.LD = {-1, -1};
    Read(v47, 47, RecordOf({8, 56, 8, 12, 18, 6, 25})); // no rectangle, a depth
    EXPECT_EQ(v47.LD.x, -1.0);
    EXPECT_EQ(v47.Len, 56.0);
    EXPECT_EQ(v47.DepthHole, 25.0);
    TDistanceScrew v60(Id, &M, nullptr);
    *v60.Execution.PInt = 1;
    Read(v60, 60, RecordOf({1, 2, 3, 4, 8, 56, 8, 12, 18, 6, 25})); // no execution: one-piece
    EXPECT_EQ(v60.RU.y, 4.0);
    EXPECT_EQ(v60.DepthHole, 25.0);
    EXPECT_EQ(v60.ExecutionValue(), 0);
    TDistanceScrew v44(Id, &M, nullptr);
    v44.DepthHole = 7;
    Read(v44, 44, RecordOf({8, 56, 8, 12, 18, 6}));
    EXPECT_EQ(v44.DepthHole, 0.0);
    EXPECT_EQ(v44.CollarRadius, 12.0);

    // After a = b the target has b's geometry and keeps its own code, design, depth, execution.
    TDistanceScrew c(Id, &M, nullptr);
    c.Code = 5, c.DepthHole = 9;
    c = a;
    EXPECT_EQ(c.Len, 56.0);
    EXPECT_EQ(c.RU.x, 3.0);
    EXPECT_EQ(c.Code, 5);
    EXPECT_FALSE(c.Design);
    EXPECT_EQ(c.DepthHole, 9.0);
    EXPECT_EQ(c.ExecutionValue(), 0);
}

TEST_F(TDistanceScrewTest, LegacyReadersKeepTheirOldOrderBefore45)
{
    const Bytes old = RecordOf({3, 4, 1, 2, 10, 20, 30, 40, 50, 60}); // RU first
    TScrewSpecial special(Id, &M, nullptr);
    Read(special, 44, old);
    EXPECT_EQ(special.RU.x, 3.0);
    EXPECT_EQ(special.LD.y, 2.0);
    EXPECT_EQ(special.Radius, 10.0);
    EXPECT_EQ(special.CollarHeight, 20.0);
    EXPECT_EQ(special.ThreadLen, 30.0);
    EXPECT_EQ(special.Len, 40.0);
    EXPECT_EQ(special.ThreadRadius, 50.0);
    EXPECT_EQ(special.CollarRadius, 60.0);
    TTraction traction(Id, &M, nullptr);
    Read(traction, 44, old);
    EXPECT_EQ(traction.Len, 20.0);
    EXPECT_EQ(traction.CollarHeight, 30.0);
    EXPECT_EQ(traction.CollarRadius, 40.0);
    EXPECT_EQ(traction.ThreadRadius, 60.0);
    TScrewSpecial current(Id, &M, nullptr);
    Read(current, 45, RecordOf({8, 56, 8, 12, 18, 6, 25})); // the distance screw's layout
    EXPECT_EQ(current.Len, 56.0);
    EXPECT_EQ(current.DepthHole, 25.0);
}

TEST_F(TDistanceScrewTest, ProfileSketchIsTheClosedUpperHalf)
{
    TDistanceScrew s(Id, &M, nullptr);
    s.dr2D_Gvynt_V1(38, 0, 0, 1, 12, 8, 6, 18, 8, 56, 38, 0, false);
    EXPECT_TRUE(M.OutlineClosed());
    EXPECT_EQ(M.LinesInStyle(2), 0u); // no thread-root line in a sketch
    EXPECT_TRUE(HasLine(M, {"-3", "0", "59", "0", "3"}));
    EXPECT_TRUE(HasLine(M, {"56", "4", "56", "0", "1"})); // the chamfered thread end
    EXPECT_EQ(M.Depth(), 0);
    for (const TArgs& a : M.ArgsOf("drLine"))
        EXPECT_GE(std::stod(a[1]) + std::stod(a[3]), 0.0) << "nothing mirrored";
}

TEST_F(TDistanceScrewTest, ViewHasRootLinesDimensionsAndTheEnlargedView)
{
    TDistanceScrew s(Id, &M, nullptr);
    s.dr2D_Gvynt_V1(38, 0, 0, 1, 12, 8, 6, 18, 8, 56, 38, 1, true);
    EXPECT_TRUE(HasLine(M, {"55", "5", "41", "5", "2"}));
    EXPECT_TRUE(HasLine(M, {"55", "-5", "41", "-5", "2"}));
    const auto hl = M.ArgsOf("drDimHL");
    const auto vl = M.ArgsOf("drDimVL");
    ASSERT_EQ(hl.size(), 6u); // the enlarged view's first, then the screw's five
    ASSERT_EQ(vl.size(), 5u);
    EXPECT_EQ(hl[1], (TArgs{"56", "-57", "0", "56", "-4", "0", "-10", "\"\"", "\"h14\"", "\"\""}));
    EXPECT_EQ(hl[2][8], "\"h9\"");
    EXPECT_EQ(hl[3], (TArgs{"30", "-40", "-1", "38", "-8", "8", "-12", "\"\"", "\"h8\"", "\"\""}));
    EXPECT_EQ(hl[4][8], "\"H14\"");
    EXPECT_EQ(hl[5][7], Q("2 фаски "));
    EXPECT_EQ(hl[5][9], Q("&04~45&01"));
    EXPECT_EQ(vl[1], (TArgs{"2.5", "-5", "-15", "0", "-1.25", "0", "1.25", "\"\"", "\"H14\"", "\"\""}));
    EXPECT_EQ(vl[2][7], "\"&02\"");
    EXPECT_EQ(vl[3], (TArgs{"16", "0", "-1", "18", "-8", "18", "8", "\"&02\"", "\"h7\"", "\"\""}));
    EXPECT_EQ(vl[4], (TArgs{"12", "12", "-1", "54", "-6", "54", "6", "\"M\"", "\"-8g\"", "\"\""}));
    EXPECT_EQ(vl[0][0], "0.3"); // the enlarged view's depth comes first, inside drCVR_dV
    EXPECT_EQ(M.ArgsOf("drCircleShelf"), (std::vector<TArgs>{{"9.2", "7.7", "3", "18", "17", Q("А")}}));
    const auto title = M.ArgsOf("drText");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0][6], Q("А(   4.00:1)"));
    EXPECT_EQ(M.ArgsOf("drRough").size(), 4u);
    EXPECT_EQ(M.ArgsOf("drRough")[3], (TArgs{"0", "-68", "180", "0", "\"1,6\"", "\"\"", "\"\""}));
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    s.dr2D_Gvynt_V1(38, 0, 0, 1, 12, 8, 6, 18, 8, 56, 38, 21, false); // lower half alone
    EXPECT_EQ(M.LinesInStyle(2), 1u);
    EXPECT_TRUE(HasLine(M, {"55", "-5", "41", "-5", "2"}));
}

TEST_F(TDistanceScrewTest, SheetAndRecordDrawingNeedThePresentDetail)
{
    TDistanceScrew s(Id, &M, nullptr);
    Row4(s);
    s.dr2D();
    EXPECT_EQ(M.Texts().front(), "drLeafStampView1(" + std::to_string(Id) + ", 0, 10, 0, true)");
    EXPECT_EQ(M.ArgsOf("drDimHL")[3][0], "30");
    EXPECT_EQ(M.Names().back(), "drCloseLeaf");
    EXPECT_EQ(M.Depth(), 0);

    M.ClearJournal();
    M.BooleanResult = false; // the sheet is refused
    s.dr2D();
    EXPECT_EQ(M.Names(), (std::vector<std::string>{"drLeafStampView1"}));

    TCatalogueModel absent{"G"};
    drApi::LibraryControlModel = &absent;
    M.ClearJournal();
    s.dr2D_V1(0, 0, 0, 1, 1, true);
    EXPECT_TRUE(M.Calls.empty());
}

// The assembled screw's sheet draws what its part is made of, the M12 cap screw (head 12 high),
// the washer 3 thick and the bushing of diameter 16 and bore 13 (the clearance hole) over 30,
// 60 overall, with none of the one-piece screw's slot, collar or length.
TEST_F(TDistanceScrewTest, AssembledSheetDrawsItsPiecesWithTheirSizes)
{
    TDistanceScrew s(Id, &M, nullptr);
    Row4(s);
    *s.Execution.PInt = 1;
    s.dr2D();
    const auto values = [&](const char* name) {
        std::vector<std::string> v;
        for (const TArgs& a : M.ArgsOf(name))
            v.push_back(a[0]);
        return v;
    };
    EXPECT_EQ(values("drDimHL"), (std::vector<std::string>{"60", "30", "3"}));
    EXPECT_EQ(values("drDimVL"), (std::vector<std::string>{"16", "13"}));
    EXPECT_EQ(M.ArgsOf("drDimHL")[0][8], "\"h14\"");
    EXPECT_EQ(M.Depth(), 0);
    EXPECT_EQ(M.Names().back(), "drCloseLeaf");
}

TEST_F(TDistanceScrewTest, OnePiecePartCutsTheSlotAcrossTheCollar)
{
    TDistanceScrew s(Id, &M, nullptr);
    Row4(s);
    s.dr3D(0);
    EXPECT_EQ(M.ArgsOf("drPlaneEskis").back(), (TArgs{"3", "12", "0", "\"\""}));
    EXPECT_EQ(M.ArgsOf("drCutExtrusion"), (std::vector<TArgs>{{"0", "0", "24", "0"}}));
    const std::vector<std::string> names = M.Names();
    const auto cut = std::find(names.begin(), names.end(), "drCutExtrusion") - names.begin();
    std::vector<TArgs> slot; // the lines of the slot's sketch, in its local frame
    for (std::size_t i = std::find(names.begin(), names.end(), "drBaseRotate") - names.begin();
         i < std::size_t(cut); ++i)
        if (names[i] == "drLine") slot.push_back(M.Calls[i].Args);
    ASSERT_EQ(slot.size(), 4u);
    // 2.5 wide, as the sheet dimensions it.
    EXPECT_NE(std::find(slot.begin(), slot.end(), TArgs{"3", "-1.25", "0", "-1.25", "1"}), slot.end());
    EXPECT_NE(std::find(slot.begin(), slot.end(), TArgs{"0", "-1.25", "0", "1.25", "1"}), slot.end());
    EXPECT_EQ(M.Depth(), 0);
    EXPECT_EQ(M.Names().back(), "drClose3D");
}

} // namespace
