#include "TextBase.h"

#include "MessageSinks.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

using foundationtest::Cp;
using foundationtest::Wide;
using foundationtest::WriteFile;

const std::string Samples = DC_SOURCE_DIR "/samples/";

std::vector<std::string> Texts(const TAStr& L)
{
    std::vector<std::string> out;
    for (Integer i = 0; i < L.Count; ++i)
        out.emplace_back(L[i].PChar());
    return out;
}

class TADTableTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Base.Init(Samples.c_str(), "ZelCoupling.tb"));
        Library.Init(Base);
    }
    std::string Name(TId ID, Integer Index, Integer Index2 = -1) const
    {
        return Library.Name(TBaseDetail{ID, Index, Index2}).PChar();
    }

    testsinks::TRecordingHost Host;
    TTextBase Base;
    TADTable Library;
};

TEST_F(TADTableTest, LoadsEveryRecordOfTheBundledLibrary)
{
    EXPECT_TRUE(Library.Active);
    EXPECT_EQ(Library.Count, 12);
    EXPECT_EQ(Library.Index(9), 1);
    EXPECT_EQ(Library.Index(8), -1);
    EXPECT_EQ(Library.SocketCount(8), -1);
    EXPECT_EQ(Library.SocketCount(7), 6);
    EXPECT_EQ(Library.ThicknessCount(101), 3);
    EXPECT_EQ(Library.ThicknessCount(7), 0);
    const TDTable* screw = Library.GetTable(7);
    ASSERT_NE(screw, nullptr);
    EXPECT_EQ(std::string(screw->Type.PChar()), Cp("Винт"));
    EXPECT_EQ(screw->NameParam.Count, 8);
    EXPECT_EQ(Library.GetTable(13)->Cell(2, 1), 1.25); // a decimal comma
    EXPECT_TRUE(Host.Boxes.empty());
}

TEST_F(TADTableTest, ParamsGiveAZeroThenTheRowAndCheckEveryIndex)
{
    TAReal a;
    ASSERT_TRUE(Library.Params(7, 1, a));
    ASSERT_EQ(a.Count, 4);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[1], 6);
    EXPECT_EQ(a[2], 20);
    EXPECT_EQ(a[3], 6);
    EXPECT_FALSE(Library.Params(7, 0, a));
    EXPECT_EQ(a.Count, 0);
    EXPECT_FALSE(Library.Params(7, 6, a));
    EXPECT_FALSE(Library.Params(8, 1, a));
    EXPECT_EQ(Library.ParStDet(7, 3, 2), 30);
    EXPECT_EQ(Library.ParStDet(7, 3, 4), 0);
    EXPECT_EQ(Library.ParStDet(7, 6, 1), 0);
    EXPECT_EQ(Library.ParStDet(7, 6), nullptr);
    EXPECT_EQ(Library.ParStDet(7, 5)[0], 10);
    double p1 = -1, p2 = -1, p3 = -1;
    EXPECT_FALSE(Library.GetStDet(7, 1, p1, p2, p3)); // three columns only
    EXPECT_EQ(p1, -1);
    EXPECT_EQ(Library.TicknessMold(101, 3), nullptr);
    EXPECT_EQ(Library.SocketMold(7, 1), nullptr);
    EXPECT_EQ(Library.SocketMold(101, 2)->X, 246);
}

TEST_F(TADTableTest, DesignationsFollowTheCodeRow)
{
    EXPECT_EQ(Name(7, 3), "M8x30");
    EXPECT_EQ(Name(9, 1), Cp("Штифт 4x12"));
    EXPECT_EQ(Name(7, 0), "");
    EXPECT_EQ(Name(7, 6), "");
    EXPECT_EQ(Name(55, 1), "");
    EXPECT_EQ(Name(101, 1, 0), "K10-196*156*15/01");
    EXPECT_EQ(Name(101, 0, 1), "K12-196*156*20/01");
    EXPECT_EQ(Name(101, 11, 0), "");
}

TEST_F(TADTableTest, GetPlateTakesTheThicknessAtOrJustBelowTheLimit)
{
    double t = 0;
    EXPECT_EQ(Library.GetPlate(101, 1, 1, 12.5, t), (TBaseDetail{101, 1, 0}));
    EXPECT_EQ(t, 15);
    EXPECT_EQ(Library.GetPlate(101, 1, 1, -12.5, t), (TBaseDetail{101, 0, 0}));
    EXPECT_EQ(t, 10);
    EXPECT_EQ(Library.GetPlate(101, 1, 1, -15, t), (TBaseDetail{101, 1, 0}));
    EXPECT_EQ(t, 15);
    EXPECT_EQ(Library.GetPlate(101, 2, 1, 99, t), (TBaseDetail{101, 3, 2}));
    EXPECT_EQ(t, 30);
    t = -1;
    EXPECT_EQ(Library.GetPlate(101, 1, 1, -5, t), (TBaseDetail{0, -1, -1}));
    EXPECT_EQ(Library.GetPlate(101, 1, 1, 0, t), (TBaseDetail{0, -1, -1}));
    EXPECT_EQ(Library.GetPlate(101, 3, 1, 5, t), (TBaseDetail{0, -1, -1}));
    EXPECT_EQ(t, -1);
}

