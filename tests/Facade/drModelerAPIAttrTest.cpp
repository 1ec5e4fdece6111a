// Text attributes through the facade on a stand-in drawing (one "Reference Object" type, one
// attribute per object, both kept by the saved file), what a drawing object is, and a
// dimension's nominal and deviations read back.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <string>

#include "DimFacadeFixture.h"
#include "HostAttributes.h"
#include "HostText.h"

class TModelerApiAttrTest : public TDimFacadeFixture {
protected:
    tvhost::TAttributeTable& Table() {
        return dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc).Data().Attributes;
    }
    static tvapi::IDrawingObjectPtr NewDim() {
        drApi::MA.drDimD(20.0, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
        return drApi::MA.LastObjRef();
    }
    static Str Get(const tvapi::IDrawingObjectPtr& obj, double key) {
        Str s("-");
        drApi::MA.drGetObjectAttr(tvapi::ITervanAPIObjectPtr(obj), key, s);
        return s;
    }
    static bool Set(const tvapi::IDrawingObjectPtr& obj, double key, const char* text) {
        return drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(obj), key, text);
    }
};

// A key is reused while it names a text type; 0, a stale key or a number type's key gives a
// new "Reference Object" type; without manager, document or new type the answer is 0.
TEST_F(TModelerApiAttrTest, CreateAttrStrFindsOrMakesTheReferenceType) {
    tvhost::TAttributeTable& table = Table();
    const double key = drApi::MA.drCreateAttrStr(0.0);
    ASSERT_EQ(table.Types().size(), 1u);
    tvhost::THostAttributeType& type = *table.Types()[0];
    EXPECT_NE(key, 0.0);
    EXPECT_EQ(static_cast<double>(type.Key()), key);
    EXPECT_EQ(type.ValueType(), tvapi::tvATString);
    EXPECT_EQ(type.Name(), L"Reference Object");
    EXPECT_EQ(drApi::MA.drCreateAttrStr(key), key);
    EXPECT_NE(drApi::MA.drCreateAttrStr(key + 40.0), key + 40.0);
    table.AddType()->SetValueTypeDirect(tvapi::tvATDouble);
    const double number = static_cast<double>(table.Types().back()->Key());
    EXPECT_NE(drApi::MA.drCreateAttrStr(number), number);
    EXPECT_EQ(table.Types().size(), 4u);

    InjectFault("IAttrTypeMng::AddAttributeType");
    EXPECT_EQ(drApi::MA.drCreateAttrStr(0.0), 0.0);
    const tvapi::ITervanDocumentPtr doc = R().IDoc;
    R().IDoc.Reset();
    EXPECT_EQ(drApi::MA.drCreateAttrStr(0.0), 0.0);
    EXPECT_EQ(dynamic_cast<tvhost::TDocumentCore&>(*doc).Data().Attributes.Types().size(), 4u);
}

// The first write creates the attribute (false), later ones update it (true): one attribute
// per object, kept by the file. Every text attribute starting with the object is updated;
// one that starts with another object is not.
TEST_F(TModelerApiAttrTest, SetObjectAttrKeepsOneAttributeThatSurvivesTheFile) {
    const tvapi::IDrawingObjectPtr a = NewDim(), b = NewDim();
    const double key = drApi::MA.drCreateAttrStr(0.0);
    const auto k = static_cast<std::uint64_t>(key);
    EXPECT_EQ(Get(a, key), "-");
    EXPECT_FALSE(Set(a, key, "1"));
    EXPECT_TRUE(Set(a, key, "2"));
    EXPECT_FALSE(Set(b, key, "7"));
    EXPECT_EQ(Table().Find(k, {tvapi::ITervanAPIObjectPtr(a)}).size(), 1u);

    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "facade_attr.qdr");
    ASSERT_TRUE(R().IDoc->SaveAs(file.c_str()));
    R().IDoc = Host().App().Documents().OpenFile(file);
    tvapi::ITervanDocument2DPtr reopened(R().IDoc);
    const tvapi::DrawingObjectList dims = tvapi::IDrawingContainerPtr(drApi::GetSymbols2DContainer(reopened))
                                              ->GetObjects(tvapi::tvDrDDimension);
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_EQ(drApi::MA.drCreateAttrStr(key), key);
    EXPECT_EQ(Get(dims[0], key), "2");
    EXPECT_EQ(Get(dims[1], key), "7");

    R().IDoc = R().IDoc2D;
    Table().Add(k, L"", {tvapi::ITervanAPIObjectPtr(a)});
    Table().Add(k, L"", {tvapi::ITervanAPIObjectPtr(b), tvapi::ITervanAPIObjectPtr(a)});
    EXPECT_TRUE(Set(a, key, "3"));
    const tvapi::AttributeList onA = Table().Find(k, {tvapi::ITervanAPIObjectPtr(a)});
    ASSERT_EQ(onA.size(), 3u);
    EXPECT_EQ(onA[0]->GetValue(0, 0).GetProperty().GetString() +
                  onA[1]->GetValue(0, 0).GetProperty().GetString(),
              L"33");
    EXPECT_FALSE(onA[2]->GetValue(0, 0).GetProperty().IsString());
    EXPECT_FALSE(Set(nullptr, key, "x"));
    R().IDoc.Reset();
    EXPECT_FALSE(Set(a, key, "x"));
    EXPECT_EQ(Get(a, key), "-");
}

