// ==== drApi::TModelerApi (drModelerAPI.h), part: part access (with TPartAccess) =================
// Part access of the facade: the active document, its part, tessellation manager and the
// application's progress bar are taken for a command and given back when it ends.

#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Application.h"

#include <utility>

namespace drApi {

namespace {

// The part Type_Part names in a 3D document of type t, or empty when it names none there;
// `chosen` tells whether Part is to be replaced by the result.
tvapi::IPartPtr ChoosePart(tvapi::ITervanDocument3D& doc, tvapi::DocumentTypeEnum t, Part_Type Type_Part,
                           tvapi::DocumentTypeEnum Type_Doc, bool& chosen)
{
    chosen = true;
    if (Type_Part == pEdit_Part) return tvapi::IPartPtr(doc.GetEditingObject());
    if (t == Type_Doc) return doc.GetTopPart();
    if (Type_Part == pTop_Part && Type_Doc == tvapi::tvDocumentPart && t == tvapi::tvDocumentAssembly)
        return doc.GetTopPart();
    chosen = false;
    return {};
}

} // namespace

Boolean TModelerApi::IsActive(tvapi::DocumentTypeEnum DocumentType, tvapi::DocumentTypeEnum orDocumentType)
{
    tvapi::IApplication* app = Application();
    if (!app) return false;
    const tvapi::ITervanDocumentPtr doc = app->GetActiveDocument();
    if (!doc) return false;
    const tvapi::DocumentTypeEnum t = doc->GetDocumentType();
    return t == DocumentType || (orDocumentType != tvapi::tvDocumentUnknown && t == orDocumentType);
}

tvapi::IPartPtr TModelerApi::drGetPart(Part_Type Type_Part, tvapi::DocumentTypeEnum Type_Doc)
{
    tvapi::IApplication* app = Application();
    if (!app) return {};
    TRegistryApi& r = *R3;
    r.IDoc = app->GetActiveDocument();
    r.IDoc3D = r.IDoc;
    r.ITessellationMng = r.IDoc;
    r.ProgressBar = app->GetProgressBar();
    if (!r.IDoc || !r.IDoc3D) return {};
    const tvapi::DocumentTypeEnum t = r.IDoc->GetDocumentType();
    r.IDoc3D->IsInPlaceEditing(); // lets the host settle its editing state; the answer is not needed
    bool chosen = false;
    tvapi::IPartPtr part = ChoosePart(*r.IDoc3D, t, Type_Part, Type_Doc, chosen);
    tvapi::IPartPtr result;
    if (chosen) {
        r.Part = std::move(part);
        result = r.Part;
    }
    Selector->Begin();
    return result;
}

TPartReferences TModelerApi::drEndGetPart(bool Detach)
{
    TRegistryApi& r = *R3;
    if (Detach)
        return {std::move(r.Part), std::move(r.ProgressBar), std::move(r.IDoc),
                std::move(r.ITessellationMng)};
    if (!r.IDoc) return {};
    Selector->Selection7.Reset();
    Selector->Choose7.Reset();
    r.IDoc.Reset();
    r.ITessellationMng.Reset();
    r.Part.Reset();
    r.ProgressBar.Reset();
    return {};
}

TPartAccess::~TPartAccess()
{
    try {
        MA.drEndGetPart(false);
    } catch (...) {
        // Unwinding or not, a failing host release must not escape a destructor.
    }
}

} // namespace drApi
