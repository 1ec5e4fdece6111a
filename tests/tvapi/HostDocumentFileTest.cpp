// Document files of the stand-in host: a drawing saved and opened again gives fresh objects
// with the same content (drawing, attributes, user data), parts included.

#include "HostDocumentFile.h"

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"
#include "HostText.h"

namespace {

using drawing_test::TSheet;

std::wstring TempName(const char* name)
{
    return tvhost::FromUtf8(::testing::TempDir() + name);
}

class DocumentFileTest : public HostFixture {
protected:
    tvhost::THostDocuments& Documents() { return Host().App().Documents(); }
    static nlohmann::json Json(const tvapi::ITervanDocumentPtr& doc)
    {
        return tvhost::DocumentJson(*dynamic_cast<tvhost::TDocumentCore*>(doc.Get()));
    }
};

// Fills the sheet with one object of most kinds, in two views, a group, a macro object.
tvapi::ILineDimensionPtr Fill(const TSheet& s)
{
    s.View->GetLayers()->Add()->SetCurrent();
    const tvapi::IHatchPtr hatch = s.Drawing->GetHatches()->Add();
    tvapi::IHatchParamPtr(hatch)->SetStep(2);
    tvapi::IBoundariesObjectPtr(hatch)->AddBoundaries(
        {tvapi::IDrawingObjectPtr(drawing_test::Segment(s, 0, 0, 10, 0, tvapi::tvCSAxial)),
         tvapi::IDrawingObjectPtr(drawing_test::Segment(s, 10, 0, 0, 10, tvapi::tvCSNormal))},
        false);
    const tvapi::IDrawingGroupPtr group = s.Doc->GetDrawingGroups()->Add(false, L"Группа");
    group->Open();
    const tvapi::IArcPtr arc = s.Drawing->GetArcs()->Add();
    arc->SetRadius(5);
    arc->SetDirection(true);
    group->Close();
    const tvapi::ITextPtr text = s.Drawing->GetDrawingTexts()->Add()->GetText();
    text->SetStr(L"Ø &02\nвторая");
    const tvapi::IMacroObjectPtr macro = s.Drawing->GetMacroObjects()->Add(true);
    const tvapi::ILineDimensionPtr dim = tvapi::ISymbols2DContainerPtr(macro)->GetLineDimensions()->Add();
    dim->SetX2(20);
    dim->SetOrientation(tvapi::tvLinDHorizontal);
    tvapi::IDimensionTextPtr(dim)->SetAutoNominalValue(true);
    tvapi::IDimensionTextPtr(dim)->SetDeviations(0.1, -0.05);

    const tvapi::IViewPtr second = s.Doc->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Normal);
    second->SetX(100);
    second->SetScale(2);
    const tvapi::ILeaderPtr leader(
        tvapi::ISymbols2DContainerPtr(second)->GetLeaders()->Add(tvapi::tvDrLeader));
    tvapi::IBranchsPtr(leader)->AddBranchByPoint(-1, 3, 4);
    leader->GetTextOnShelf()->SetStr(L"1");
    tvapi::ISymbols2DContainerPtr(second)->GetCutLines()->Add()->SetPoints({0, 0, 5, 5, 9, 0});
    tvapi::IDrawingContainerPtr(second)->GetColourings()->Add()->SetColor(0x00FF00);
    return dim;
}

TEST_F(DocumentFileTest, SavedDrawingOpensAsFreshObjectsWithTheSameContent)
{
    const std::wstring file = TempName("roundtrip.qdr");
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::ILineDimensionPtr dim = Fill(s);
    const std::uint64_t key = Application()->GetAttrTypeMng(L"")->AddAttributeType()->GetKey();
    s.Doc->AddAttribute(key, L"", {tvapi::ITervanAPIObjectPtr(dim)})
        ->SetValue(L"", 0, 0, tvapi::AttributeValue(tvapi::PropertyValue(L"7")));
    const tvapi::IUserDataStoragesMngPtr mng = s.Doc->GetUserDataStoragesMng();
    const tvapi::IUserDataStoragePtr storage = mng->GetUserDataStorages({})->OpenStorage(L"ZelMould");
    storage->AddData(L"", tvapi::StorageValue({0xDD, 0xDE, 0x7E, 0x01}), L"DimChains");
    storage->AddObjects(L"", {tvapi::ITervanAPIObjectPtr(dim), tvapi::ITervanAPIObjectPtr(s.Doc)},
                        L"DimChains_MO");
    mng->GetUserDataStorages(tvapi::ITervanAPIObjectPtr(dim))
        ->OpenStorage(L"Own")
        ->AddData(L"", tvapi::StorageValue({9}), L"K");

    ASSERT_TRUE(s.Doc->SaveAs(file.c_str()));
    EXPECT_EQ(s.Doc->GetFileName(), file);
    const nlohmann::json saved = Json(s.Doc);
    ASSERT_TRUE(s.Doc->Close(tvapi::kdDoNotSaveChanges));

    const tvapi::ITervanDocumentPtr opened = Application()->GetDocuments()->Open(file.c_str(), true, false);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(Application()->GetActiveDocument() == opened);
    EXPECT_EQ(Json(opened), saved);

    // Fresh objects, linked as before: the attribute and the stored list name the new dimension.
    const tvapi::ITervanDocument2DPtr doc(opened);
    const tvapi::IViewsPtr views = doc->GetViewsAndLayersManager()->GetViews();
    EXPECT_TRUE(views->GetActiveView() == views->GetItem(1));
    const tvapi::IDrawingObjectPtr macro =
        tvapi::IDrawingContainerPtr(views->GetItem(0))->GetObjects(tvapi::tvDrMacro)[0];
    const tvapi::IDrawingObjectPtr newDim =
        tvapi::IDrawingContainerPtr(macro)->GetObjects(tvapi::tvAllObj)[0];
    EXPECT_FALSE(newDim == dim);
    EXPECT_EQ(tvapi::IDimensionTextPtr(newDim)->GetNominalText()->GetStr(), L"20");
    const tvapi::AttributeList found =
        doc->GetAttributes(0, 0, 0, 0, key, {tvapi::ITervanAPIObjectPtr(newDim)});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->GetValue(0, 0).GetProperty().GetString(), L"7");
    tvapi::TervanAPIObjectList list;
    const tvapi::IUserDataStoragesMngPtr newMng = doc->GetUserDataStoragesMng();
    EXPECT_TRUE(
        newMng->GetUserDataStoragesOf(false)->FindStorage(L"ZelMould")->GetObjects(L"DimChains_MO", list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], newDim);
    EXPECT_EQ(list[1], opened);
    tvapi::StorageValue own;
    newMng->GetUserDataStorages(tvapi::ITervanAPIObjectPtr(newDim))->FindStorage(L"Own")->GetData(L"K", own);
    EXPECT_EQ(own.GetVectorUint8(), std::vector<std::uint8_t>{9});
}

