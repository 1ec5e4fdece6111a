// The facade's sheets against the stand-in host: a drawing or fragment is created, set up and
// saved under its name when it is closed, views become the drawing target, the detail's title
// block is filled, and closing the sheet writes the technical requirements as numbered lines;
// a save that fails says which file and why.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Contour.h"
#include "Dimension3D.h"
#include "FacadeFixture.h"
#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostKernel.h"
#include "HostServices.h"
#include "HostText.h"
#include "MessageSinks.h"
#include "Mtr3D.h"
#include "SpecialFiles.h"
#include "TControlModel.h"
#include "UserFiles.h"
#include "drMaterial.h"
#include "tvapi/DrawingDocument.h"
#include "tvapi/LayoutSheets.h"

namespace {

class TSheetTest : public TFacadeFixture {
protected:
    TString Name(const std::string& name) { return TString((::testing::TempDir() + name).c_str()); }
    void Create(const std::string& name, tvapi::DocumentTypeEnum type = tvapi::tvDocumentDrawing,
                Integer Krat = 1)
    {
        TString n = Name(name), comment("Вал");
        drApi::MA.drCreateLeaf(n, type, 1, Krat, 1, 1, comment, true);
    }
    tvhost::TDocumentCore& Doc() { return dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc); }
    const tvhost::TSheetSetup& Sheet0() { return Doc().Data().Sheets.Items.at(0)->Setup(); }
};

} // namespace

TEST_F(TSheetTest, CreateLeafSavesADrawingWithItsSheetSetUp)
{
    tvhost::THostProgressBar& progress = Host().App().Progress();
    R().ProgressBar = tvapi::IProgressBarPtr(&progress);
    progress.SetPosition(99);
    const std::string leaf = ::testing::TempDir() + "leaf.qdr", draft = ::testing::TempDir() + "leaf~.qdr";
    std::filesystem::remove(leaf);
    std::filesystem::remove(::testing::TempDir() + "leaf2.qdr");
    Create("leaf");
    ASSERT_TRUE(R().IDoc);
    ASSERT_TRUE(R().IDoc2D);
    EXPECT_EQ(R().IDoc->GetDocumentType(), tvapi::tvDocumentDrawing);
    // Not saved at its creation any more (it was, under "leaf~.qdr", a name a user's file may
    // have): no file under any name until the sheet is closed.
    EXPECT_EQ(U(R().IDoc->GetFileName()), "");
    EXPECT_FALSE(std::filesystem::exists(draft));
    EXPECT_FALSE(std::filesystem::exists(leaf));
    EXPECT_EQ(Doc().Data().Sheets.Items.size(), 1u); // the sheet the drawing came with
    EXPECT_EQ(Sheet0().Format, 1);
    EXPECT_EQ(Sheet0().Multiply, 1);
    EXPECT_EQ(Sheet0().LayoutStyle, 1);
    EXPECT_TRUE(Sheet0().Landscape);
    EXPECT_EQ(progress.Position(), 0); // the count before this sheet
    EXPECT_EQ(R().CountDrawing, 1);
    Create("leaf2", tvapi::tvDocumentDrawing, 0);
    EXPECT_FALSE(std::filesystem::exists(draft)); // the sheet left unclosed leaves nothing
    EXPECT_FALSE(Sheet0().Landscape);
    EXPECT_EQ(progress.Position(), 1);
    EXPECT_EQ(R().CountDrawing, 2);
    R().ProgressBar.Reset();
    const tvapi::ITervanDocumentPtr closed = R().IDoc;
    drApi::MA.drCloseLeaf();
    EXPECT_EQ(U(closed->GetFileName()), ::testing::TempDir() + "leaf2.qdr");
    EXPECT_TRUE(std::filesystem::exists(::testing::TempDir() + "leaf2.qdr"));
    EXPECT_FALSE(std::filesystem::exists(::testing::TempDir() + "leaf2~.qdr"));
}

