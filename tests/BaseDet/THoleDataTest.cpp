// Hole records and lists: the stream sizes and round trips, cut streams, the look-ups by
// solid, point and name with their tolerances, the selection sort by DH, copying a hole's
// shape to its solid's other holes, and the list of solid names.

#include <gtest/gtest.h>

#include "KmfData.h"
#include "StreamTestUtil.h"
#include "THoleData.h"

namespace {

THoleData Hole(int solid, int ip, double dh, const char* name = "")
{
    THoleData h;
    h.IndexSolid = solid;
    h.IndexInsertionPoint = ip;
    h.DH = dh;
    h.Name = name;
    return h;
}

std::vector<double> DHs(const TAHoleData& a)
{
    std::vector<double> out;
    for (Integer i = 0; i < a.Count; ++i)
        out.push_back(a[i].DH);
    return out;
}

} // namespace

TEST(THoleDataTest, NewRecordsStreamToTheirSizes)
{
    const THoleData d;
    EXPECT_EQ(d.IndexInsertionPoint, -1);
    EXPECT_EQ(d.IndexSolid, -1);
    TKmfData s1, s2;
    d.toStream(s1);
    EXPECT_EQ(streamtest::DataOf(s1).size(), 197u) << "84 + 48 + 12 + 24 + 24 + 4 + 1";
    const THole3D h;
    h.toStream(s2);
    EXPECT_EQ(streamtest::DataOf(s2).size(), 132u);
    EXPECT_EQ(THole3D::StreamSize, 132);
}

TEST(THoleDataTest, RecordRoundTripsItsStoredFieldsOnly)
{
    THoleData d;
    d.Set2C(8, 6, 5, 20);
    d.Axle.Set(0, 0, -1);
    d.Origin.Set(1, 2, 3);
    d.IndexInsertionPoint = 4;
    d.IndexSolid = 5;
    d.IndexInRC = 6;
    d.DH = -2.5;
    d.Depth = 30;
    d.DepthSE = 31;
    d.Source.Set(7, 8, 9);
    d.Name = "Плита";
    d.Typ2D = 3;
    TKmfData out;
    d.toStream(out);
    const streamtest::Bytes bytes = streamtest::DataOf(out);
    EXPECT_EQ(bytes.size(), 197u + 5u) << "five 8-bit characters";

    THoleData back;
    back.Typ2D = 9;
    back.dV.Set(1, 1, 1);
    back.Quality = "x";
    TKmfData in;
    streamtest::Load(in, bytes);
    back.fromStream(in);
    EXPECT_EQ(*back.Cfg.PInt, 2);
    EXPECT_EQ(back.lR, 8);
    EXPECT_EQ(back.F2, 0.5);
    EXPECT_EQ(back.Axle.z, -1);
    EXPECT_EQ(back.Origin.y, 2);
    EXPECT_EQ(back.IndexInsertionPoint, 4);
    EXPECT_EQ(back.IndexSolid, 5);
    EXPECT_EQ(back.IndexInRC, 6);
    EXPECT_EQ(back.DH, -2.5);
    EXPECT_EQ(back.Depth, 30);
    EXPECT_EQ(back.DepthSE, 31);
    EXPECT_EQ(back.Source.z, 9);
    EXPECT_TRUE(back.Name == d.Name);
    EXPECT_EQ(back.Typ2D, 9) << "not stored";
    EXPECT_EQ(back.dV.x, 1);
    EXPECT_EQ(streamtest::Text(back.Quality), "x");

    for (const std::size_t keep : {bytes.size() - 1, std::size_t{100}, std::size_t{3}}) {
        SCOPED_TRACE(keep);
        THoleData kept = Hole(1, 2, 3, "A");
        TKmfData cut;
        streamtest::Load(cut, streamtest::Bytes(bytes.begin(), bytes.begin() + static_cast<long>(keep)));
        kept.fromStream(cut);
        EXPECT_EQ(kept.IndexSolid, 1);
        EXPECT_EQ(kept.DH, 3);
        EXPECT_EQ(*kept.Cfg.PInt, 0);
        EXPECT_EQ(streamtest::Text(kept.Name), "A");
    }
    THole3D h, h2;
    h.Set1C(4, 10);
    h.Origin.Set(5, 5, 5);
    TKmfData o3, c3;
    h.toStream(o3);
    const streamtest::Bytes b3 = streamtest::DataOf(o3);
    streamtest::Load(c3, streamtest::Bytes(b3.begin(), b3.end() - 8));
    h2.fromStream(c3);
    EXPECT_EQ(h2.R, 0) << "a cut THole3D changes nothing either";
    EXPECT_EQ(h2.Origin.x, 0);
}

