// Sheets and title blocks of the stand-in host: a drawing starts with one sheet whose title
// block holds a text per host cell, and the cells come back from the document's file.

#include "HostSheets.h"

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostText.h"

using namespace tvapi;

TEST_F(HostFixture, HostSheetsTitleBlockCellsComeBackFromTheDrawingsFile)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "stamp.qdr");
    ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentDrawing);
    ILayoutSheetsPtr sheets = doc->GetLayoutSheets();
    ASSERT_EQ(sheets->GetCount(), 1);
    const IStampPtr stamp = sheets->GetItem(0)->GetStamp();
    EXPECT_FALSE(sheets->GetItem(1));
    EXPECT_FALSE(stamp->GetText(static_cast<tvStampEnum>(4))); // no such cell
    auto& core = *tvhost::HostAs<tvhost::THostDocument2D>(doc);
    EXPECT_FALSE(tvhost::DocumentJson(core).contains("sheets")); // a blank title block is not written
    stamp->GetText(tvStAuthor)->SetStr(L"Петров\nИванов");
    EXPECT_TRUE(stamp->Commit());
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostStamp>(stamp)->Commits() == 1);

    ASSERT_TRUE(doc->SaveAs(file.c_str()));
    doc->Close(kdDoNotSaveChanges);
    doc = Host().App().Documents().Open(file.c_str(), true, false);
    sheets = doc->GetLayoutSheets();
    ASSERT_EQ(sheets->GetCount(), 1);
    EXPECT_EQ(sheets->GetItem(0)->GetStamp()->GetText(tvStAuthor)->GetStr(), L"Петров\nИванов");
    EXPECT_EQ(Host().App().Documents().AddDocument(tvDocumentPart)->GetLayoutSheets()->GetCount(), 0);
}