TEST_F(TSheetTest, CreateLeafMakesAFragmentOfEveryOtherTypeAndClosesTheOldDocumentUnsaved)
{
    Create("frag", tvapi::tvDocumentSpecification, 2);
    EXPECT_EQ(R().IDoc->GetDocumentType(), tvapi::tvDocumentFragment);
    EXPECT_EQ(U(R().IDoc->GetFileName()), ""); // no file until it is closed
    EXPECT_TRUE(Sheet0().Landscape);           // any Krat but 0
    const tvapi::ITervanDocumentPtr old = R().IDoc;
    Create("frag", tvapi::tvDocumentFragment);
    auto& oldCore = dynamic_cast<tvhost::TDocumentCore&>(*old);
    EXPECT_FALSE(oldCore.IsOpen());
    EXPECT_EQ(oldCore.ClosedWith(), tvapi::kdDoNotSaveChanges);
    EXPECT_NE(R().IDoc.Get(), old.Get());
    drApi::MA.drOpenTDem(); // a fragment's requirements go nowhere
    EXPECT_FALSE(R().TechnicalDemand);
    EXPECT_FALSE(R().Text);
    drApi::MA.drStringObj("lost");
    drApi::MA.drCloseTDem();
    EXPECT_EQ(Doc().Data().Notes.Demand.Get(), nullptr);
}

TEST_F(TSheetTest, CreateAndOpenLeafDoNothingWhileAContourCollects)
{
    TContour c;
    drApi::MA.SetOutput(&c);
    Create("none");
    TString n = Name("none");
    EXPECT_FALSE(drApi::MA.drOpenLeaf(n, tvapi::tvDocumentDrawing, true));
    drApi::MA.SetOutput(nullptr);
    EXPECT_FALSE(R().IDoc);
    EXPECT_EQ(R().CountDrawing, 0);
    EXPECT_EQ(Host().App().Documents().GetCount(), 0);
}

TEST_F(TSheetTest, OpenLeafAnswersWhetherADocumentIsOpen)
{
    Create("reopen");
    drApi::MA.drCloseLeaf();
    TString n = Name("reopen"), missing = Name("missing");
    EXPECT_TRUE(drApi::MA.drOpenLeaf(n, tvapi::tvDocumentDrawing, true));
    EXPECT_EQ(U(R().IDoc->GetFileName()), ::testing::TempDir() + "reopen.qdr");
    EXPECT_TRUE(R().IDoc2D);
    EXPECT_FALSE(drApi::MA.drOpenLeaf(missing, tvapi::tvDocumentDrawing, true));
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(R().IDoc2D);
}

TEST_F(TSheetTest, ViewBecomesTheTargetOfTheDrawing)
{
    Create("view");
    Host().Journal().Clear();
    R2().DI.cDetail = 12;
    R2().DI.cSuffics = 0x105;
    ADimension3D.Add2D(1, 2, TDetailCode(), TString());
    drApi::MA.drView(3, 100, 50, 0, 1, "");
    const std::vector<std::string> setup = {
        "IView::SetX",    "IView::SetY",     "IView::SetScale", "IView::SetAngle", "IView::SetDisplayValue",
        "IView::SetName", "IView::SetNumber"};
    std::vector<std::string> got;
    for (const tvhost::TJournalEntry& e : Host().Journal().Entries())
        if (e.Operation.rfind("IView::", 0) == 0) got.push_back(e.Operation);
    EXPECT_EQ(got, setup);
    ASSERT_TRUE(R().View);
    EXPECT_EQ(R().View->GetNumber(), 3);
    EXPECT_EQ(R().View->GetX(), 100.0);
    EXPECT_EQ(R().View->GetY(), 50.0);
    EXPECT_EQ(R().View->GetScale(), 1.0);
    EXPECT_EQ(R().View->GetDisplayValue(), 660490);
    EXPECT_EQ(tvapi::IAPIObjectPtr(R().DrawingContainer).Get(), tvapi::IAPIObjectPtr(R().View).Get());
    EXPECT_EQ(tvapi::IAPIObjectPtr(R().Symbols2DContainer).Get(), tvapi::IAPIObjectPtr(R().View).Get());
    EXPECT_EQ(tvapi::IAPIObjectPtr(R2().CurDrawingObject).Get(), tvapi::IAPIObjectPtr(R().View).Get());
    // The size points restart with the current detail's zero point.
    ASSERT_EQ(ADimension3D.ASizePoint.Count, 1);
    EXPECT_EQ(ADimension3D.ASizePoint[0].Detail2, TDetailCode(12, 0, 5));
    R2().DI = TDetailInfo();
    drApi::MA.drLine(0, 0, 10, 0, 1);
    auto& view = *tvhost::HostAs<tvhost::THostView>(R().View);
    EXPECT_EQ(view.Children().size(), 1u);
    drApi::MA.drCloseView();
    EXPECT_FALSE(R().View);
    EXPECT_FALSE(R().DrawingContainer);
    EXPECT_TRUE(R2().CurDrawingObject); // the view stays the current object
}

