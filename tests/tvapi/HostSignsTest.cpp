// Annotation signs of the stand-in host: roughness, base and view-pointer signs and
// form-tolerance frames keep what the library set, come back from the document's file and
// are pictured by the SVG export.

#include "HostSigns.h"

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostDocumentFile.h"
#include "HostFixture.h"
#include "HostSvg.h"
#include "HostText.h"

using namespace tvapi;
using drawing_test::Core;

namespace {

// A frame of three cells holding "7", "0,05" and "А", with one branch.
ITolerancePtr Frame(const drawing_test::TSheet& s)
{
    ITolerancePtr frame = s.Symbols->GetTolerances()->Add();
    IBranchsPtr branches(frame);
    branches->SetX(10);
    branches->SetY(20);
    branches->AddBranchByPoint(-1, 30, 5);
    ITablePtr table = IToleranceParamPtr(frame)->GetTable();
    EXPECT_EQ(table->GetCellCount(), 1); // a new frame has one cell
    table->InsertCell(-1, 1);
    table->InsertCell(-1, 1);
    const wchar_t* texts[] = {L"7", L"0,05", L"А"};
    for (int k = 0; k < 3; ++k)
        ITextLinePtr(table->GetCell(0, k)->GetText())->SetStr(texts[k]);
    frame->Update();
    return frame;
}

} // namespace

TEST_F(HostFixture, HostSignsToleranceTableInsertsCellsInPlace)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    ITolerancePtr frame = Frame(s);
    auto& host = *tvhost::HostAs<tvhost::THostTolerance>(frame);
    ASSERT_EQ(host.CellCount(), 3);
    EXPECT_EQ(host.CellStr(1), L"0,05");
    ITablePtr table = IToleranceParamPtr(frame)->GetTable();
    EXPECT_FALSE(table->GetCell(1, 0)); // one row only
    EXPECT_FALSE(table->GetCell(0, 3));
    EXPECT_FALSE(table->GetCell(0, -1));
    ASSERT_TRUE(table->InsertCell(0, 1)); // before the first: the others move on
    EXPECT_EQ(host.CellCount(), 4);
    EXPECT_EQ(host.CellStr(0), L"");
    EXPECT_EQ(host.CellStr(1), L"7");
    EXPECT_EQ(host.CellStr(3), L"А");
    EXPECT_EQ(IBranchsPtr(frame)->GetBranchCount(), 1);
    EXPECT_EQ(frame->GetDrawingObjectType(), tvDrTolerance);
}

TEST_F(HostFixture, HostSignsKeepTheirParametersInTheOrderSet)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    IRoughPtr rough = s.Symbols->GetRoughs()->Add();
    rough->SetX(5);
    rough->SetY(6);
    IRoughParamsPtr params(rough);
    params->SetType(tvDeleteMaterial);
    params->SetShelf(1);
    params->SetAngle(90);
    params->GetText1()->SetStr(L"Ra 1,6");
    EXPECT_EQ(Core(rough).Params().Log(), (std::vector<std::string>{"X", "Y", "Type", "Shelf", "Angle"}));
    EXPECT_EQ(Core(rough).Text("Text1").Str(), L"Ra 1,6");
    EXPECT_EQ(rough->GetDrawingObjectType(), tvDrRough);

    IBasePtr base = s.Symbols->GetBases()->Add();
    base->SetX1(1);
    base->SetY2(4);
    base->GetText()->SetStr(L"Б");
    EXPECT_EQ(Core(base).Params().Real("Y2"), 4.0);
    EXPECT_EQ(base->GetDrawingObjectType(), tvDrBase);

    IViewPointerPtr pointer = s.Symbols->GetViewPointers()->Add();
    pointer->SetXt(7);
    EXPECT_EQ(Core(pointer).Params().Real("Xt"), 7.0);
    EXPECT_EQ(pointer->GetDrawingObjectType(), tvDrViewPointer);
    EXPECT_EQ(s.Drawing->GetObjects(tvAllObj).size(), 3u);
}

TEST_F(HostFixture, HostSignsComeBackFromTheFileAndArePictured)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "signs.qdr");
    drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    Frame(s);
    IRoughPtr rough = s.Symbols->GetRoughs()->Add();
    IRoughParamsPtr(rough)->GetText1()->SetStr(L"Ra 3,2");
    IBasePtr base = s.Symbols->GetBases()->Add();
    base->SetX2(40);
    base->GetText()->SetStr(L"Б");
    s.Symbols->GetViewPointers()->Add()->GetText()->SetStr(L"В");
    auto& core = *tvhost::HostAs<tvhost::THostDocument2D>(s.Doc);
    const nlohmann::json written = tvhost::DocumentJson(core);
    ASSERT_TRUE(s.Doc->SaveAs(file.c_str()));

    const ITervanDocumentPtr reopened = Host().App().Documents().OpenFile(file);
    ASSERT_TRUE(reopened) << Host().App().Documents().OpenError();
    auto& again = dynamic_cast<tvhost::TDocumentCore&>(*reopened);
    EXPECT_EQ(tvhost::DocumentJson(again), written);
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(*again.Drawing2D(), svg, error)) << error;
    for (const char* part : {"class=\"tolerance\"", "class=\"rough\"", "class=\"base\"",
                             "class=\"view-pointer\"", "0,05", "Ra 3,2", "Б", "В"}) {
        SCOPED_TRACE(part);
        EXPECT_NE(svg.find(part), std::string::npos);
    }
}

TEST_F(HostFixture, HostSignsSectionViewKeepsItsCutLineThroughTheFile)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "section.qdr");
    drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    ICutLinePtr cut = s.Symbols->GetCutLines()->Add();
    cut->SetX1(5);
    IViewPtr view = s.Doc->GetViewsAndLayersManager()->GetViews()->Add(vt_Section);
    IAssociationViewPtr section(view);
    ASSERT_TRUE(section);
    EXPECT_FALSE(section->SetOrientation({1, 0, 0})); // 16 values or none
    EXPECT_TRUE(section->SetOrientation(std::vector<double>(16, 0.5)));
    section->SetCutLine(IDrawingObjectPtr(cut));
    section->SetModelFileName(L"вал.qpt");
    IAssociationViewElementsPtr(view)->SetHatches(true);
    ASSERT_TRUE(s.Doc->SaveAs(file.c_str()));

    const ITervanDocumentPtr reopened = Host().App().Documents().OpenFile(file);
    ASSERT_TRUE(reopened) << Host().App().Documents().OpenError();
    tvhost::TDrawing2D& drawing = *dynamic_cast<tvhost::TDocumentCore&>(*reopened).Drawing2D();
    ASSERT_EQ(drawing.Views().size(), 2u);
    IAssociationViewPtr again(tvapi::IViewPtr(drawing.Views()[1].Get()));
    const IDrawingObjectPtr bound = again->GetCutLine();
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->GetDrawingObjectType(), tvDrCutLine);
    EXPECT_EQ(ICutLinePtr(bound)->GetX1(), 5.0);
    EXPECT_EQ(again->GetModelFileName(), L"вал.qpt");
    EXPECT_EQ(drawing.Views()[1]->ViewType(), vt_Section);
    EXPECT_TRUE(drawing.Views()[1]->Params().Flag("Hatches"));
    again->SetCutLine(nullptr);
    EXPECT_FALSE(again->GetCutLine());
}
