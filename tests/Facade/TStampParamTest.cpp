// Tests of the title-block signatures: which cells dr2D writes, the byte layout of the
// stream form and its round trip.

#include "TStampParam.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "FacadeLinksRecorder.h"
#include "KmfData.h"
#include "StreamTestUtil.h"

using streamtest::Bytes;
using Texts = std::vector<std::string>;

TEST(TStampParamTest, Dr2DWritesOnlyNonEmptyFieldsIntoTheirCells) {
    TFacadeLinksRecorder links;
    TStampParam p;
    p.dr2D();
    EXPECT_TRUE(TFacadeLinksRecorder::Journal.empty());

    p.sChecked = TString("Иванов");
    p.dr2D();
    EXPECT_EQ(TFacadeLinksRecorder::Journal, (Texts{"cell 111", "text Иванов"}));

    TFacadeLinksRecorder::Journal.clear();
    std::tie(p.sPlant, p.sDesign, p.sTechChecked, p.sNormoChecked, p.sHasRatified) = std::make_tuple(
        TString("Завод"), TString("Петров"), TString("Сидоров"), TString("Normo"), TString("Кузнецов"));
    p.dr2D();
    EXPECT_EQ(TFacadeLinksRecorder::Journal,
              (Texts{"cell 32", "text Завод", "cell 110", "text Петров", "cell 111", "text Иванов",
                     "cell 112", "text Сидоров", "cell 114", "text Normo", "cell 115", "text Кузнецов"}));

    // Without a facade nothing is reached.
    TFacadeLinksRecorder::Journal.clear();
    FacadeLinks = TFacadeLinks();
    p.dr2D();
    EXPECT_TRUE(TFacadeLinksRecorder::Journal.empty());
}

TEST(TStampParamTest, StreamFormIsSixLengthPrefixedTerminatedTexts) {
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