TEST_F(TSheetTest, ViewTheHostRefusesLeavesNoContainerOfThePreviousView)
{
    Create("refused");
    drApi::MA.drView(1, 0, 0, 0, 1, "");
    InjectFault("IViews::Add");
    drApi::MA.drView(2, 10, 0, 0, 1, "");
    EXPECT_FALSE(R().View);
    EXPECT_FALSE(R().DrawingContainer);
    EXPECT_FALSE(R().Symbols2DContainer);
    EXPECT_FALSE(R2().CurDrawingObject);
    drApi::MA.drLine(0, 0, 10, 0, 1); // goes nowhere rather than into view 1
    auto& first = *tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing().Views().at(1);
    EXPECT_TRUE(first.Children().empty());
}

TEST_F(TSheetTest, ViewInAContourIsAPlacementOnly)
{
    Create("contour");
    const std::size_t views = tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing().Views().size();
    TContour c;
    drApi::MA.SetOutput(&c);
    drApi::MA.drView(1, 100, 50, 90, 2, "");
    EXPECT_EQ(drApi::MA.R2->Transf2D.AMtr.Count, 1);
    EXPECT_FALSE(R2().CurDrawingObject);
    drApi::MA.drCloseView();
    EXPECT_EQ(drApi::MA.R2->Transf2D.AMtr.Count, 0);
    drApi::MA.SetOutput(nullptr);
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing().Views().size(), views);
}

TEST_F(TSheetTest, AssociativeViewsGoToTheActiveDocumentAndAreNotTheTarget)
{
    Create("assoc");
    drApi::MA.drView(1, 0, 0, 0, 1, "");
    const tvapi::IViewPtr plain = R().View;
    drApi::MA.drAStView7(5, 10, 20, 0, 1, "Сверху", Name("no-model.qpt"), "#Сверху");
    EXPECT_FALSE(R2().CurDrawingObject); // no model file: no view
    drApi::MA.drAStView7(10, 20, 0, 1, "Сверху", Name("no-model.qpt"), "#Сверху");
    ASSERT_TRUE(R2().CurDrawingObject);
    auto& made = dynamic_cast<tvhost::THostView&>(*R2().CurDrawingObject);
    EXPECT_EQ(made.ViewType(), tvapi::vt_Standart);
    EXPECT_EQ(U(made.Params().Text("Projection")), "#Сверху");
    EXPECT_TRUE(made.Params().Flag("Hatches"));
    EXPECT_EQ(R().View.Get(), plain.Get());
    TMtr3D m;
    drApi::MA.drAStView7(0, 0, 0, 1, "", "m.qpt", m);
    auto& arbitrary = dynamic_cast<tvhost::THostView&>(*R2().CurDrawingObject);
    EXPECT_EQ(arbitrary.ViewType(), tvapi::vt_Arbitrary);
    EXPECT_EQ(arbitrary.Params().Reals("Orientation").size(), 16u);
    drApi::MA.drACutView7(0, 0, 0, 1, "А-А", R2().CurDrawingObject);
    auto& section = dynamic_cast<tvhost::THostView&>(*R2().CurDrawingObject);
    EXPECT_EQ(section.ViewType(), tvapi::vt_Section);
    EXPECT_EQ(section.Boundaries().size(), 1u);
    EXPECT_EQ(R().View.Get(), plain.Get());
}

