// Attributes of the stand-in host.
#include "HostAttributes.h"

#include <algorithm>

#include "HostApplication.h"
#include "HostArgs.h"
#include "HostDocuments.h"
#include "HostDrawingObject.h"
#include "HostText.h"

namespace tvhost {

namespace {

std::string ValueArg(const tvapi::AttributeValue& value)
{
    const tvapi::PropertyValue& p = value.GetProperty();
    return p.IsString() ? ToUtf8(p.GetString()) : NumberArg(p.GetDouble());
}

bool Holds(const tvapi::TervanAPIObjectList& list, const tvapi::ITervanAPIObjectPtr& object)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const tvapi::ITervanAPIObjectPtr& o) { return o == object; });
}

} // namespace

std::uint64_t THostAttributeType::GetKey()
{
    if (!Enter("IAttributeType::GetKey")) return 0;
    return FKey;
}

tvapi::tvAttributeTypeEnum THostAttributeType::GetValueType()
{
    if (!Enter("IAttributeType::GetValueType")) return tvapi::tvATUnknown;
    return FValueType;
}

void THostAttributeType::SetValueType(tvapi::tvAttributeTypeEnum kind)
{
    if (!Enter("IAttributeType::SetValueType", {std::to_string(kind)})) return;
    FValueType = kind;
}

std::wstring THostAttributeType::GetName()
{
    if (!Enter("IAttributeType::GetName")) return {};
    return FName;
}

void THostAttributeType::SetName(const wchar_t* name)
{
    if (!Enter("IAttributeType::SetName", {ToUtf8(name)})) return;
    FName = name ? name : L"";
}

std::wstring THostAttributeType::GetComment()
{
    if (!Enter("IAttributeType::GetComment")) return {};
    return FComment;
}

void THostAttributeType::SetComment(const wchar_t* comment)
{
    if (!Enter("IAttributeType::SetComment", {ToUtf8(comment)})) return;
    FComment = comment ? comment : L"";
}

tvapi::IAttributeTypePtr THostAttribute::GetAttributeType()
{
    if (!Enter("IAttribute::GetAttributeType") || FRemoved) return {};
    return tvapi::IAttributeTypePtr(FType);
}

tvapi::TervanAPIObjectList THostAttribute::GetObjects()
{
    if (!Enter("IAttribute::GetObjects")) return {};
    return FObjects;
}

tvapi::AttributeValue THostAttribute::GetValue(int row, int column)
{
    if (!Enter("IAttribute::GetValue", {std::to_string(row), std::to_string(column)})) return {};
    const auto it = FCells.find({row, column});
    return it == FCells.end() ? tvapi::AttributeValue() : tvapi::AttributeValue(it->second.second);
}

bool THostAttribute::SetValue(const wchar_t* name, int row, int column, const tvapi::AttributeValue& value)
{
    if (!Enter("IAttribute::SetValue",
               {ToUtf8(name), std::to_string(row), std::to_string(column), ValueArg(value)}))
        return false;
    if (row < 0 || column < 0) return false;
    FCells[{row, column}] = {name ? name : L"", value.GetProperty()};
    return true;
}

bool THostAttribute::RemoveFromObjects(const wchar_t* libraryName, const tvapi::TervanAPIObjectList& objects)
{
    if (!Enter("IAttribute::RemoveFromObjects", {ToUtf8(libraryName), ListArg(objects)})) return false;
    const auto held = [&](const tvapi::ITervanAPIObjectPtr& o) { return o && Holds(objects, o); };
    const auto kept = std::remove_if(FObjects.begin(), FObjects.end(), held);
    if (kept == FObjects.end()) return false;
    FObjects.erase(kept, FObjects.end());
    FRemoved = FObjects.empty();
    return true;
}

THostAttributeTypePtr TAttributeTable::FindType(std::uint64_t key) const
{
    for (const THostAttributeTypePtr& type : FTypes)
        if (type->Key() == key) return type;
    return {};
}

THostAttributeTypePtr TAttributeTable::AddType(std::uint64_t key)
{
    if (key == 0) key = FNextKey;
    FNextKey = std::max(FNextKey, key + 1);
    FTypes.push_back(New<THostAttributeType>(key));
    return FTypes.back();
}

tvapi::AttributeList TAttributeTable::Find(std::uint64_t typeKey,
                                           const tvapi::TervanAPIObjectList& objects) const
{
    tvapi::AttributeList found;
    for (const THostAttributePtr& attribute : FAttributes) {
        if (attribute->IsRemoved() || (typeKey != 0 && attribute->Type().Key() != typeKey)) continue;
        const bool all =
            std::all_of(objects.begin(), objects.end(), [&](const tvapi::ITervanAPIObjectPtr& o) {
                return !o || Holds(attribute->Objects(), o);
            });
        if (all) found.push_back(tvapi::IAttributePtr(attribute));
    }
    return found;
}

THostAttributePtr TAttributeTable::Add(std::uint64_t typeKey, std::wstring library,
                                       tvapi::TervanAPIObjectList objects)
{
    THostAttributeTypePtr type = FindType(typeKey);
    if (!type) return {};
    FAttributes.push_back(New<THostAttribute>(std::move(type), std::move(library), std::move(objects)));
    return FAttributes.back();
}

void TAttributeTable::DropObjects() noexcept
{
    for (const THostAttributePtr& attribute : FAttributes)
        attribute->Objects().clear();
}

THostAttrTypeMng::THostAttrTypeMng(tvapi::Ptr<THostDocuments> documents) : FDocuments(std::move(documents)) {}

THostAttrTypeMng::~THostAttrTypeMng() = default;

TAttributeTable* THostAttrTypeMng::ActiveTable() const
{
    const tvapi::ITervanDocumentPtr active = FDocuments->Active();
    auto* core = dynamic_cast<TDocumentCore*>(active.Get());
    return core ? &core->Data().Attributes : nullptr;
}

tvapi::IAttributeTypePtr THostAttrTypeMng::GetAttributeType(std::uint64_t key)
{
    if (!Enter("IAttrTypeMng::GetAttributeType", {std::to_string(key)})) return {};
    TAttributeTable* table = ActiveTable();
    return table ? tvapi::IAttributeTypePtr(table->FindType(key)) : tvapi::IAttributeTypePtr();
}

tvapi::IAttributeTypePtr THostAttrTypeMng::AddAttributeType()
{
    if (!Enter("IAttrTypeMng::AddAttributeType")) return {};
    TAttributeTable* table = ActiveTable();
    return table ? tvapi::IAttributeTypePtr(table->AddType()) : tvapi::IAttributeTypePtr();
}

tvapi::IAttrTypeMngPtr THostApplication::GetAttrTypeMng(const wchar_t* libraryName)
{
    if (!Enter("IApplication::GetAttrTypeMng", {ToUtf8(libraryName)})) return {};
    if (!FAttrTypeMng) FAttrTypeMng = New<THostAttrTypeMng>(tvapi::Ptr<THostDocuments>(&Documents()));
    return tvapi::IAttrTypeMngPtr(FAttrTypeMng);
}

} // namespace tvhost
