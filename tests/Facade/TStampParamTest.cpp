// Tests of the title-block signatures: which cells of the open title block dr2D writes, the
// byte layout of the stream form and its round trip.

#include "TStampParam.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "KmfData.h"
#include "StampFacadeFixture.h"
#include "StreamTestUtil.h"

using streamtest::Bytes;

class TStampParamTest : public TStampFacadeFixture {
protected:
    // The signature cells and the company cell, which stays free.
    std::string Cells() {
        std::string all;
        for (int cell : {32, 110, 111, 112, 114, 115, 9})
            all += Cell(cell) + "|";
        return all;
    }
};

TEST_F(TStampParamTest, Dr2DWritesOnlyNonEmptyFieldsIntoTheirCells) {
    TStampParam p;
    p.sChecked = TString("Иванов");
    p.dr2D(); // no title block open: nothing reaches it
    EXPECT_EQ(Cells(), "|||||||");

    drApi::MA.drOpenShtamp();
    Stamp().Text("110").SetStr(L"kept");
    p.dr2D();
    EXPECT_EQ(Cells(), "|kept|Иванов|||||");

    std::tie(p.sPlant, p.sDesign, p.sTechChecked, p.sNormoChecked, p.sHasRatified) = std::make_tuple(
        TString("Завод"), TString("Петров"), TString("Сидоров"), TString("Normo"), TString("Кузнецов"));
    p.dr2D();
    drApi::MA.drCloseShtamp();
    EXPECT_EQ(Cells(), "Завод|Петров|Иванов|Сидоров|Normo|Кузнецов||");
    EXPECT_EQ(Cell(113), ""); // the designer's cell is not a signature
}

TEST(TStampParamStreamTest, StreamFormIsSixLengthPrefixedTerminatedTexts) {
    TKmfData empty;
    TStampParam().toStream(empty);
    EXPECT_EQ(streamtest::DataOf(empty), Bytes(30, 0));

    TStampParam p;
    p.sPlant = TString("AB");
    p.sHasRatified = TString("Я"); // one byte in Windows-1251: DF
    TKmfData s;
    p.toStream(s);
    Bytes expected = {2, 0, 0, 0, 'A', 'B', 0};
    expected = streamtest::Cat(expected, Bytes(20, 0)); // four empty texts
    expected = streamtest::Cat(expected, Bytes{1, 0, 0, 0, 0xDF, 0});
    EXPECT_EQ(streamtest::DataOf(s), expected);

    // Round trip, empty fields included; stale text is replaced.
    p.sNormoChecked = TString("Нормоконтролёр");
    TKmfData out, in;
    p.toStream(out);
    Bytes blob;
    out.to(blob);
    in.from(blob);
    TStampParam q;
    q.sDesign = TString("stale");
    q.fromStream(in);
    EXPECT_FALSE(in.ErrorReadFromFileToBufer);
    for (auto f : {&TStampParam::sPlant, &TStampParam::sDesign, &TStampParam::sChecked,
                   &TStampParam::sTechChecked, &TStampParam::sNormoChecked, &TStampParam::sHasRatified})
        EXPECT_TRUE(q.*f == p.*f);
}
