// Attribute types and attributes of stand-in documents: types are kept by the active
// document with keys from 1, attributes attach cells to objects and are found again by
// type and object.

#include "HostAttributes.h"

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostArgs.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFixture.h"

namespace {

class AttributesTest : public HostFixture {};

tvapi::AttributeValue Text(const wchar_t* text)
{
    return tvapi::AttributeValue(tvapi::PropertyValue(text));
}

TEST_F(AttributesTest, TypesBelongToTheActiveDocument)
{
    const tvapi::IAttrTypeMngPtr mng = Application()->GetAttrTypeMng(L"");
    ASSERT_TRUE(mng);
    EXPECT_TRUE(mng == Application()->GetAttrTypeMng(L"other"));
    EXPECT_FALSE(mng->AddAttributeType());

    const drawing_test::TSheet first = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IAttributeTypePtr type = mng->AddAttributeType();
    type->SetValueType(tvapi::tvATString);
    type->SetName(L"Reference Object");
    type->SetComment(L"");
    EXPECT_EQ(type->GetKey(), 1u);
    EXPECT_EQ(mng->AddAttributeType()->GetKey(), 2u);
    EXPECT_TRUE(mng->GetAttributeType(1) == type);
    EXPECT_EQ(mng->GetAttributeType(1)->GetName(), L"Reference Object");
    EXPECT_FALSE(mng->GetAttributeType(3));
    EXPECT_FALSE(mng->GetAttributeType(0));

    const drawing_test::TSheet second = drawing_test::NewSheet(Host().App().Documents());
    EXPECT_FALSE(mng->GetAttributeType(1));
    EXPECT_EQ(mng->AddAttributeType()->GetKey(), 1u);
    ASSERT_TRUE(first.Doc->Activate());
    EXPECT_TRUE(mng->GetAttributeType(1) == type);
}

TEST_F(AttributesTest, AttributesAreFoundByTypeAndObjectAndKeepTheirCells)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ITervanAPIObjectPtr seg(drawing_test::Segment(s, 0, 0, 5, 0, 1));
    const tvapi::ITervanAPIObjectPtr other(drawing_test::Segment(s, 0, 1, 5, 1, 1));
    const std::uint64_t key = Application()->GetAttrTypeMng(L"")->AddAttributeType()->GetKey();
    const std::uint64_t key2 = Application()->GetAttrTypeMng(L"")->AddAttributeType()->GetKey();

    EXPECT_FALSE(s.Doc->AddAttribute(99, L"", {seg}));
    EXPECT_TRUE(s.Doc->GetAttributes(0, 0, 0, 0, key, {seg}).empty());
    const tvapi::IAttributePtr a = s.Doc->AddAttribute(key, L"", {seg});
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->SetValue(L"", 0, 0, Text(L"3")));
    EXPECT_FALSE(a->SetValue(L"", -1, 0, Text(L"x")));
    s.Doc->AddAttribute(key, L"", {other});
    s.Doc->AddAttribute(key2, L"", {seg});

    const tvapi::AttributeList found = s.Doc->GetAttributes(0, 0, 0, 0, key, {seg});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0] == a);
    EXPECT_EQ(found[0]->GetValue(0, 0).GetProperty().GetString(), L"3");
    EXPECT_TRUE(found[0]->GetObjects()[0] == seg);
    EXPECT_EQ(found[0]->GetAttributeType()->GetKey(), key);
    EXPECT_EQ(s.Doc->GetAttributes(0, 0, 0, 0, key, {}).size(), 2u);
    EXPECT_EQ(s.Doc->GetAttributes(0, 0, 0, 0, 0, {seg}).size(), 2u);

    // Writing again through the attribute found keeps one attribute of the type.
    found[0]->SetValue(L"", 0, 0, Text(L"4"));
    EXPECT_EQ(s.Doc->GetAttributes(0, 0, 0, 0, key, {seg}).size(), 1u);
    EXPECT_EQ(a->GetValue(0, 0).GetProperty().GetString(), L"4");
    EXPECT_FALSE(a->GetValue(1, 0).GetProperty().IsString());
    EXPECT_EQ(a->GetValue(0, 0).GetValueType(), tvapi::AttributeValue::Value);
    EXPECT_EQ(a->GetValue(0, 0).GetProperty().GetValueType(), tvapi::PropertyValue::prop_string);
    EXPECT_EQ(a->GetValue(1, 0).GetValueType(), tvapi::AttributeValue::Empty);
    EXPECT_EQ(a->GetValue(1, 0).GetProperty().GetValueType(), tvapi::PropertyValue::prop_empty);
    EXPECT_EQ(tvapi::PropertyValue(2.0).GetValueType(), tvapi::PropertyValue::prop_double);

    // A closed document lets go of the objects its attributes held.
    EXPECT_TRUE(s.Doc->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_TRUE(a->GetObjects().empty());
}

// Removed from its last object an attribute is gone: not listed, not kept in the file.
TEST_F(AttributesTest, AttributeRemovedFromItsObjectsIsGone)
{
    const drawing_test::TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ITervanAPIObjectPtr seg(drawing_test::Segment(s, 0, 0, 5, 0, 1));
    const tvapi::ITervanAPIObjectPtr other(drawing_test::Segment(s, 0, 1, 5, 1, 1));
    const std::uint64_t key = Application()->GetAttrTypeMng(L"")->AddAttributeType()->GetKey();
    const tvapi::IAttributePtr a = s.Doc->AddAttribute(key, L"", {seg, other});
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->RemoveFromObjects(L"", {}));
    EXPECT_TRUE(a->RemoveFromObjects(L"", {seg}));
    EXPECT_EQ(a->GetObjects(), tvapi::TervanAPIObjectList{other});
    EXPECT_EQ(s.Doc->GetAttributes(0, 0, 0, 0, key, {}).size(), 1u);
    EXPECT_TRUE(a->RemoveFromObjects(L"", a->GetObjects()));
    EXPECT_TRUE(s.Doc->GetAttributes(0, 0, 0, 0, key, {}).empty());
    EXPECT_FALSE(a->GetAttributeType());
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostAttribute>(a)->IsRemoved());
    s.Doc->AddAttribute(key, L"", {seg});
    const nlohmann::json file = tvhost::DocumentJson(*dynamic_cast<tvhost::TDocumentCore*>(s.Doc.Get()));
    EXPECT_EQ(file.at("attributes").at("attributes").size(), 1u);
}

} // namespace
