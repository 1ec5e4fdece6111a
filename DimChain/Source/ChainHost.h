#pragma once
// TChainHost: what a chain and its panels need of the host application - the type of a drawing
// object, the selection the user sees and the highlight of what the cursor would pick. The
// panels pass the facade's host in; tests pass a recorder.

#include "tvapi/DrawingObject.h"

class TChainHost {
public:
    virtual ~TChainHost() = default;
    // tvAllObj for an empty pointer.
    virtual tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void Select(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void UnSelect(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void ClearSelection() = 0;
    // The highlight of an object under the cursor, apart from the selection.
    virtual void Choose(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void UnChoose(const tvapi::IDrawingObjectPtr& Object) = 0;
};

// The host through the facade and its selector, which exists while the library is loaded.
TChainHost& FacadeChainHost();