struct TDemandCase {
    const char* Name;
    const char* S1;
    const char* S2;
    const char* S3;
    const char* S4;
    const char* Lines; // empty: no requirements opened
};

class TDemandTest : public TSheetTest, public ::testing::WithParamInterface<TDemandCase> {};

TEST_P(TDemandTest, ClosingTheSheetNumbersTheRequirementsByPlace)
{
    const TDemandCase& c = GetParam();
    Create("demand");
    tvhost::TDocumentCore& doc = Doc();
    drApi::MA.drView(1, 0, 0, 0, 1, "");
    drApi::MA.drCloseViewTDemCloseLeaf(c.S1, c.S2, c.S3, c.S4);
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(R().View);
    EXPECT_FALSE(R().TechnicalDemand);
    EXPECT_FALSE(R().Text);
    tvhost::THostTechnicalDemand* demand = doc.Data().Notes.Demand.Get();
    if (std::string(c.Lines).empty()) {
        EXPECT_TRUE(demand == nullptr || demand->Lines().empty());
        return;
    }
    ASSERT_NE(demand, nullptr);
    EXPECT_EQ(U(demand->Lines()), c.Lines);
    EXPECT_EQ(demand->Block(), (std::vector<double>{830, 65, 655, 165}));
    EXPECT_EQ(demand->Commits(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TDemandTest,
    ::testing::Values(TDemandCase{"None", "", "", "", "", ""},
                      TDemandCase{"SecondWithoutFirst", "", "b", "c", "", ""},
                      TDemandCase{"OnlyFirst", "Твердость 40...45 HRC", "", "", "", "Твердость 40...45 HRC"},
                      TDemandCase{"FirstAndSecond", "a", "b", "", "", "1.a\n2.b"},
                      TDemandCase{"FirstAndThird", "a", "", "c", "", "a\n3.c"},
                      TDemandCase{"All", "a", "b", "c", "d", "1.a\n2.b\n3.c\n4.d"}),
    [](const ::testing::TestParamInfo<TDemandCase>& c) { return std::string(c.param.Name); });

// Closing the sheet fits it to its views: (500, 400)-(600, 450) and, at scale 2, (680, 80)-(720,
// 120) join to 220 x 370, on A2 landscape (w 260, h 400); their corner (500, 450) moves to the
// frame's (40, 390), and the requirements placed on the A1 sheet move above the A2 title block.
// Every view moves by the same shift, the system view too though it shows nothing.
TEST_F(TSheetTest, ClosingTheSheetFitsItToItsViews)
{
    Create("fit");
    tvhost::TDocumentCore& doc = Doc();
    const tvapi::IViewsPtr views = R().IDoc2D->GetViewsAndLayersManager()->GetViews();
    drApi::MA.drView(1, 500, 400, 0, 1, "");
    drApi::MA.drLine(0, 0, 100, 50, tvapi::tvCSNormal);
    drApi::MA.drView(2, 700, 100, 0, 2, "");
    drApi::MA.drCircle(0, 0, 10, tvapi::tvCSNormal);
    drApi::MA.drCloseView();
    drApi::MA.drOpenTDem();
    drApi::MA.drStringObj("a");
    drApi::MA.drCloseTDem();
    EXPECT_EQ(doc.Data().Notes.Demand->Block(), (std::vector<double>{830, 65, 655, 165}));
    drApi::MA.drCloseLeaf();
    const tvhost::TSheetSetup& sheet = doc.Data().Sheets.Items.at(0)->Setup();
    EXPECT_EQ(std::make_pair(sheet.Format, sheet.Landscape), std::make_pair(2, true));
    ASSERT_EQ(views->GetCount(), 3);
    const auto at = [&](int i) {
        return std::make_pair(views->GetItem(i)->GetX(), views->GetItem(i)->GetY());
    };
    EXPECT_EQ(at(0), std::make_pair(-460.0, -60.0));
    EXPECT_EQ(at(1), std::make_pair(40.0, 340.0));
    EXPECT_EQ(at(2), std::make_pair(240.0, 40.0));
    EXPECT_EQ(doc.Data().Notes.Demand->Block(), (std::vector<double>{584, 65, 409, 165}));
}

// A drawing no format holds goes on A0 landscape, and the user is told which one.
TEST_F(TSheetTest, ClosingASheetTooLargeForA0SaysWhichDrawing)
{
    testsinks::TRecordingHost boxes;
    Create("huge");
    tvhost::TDocumentCore& doc = Doc();
    drApi::MA.drView(1, 0, 0, 0, 1, "");
    drApi::MA.drLine(0, 0, 1500, 10, tvapi::tvCSNormal);
    drApi::MA.drCloseLeaf();
    const tvhost::TSheetSetup& sheet = doc.Data().Sheets.Items.at(0)->Setup();
    EXPECT_EQ(std::make_pair(sheet.Format, sheet.Landscape), std::make_pair(0, true));
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].find(::testing::TempDir() + "huge.qdr"), std::string::npos) << boxes.Boxes[0];
}

