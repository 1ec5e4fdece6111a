// ==== drApi::TModelerApi (drModelerAPI.h), part: object attributes and what a drawing object is =
// The facade's text attributes on host objects (one "Reference Object" type per document,
// found again by its key), what a drawing object is (kind, view number, a dimension's
// nominal, tolerance and deviations), and small services around the current objects.

#include "drModelerAPI.h"

#include "DeviationText.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "tvapi/Application.h"
#include "tvapi/Attributes.h"
#include "tvapi/Dimensions.h"

namespace drApi {

namespace {

// Name of the attribute type the library keeps its texts in.
constexpr const wchar_t* ReferenceTypeName = L"Reference Object";
// Every attribute value lives in cell (0, 0).
constexpr int ValueRow = 0;
constexpr int ValueColumn = 0;

Integer Counter = 0;

// A key read from a stored set may be anything: what is no whole number of the key range is 0,
// the key of no type (and no cast out of range).
std::uint64_t KeyOf(Real key)
{
    constexpr Real past = 18446744073709551616.0; // 2^64
    if (!(key >= 1.0 && key < past) || key != std::floor(key)) return 0;
    return static_cast<std::uint64_t>(key);
}

tvapi::AttributeValue TextValue(const TString& text)
{
    const std::wstring w = Wide(text);
    return tvapi::AttributeValue(tvapi::PropertyValue(w.c_str()));
}

// Whether the attribute's object list starts with Obj.
bool StartsWith(tvapi::IAttribute& attribute, const tvapi::ITervanAPIObjectPtr& Obj)
{
    const tvapi::TervanAPIObjectList objects = attribute.GetObjects();
    return !objects.empty() && objects.front() == Obj;
}

bool IsTextType(const tvapi::IAttributeTypePtr& type)
{
    return type && type->GetValueType() == tvapi::tvATString;
}

// A text (nominal or deviation) of a dimension; empty when the host gives none.
TString TextOf(const tvapi::ITextPtr& text)
{
    return text ? TString(text->GetStr()) : TString();
}

} // namespace

// Past the largest value the counter wraps round instead of overflowing.
Integer NextInteger()
{
    const Integer value = Counter;
    Counter = static_cast<Integer>(static_cast<std::uint32_t>(Counter) + 1u);
    return value;
}

// A key is reused only while it names a text type: a type of another value kind would
// never be updated by drSetObjectAttr, and each call would add one more attribute.
Boolean TModelerApi::drIsAttrStr(Real Id)
{
    if (Application() == nullptr || !R3->IDoc) return false;
    const tvapi::IAttrTypeMngPtr manager = Application()->GetAttrTypeMng(L"");
    const std::uint64_t key = KeyOf(Id);
    return manager && key != 0 && IsTextType(manager->GetAttributeType(key));
}

Real TModelerApi::drCreateAttrStr(Real Id)
{
    if (Application() == nullptr) return 0.0;
    const tvapi::IAttrTypeMngPtr manager = Application()->GetAttrTypeMng(L"");
    if (!manager || !R3->IDoc) return 0.0;
    if (Id != 0.0) {
        const tvapi::IAttributeTypePtr type = manager->GetAttributeType(KeyOf(Id));
        if (IsTextType(type)) {
            const std::uint64_t key = type->GetKey();
            if (key != 0) return static_cast<Real>(key);
        }
    }
    const tvapi::IAttributeTypePtr type = manager->AddAttributeType();
    if (!type) return 0.0;
    type->SetValueType(tvapi::tvATString);
    type->SetName(ReferenceTypeName);
    type->SetComment(L"");
    return static_cast<Real>(type->GetKey());
}

Boolean TModelerApi::drSetObjectAttr(tvapi::ITervanAPIObjectPtr Obj, Real const& TypeAttrNumb,
                                     Str const& StrAttr)
{
    if (!R3->IDoc || !Obj) return false;
    const tvapi::TervanAPIObjectList list{Obj};
    const tvapi::AttributeValue value = TextValue(StrAttr);
    Boolean updated = false;
    for (const tvapi::IAttributePtr& attribute :
         R3->IDoc->GetAttributes(0, 0, 0, 0, KeyOf(TypeAttrNumb), list)) {
        if (!attribute || !IsTextType(attribute->GetAttributeType()) || !StartsWith(*attribute, Obj))
            continue;
        attribute->SetValue(L"", ValueRow, ValueColumn, value);
        updated = true;
    }
    if (updated) return true;
    if (const tvapi::IAttributePtr added = R3->IDoc->AddAttribute(KeyOf(TypeAttrNumb), L"", list))
        added->SetValue(L"", ValueRow, ValueColumn, value);
    return false;
}

Boolean TModelerApi::drGetObjectAttr(tvapi::ITervanAPIObjectPtr Obj, Real const& TypeAttrNumb, Str& Result)
{
    if (!R3->IDoc || !Obj) return false;
    Boolean found = false;
    for (const tvapi::IAttributePtr& attribute :
         R3->IDoc->GetAttributes(0, 0, 0, 0, KeyOf(TypeAttrNumb), tvapi::TervanAPIObjectList{Obj})) {
        if (!attribute || !StartsWith(*attribute, Obj)) continue;
        Result = attribute->GetValue(ValueRow, ValueColumn).GetProperty().GetString();
        found = true;
    }
    return found;
}

tvapi::DrawingObjectTypeEnum TModelerApi::GetType(tvapi::IDrawingObjectPtr Obj)
{
    return Obj ? Obj->GetDrawingObjectType() : tvapi::tvAllObj;
}

Integer TModelerApi::GetNumberView(tvapi::IDrawingObjectPtr Obj)
{
    if (!Obj) return 0;
    const tvapi::ITervanAPIObjectPtr parent = Obj->GetParent();
    if (!parent) return 0;
    const tvapi::IViewPtr view(parent);
    return view ? view->GetNumber() : 0;
}

Boolean TModelerApi::GetDimParam(tvapi::IDrawingObjectPtr Dim, Real& Nominal, Str& Qual, Real& QHi, Real& QLo,
                                 Boolean IsAngle)
{
    const tvapi::IDimensionTextPtr text(Dim);
    if (!text) return false;
    Nominal = text->GetAutoNominalValue() ? text->GetNominalValue() : TextOf(text->GetNominalText()).toReal();
    Qual = text->GetTolerance();
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    QHi = DeviationValue(upper ? upper->GetStr() : std::wstring(), IsAngle);
    QLo = DeviationValue(lower ? lower->GetStr() : std::wstring(), IsAngle);
    return true;
}

void TModelerApi::drDeleteObj(tvapi::IDrawingObjectPtr& Obj)
{
    if (!Obj) return;
    Obj->Delete();
    Obj.Reset();
}

tvapi::IDrawingObjectPtr TModelerApi::LastObjRef()
{
    return R2->CurDrawingObject;
}

tvapi::IDrawingObjectPtr& TModelerApi::PrevObjRef()
{
    return R2->PrevDrawingObject;
}

} // namespace drApi
