// Editing a stand-in part in place: the part keeps being edited where it is; the stand-in
// opens no document for it.
#include "HostPart.h"

#include "HostArgs.h"
#include "tvapi/Documents.h"

namespace tvhost {

namespace {

// Journaled as "IOpenDocumentParam::<operation>"; shown unless told otherwise.
class THostOpenDocumentParam final : public THostObjectOf<tvapi::IOpenDocumentParam> {
public:
    bool GetVisible() override { return Enter("IOpenDocumentParam::GetVisible") && FVisible; }
    void SetVisible(bool visible) override
    {
        if (Enter("IOpenDocumentParam::SetVisible", {BoolArg(visible)})) FVisible = visible;
    }

private:
    bool FVisible = true;
};

} // namespace

tvapi::IOpenDocumentParamPtr THostPart::GetOpenDocumentParam()
{
    if (!Enter("IPart::GetOpenDocumentParam")) return {};
    return tvapi::IOpenDocumentParamPtr(New<THostOpenDocumentParam>());
}

tvapi::Ptr<tvapi::ITervanDocument3D> THostPart::BeginEditOnPlace(tvapi::IOpenDocumentParamPtr param)
{
    if (!Enter("IPart::BeginEditOnPlace", {ObjectArg(param.Get())})) return {};
    FEditingInPlace = true;
    return {};
}

bool THostPart::EndEditOnPlace(bool keepChanges)
{
    if (!Enter("IPart::EndEditOnPlace", {BoolArg(keepChanges)})) return false;
    const bool was = FEditingInPlace;
    FEditingInPlace = false;
    return was;
}

} // namespace tvhost