// A sheet with nothing drawn, or closed while a contour collects, keeps its format.
TEST_F(TSheetTest, ClosingAnEmptySheetOrInAContourKeepsItsFormat)
{
    Create("empty");
    tvhost::TDocumentCore& doc = Doc();
    drApi::MA.drView(1, 500, 400, 0, 1, "");
    drApi::MA.drCloseLeaf();
    EXPECT_EQ(doc.Data().Sheets.Items.at(0)->Setup().Format, 1);

    Create("contour");
    tvhost::TDocumentCore& kept = Doc();
    drApi::MA.drView(1, 500, 400, 0, 1, "");
    drApi::MA.drLine(0, 0, 10, 10, tvapi::tvCSNormal);
    TContour c;
    drApi::MA.SetOutput(&c);
    drApi::MA.drCloseLeaf();
    drApi::MA.SetOutput(nullptr);
    EXPECT_EQ(kept.Data().Sheets.Items.at(0)->Setup().Format, 1);
    EXPECT_EQ(dynamic_cast<tvhost::THostView&>(*R().View).Params().Real("X"), 500.0);
    drApi::MA.drCloseLeaf();
    EXPECT_EQ(kept.Data().Sheets.Items.at(0)->Setup().Format, 4);
}

TEST_F(TSheetTest, ContourModeClosesOnlyTheViewPlacement)
{
    Create("keep");
    TContour c;
    drApi::MA.SetOutput(&c);
    drApi::MA.drMtr(0, 0, 0, 1);
    drApi::MA.drCloseViewTDemCloseLeaf("a", "b", "", "");
    EXPECT_EQ(drApi::MA.R2->Transf2D.AMtr.Count, 0);
    drApi::MA.drCloseLeaf();
    drApi::MA.drSaveLeaf();
    drApi::MA.SetOutput(nullptr);
    EXPECT_TRUE(R().IDoc);
    EXPECT_EQ(Doc().Data().Notes.Demand.Get(), nullptr);
}

class TTitleBlockTest : public TSheetTest {
protected:
    TControlModel::dcDetail Rows[2] = {{0, "Сборка", 0, 0, 1, nullptr, {}}, {1, "Вал", 7, 1, 1, nullptr, {}}};
    TControlModel CM{"DimChain.dss", "DimChain.chm"};