TEST_F(TADTableTest, IndexStDetSelectsByUpToThreeValues)
{
    EXPECT_EQ(Library.IndexStDet(7, 1, 7, 2, 25, 0, 0), 1);   // d 6, L 20
    EXPECT_EQ(Library.IndexStDet(7, 1, 8, 2, 40, 0, 0), 4);   // exact
    EXPECT_EQ(Library.IndexStDet(7, -1, 7, -2, 35, 0, 0), 4); // first not below: d 8, L 40
    EXPECT_EQ(Library.IndexStDet(7, 1, 8, 2, 25, 0, 0), 0);   // no d 8 as short
    EXPECT_EQ(Library.IndexStDet(7, 1, 5, 2, 20, 0, 0), 0);
    EXPECT_EQ(Library.IndexStDet(7, 1, 8, 0, 30, 0, 0), 0); // a used value without column
    EXPECT_EQ(Library.IndexStDet(7, 1, 8, 9, 30, 0, 0), 0); // a column beyond the table
    EXPECT_EQ(Library.IndexStDet(8, 1, 8, 2, 30, 0, 0), 0);
    EXPECT_EQ(Library.IndexStDet(101, 0, 0, 0, 0, 0, 0), 1); // no values used
    EXPECT_EQ(Library.IndexStDet(7, 8.0, 30.0, 0.0), 3);
    // A step back stays within the rows of the earlier values: rows 2 (d 6) and 3 (d 8) share
    // L 30, so d 8 with L 35 is row 3, never d 6's row.
    EXPECT_EQ(Library.IndexStDet(7, 1, 8, 2, 35, 0, 0), 3);
}

TEST_F(TADTableTest, ChoiceListsStartWithTheWildcard)
{
    TAStr list;
    Library.GetManufactures(list, false);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"*", "Sample", "Sample Mould"}));
    Library.GetManufactures(list, true);
    EXPECT_EQ(list.Count, 2);
    Library.GetTypes("*", list, false);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"*", Cp("Винт"), Cp("Штифт"), Cp("Вспомогательный"),
                                                     Cp("Плиты"), Cp("Колонка"), Cp("Втулка")}));
    Library.GetTypes("Sample Mould", list, true);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{Cp("Плиты")}));
    TArrayOf<int> ids;
    Library.GetDetails("Sample", "*", list, ids);
    ASSERT_EQ(list.Count, 10); // the samples, then the component tables
    EXPECT_EQ(Texts(list)[0], Cp("Винт ISO 4762"));
    EXPECT_EQ(Texts(list)[2], Cp("Штифт ГОСТ 3128-70"));
    ASSERT_EQ(ids.Count, 10);
    EXPECT_EQ(ids[1], 9);
    EXPECT_EQ(ids[2], 31);
}

TEST_F(TADTableTest, ParameterValuesAndFilteredDesignations)
{
    TString name, comment;
    TAStr values;
    ASSERT_TRUE(Library.GetParam(7, 2, name, comment, values));
    EXPECT_STREQ(name.PChar(), "L");
    EXPECT_EQ(std::string(comment.PChar()), Cp("Длина"));
    EXPECT_EQ(Texts(values), (std::vector<std::string>{"*", "  20.00", "  30.00", "  40.00"}));
    EXPECT_FALSE(Library.GetParam(7, 3, name, comment, values));
    TArrayOf<int> rows;
    ASSERT_TRUE(Library.GetSpcDetail(7, "8", "*", "", values, rows));
    EXPECT_EQ(Texts(values), (std::vector<std::string>{"M8x30", "M8x40"}));
    ASSERT_EQ(rows.Count, 2);
    EXPECT_EQ(rows[0], 3);
    EXPECT_FALSE(Library.GetSpcDetail(8, "", "", "", values, rows));
}

