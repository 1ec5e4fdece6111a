#pragma once
// What only a drawing (not a fragment) has: its technical requirements and the roughness
// of its surfaces not marked. A 2D document offers the interface; a fragment answers empty.

#include "tvapi/Base.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/Signs.h"

namespace tvapi {

class IDrawingDocument : public IAPIObject {
public:
    static constexpr char IID[] = "F1B7D3A9-6C24-4E85-B9F0-2A8D5E1C7B46";
    using Parent = IAPIObject;

    // Empty for a fragment.
    virtual ITechnicalDemandPtr GetTechnicalDemand() = 0;
    virtual ISpecRoughPtr GetSpecRough() = 0;

protected:
    ~IDrawingDocument() = default;
};

using IDrawingDocumentPtr = Ptr<IDrawingDocument>;

} // namespace tvapi
