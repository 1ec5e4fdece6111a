#pragma once
// A sketch of a stand-in part: a named model object on a plane, turned by its angle, with its
// own 2D document (a fragment) which editing hands out. Part files keep sketches with their
// plane (kind, name and frame), angle, name and 2D content (HostDocumentFile.h).

#include <string>
#include <vector>

#include "HostKernel.h"
#include "HostModelObject.h"
#include "tvapi/ModelObjects.h"

namespace tvhost {

class THostDocument2D;

// Journaled as "IModelObject::<operation>", "ISketch::<operation>" and as feature: its
// variables (o3d_variable) are those its linear dimensions carry (HostGeneratedDimensions.h).
class THostSketch final : public THostFeatureOf<tvapi::ISketch> {
public:
    explicit THostSketch(std::wstring name);
    ~THostSketch() override;

    tvapi::IModelObjectPtr GetPlane() override;
    // Reads the plane's kind once, here: the sketch's axes follow it (BasePlaneFrame).
    void SetPlane(tvapi::IModelObjectPtr plane) override;
    double GetAngle() override;
    void SetAngle(double angle) override;
    bool PointIntoSketch(double x, double y, double z, double& u, double& v) override;
    tvapi::Ptr<tvapi::ITervanDocument2D> BeginEdit(bool show) override;
    bool EndEdit() override;
    // A point of the model (PositionOf) becomes a point of the active view at its projection.
    std::vector<tvapi::ITervanAPIObjectPtr> AddProjection(tvapi::IModelObjectPtr object) override;

    // Test side, not journaled.
    bool Editing() const noexcept { return FEditing; }
    // The sketch's 2D document (a fragment), to draw into.
    THostDocument2D& Document() const noexcept;
    // The kind of the plane as SetPlane read it; o3d_unknown on no plane.
    tvapi::tvObj3dTypeEnum PlaneKind() const noexcept { return FPlaneKind; }
    double Angle() const noexcept { return FAngle; }
    // The sketch's axes in the model: the plane's own frame (a plane of the stand-in as last
    // built; else the base frame of its kind) turned by the angle about its normal.
    TFrame Frame() const;
    // The plane's own frame; false when the plane is none of the stand-in's or not built.
    bool PlaneFrame(TFrame& frame) const;
    // As read from a file: a plane of `kind` named `name` stands for the part's plane, built at
    // `frame` when the file kept one.
    void RestorePlane(tvapi::tvObj3dTypeEnum kind, const std::wstring& name, const TFrame* frame);
    void SetAngleDirect(double angle) noexcept { FAngle = angle; }

protected:
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override;
    std::vector<tvapi::IVariablePtr> AllVariables() override;

private:
    tvapi::Ptr<tvapi::ITervanDocument2D> FDocument;
    tvapi::IModelObjectPtr FPlane;
    tvapi::tvObj3dTypeEnum FPlaneKind = tvapi::o3d_unknown;
    double FAngle = 0.0;
    bool FEditing = false;
};

using THostSketchPtr = tvapi::Ptr<THostSketch>;

} // namespace tvhost