    void SetUp() override
    {
        TSheetTest::SetUp();
        CM.SetDetails(Rows, 2);
        CM.prFileName = TString((::testing::TempDir() + "D").c_str());
        CM.SetExistDet(1, 12);
        drApi::LibraryControlModel = &CM;
    }
};

TEST_F(TTitleBlockTest, ScaleAndMassAreWrittenAsTheTitleBlockShowsThem)
{
    Create("stamp");
    TDetailInfo& di = R2().DI;
    di.comment = "Вал";
    di.designation = "ДЧ.001";
    di.material = "Сталь 45";
    di.Weight = 1.5;
    for (auto [scale, text] :
         {std::pair{4.0, "4:1"}, {0.25, "1:4"}, {0.3, "1:3"}, {1.0, "1:1"}, {2.5, "2:1"}}) {
        SCOPED_TRACE(text);
        di.Scale = scale;
        drApi::MA.drShtamp();
        EXPECT_EQ(Cell(tvapi::tvStScale), text);
    }
    EXPECT_EQ(Cell(tvapi::tvStPartNumber), "Вал");
    EXPECT_EQ(Cell(tvapi::tvStDescription), "ДЧ.001");
    EXPECT_EQ(Cell(tvapi::tvStMaterial), "Сталь 45");
    EXPECT_EQ(Cell(tvapi::tvStNumberOfSheets), "1");
    EXPECT_EQ(Cell(tvapi::tvStMass), "  1.500");
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_FALSE(R().Stamp);
}

TEST_F(TTitleBlockTest, TitleBlockDropsOnlyItsOwnCommand)
{
    Create("own");
    drApi::MA.drView(1, 0, 0, 0, 1, "");
    drApi::MA.drForm(0, 0, 0, 1, "", ""); // an open frame under the title block
    drApi::MA.drOpenShtamp();
    drApi::MA.drEndObj(); // ends the block's entry, not the frame
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmForm}));
    drApi::MA.drCloseShtamp();
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmForm}));
    drApi::MA.drShtamp();
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmForm}));
    R().IDoc.Reset();
    drApi::MA.drShtamp(); // no title block opened: nothing committed, nothing dropped
    EXPECT_EQ(OpenKinds(), (std::vector<TCommand>{cmForm}));
    drApi::MA.drEndObj();
}

TEST_F(TTitleBlockTest, AFullSheetLeavesTheMassCellHoldingOnlyTheMass)
{
    ASSERT_TRUE(drApi::MA.drLeafStampView1(1, 0, 5, 5, true));
    tvhost::TDocumentCore& doc = Doc();
    R2().DI.Weight = 2.25;
    drApi::MA.drShtamp();
    drApi::MA.drCloseViewTDemCloseLeaf("a", "b", "", "");
    // The material of detail 1 (row 7) went into the drawing's properties and its file.
    const std::map<int, tvhost::TDocumentProperty> material = {
        {9, {{Wide(AMaterial[7].Name)}, {}, Wide(AMaterial[7].Location)}}, {10, {{}, {7800}, L""}}};
    EXPECT_EQ(doc.Data().Properties.Items, material);
    const tvapi::ITervanDocumentPtr reopened =
        Host().App().Documents().Open(doc.FileName().c_str(), true, false);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument2D>(reopened)->Data().Properties.Items, material);
    EXPECT_EQ(U(doc.Data().Sheets.Items.at(0)->Stamp().CellStr(tvapi::tvStMass)), "  2.250");
    EXPECT_EQ(U(doc.Data().Notes.Demand->Lines()), "1.a\n2.b");
    EXPECT_EQ(U(doc.FileName()), ::testing::TempDir() + "D12.qdr");
    drApi::LibraryControlModel = nullptr;
}

