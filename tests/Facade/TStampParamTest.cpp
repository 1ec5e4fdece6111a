// Tests of the title-block signatures: which cells of the open title block dr2D writes. Their
// stream form is checked with the control model's.

#include "TStampParam.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "FacadeFixture.h"

class TStampParamTest : public TDrawingFacadeFixture {
protected:
    // The signature cells and the company cell, which stays free.
    std::string Cells()
    {
        return Cell(32) + "|" + Cell(110) + "|" + Cell(111) + "|" + Cell(112) + "|" + Cell(114) + "|" +
               Cell(115) + "|" + Cell(9) + "|";
    }
};

TEST_F(TStampParamTest, Dr2DWritesOnlyNonEmptyFieldsIntoTheirCells)
{
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