TEST(THoleDataTest, LookUpsBySolidPointAndName)
{
    TAHoleData a;
    a.Add(Hole(0, 1, 0, "A"));
    a.Add(Hole(1, 2, 0, "B"));
    a.Add(Hole(1, 3, 0, "A"));
    a[1].Source.Set(1e-5, 0, 0);
    a[2].Source.Set(2e-5, 0, 0);
    EXPECT_EQ(a.IndexOf(1, 3), 2);
    EXPECT_EQ(a.IndexOf(1, -1), -1);
    EXPECT_EQ(a.IndexOf(-1, 2), -1);
    EXPECT_EQ(a.IndexOf(1), 1);
    EXPECT_EQ(a.IndexOf(2), -1);
    EXPECT_EQ(a.IndexOf(1, TPoint3D(0, 0, 0)), 1) << "1e-5 away is within";
    a[1].Source.Set(2e-5, 0, 0);
    EXPECT_EQ(a.IndexOf(1, TPoint3D(0, 0, 0)), -1) << "2e-5 away is not";
    EXPECT_EQ(a.FindFirstWithSolid("A"), 0);
    EXPECT_EQ(a.FindFirstWithSolid("C"), -1);
    TAHoleData none;
    EXPECT_EQ(none.IndexOf(0), -1);
}

TEST(THoleDataTest, SortByDHIsASelectionSort)
{
    TAHoleData a;
    for (const double dh : {3.0, 1.0, 1.0})
        a.Add(Hole(0, 0, dh));
    a[1].Name = "first one";
    a.SortByDH();
    EXPECT_EQ(DHs(a), (std::vector<double>{1, 1, 3}));
    EXPECT_EQ(streamtest::Text(a[0].Name), "first one") << "the first of equal values is chosen";
    TAHoleData one;
    one.Add(Hole(0, 0, 5));
    one.SortByDH();
    EXPECT_EQ(DHs(one), std::vector<double>{5});
}

TEST(THoleDataTest, CopyToTheSolidsOtherHolesAndBadIndexDoesNothing)
{
    TAHoleData a;
    a.Add(Hole(0, 0, 1));
    a.Add(Hole(0, 1, 2));
    a.Add(Hole(1, 2, 3));
    a[0].Set2C(8, 6, 5, 20);
    a[0].Typ2D = 4;
    a[1].Origin.Set(9, 9, 9);
    a.CopyFromToAllHoleSolid(0);
    EXPECT_EQ(a[1].lR, 8);
    EXPECT_EQ(*a[1].Cfg.PInt, 2);
    EXPECT_EQ(a[1].Typ2D, 4);
    EXPECT_EQ(a[1].Origin.x, 9) << "its place stays";
    EXPECT_EQ(a[1].DH, 2);
    EXPECT_EQ(a[2].lR, 0) << "another solid";
    for (const int bad : {-1, 3, 100})
        a.CopyFromToAllHoleSolid(bad);
    EXPECT_EQ(a[2].lR, 0);
}

TEST(THoleDataTest, SolidNamesAreDistinctOrTheNoHolesText)
{
    TArrayOf<TString> names(4, 4);
    TAHoleData none;
    none.GetHoleNameSolid(names);
    ASSERT_EQ(names.Count, 1);
    EXPECT_TRUE(names[0] == TString("Нет отвестий"));
    TAHoleData a;
    for (const char* n : {"A", "B", "A"})
        a.Add(Hole(0, 0, 0, n));
    a.GetHoleNameSolid(names);
    ASSERT_EQ(names.Count, 2);
    EXPECT_EQ(streamtest::Text(names[0]), "A");
    EXPECT_EQ(streamtest::Text(names[1]), "B");
}

TEST(THoleDataTest, ConfigurationNamesAndTypeReshaping)
{
    ASSERT_EQ(eHole3DType.Count, 4);
    EXPECT_TRUE(eHole3DType[0] == TString("Отсутствует"));
    EXPECT_TRUE(eHole3DType[2] == TString("Двуступенчатое"));
    THole3D h;
    h.Set(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    *h.Cfg.PInt = 1;
    h.dr3DfromType(TVector3D(0, 0, 1));
    EXPECT_EQ(h.lL + h.lR + h.lF + h.rL + h.rR + h.rF, 0.0);
    EXPECT_EQ(h.F1 + h.L + h.R + h.F2, 4.0 + 5 + 6 + 7);
}
