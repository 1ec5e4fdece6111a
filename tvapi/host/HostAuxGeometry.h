#pragma once
// Auxiliary geometry of a stand-in part: its default planes and axes (made when first asked,
// so they take no ids from parts that never use them) and the construction planes and axes
// built from other objects. Each plane carries the frame Update computed from its
// parameters, so a sketch on it has real coordinates.

#include <string>
#include <utility>
#include <vector>

#include "HostKernel.h"
#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/AuxiliaryObjects.h"

namespace tvhost {

// The position of a vertex or a 3D point; false for anything else.
bool PositionOf(const tvapi::IModelObjectPtr& object, TXyz& position);

// A plane of the stand-in: its frame (origin, u, v, normal) once built.
class THostPlaneGeometry {
public:
    // False while the plane is not built (parameters missing or degenerate).
    virtual bool PlaneFrame(TFrame& frame) const = 0;

protected:
    ~THostPlaneGeometry() = default;
};

// An axis of the stand-in: a point of its line and its unit direction once built.
class THostAxisGeometry {
public:
    virtual bool AxisLine(TXyz& point, TXyz& direction) const = 0;

protected:
    ~THostAxisGeometry() = default;
};

// A helix of the stand-in: right-handed, from the point at Diameter / 2 on its frame's X it
// runs Pitch a turn along the frame's Z for Turns turns, to the side of the frame's plane that
// Upward says: up along +Z turning counter-clockwise, or down along -Z turning clockwise (the
// same helix continued below the plane).
struct THelix {
    TFrame Frame;
    double Diameter = 0, Pitch = 0, Turns = 0;
    bool Upward = true;
};

class THostHelixGeometry {
public:
    // False while the helix is not built.
    virtual bool Helix(THelix& helix) const = 0;

protected:
    ~THostHelixGeometry() = default;
};

// The helix of the stand-in spiral `spiral`; false for another object or one not built.
bool HelixOf(const tvapi::IModelObjectPtr& spiral, THelix& helix);

// The frame of the stand-in plane `plane`; false for an empty or foreign object, another
// kind or a plane not built.
bool PlaneFrameOf(const tvapi::IModelObjectPtr& plane, TFrame& frame);
// The line of the stand-in axis `axis`; false as for PlaneFrameOf.
bool AxisLineOf(const tvapi::IModelObjectPtr& axis, TXyz& point, TXyz& direction);

// The frame of a local coordinate system's matrix (rows X, Y, Z, origin; HostLocalSystems.cpp):
// its origin, X and Y made square (TFrame::Of); false for another count, an entry not finite,
// or X and Y of no direction or parallel.
bool MatrixFrame(const std::vector<double>& matrix, TFrame& frame);
// The matrix of the stand-in local coordinate system `system`; false for another object.
bool LocalSystemMatrixOf(const tvapi::IModelObjectPtr& system, std::vector<double>& matrix);

// A plane of `kind` named `name` built at `frame` for good: a sketch's plane as a part file
// keeps it.
tvapi::IModelObjectPtr FixedPlane(tvapi::tvObj3dTypeEnum kind, const std::wstring& name, const TFrame& frame);

// The frame at `origin` whose Z is the unit `normal` (X taken square to Z from the model's Z,
// or its X when Z is nearly along it).
TFrame FrameAlong(const TXyz& origin, const TXyz& normal);
// A point of no part at `position`, as objects built on a vertex hand it out.
tvapi::IPoint3DPtr LonePoint(const TXyz& position);

class THostPart;

class THostAuxGeometry {
public:
    THostAuxGeometry() = default;
    // Its face splits forget the part (HostFaceSplit.cpp).
    ~THostAuxGeometry();
    THostAuxGeometry(const THostAuxGeometry&) = delete;
    THostAuxGeometry& operator=(const THostAuxGeometry&) = delete;

    // The part's own plane or axis of `kind`, made on first request; empty for another kind.
    tvapi::IModelObjectPtr Default(tvapi::tvObj3dTypeEnum kind);
    // Whether `object` is one of the part's own planes or axes made so far.
    bool IsDefault(const tvapi::IModelObjectPtr& object) const;
    // A new, unbuilt construction object of `kind`; empty for a kind of the other list.
    tvapi::IModelObjectPtr AddPlane(tvapi::tvObj3dTypeEnum kind);
    tvapi::IModelObjectPtr AddAxis(tvapi::tvObj3dTypeEnum kind);
    // HostAuxCurves.cpp: a new point, segment, (o3d_cylindricSpiral only) spiral or polyline.
    tvapi::IPoint3DPtr AddPoint();
    tvapi::ILineSegment3DPtr AddSegment();
    tvapi::IModelObjectPtr AddSpiral(tvapi::tvObj3dTypeEnum kind);
    tvapi::IPolyLinePtr AddPolyLine();
    // HostConjunctivePoint.cpp, HostLocalSystems.cpp, HostFaceSplit.cpp.
    tvapi::IConjunctivePointPtr AddConjunctivePoint();
    tvapi::ILocalCoordinateSystemPtr AddLocalSystem();
    // A split of `owner`'s faces; updating it replaces the split bodies.
    tvapi::IFaceSplitPtr AddFaceSplit(THostPart& owner);
    // HostFaceOperations.cpp: a new, unbuilt outline curve.
    tvapi::ICurveOutLinePtr AddCurveOutLine();

    // Test side: creation order.
    const std::vector<tvapi::IModelObjectPtr>& Planes() const noexcept { return FPlanes; }
    const std::vector<tvapi::IModelObjectPtr>& Axes() const noexcept { return FAxes; }
    const std::vector<tvapi::IModelObjectPtr>& Points() const noexcept { return FPoints; }
    const std::vector<tvapi::IModelObjectPtr>& Segments() const noexcept { return FSegments; }
    const std::vector<tvapi::IModelObjectPtr>& Spirals() const noexcept { return FSpirals; }
    const std::vector<tvapi::IModelObjectPtr>& PolyLines() const noexcept { return FPolyLines; }
    const std::vector<tvapi::IModelObjectPtr>& ConjunctivePoints() const noexcept
    {
        return FConjunctivePoints;
    }
    const std::vector<tvapi::IModelObjectPtr>& LocalSystems() const noexcept { return FLocalSystems; }
    const std::vector<tvapi::IModelObjectPtr>& FaceSplits() const noexcept { return FFaceSplits; }
    const std::vector<tvapi::IModelObjectPtr>& CurveOutLines() const noexcept { return FCurveOutLines; }

private:
    std::vector<std::pair<tvapi::tvObj3dTypeEnum, tvapi::IModelObjectPtr>> FDefaults;
    std::vector<tvapi::IModelObjectPtr> FPlanes;
    std::vector<tvapi::IModelObjectPtr> FAxes;
    std::vector<tvapi::IModelObjectPtr> FPoints;
    std::vector<tvapi::IModelObjectPtr> FSegments;
    std::vector<tvapi::IModelObjectPtr> FSpirals;
    std::vector<tvapi::IModelObjectPtr> FPolyLines;
    std::vector<tvapi::IModelObjectPtr> FConjunctivePoints;
    std::vector<tvapi::IModelObjectPtr> FLocalSystems;
    std::vector<tvapi::IModelObjectPtr> FFaceSplits;
    std::vector<tvapi::IModelObjectPtr> FCurveOutLines;
};

// A face split of `part` in its feature list as a part file holds it, its faces and cutting
// faces to be read (HostFaceSplit.cpp).
tvapi::IModelObjectPtr NewListedFaceSplit(THostPart& part);

} // namespace tvhost
