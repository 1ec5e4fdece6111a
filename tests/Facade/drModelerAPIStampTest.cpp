// The facade's title block against a stand-in drawing: cells are replaced while the title
// block is open, closing commits it, and afterwards drStringObj adds lines to the last cell.
// The signatures' dr2D writes only the cells it has; their stream form is checked with the
// control model's.

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "TStampParam.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiStampTest : public TDrawingFacadeFixture {
protected:
    // The signature cells and the company cell, which stays free.
    std::string Cells()
    {
        return Cell(32) + "|" + Cell(110) + "|" + Cell(111) + "|" + Cell(112) + "|" + Cell(114) + "|" +
               Cell(115) + "|" + Cell(9) + "|";
    }
};

TEST_F(TModelerApiStampTest, CellsAreReplacedInsideAndAppendedToAfterClosing)
{
    MA.drOpenShtamp();
    EXPECT_TRUE(R().Stamp);
    EXPECT_EQ(OpenKinds().size(), 1);
    MA.drColumnShtamp(tvStAuthor);
    MA.drStringObj("Петров");
    MA.drStringObj("Сидоров"); // replaces the whole text
    MA.drColumnShtamp(tvStMass);
    MA.drStringObj("1.5");
    EXPECT_EQ(Stamp().Commits(), 0);
    MA.drCloseShtamp();
    EXPECT_FALSE(R().Stamp);
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_EQ(Stamp().Commits(), 1);
    MA.drStringObj("кг"); // a line of the last selected cell
    EXPECT_EQ(Cell(110) + "|" + Cell(5), "Сидоров|1.5\nкг");
}

// A sheet without a title block takes no command kind that no drCloseShtamp would pop.
TEST_F(TModelerApiStampTest, WithoutATitleBlockNothingIsPushedOrWritten)
{
    InjectFault("ILayoutSheet::GetStamp");
    MA.drOpenShtamp();
    MA.drColumnShtamp(tvStAuthor);
    MA.drStringObj("Петров");
    MA.drCloseShtamp();
    EXPECT_FALSE(R().Stamp);
    EXPECT_FALSE(R().Text);
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_EQ(Stamp().Commits() + Journal().Count("IText::SetStr") + Journal().Count("IText::Add"), 0u);
}

TEST_F(TModelerApiStampTest, SignaturesDr2DWritesOnlyNonEmptyFieldsIntoTheirCells)
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
