#pragma once
// drApi::TSelectorAPI: the object selector. It holds the active document's selection and
// choose managers, through which the library selects and highlights host objects for the
// user, from Begin() until End(false) or the end of part access.

#include <utility>

#include "tvapi/ModelObjects.h"
#include "tvapi/Selection.h"

namespace drApi {

class TSelectorAPI {
public:
    tvapi::ISelectionManagerPtr Selection7; // of the active document; empty when none
    tvapi::IChooseManagerPtr Choose7;       // of the active document; empty when none

    // The one selector, alive until the library is unloaded.
    static TSelectorAPI& Instance();

    TSelectorAPI() = default;
    virtual ~TSelectorAPI() = default;
    TSelectorAPI(const TSelectorAPI&) = delete;
    TSelectorAPI& operator=(const TSelectorAPI&) = delete;

    // Refreshes drApi::MA's IDoc, IDoc3D and IDoc2D from the host's active document and takes
    // that document's managers (the 3D form's before the 2D form's). The old managers are
    // released first; without a host or a document both stay empty.
    void Begin();
    // Detach false: releases both managers while drApi::MA holds a document. Detach true
    // never releases anything.
    void End(bool Detach);

    // Objects in the host selection; 0 without a selection manager.
    int GetCount();
    // Selected object I as a model object; empty when I is out of range, the object is no
    // model object, or there is no selection manager.
    tvapi::IModelObjectPtr Get7(int I);
    // The kind of selected object I taken as a model object; 0 when Get7(I) is empty.
    int GetObjectType(int I);

    // Each does nothing when its manager or Obj is empty; otherwise hands the manager a list
    // holding Obj alone. The 2D forms behave the same.
    void Select(tvapi::ITervanAPIObjectPtr Obj);
    void Select2D(tvapi::ITervanAPIObjectPtr Obj) { Select(std::move(Obj)); }
    // Hands the whole list V to the selection manager; nothing without a manager.
    void SelectList(const tvapi::TervanAPIObjectList& V);
    void UnSelect(tvapi::ITervanAPIObjectPtr Obj);
    void UnSelect2D(tvapi::ITervanAPIObjectPtr Obj) { UnSelect(std::move(Obj)); }
    void Choose(tvapi::ITervanAPIObjectPtr Obj);
    void Choose2D(tvapi::ITervanAPIObjectPtr Obj) { Choose(std::move(Obj)); }
    void UnChoose(tvapi::ITervanAPIObjectPtr Obj);
    void UnChoose2D(tvapi::ITervanAPIObjectPtr Obj) { UnChoose(std::move(Obj)); }
};

// The selector, set when the library is loaded and never null: it points at Instance().
extern TSelectorAPI* Selector;

} // namespace drApi
