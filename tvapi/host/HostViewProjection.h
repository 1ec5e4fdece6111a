#pragma once
// View projections of a stand-in 3D document. The document keeps which projection its model
// view shows (TShownProjection); a projection is a drawing object of its own, as the host
// hands it to libraries, and needs no document to live.

#include <memory>
#include <vector>

#include "HostDrawingObject.h"
#include "HostObject.h"
#include "tvapi/ViewProjection.h"

namespace tvhost {

// What the model view shows: a standard type, or tvVPUser with its matrix; and how often a
// projection was applied.
struct TShownProjection {
    tvapi::tvViewProjectionType Type = tvapi::tvVPNone;
    std::vector<double> Matrix;
    int Applies = 0;
    bool Open = true; // false once the document is closed
};

class THostViewProjection final : public THostDrawingObjectOf<tvapi::IDrawingObject, tvapi::IViewProjection> {
public:
    THostViewProjection(std::shared_ptr<TShownProjection> shown, tvapi::tvViewProjectionType type)
        : THostDrawingObjectOf(tvapi::tvAllObj), FShown(std::move(shown)), FType(type)
    {
    }

    // Journaled as "IViewProjection::<operation>".
    bool SetMatrix(const std::vector<double>& matrix) override;
    bool Apply(bool redraw) override;

    tvapi::tvViewProjectionType ProjectionType() const noexcept { return FType; }

private:
    std::shared_ptr<TShownProjection> FShown;
    tvapi::tvViewProjectionType FType;
    std::vector<double> FMatrix;
};

// The manager over a document's shown projection; it keeps the document alive through `keep`.
tvapi::IViewProjectionManagerPtr MakeViewProjectionManager(std::shared_ptr<TShownProjection> shown,
                                                           tvapi::IAPIObjectPtr keep);

} // namespace tvhost
