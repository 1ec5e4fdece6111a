// Sheets and title blocks of the stand-in host: a drawing starts with one sheet whose title
// block holds a text per host cell, and the cells come back from the document's file.

#include "HostSheets.h"

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostSvg.h"
#include "HostText.h"
#include "tvapi/DrawingDocument.h"

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

TEST_F(HostFixture, HostSheetsSetupAndNewSheetsComeBackFromTheFile)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "setup.qdr");
    ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentDrawing);
    ILayoutSheetsPtr sheets = doc->GetLayoutSheets();
    ILayoutSheetPtr first = sheets->GetItem(0);
    first->SetLayoutType(0);
    first->SetLayoutStyle(1);
    ISheetFormatPtr format = first->GetFormat();
    format->SetFormat(1);
    format->SetFormat(9); // no format the host knows: ignored, so that the file reads back
    format->SetMultiply(1);
    format->SetOrientation(true);
    ASSERT_TRUE(sheets->Add());
    EXPECT_EQ(sheets->GetCount(), 2);
    ASSERT_TRUE(doc->SaveAs(file.c_str()));
    doc->Close(kdDoNotSaveChanges);

    doc = Host().App().Documents().Open(file.c_str(), true, false);
    sheets = doc->GetLayoutSheets();
    ASSERT_EQ(sheets->GetCount(), 2);
    format = sheets->GetItem(0)->GetFormat();
    EXPECT_EQ(format->GetFormat(), 1);
    EXPECT_TRUE(format->GetOrientation());
    EXPECT_FALSE(sheets->GetItem(1)->GetFormat()->GetOrientation());
    const auto& setup = tvhost::HostAs<tvhost::THostDocument2D>(doc)->Data().Sheets.Items[0]->Setup();
    EXPECT_EQ(setup.LayoutStyle, 1);
    EXPECT_TRUE(setup.Set);
}

TEST_F(HostFixture, HostSheetsTechnicalDemandIsADrawingsAlone)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "demand.qdr");
    ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentDrawing);
    IDrawingDocumentPtr drawing(doc);
    ASSERT_TRUE(drawing);
    ITechnicalDemandPtr demand = drawing->GetTechnicalDemand();
    ASSERT_TRUE(demand);
    EXPECT_FALSE(demand->SetBlock({1, 2, 3})); // two corners or nothing
    EXPECT_TRUE(demand->GetBlock().empty());
    ASSERT_TRUE(demand->SetBlock({830, 65, 655, 165}));
    demand->GetText()->SetStr(L"1.Твердость 40...45 HRC\n2.Неуказанные радиусы 1 мм");
    EXPECT_TRUE(demand->Update());
    ISpecRoughPtr rough = drawing->GetSpecRough();
    rough->SetText(L"Ra 6,3");
    rough->SetInBrackets(true);
    EXPECT_TRUE(rough->Apply());
    auto& core = *tvhost::HostAs<tvhost::THostDocument2D>(doc);
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(core.Drawing(), svg, error, &core.Data())) << error;
    EXPECT_NE(svg.find("2.Неуказанные радиусы 1 мм"), std::string::npos);
    EXPECT_NE(svg.find("Ra 6,3"), std::string::npos);
    ASSERT_TRUE(doc->SaveAs(file.c_str()));
    doc->Close(kdDoNotSaveChanges);

    doc = Host().App().Documents().Open(file.c_str(), true, false);
    demand = IDrawingDocumentPtr(doc)->GetTechnicalDemand();
    EXPECT_EQ(demand->GetBlock(), (std::vector<double>{830, 65, 655, 165}));
    EXPECT_EQ(demand->GetText()->GetCount(), 2);
    EXPECT_EQ(tvhost::ToUtf8(demand->GetText()->GetStr()),
              "1.Твердость 40...45 HRC\n2.Неуказанные радиусы 1 мм");

    const ITervanDocumentPtr fragment = Host().App().Documents().AddDocument(tvDocumentFragment);
    EXPECT_FALSE(IDrawingDocumentPtr(fragment)->GetTechnicalDemand());
    EXPECT_FALSE(IDrawingDocumentPtr(fragment)->GetSpecRough());
}

TEST_F(HostFixture, HostSheetsSchemaRefusesABadBlockAndRequirementsOfAPart)
{
    ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentDrawing);
    IDrawingDocumentPtr(doc)->GetTechnicalDemand()->GetText()->SetStr(L"x");
    nlohmann::json root = tvhost::DocumentJson(*tvhost::HostAs<tvhost::THostDocument2D>(doc));
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["technicalDemand"]["block"] = {1, 2, 3};
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
    root["technicalDemand"]["block"] = nlohmann::json::array();
    root["specRough"] = {{"type", 0}, {"text", "Ra 1"}, {"sign", 1}, {"inBrackets", 1}};
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
    root["specRough"]["inBrackets"] = true;
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["sheets"] = {{{"stamp", nlohmann::json::object()}, {"setup", {{"format", 1}}}}};
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
    root.erase("sheets");
    root["type"] = tvDocumentPart;
    root.erase("drawing");
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
}

// The title block stands in the lower right corner of the sheet's format (A4 portrait: 210 x
// 297, the block from 20 to 205); a name too long for its cell (70 wide, 1 clear each side) is
// set smaller to fit, a short designation keeps its height; both centred in their cells.
TEST_F(HostFixture, HostSheetsTitleBlockFollowsTheFormatAndFitsItsTexts)
{
    ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentDrawing);
    ILayoutSheetPtr sheet = doc->GetLayoutSheets()->GetItem(0);
    sheet->GetFormat()->SetFormat(4);
    sheet->GetFormat()->SetOrientation(false);
    const IStampPtr stamp = sheet->GetStamp();
    stamp->GetText(tvStPartNumber)->SetStr(L"Втулка колонки направляющей 16"); // 30 glyphs
    stamp->GetText(tvStDescription)->SetStr(L"ДЧ.01");
    ASSERT_TRUE(stamp->Commit());
    auto& core = *tvhost::HostAs<tvhost::THostDocument2D>(doc);
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(core.Drawing(), svg, error, &core.Data())) << error;
    EXPECT_NE(svg.find(R"(<line x1="0" y1="0" x2="210" y2="0")"), std::string::npos) << svg;
    EXPECT_NE(svg.find(R"(<line x1="20" y1="-5" x2="205" y2="-5")"), std::string::npos) << svg;
    // 68 / (0.6 x 30) = 3.778 for the long name in the cell from (85, 20) to (155, 45), its
    // baseline 0.275 of its height below the middle; 5 for the designation from (85, 45) to (205, 60).
    EXPECT_NE(svg.find(R"(<text x="120" y="-31.461" font-size="3.778")"), std::string::npos) << svg;
    EXPECT_NE(svg.find(R"(<text x="145" y="-51.125" font-size="5")"), std::string::npos) << svg;
}
