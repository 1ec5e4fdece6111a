// Text attributes through the facade on a stand-in drawing (one "Reference Object" type, one
// attribute per object, both kept by the saved file) and a dimension's nominal and deviations
// read back.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <string>

#include "FacadeFixture.h"
#include "HostAttributes.h"
#include "HostText.h"

class TModelerApiAttrTest : public TDrawingFacadeFixture {
protected:
    tvhost::TAttributeTable& Table()
    {
        return dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc).Data().Attributes;
    }
    static tvapi::IDrawingObjectPtr NewDim()
    {
        drApi::MA.drDimD(20.0, "", 0.0, 0, 0, 0.0, 0.0, 0, "", "", "");
        return drApi::MA.LastObjRef();
    }
    static Str Get(const tvapi::IDrawingObjectPtr& obj, double key)
    {
        Str s("-");
        drApi::MA.drGetObjectAttr(tvapi::ITervanAPIObjectPtr(obj), key, s);
        return s;
    }
    static bool Set(const tvapi::IDrawingObjectPtr& obj, double key, const char* text)
    {
        return drApi::MA.drSetObjectAttr(tvapi::ITervanAPIObjectPtr(obj), key, text);
    }
};

// A key is reused while it names a text type; 0, a stale key or a number type's key gives a
// new "Reference Object" type; without manager, document or new type the answer is 0.
TEST_F(TModelerApiAttrTest, CreateAttrStrFindsOrMakesTheReferenceType)
{
    tvhost::TAttributeTable& table = Table();
    const double key = drApi::MA.drCreateAttrStr(0.0);
    ASSERT_EQ(table.Types().size(), 1u);
    tvhost::THostAttributeType& type = *table.Types()[0];
    EXPECT_NE(key, 0.0);
    EXPECT_TRUE(static_cast<double>(type.Key()) == key);
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
    R().IDoc.Reset();
    EXPECT_EQ(drApi::MA.drCreateAttrStr(0.0), 0.0);
}

// The first write creates the attribute (false), later ones update it (true): one attribute
// per object, kept by the file.
TEST_F(TModelerApiAttrTest, SetObjectAttrKeepsOneAttributeThatSurvivesTheFile)
{
    const tvapi::IDrawingObjectPtr a = NewDim(), b = NewDim();
    const double key = drApi::MA.drCreateAttrStr(0.0);
    EXPECT_EQ(Get(a, key), "-");
    EXPECT_FALSE(Set(a, key, "1"));
    EXPECT_TRUE(Set(a, key, "2"));
    EXPECT_FALSE(Set(b, key, "7"));
    EXPECT_EQ(Table().Find(static_cast<std::uint64_t>(key), {tvapi::ITervanAPIObjectPtr(a)}).size(), 1u);

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
}

// Texts with a decimal comma read back as numbers; a typed nominal is read from its text, the
// diameter sign ignored.
TEST_F(TModelerApiAttrTest, DimParamReadsNominalToleranceAndDeviations)
{
    const tvapi::IDrawingObjectPtr dim = NewDim();
    const tvapi::IDimensionTextPtr text(dim);
    Real nominal = -1.0, hi = -1.0, lo = -1.0;
    Str qual("q");
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, false));
    EXPECT_EQ(nominal + hi + lo, 0.0);
    EXPECT_EQ(qual, ""); // nothing typed, no deviations

    text->SetTolerance(L"h14");
    text->GetUpperDeviation()->SetStr(L"+0,1");
    text->GetLowerDeviation()->SetStr(L"-0,05");
    text->GetNominalText()->SetStr(L"⌀20");
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, false));
    EXPECT_EQ(nominal, 20.0);
    EXPECT_EQ(qual, "h14");
    EXPECT_DOUBLE_EQ(hi, 0.1);
    EXPECT_DOUBLE_EQ(lo, -0.05);
    text->SetAutoNominalValue(true);
    text->GetNominalText()->SetStr(L"99");
    ASSERT_TRUE(drApi::MA.GetDimParam(dim, nominal, qual, hi, lo, false));
    EXPECT_EQ(nominal, 20.0); // measured, whatever the text says
}