TEST_F(TModelerApiAttrTest, TypeViewNumberAndDelete) {
    EXPECT_EQ(drApi::MA.GetType(nullptr) + drApi::MA.GetNumberView(nullptr), 0);
    tvapi::IDrawingObjectPtr dim = NewDim();
    EXPECT_EQ(drApi::MA.GetType(dim), tvapi::tvDrDDimension);
    const tvapi::IViewPtr view = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Normal);
    view->SetNumber(4);
    R().Symbols2DContainer = tvapi::ISymbols2DContainerPtr(view);
    EXPECT_EQ(drApi::MA.GetNumberView(NewDim()), 4);
    R().Symbols2DContainer =
        tvapi::ISymbols2DContainerPtr(tvapi::IDrawingContainerPtr(view)->GetMacroObjects()->Add(true));
    EXPECT_EQ(drApi::MA.GetNumberView(NewDim()), 0); // its parent is a macro object

    const tvapi::IDrawingObjectPtr kept = dim;
    drApi::MA.drDeleteObj(dim);
    EXPECT_FALSE(dim);
    EXPECT_TRUE(Core(kept).IsDeleted());
    const Integer first = drApi::NextInteger();
    EXPECT_EQ(drApi::NextInteger(), first + 1);
}

// Texts with a decimal comma read back as numbers (degrees and minutes for an angle); a
// typed nominal is read from its text, the diameter sign ignored.
TEST_F(TModelerApiAttrTest, DimParamReadsNominalToleranceAndDeviations) {
    const tvapi::IDrawingObjectPtr dim = NewDim();
    const tvapi::IDimensionTextPtr text(dim);
    Real nominal = -1.0, hi = -1.0, lo = -1.0;
    Str qual("q");
    EXPECT_FALSE(drApi::MA.GetDimParam(tvapi::IDrawingObjectPtr(R().Symbols2DContainer), nominal, qual, hi,
                                       lo, false));
    EXPECT_EQ(nominal + hi + lo, -3.0);
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, false));
    EXPECT_EQ(nominal + hi + lo, 0.0); // nothing typed, no deviations
    EXPECT_EQ(qual, "");

    text->SetTolerance(L"h14");
    text->SetDeviations(0.1, -0.05);
    text->GetNominalText()->SetStr(L"⌀20");
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, false));
    EXPECT_EQ(nominal, 20.0);
    EXPECT_EQ(qual, "h14");
    EXPECT_DOUBLE_EQ(hi, 0.1);
    EXPECT_DOUBLE_EQ(lo, -0.05);

    text->SetAutoNominalValue(true);
    text->GetNominalText()->SetStr(L"99");
    text->GetUpperDeviation()->SetStr(L"+0°30'");
    text->GetLowerDeviation()->SetStr(L"-1°15'");
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, true));
    EXPECT_EQ(nominal, 20.0); // measured, whatever the text says
    EXPECT_DOUBLE_EQ(hi, 0.5);
    EXPECT_DOUBLE_EQ(lo, -1.25);
}
