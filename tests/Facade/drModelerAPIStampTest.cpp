// The facade's title block against a stand-in drawing: cells are replaced while the title
// block is open, closing commits it, and afterwards drStringObj adds lines to the last cell.

#include <gtest/gtest.h>

#include "FacadeFixture.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiStampTest : public TDrawingFacadeFixture {};

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
