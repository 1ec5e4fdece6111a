#pragma once
// Specifications of the stand-in host: the descriptions (styles) a document uses, each with
// its rows. A row keeps its section, attribute type, column texts (texts named
// "<type>.<block>.<index>"), attached document files and geometry; rows are saved with the
// document, the geometry as a count.

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "HostDrawingObject.h"
#include "HostObject.h"
#include "tvapi/Specification.h"

namespace tvhost {

class THostSpecObject final
    : public THostDrawingObjectOf<tvapi::IDrawingObject, tvapi::ISpecificationBaseObject> {
public:
    THostSpecObject(int section, std::uint64_t attributeType) noexcept
        : THostDrawingObjectOf(tvapi::tvAllObj), FSection(section), FAttributeType(attributeType)
    {
    }

    // Journaled as "ISpecificationBaseObject::<operation>".
    tvapi::ISpecificationColumnsPtr GetColumns() override;
    tvapi::IAttachedDocumentsPtr GetAttachedDocuments() override;
    bool SetGeometry(const tvapi::TervanAPIObjectList& objects, bool append) override;

    // Test side, not journaled.
    int Section() const noexcept { return FSection; }
    std::uint64_t AttributeType() const noexcept { return FAttributeType; }
    std::wstring Column(int type, int block = 1, int index = 0) const;
    std::vector<std::wstring>& Attached() noexcept { return FAttached; }
    const tvapi::TervanAPIObjectList& Geometry() const noexcept { return FGeometry; }
    std::size_t& GeometryCount() noexcept { return FGeometryCount; }
    void DropGeometry() noexcept { FGeometry.clear(); }
    static std::string ColumnName(int type, int block, int index);

private:
    int FSection;
    std::uint64_t FAttributeType;
    std::vector<std::wstring> FAttached;
    tvapi::TervanAPIObjectList FGeometry;
    std::size_t FGeometryCount = 0; // of a row read from a file, whose objects are not kept
};

using THostSpecObjectPtr = tvapi::Ptr<THostSpecObject>;

class THostSpecDescription final : public THostObjectOf<tvapi::ISpecificationDescription> {
public:
    THostSpecDescription(std::wstring library, int number, std::wstring name)
        : FLibrary(std::move(library)), FNumber(number), FName(std::move(name))
    {
    }

    // Journaled as "ISpecificationDescription::<operation>".
    std::wstring GetName() override;
    tvapi::ISpecificationBaseObjectsPtr GetBaseObjects() override;

    const std::wstring& Library() const noexcept { return FLibrary; }
    int Number() const noexcept { return FNumber; }
    const std::wstring& Name() const noexcept { return FName; }
    std::vector<THostSpecObjectPtr>& Objects() noexcept { return FObjects; }

private:
    std::wstring FLibrary;
    int FNumber;
    std::wstring FName;
    std::vector<THostSpecObjectPtr> FObjects;
};

using THostSpecDescriptionPtr = tvapi::Ptr<THostSpecDescription>;

// What a document keeps of specifications: its comment and its descriptions.
struct TSpecification {
    std::wstring Comment;
    std::vector<THostSpecDescriptionPtr> Descriptions;

    THostSpecDescription* Find(std::wstring_view library, int number) const;
    // Drops the rows' geometry: it may hold the document itself.
    void DropObjects() noexcept;
    // Adds "comment" and "specification" to a document's root when they hold anything.
    void Json(nlohmann::json& root) const;
    void Load(const nlohmann::json& root);
};

// The collection of a document's descriptions, keeping the document alive through `keep`.
tvapi::ISpecificationDescriptionsPtr MakeSpecDescriptions(TSpecification& spec, tvapi::IAPIObjectPtr keep);

} // namespace tvhost
