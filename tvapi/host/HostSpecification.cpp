// Specifications of the stand-in host.
#include "HostSpecification.h"

#include <algorithm>
#include <utility>

#include "HostArgs.h"
#include "HostDocumentFile.h"
#include "HostText.h"

namespace tvhost {

namespace {

using nlohmann::json;

class THostSpecColumn final : public THostObjectOf<tvapi::ISpecificationColumn> {
public:
    THostSpecColumn(THostSpecObject& row, std::string name)
        : FRow(row), FKeep(row.DrawingObject()), FName(std::move(name))
    {
    }
    tvapi::ITextPtr GetText() override
    {
        if (!Enter("ISpecificationColumn::GetText")) return {};
        return MakeText(FRow.DrawingObject(), FRow, FName);
    }

private:
    THostSpecObject& FRow;
    tvapi::IAPIObjectPtr FKeep;
    std::string FName;
};

class THostSpecColumns final : public THostObjectOf<tvapi::ISpecificationColumns> {
public:
    explicit THostSpecColumns(THostSpecObject& row) : FRow(row), FKeep(row.DrawingObject()) {}
    tvapi::ISpecificationColumnPtr GetColumn(tvapi::tvSpecificationColumnTypeEnum type, int block,
                                             int index) override
    {
        if (!Enter("ISpecificationColumns::GetColumn",
                   {std::to_string(type), std::to_string(block), std::to_string(index)}))
            return {};
        if (type <= tvapi::tvSColumnUnknown || type > tvapi::tvSColumnCodeOKP) return {};
        return tvapi::ISpecificationColumnPtr(
            New<THostSpecColumn>(FRow, THostSpecObject::ColumnName(type, block, index)));
    }

private:
    THostSpecObject& FRow;
    tvapi::IAPIObjectPtr FKeep;
};

class THostAttachedDocument final : public THostObjectOf<tvapi::IAttachedDocument> {
public:
    explicit THostAttachedDocument(std::wstring name) : FName(std::move(name)) {}
    std::wstring GetFileName() override { return Enter("IAttachedDocument::GetFileName") ? FName : L""; }

private:
    std::wstring FName;
};

class THostAttachedDocuments final : public THostObjectOf<tvapi::IAttachedDocuments> {
public:
    explicit THostAttachedDocuments(THostSpecObject& row) : FRow(row), FKeep(row.DrawingObject()) {}
    tvapi::IAttachedDocumentPtr Add(const wchar_t* fileName, int kind) override
    {
        const std::wstring name = fileName ? fileName : L"";
        if (!Enter("IAttachedDocuments::Add", {ToUtf8(name), std::to_string(kind)})) return {};
        if (name.empty()) return {};
        FRow.Attached().push_back(name);
        return tvapi::IAttachedDocumentPtr(New<THostAttachedDocument>(name));
    }
    int GetCount() override
    {
        return Enter("IAttachedDocuments::GetCount") ? static_cast<int>(FRow.Attached().size()) : 0;
    }

private:
    THostSpecObject& FRow;
    tvapi::IAPIObjectPtr FKeep;
};

class THostSpecBaseObjects final : public THostObjectOf<tvapi::ISpecificationBaseObjects> {
public:
    explicit THostSpecBaseObjects(THostSpecDescription& description)
        : FDescription(description), FKeep(&description)
    {
    }
    tvapi::ISpecificationBaseObjectPtr Add(int section, std::uint64_t attributeType) override
    {
        if (!Enter("ISpecificationBaseObjects::Add",
                   {std::to_string(section), std::to_string(attributeType)}))
            return {};
        FDescription.Objects().push_back(New<THostSpecObject>(section, attributeType));
        return tvapi::ISpecificationBaseObjectPtr(FDescription.Objects().back().Get());
    }
    int GetCount() override
    {
        if (!Enter("ISpecificationBaseObjects::GetCount")) return 0;
        return static_cast<int>(FDescription.Objects().size());
    }

private:
    THostSpecDescription& FDescription;
    tvapi::ISpecificationDescriptionPtr FKeep;
};

class THostSpecDescriptions final : public THostObjectOf<tvapi::ISpecificationDescriptions> {
public:
    THostSpecDescriptions(TSpecification& spec, tvapi::IAPIObjectPtr keep)
        : FSpec(spec), FKeep(std::move(keep))
    {
    }
    tvapi::ISpecificationDescriptionPtr Find(const wchar_t* library, int number) override
    {
        const std::wstring lib = library ? library : L"";
        if (!Enter("ISpecificationDescriptions::Find", {ToUtf8(lib), std::to_string(number)})) return {};
        return tvapi::ISpecificationDescriptionPtr(FSpec.Find(lib, number));
    }
    tvapi::ISpecificationDescriptionPtr Add(const wchar_t* library, int number, const wchar_t* name) override
    {
        const std::wstring lib = library ? library : L"", n = name ? name : L"";
        if (!Enter("ISpecificationDescriptions::Add", {ToUtf8(lib), std::to_string(number), ToUtf8(n)}))
            return {};
        if (FSpec.Find(lib, number)) return {};
        FSpec.Descriptions.push_back(New<THostSpecDescription>(lib, number, n));
        return tvapi::ISpecificationDescriptionPtr(FSpec.Descriptions.back().Get());
    }
    int GetCount() override
    {
        if (!Enter("ISpecificationDescriptions::GetCount")) return 0;
        return static_cast<int>(FSpec.Descriptions.size());
    }

private:
    TSpecification& FSpec;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

std::string THostSpecObject::ColumnName(int type, int block, int index)
{
    return std::to_string(type) + "." + std::to_string(block) + "." + std::to_string(index);
}

std::wstring THostSpecObject::Column(int type, int block, int index) const
{
    const auto it = Texts().find(ColumnName(type, block, index));
    return it == Texts().end() ? std::wstring() : it->second.Str();
}

tvapi::ISpecificationColumnsPtr THostSpecObject::GetColumns()
{
    if (!Enter("ISpecificationBaseObject::GetColumns")) return {};
    return tvapi::ISpecificationColumnsPtr(New<THostSpecColumns>(*this));
}

tvapi::IAttachedDocumentsPtr THostSpecObject::GetAttachedDocuments()
{
    if (!Enter("ISpecificationBaseObject::GetAttachedDocuments")) return {};
    return tvapi::IAttachedDocumentsPtr(New<THostAttachedDocuments>(*this));
}

bool THostSpecObject::SetGeometry(const tvapi::TervanAPIObjectList& objects, bool append)
{
    if (!Enter("ISpecificationBaseObject::SetGeometry", {ListArg(objects), BoolArg(append)})) return false;
    if (!append) FGeometry.clear();
    for (const tvapi::ITervanAPIObjectPtr& o : objects)
        if (o) FGeometry.push_back(o);
    FGeometryCount = FGeometry.size();
    return true;
}

std::wstring THostSpecDescription::GetName()
{
    return Enter("ISpecificationDescription::GetName") ? FName : L"";
}

tvapi::ISpecificationBaseObjectsPtr THostSpecDescription::GetBaseObjects()
{
    if (!Enter("ISpecificationDescription::GetBaseObjects")) return {};
    return tvapi::ISpecificationBaseObjectsPtr(New<THostSpecBaseObjects>(*this));
}

THostSpecDescription* TSpecification::Find(std::wstring_view library, int number) const
{
    const auto it =
        std::find_if(Descriptions.begin(), Descriptions.end(), [&](const THostSpecDescriptionPtr& d) {
            return d->Library() == library && d->Number() == number;
        });
    return it == Descriptions.end() ? nullptr : it->Get();
}

void TSpecification::DropObjects() noexcept
{
    for (const THostSpecDescriptionPtr& d : Descriptions)
        for (const THostSpecObjectPtr& o : d->Objects())
            o->DropGeometry();
}

void TSpecification::Json(json& root) const
{
    if (!Comment.empty()) root["comment"] = ToUtf8(Comment);
    if (Descriptions.empty()) return;
    json descriptions = json::array();
    for (const THostSpecDescriptionPtr& d : Descriptions) {
        json rows = json::array();
        for (const THostSpecObjectPtr& o : d->Objects()) {
            json columns = json::object();
            for (const auto& [name, text] : o->Texts())
                columns[name] = TextJson(text);
            json attached = json::array();
            for (const std::wstring& a : o->Attached())
                attached.push_back(ToUtf8(a));
            rows.push_back({{"section", o->Section()},
                            {"attributeType", o->AttributeType()},
                            {"columns", std::move(columns)},
                            {"attached", std::move(attached)},
                            {"geometry", o->GeometryCount()}});
        }
        descriptions.push_back({{"library", ToUtf8(d->Library())},
                                {"number", d->Number()},
                                {"name", ToUtf8(d->Name())},
                                {"rows", std::move(rows)}});
    }
    root["specification"] = std::move(descriptions);
}

void TSpecification::Load(const json& root)
{
    if (root.contains("comment")) Comment = FromUtf8(root["comment"].get<std::string>());
    if (!root.contains("specification")) return;
    for (const json& d : root["specification"]) {
        THostSpecDescriptionPtr description =
            New<THostSpecDescription>(FromUtf8(d.at("library").get<std::string>()), d.at("number").get<int>(),
                                      FromUtf8(d.at("name").get<std::string>()));
        for (const json& r : d.at("rows")) {
            THostSpecObjectPtr row =
                New<THostSpecObject>(r.at("section").get<int>(), r.at("attributeType").get<std::uint64_t>());
            for (const auto& [name, text] : r.at("columns").items())
                row->Text(name) = TextOf(text);
            for (const json& a : r.at("attached"))
                row->Attached().push_back(FromUtf8(a.get<std::string>()));
            row->GeometryCount() = r.at("geometry").get<std::size_t>();
            description->Objects().push_back(std::move(row));
        }
        Descriptions.push_back(std::move(description));
    }
}

tvapi::ISpecificationDescriptionsPtr MakeSpecDescriptions(TSpecification& spec, tvapi::IAPIObjectPtr keep)
{
    return tvapi::ISpecificationDescriptionsPtr(New<THostSpecDescriptions>(spec, std::move(keep)));
}

} // namespace tvhost