TEST_F(TTitleBlockTest, LeafStampOfAnUnknownDetailMakesNothing)
{
    EXPECT_FALSE(drApi::MA.drLeafStampView1(5, 0, 0, 0, true));
    EXPECT_FALSE(drApi::MA.drLeafStamp(1, 0, 1, 1, true) == false);
    EXPECT_EQ(Host().App().Documents().GetCount(), 1);
    const Real left = R2().DI.Left, top = R2().DI.Top;
    drApi::MA.drView(2, 10, 20);
    drApi::MA.drView(3, 10, 20);
    EXPECT_EQ(R2().DI.Left, left + 20);
    EXPECT_EQ(R2().DI.Top, top + 40);
    EXPECT_EQ(U(R().View->GetName()), "Вид 3 Вал");
}

// The two properties are independent: a missing material still takes the density; nothing is
// written while a contour collects or without a document.
TEST_F(TSheetTest, MaterialGoesIntoTheDocumentPropertiesOneByOne)
{
    Create("material");
    TContour contour;
    drApi::MA.SetOutput(&contour);
    drApi::MA.drSetMaterial(1, "Сталь 45", "Material:V1", 7800);
    drApi::MA.SetOutput(nullptr);
    EXPECT_TRUE(Doc().Data().Properties.Items.empty());
    InjectFault("IPropertyMng::GetProperty");
    drApi::MA.drSetMaterial(1, "Сталь 45", "Material:V1", 7850);
    ASSERT_EQ(Doc().Data().Properties.Items.size(), 1u);
    EXPECT_EQ(Doc().Data().Properties.Items.at(10).Reals, std::vector<double>{7850});
    drApi::MA.drSetMaterial(1, "Сталь 45", "Material:V1", 7800);
    EXPECT_EQ(U(Doc().Data().Properties.Items.at(9).Texts.at(0)), "Сталь 45");
    EXPECT_EQ(U(Doc().Data().Properties.Items.at(9).Location), "Material:V1");
    nlohmann::json root = tvhost::DocumentJson(Doc());
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["properties"][0]["reals"] = {"7800"};
    EXPECT_NE(tvhost::CheckDocumentJson(root), "");
    tvhost::TDocumentCore& kept = Doc();
    R().IDoc.Reset();
    drApi::MA.drSetMaterial(1, "Резина", "", 1000);
    EXPECT_EQ(U(kept.Data().Properties.Items.at(9).Texts.at(0)), "Сталь 45");
}

// ---- saves that fail ---------------------------------------------------------------------------

namespace {

// A save of the facade that cannot be written (on a disk that fills up, or into no folder), made
// in a child process: the message must name the file and give the file layer's reason, in one
// box, and the folder holds what it held before the build.
struct TFailedSave {
    const char* Name;
    const char* File; // in a folder of the test's own
    rlim_t Limit;     // the bytes a file may grow to during the save
    const char* Why;
    const char* Before = nullptr; // what stood under the file's name before, if anything
    // What a user has under the name "file~" (once the sheet's draft): left as it was.
    userfiles::TKind Beside = userfiles::TKind::None;
};
void PrintTo(const TFailedSave& c, std::ostream* os)
{
    *os << c.Name;
}

const TFailedSave FailedSaves[] = {
    {"SheetClosedOnAFullDisk", "full.qdr", 4096, "failed: File too large"},
    {"SheetClosedOnAFullDiskOverAnEarlierOne", "earlier.qdr", 4096, "failed: File too large",
     "the sheet of an earlier build\n"},
    {"SheetCreatedInNoFolder", "missing/leaf.qdr", RLIM_INFINITY, ": No such file or directory"},
    {"SheetClosedOnAFullDiskBesideAFile", "user.qdr", 4096, "failed: File too large", nullptr,
     userfiles::TKind::File},
    {"SheetClosedOnAFullDiskBesideAReadOnlyFile", "user.qdr", 4096, "failed: File too large", nullptr,
     userfiles::TKind::ReadOnlyFile},
    {"SheetClosedOnAFullDiskBesideALink", "user.qdr", 4096, "failed: File too large", nullptr,
     userfiles::TKind::Link},
    {"SheetClosedOnAFullDiskBesideAFolder", "user.qdr", 4096, "failed: File too large", nullptr,
     userfiles::TKind::Folder},
    {"SheetClosedOnAFullDiskBesideAnOpenDocument", "user.qdr", 4096, "failed: File too large", nullptr,
     userfiles::TKind::OpenDocument},
    {"PartClosedOnAFullDisk", "full.qpt", 4096, "failed: File too large"},
};

class TFailedSaveTest : public TSheetTest, public ::testing::WithParamInterface<TFailedSave> {};

} // namespace