// Documents without a drawing keep their attributes and user data through a file too.
TEST_F(DocumentFileTest, PartKeepsAttributesAndUserDataOnTheDocument)
{
    const std::wstring file = TempName("part.qpr");
    const tvapi::ITervanDocumentPtr part = Documents().AddDocument(tvapi::tvDocumentPart);
    const tvapi::IAttributeTypePtr type = Application()->GetAttrTypeMng(L"")->AddAttributeType();
    type->SetValueType(tvapi::tvATDouble);
    type->SetName(L"Масса");
    part->AddAttribute(type->GetKey(), L"lib", {tvapi::ITervanAPIObjectPtr(part)})
        ->SetValue(L"m", 0, 1, tvapi::AttributeValue(tvapi::PropertyValue(2.5)));
    part->GetUserDataStoragesMng()
        ->GetUserDataStorages({})
        ->OpenStorage(L"ZelMould")
        ->AddData(L"", tvapi::StorageValue({1, 2, 3}), L"DimChains");
    ASSERT_TRUE(part->SaveAs(file.c_str()));
    const nlohmann::json saved = Json(part);
    EXPECT_FALSE(saved.contains("drawing"));

    // A file already open gives its document back, made active.
    Documents().AddDocument(tvapi::tvDocumentDrawing);
    EXPECT_TRUE(Application()->GetDocuments()->Open(file.c_str(), true, false) == part);
    EXPECT_TRUE(Application()->GetActiveDocument() == part);

    ASSERT_TRUE(part->Close(tvapi::kdDoNotSaveChanges));
    const tvapi::ITervanDocumentPtr opened = Application()->GetDocuments()->Open(file.c_str(), true, false);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->GetDocumentType(), tvapi::tvDocumentPart);
    EXPECT_EQ(Json(opened), saved);
    const tvapi::AttributeList found =
        opened->GetAttributes(0, 0, 0, 0, type->GetKey(), {tvapi::ITervanAPIObjectPtr(opened)});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_DOUBLE_EQ(found[0]->GetValue(0, 1).GetProperty().GetDouble(), 2.5);
    EXPECT_EQ(found[0]->GetAttributeType()->GetName(), L"Масса");
}

// Every finite double comes back from a file with the same bits: extremes, subnormals,
// negative zero and a fixed sample of bit patterns.
TEST_F(DocumentFileTest, EveryFiniteRealRoundTripsBitForBit)
{
    using L = std::numeric_limits<double>;
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1,
                                  1.0 / 3.0,
                                  1e61,
                                  -1e300,
                                  L::max(),
                                  L::lowest(),
                                  L::min(),
                                  L::denorm_min(),
                                  -L::denorm_min(),
                                  9007199254740993.0};
    std::mt19937_64 random(14);
    while (values.size() < 5000) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v)) values.push_back(v);
    }
    const TSheet s = drawing_test::NewSheet(Documents());
    const tvapi::IDrawingObjectPtr segment(drawing_test::Segment(s, 0, 0, 1, 1, tvapi::tvCSNormal));
    dynamic_cast<tvhost::TDrawingCore&>(*segment).Params().Set("Values", values);
    const std::wstring file = TempName("reals.qdr");
    ASSERT_TRUE(s.Doc->SaveAs(file.c_str()));
    const tvapi::ITervanDocument2DPtr opened(Documents().OpenFile(file));
    ASSERT_TRUE(opened) << Documents().OpenError();
    const tvapi::IDrawingObjectPtr copy =
        tvapi::IDrawingContainerPtr(opened->GetViewsAndLayersManager()->GetViews()->GetItem(0))
            ->GetObjects(tvapi::tvDrLineSeg)[0];
    const std::vector<double> read = dynamic_cast<tvhost::TDrawingCore&>(*copy).Params().Reals("Values");
    ASSERT_EQ(read.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read[i]), std::bit_cast<std::uint64_t>(values[i]))
            << values[i];
}

} // namespace
