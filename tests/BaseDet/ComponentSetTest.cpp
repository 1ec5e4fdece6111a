// Sizes from the bundled element library, the codes the control model records, the plan
// symbols, and the designations of the catalogue fasteners.

#include <gtest/gtest.h>

#include "ComponentCatalogue.h"
#include "ComponentTableFixture.h"
#include "GImage.h"
#include "MathDetailsl.h"
#include "RecordingModeler.h"
#include "TDemStr.h"
#include "TextBase.h"
#include "drModelerAPI.h"

namespace {

std::string Text(const TString& s)
{
    return recording::QuotedUtf8(s);
}

class TComponentSetTest : public TComponentTableFixture {
protected:
    TConstruktor& C = TConstruktor::Empty();
};

TEST_F(TComponentSetTest, PinSetLooksUpDiameterAndLengthAndRecordsItsCode)
{
    const TDcDetail id = Model.RowOf("pin");
    TPin p(id, &M, &C);
    const Integer row = p.Set(31, 3.0, 20.0);
    ASSERT_NE(row, 0);
    EXPECT_EQ(ABaseDetail.ParStDet(31, row, 1), 6.0);
    EXPECT_EQ(ABaseDetail.ParStDet(31, row, 2), 20.0);
    EXPECT_EQ(p.Code, 31000 + row);
    EXPECT_TRUE(p.Design);
    EXPECT_EQ(p.Radius, 3.0);
    EXPECT_EQ(p.Len, 20.0);
    EXPECT_EQ(Model.GetCodeDet(id), (TBaseDetail{31, row, 0}));
    EXPECT_EQ(Text(p.Name()), "\"Штифт    6.00m6*  20.00 ГОСТ 3128-70\"");

    EXPECT_EQ(p.Set(30, 4.0, 30.0), 0); // not the pin's table: nothing changes
    EXPECT_TRUE(p.Design);
    EXPECT_EQ(p.Code, 31000 + row);
    EXPECT_EQ(p.Set(31, 1.0, 20.0), 0); // below every diameter
    EXPECT_FALSE(p.Design);
    EXPECT_EQ(p.Radius, 3.0); // the sizes stay
    EXPECT_EQ(p.Code, 31000 + row);
    TGImage image(nullptr, nullptr);
    p.Show(image, TColor());
    EXPECT_EQ(image.CountLElement, 0);
}

TEST_F(TComponentSetTest, CapScrewLengthHoldsTheHeadAndKeysCarryTheirSigns)
{
    TScrew s(Model.RowOf("capscrew"), &M, &C);
    ASSERT_NE(s.Set(33, 4.0, 20.0), 0);
    EXPECT_EQ(s.Radius, 4.0);
    EXPECT_EQ(s.HeadLen, 8.0);
    EXPECT_EQ(s.HeadRadius, 6.5);
    EXPECT_EQ(s.Len, 28.0);              // 20 under the head + 8
    ASSERT_NE(s.Set(33, -4.5, 30.0), 0); // the first diameter of 9 or more
    EXPECT_EQ(s.Radius, 5.0);
    EXPECT_EQ(s.Len, 40.0);
    ASSERT_NE(s.Set(33, 4.5, 30.0), 0); // the last diameter of 9 or less
    EXPECT_EQ(s.Radius, 4.0);
    EXPECT_EQ(s.Set(33, 0.0, 30.0), 0); // no key column for the diameter
    EXPECT_FALSE(s.Design);
    const Integer row = s.Set(26, 3.0, 30.0);
    ASSERT_NE(row, 0);
    EXPECT_EQ(s.Code, 26000 + row);
    EXPECT_EQ(s.HeadRadius, 5.0);
    EXPECT_EQ(s.HeadLen, 6.0);
    EXPECT_EQ(s.Len, 36.0); // 30 under the head + 6
    EXPECT_EQ(s.Set(31, 3.0, 20.0), 0);
    EXPECT_EQ(s.Code, 26000 + row);

    s.Radius = 4.0, s.HeadLen = 8.0, s.Len = 28.0; // named by the length under the head
    EXPECT_EQ(Text(s.Name()), "\"Винт М   8.00*  20.00 ГОСТ7805-70\"");
    EXPECT_EQ(Text(s.Note()), "\"SM-0820\"");
    s.Design = true;
    s.LD = {-10, -20}, s.RU = {10, 20};
    TGImage image(nullptr, nullptr);
    s.Show(image, TColor(0xFF));
    Integer circles = 0;
    for (Integer i = 0; i < image.CountLElement; ++i)
        circles += image.LElements.FArray[i].TE == TGImage::eCircle;
    EXPECT_EQ(circles, 4);
}

// The bundled library answers the lookups the mould components make, key columns as they name
// them: distance screw 39, leader pin 5, bushings 2 and 4, locating sleeve 3.
TEST_F(TComponentSetTest, BundledLibraryHoldsTheTablesOfTheMouldComponents)
{
    const Integer distance = ABaseDetail.IndexStDet(39, 5, 12.0, 7, 30.0, 0, 0.0);
    ASSERT_NE(distance, 0);
    EXPECT_EQ(ABaseDetail.ParStDet(39, distance, 7), 30.0);
    EXPECT_EQ(ABaseDetail.ParStDet(39, distance, 10), 18.0); // collar diameter
    const Integer leader = ABaseDetail.IndexStDet(5, 2, 16.0, 7, 25.0, 8, 70.0);
    ASSERT_NE(leader, 0);
    EXPECT_EQ(ABaseDetail.ParStDet(5, leader, 8), 60.0); // the last length not above 70
    EXPECT_EQ(ABaseDetail.IndexStDet(5, 2, 16.0, 7, 25.0, 8, 50.0), 0);
    EXPECT_NE(ABaseDetail.IndexStDet(5, 2, 16.0, 7, 25.0, -8, 50.0), 0); // or the first above
    const Integer bush = ABaseDetail.IndexStDet(2, 2, 30.0, 7, 30.0, 0, 0.0);
    ASSERT_NE(bush, 0);
    EXPECT_EQ(ABaseDetail.ParStDet(2, bush, 1), 20.0);
    EXPECT_NE(ABaseDetail.IndexStDet(4, 2, 25.0, 6, 25.0, 0, 0.0), 0);
    const Integer sleeve = ABaseDetail.IndexStDet(3, 5, 16.0, 6, 25.0, 0, 0.0);
    ASSERT_NE(sleeve, 0);
    EXPECT_EQ(ABaseDetail.ParStDet(3, sleeve, 4), 10.0); // thread diameter
}

// The control model answers detail indexes outside its table without touching a row.
TEST_F(TComponentSetTest, ControlModelIgnoresDetailsOutsideItsTable)
{
    const Integer rows = Model.CountDetail;
    Model.SetCodeDet(rows, 31, 1, 0);
    Model.SetCodeDet(-1, 31, 1, 0);
    EXPECT_FALSE(Model.ExistDetail(rows));
    EXPECT_FALSE(Model.ExistDetail(-1));
    EXPECT_TRUE(Model.ExistDetail(0));
    EXPECT_FALSE(ComponentExists(1));
    Model.Present(1, 11);
    EXPECT_TRUE(ComponentExists(1));
    EXPECT_EQ(ABaseDetail.ParStDet(31, 1000, 1), 0.0);
    EXPECT_EQ(ABaseDetail.ParStDet(31, 1, 3), 0.0);
    EXPECT_EQ(ABaseDetail.ParStDet(31, 1, 0), 0.0);
}

TEST_F(TComponentSetTest, RequirementTablesHoldTheirTextsByteForByte)
{
    EXPECT_EQ(CountDemStr, 41);
    EXPECT_EQ(CountQual, 6);
    EXPECT_TRUE(TDemStr[0].Empty());
    EXPECT_TRUE(Qual[0].Empty());
    EXPECT_EQ(Text(TDemStr[1]), "\" $*;$ Размеры для справок\"");
    EXPECT_EQ(Text(TDemStr[3]), "\" Покрытие поверхности шероховатостью  0,2 - X12тв.\"");
    EXPECT_EQ(Text(TDemStr[6]), "\" 52...56 HRCэ\"");
    EXPECT_EQ(Text(TDemStr[12]), "\"   отверстий - по Н14, валов - по h14, \"");
    EXPECT_EQ(Text(TDemStr[30]), "\" Неуказанные радиусы скруглений  0.5 мм \"");
    EXPECT_EQ(Text(TDemStr[40]), "\" 50...54 HRCэ\"");
    EXPECT_EQ(Text(Qual[2]), "\"&03~0,1\"");
    EXPECT_EQ(Text(Qual[5]), "\"&03~0,02\"");
    // Latin X and H, Cyrillic э and Н, as the host expects them.
    EXPECT_EQ(std::string(TDemStr[3].PChar()).find('X'), std::string(TDemStr[3].PChar()).rfind('X'));
    EXPECT_NE(std::string(TDemStr[6].PChar()).find("HRC\xFD"), std::string::npos);
    EXPECT_NE(std::string(TDemStr[12].PChar())
                  .find("\xCD"
                        "14"),
              std::string::npos);
    EXPECT_NE(std::string(TDemStr[14].PChar()).find("H14"), std::string::npos);
}

} // namespace
