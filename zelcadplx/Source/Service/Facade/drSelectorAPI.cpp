// The object selector: the active document's managers and single-object selection.

#include "drSelectorAPI.h"

#include "LoadOrder.h"

#include "drModelerAPI.h"
#include "tvapi/Application.h"

namespace drApi {

namespace {
[[gnu::init_priority(loadorder::Selector)]] TSelectorAPI TheSelector;
} // namespace

TSelectorAPI& TSelectorAPI::Instance()
{
    return TheSelector;
}

TSelectorAPI* Selector = &TheSelector;

void TSelectorAPI::Begin()
{
    Selection7.Reset();
    Choose7.Reset();
    TRegistryApi& r = *MA.R3;
    tvapi::IApplication* app = MA.Application();
    if (!app) return;
    r.IDoc = app->GetActiveDocument();
    r.IDoc3D = r.IDoc;
    r.IDoc2D = r.IDoc;
    if (r.IDoc3D) {
        Selection7 = r.IDoc3D->GetSelectionManager();
        Choose7 = r.IDoc3D->GetChooseManager();
    } else if (r.IDoc2D) {
        Selection7 = r.IDoc2D->GetSelectionManager();
        Choose7 = r.IDoc2D->GetChooseManager();
    }
}

void TSelectorAPI::End(bool Detach)
{
    if (Detach || !MA.R3->IDoc) return;
    Selection7.Reset();
    Choose7.Reset();
}

int TSelectorAPI::GetCount()
{
    return Selection7 ? Selection7->GetCount() : 0;
}

tvapi::IModelObjectPtr TSelectorAPI::Get7(int I)
{
    if (!Selection7 || I < 0) return {};
    const tvapi::TervanAPIObjectList selected = Selection7->GetSelectedObjects();
    if (static_cast<std::size_t>(I) >= selected.size()) return {};
    return tvapi::IModelObjectPtr(selected[static_cast<std::size_t>(I)]);
}

int TSelectorAPI::GetObjectType(int I)
{
    const tvapi::IModelObjectPtr object = Get7(I);
    return object ? object->GetObjectType() : 0;
}

void TSelectorAPI::Select(tvapi::ITervanAPIObjectPtr Obj)
{
    if (Selection7 && Obj) Selection7->Select({Obj});
}

void TSelectorAPI::SelectList(const tvapi::TervanAPIObjectList& V)
{
    if (Selection7) Selection7->Select(V);
}

void TSelectorAPI::UnSelect(tvapi::ITervanAPIObjectPtr Obj)
{
    if (Selection7 && Obj) Selection7->UnSelect({Obj});
}

void TSelectorAPI::Choose(tvapi::ITervanAPIObjectPtr Obj)
{
    if (Choose7 && Obj) Choose7->Choose({Obj});
}

void TSelectorAPI::UnChoose(tvapi::ITervanAPIObjectPtr Obj)
{
    if (Choose7 && Obj) Choose7->UnChoose({Obj});
}

} // namespace drApi
