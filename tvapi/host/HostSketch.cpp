// A sketch of a stand-in part and its 2D document.
#include "HostSketch.h"

#include "HostArgs.h"
#include "HostDocuments.h"

namespace tvhost {

THostSketch::THostSketch(std::wstring name)
    : THostModelObjectOf(tvapi::o3d_sketch), FDocument(New<THostDocument2D>(tvapi::tvDocumentFragment, false))
{
    FName = std::move(name);
}

THostSketch::~THostSketch() = default;

tvapi::IModelObjectPtr THostSketch::GetPlane()
{
    if (!Enter("ISketch::GetPlane")) return {};
    return {};
}

tvapi::Ptr<tvapi::ITervanDocument2D> THostSketch::BeginEdit(bool show)
{
    if (!Enter("ISketch::BeginEdit", {BoolArg(show)})) return {};
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
