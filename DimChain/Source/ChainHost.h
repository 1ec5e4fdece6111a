#pragma once
// TChainHost: what a chain needs of the host application - the type of a drawing object and
// the selection the user sees. The panels pass the facade's host in; tests pass a recorder.

#include "tvapi/Drawing2D.h"

class TChainHost {
public:
    virtual ~TChainHost() = default;
    // tvAllObj for an empty pointer.
    virtual tvapi::DrawingObjectTypeEnum GetType(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void Select(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void UnSelect(const tvapi::IDrawingObjectPtr& Object) = 0;
    virtual void ClearSelection() = 0;
};

// The host through the facade and its selector (which may be missing: then nothing is selected).
TChainHost& FacadeChainHost();
