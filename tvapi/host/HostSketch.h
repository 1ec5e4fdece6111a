#pragma once
// A sketch of a stand-in part: a named model object with its own 2D document, which editing
// hands out. Sketches are made by tests and live with their part; they are not saved yet.

#include <string>

#include "HostModelObject.h"
#include "tvapi/ModelObjects.h"

namespace tvhost {

class THostDocument2D;

// Journaled as "IModelObject::<operation>" and "ISketch::<operation>".
class THostSketch final : public THostModelObjectOf<tvapi::ISketch> {
public:
    explicit THostSketch(std::wstring name);
    ~THostSketch() override;

    // A test sketch lies on no plane: empty.
    tvapi::IModelObjectPtr GetPlane() override;
    tvapi::Ptr<tvapi::ITervanDocument2D> BeginEdit(bool show) override;
    bool EndEdit() override;

    // Test side, not journaled.
    bool Editing() const noexcept { return FEditing; }
    // The sketch's 2D document (a fragment), to draw into.
    THostDocument2D& Document() const noexcept;

private:
    tvapi::Ptr<tvapi::ITervanDocument2D> FDocument;
    bool FEditing = false;
};

using THostSketchPtr = tvapi::Ptr<THostSketch>;

} // namespace tvhost
