#pragma once
// A sketch of a stand-in part: a named model object with its own 2D document, which editing
// hands out. Sketches are made by tests and live with their part; they are not saved yet.

#include <string>

#include "HostObject.h"
#include "tvapi/ModelObjects.h"

namespace tvhost {

class THostDocument2D;

class THostSketch final : public THostObjectOf<tvapi::ISketch> {
public:
    explicit THostSketch(std::wstring name);
    ~THostSketch() override;

    // Journaled as "IModelObject::<operation>" and "ISketch::<operation>".
    tvapi::tvObj3dTypeEnum GetObjectType() override;
    std::wstring GetName() override;
    tvapi::ITervanDocumentPtr BeginEdit(bool editing) override;
    bool EndEdit() override;

    // Test side, not journaled.
    bool Editing() const noexcept { return FEditing; }
    // The sketch's 2D document (a fragment), to draw into.
    THostDocument2D& Document() const noexcept;

private:
    std::wstring FName;
    tvapi::ITervanDocumentPtr FDocument;
    bool FEditing = false;
};

using THostSketchPtr = tvapi::Ptr<THostSketch>;

} // namespace tvhost
