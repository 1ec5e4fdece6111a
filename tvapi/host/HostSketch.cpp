// A sketch of a stand-in part and its 2D document.
#include "HostSketch.h"

#include "HostDocuments.h"

namespace tvhost {

THostSketch::THostSketch(std::wstring name)
    : FName(std::move(name)), FDocument(New<THostDocument2D>(tvapi::tvDocumentFragment, false))
{
}

THostSketch::~THostSketch() = default;

tvapi::tvObj3dTypeEnum THostSketch::GetObjectType()
{
    if (!Enter("IModelObject::GetObjectType")) return tvapi::o3d_unknown;
    return tvapi::o3d_sketch;
}

std::wstring THostSketch::GetName()
{
    if (!Enter("IModelObject::GetName")) return {};
    return FName;
}

tvapi::ITervanDocumentPtr THostSketch::BeginEdit(bool editing)
{
    if (!Enter("ISketch::BeginEdit", {editing ? "true" : "false"})) return {};
    FEditing = true;
    return FDocument;
}

bool THostSketch::EndEdit()
{
    if (!Enter("ISketch::EndEdit")) return false;
    const bool was = FEditing;
    FEditing = false;
    return was;
}

THostDocument2D& THostSketch::Document() const noexcept
{
    return *HostAs<THostDocument2D>(FDocument);
}

} // namespace tvhost