TEST(TTextBaseTest, CouplingListLeavesOutAuxiliaryRecords)
{
    TTextBase base;
    ASSERT_TRUE(base.Init(Samples.c_str(), "ZelCoupling.tb"));
    TAStr list;
    base.CouplingLS(list);
    ASSERT_EQ(list.Count, 11);
    EXPECT_EQ(Texts(list)[0], Cp("Винт ISO 4762"));
    EXPECT_EQ(Texts(list)[1], Cp("Штифт ISO 8734"));
    EXPECT_EQ(Texts(list)[2], Cp("Плита K")); // the thread table between them is auxiliary
    base.CouplingLS(list);                    // rewinds
    EXPECT_EQ(list.Count, 11);
}

TEST(TTextBaseTest, GetTableBuildsTheNamedNumericTable)
{
    TTextBase base;
    ASSERT_TRUE(base.Init(Samples.c_str(), "SampleTables.tb"));
    std::unique_ptr<TTable> t(base.GetTable("Образец"));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->CountRow, 3);
    EXPECT_EQ(std::string(t->GOST.PChar()), Cp("ГОСТ 0000 (образец)"));
    double a = 0, b = 0;
    EXPECT_EQ(t->Get(20, a, b), 2);
    EXPECT_EQ(a, 3);
    std::unique_ptr<TTable> washers(base.GetTable("Шайбы"));
    ASSERT_NE(washers, nullptr);
    EXPECT_EQ(washers->Row(1)[2], 1.6);
    EXPECT_EQ(base.GetTable("none"), nullptr);
}

TEST(TTextBaseTest, FileWithoutByteOrderMarkIsABadParameterFile)
{
    testsinks::TRecordingHost host;
    const std::string dir = WriteFile("nomark.tb", Wide(u"# \"a\"", false));
    TTextBase base;
    EXPECT_FALSE(base.Init(dir.c_str(), "nomark.tb"));
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0], Cp("Плохой файл параметров ") + dir + "nomark.tb");
    TAStr list;
    base.CouplingLS(list);
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(base.GetTable("a"), nullptr);
}

TEST(TTextBaseTest, DamagedRecordsAreReportedAndLeftOutAndARepeatedNameShownOnce)
{
    testsinks::TRecordingHost host;
    const std::string dir =
        WriteFile("damaged.tb", Wide(u"# \"A\" \"m\" \"t\" 1 1 0 1 0 {: \"a\" \"\" } { 0 5 } ;\r\n"
                                     u"# \"B\" \"m\" \"t\" 2 1 0 -4 0 ;\r\n"
                                     u"# \"C\" \"m\" \"t\" 3 1 0 2 0 {: \"c\" } { 1 2 3"));
    TTextBase base;
    ASSERT_TRUE(base.Init(dir.c_str(), "damaged.tb"));
    TADTable lib;
    lib.Init(base);
    EXPECT_EQ(lib.Count, 1);
    EXPECT_EQ(lib.Index(1), 0);
    ASSERT_EQ(host.Boxes.size(), 2u);
    EXPECT_EQ(host.Boxes[0],
              "ZelMould::  " + Cp("Повреждена запись библиотеки элементов") + " 'B' " + dir + "damaged.tb");
    EXPECT_NE(host.Boxes[1].find("'C'"), std::string::npos);

    host.Boxes.clear(); // a repeated name is shown once
    WriteFile("twice.tb", Wide(u"# \"A\" \"m\" \"t\" 1 1 0 1 0 {: \"a\" \"\" } { 10 5 } ;\r\n"
                               u"# \"A\" \"m\" \"t\" 2 1 0 1 0 {: \"a\" \"\" } { 10 6 } ;"));
    TTextBase twice;
    ASSERT_TRUE(twice.Init(dir.c_str(), "twice.tb"));
    TADTable repeated;
    repeated.Init(twice);
    TAStr names;
    TArrayOf<int> ids;
    repeated.GetDetails("*", "*", names, ids);
    EXPECT_EQ(names.Count, 1);
    EXPECT_EQ(host.Boxes, std::vector<std::string>{Cp("Повторяется A")});
}

TEST(TADTableGlobalTest, MissingLibraryFileIsShownAndEveryLookupMisses)
{
    testsinks::TRecordingHost host;
    TADTable lib;
    EXPECT_EQ(lib.Init("/no/such/", "ZelCoupling.tb"), 0);
    ASSERT_FALSE(host.Boxes.empty());
    EXPECT_EQ(host.Boxes.back(), Cp("Отсутствует файл /no/such/ZelCoupling.tb Библиотеки элементов "));
    EXPECT_FALSE(lib.Active);
    EXPECT_EQ(lib.Index(7), -1);
    EXPECT_EQ(lib.Name(TBaseDetail{7, 1, -1}).Length(), 0);
    lib.Set("/a/b", "x.tb");
    EXPECT_STREQ(lib.Path.PChar(), "/a/b/");
}

} // namespace