TEST_P(TFailedSaveTest, MessageNamesTheFileAndWhy)
{
    const TFailedSave& c = GetParam();
    const specialfiles::TFolder folder;
    const std::string file = folder / c.File;
    const TString stem(file.substr(0, file.size() - 4).c_str());
    const bool part = file.ends_with(".qpt"), created = c.Limit == RLIM_INFINITY;
    if (c.Before) std::ofstream(file, std::ios::binary) << c.Before;
    const userfiles::TUserFile beside(c.Beside, stem.PChar() + std::string("~.qdr"), *Application());
    if (part) {
        ASSERT_TRUE(drApi::MA.drCreate3D(true, true, TString(file.c_str()), "", ""));
        for (int i = 0; i < 10; ++i)
            tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart().AddBody(
                tvhost::MakeBox({10.0 * i, 0, 0}, 5, 5, 5));
    } else if (!created) {
        TString n = stem, comment;
        drApi::MA.drCreateLeaf(n, tvapi::tvDocumentDrawing, 1, 1, 1, 1, comment, true);
        drApi::MA.drView(1, 100, 100, 0, 1, "");
        for (int i = 0; i < 200; ++i)
            drApi::MA.drLine(i, 0, i, 10, tvapi::tvCSNormal);
    }
    std::ostringstream boxes;
    Host().App().SetBoxOutput(&boxes);
    const std::string said = ::testing::TempDir() + c.Name + ".said";
    const int code = specialfiles::WithFileSizeLimit(c.Limit, [&] {
        if (part) {
            drApi::MA.drSave3D(true, false);
        } else if (created) {
            // A new sheet is first written by the save that closes it: a folder missing at its
            // creation is told there (it was at the creation, when the sheet was saved then).
            TString n = stem, comment;
            drApi::MA.drCreateLeaf(n, tvapi::tvDocumentDrawing, 1, 1, 1, 1, comment, true);
            drApi::MA.drCloseLeaf();
        } else {
            drApi::MA.drCloseLeaf();
        }
        std::ofstream(said) << boxes.str();
        return 0;
    });
    Host().App().SetBoxOutput(nullptr);
    ASSERT_EQ(code, 0);
    const std::string text = specialfiles::Bytes(said);
    std::filesystem::remove(said);
    EXPECT_NE(text.find("Не удалось сохранить файл " + file + ": "), std::string::npos) << text;
    EXPECT_NE(text.find(c.Why), std::string::npos) << text;
    EXPECT_EQ(text.find("Не удалось"), text.rfind("Не удалось")) << text;
    // No file of its own is left, and what a user has beside it stands as it was.
    EXPECT_EQ(folder.Count(), (c.Before ? 1 : 0) + (beside.Stands() ? 1 : 0));
    if (c.Before) {
        EXPECT_EQ(specialfiles::Bytes(file), c.Before);
    }
    EXPECT_EQ(beside.Changed(), "");
}

INSTANTIATE_TEST_SUITE_P(Saves, TFailedSaveTest, ::testing::ValuesIn(FailedSaves),
                         [](const ::testing::TestParamInfo<TFailedSave>& p) { return p.param.Name; });
