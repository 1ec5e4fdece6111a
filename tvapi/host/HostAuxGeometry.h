#pragma once
// Auxiliary geometry of a stand-in part: its default planes and axes (made when first asked,
// so they take no ids from parts that never use them) and the construction planes and axes
// built from other objects. Each plane carries the frame Update computed from its
// parameters, so a sketch on it has real coordinates.

#include <utility>
#include <vector>

#include "HostKernel.h"
#include "tvapi/AuxiliaryGeometry.h"

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

// A helix of the stand-in: it rises along its frame's Z from the point at Diameter / 2 on
// the frame's X, Pitch a turn, for Turns turns, counter-clockwise about Z when RightHanded.
struct THelix {
    TFrame Frame;
    double Diameter = 0, Pitch = 0, Turns = 0;
    bool RightHanded = true;
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

class THostAuxGeometry {
public:
    // The part's own plane or axis of `kind`, made on first request; empty for another kind.
    tvapi::IModelObjectPtr Default(tvapi::tvObj3dTypeEnum kind);
    // A new, unbuilt construction object of `kind`; empty for a kind of the other list.
    tvapi::IModelObjectPtr AddPlane(tvapi::tvObj3dTypeEnum kind);
    tvapi::IModelObjectPtr AddAxis(tvapi::tvObj3dTypeEnum kind);
    // HostAuxCurves.cpp: a new point, segment, (o3d_cylindricSpiral only) spiral or polyline.
    tvapi::IPoint3DPtr AddPoint();
    tvapi::ILineSegment3DPtr AddSegment();
    tvapi::IModelObjectPtr AddSpiral(tvapi::tvObj3dTypeEnum kind);
    tvapi::IPolyLinePtr AddPolyLine();

    // Test side: creation order.
    const std::vector<tvapi::IModelObjectPtr>& Planes() const noexcept { return FPlanes; }
    const std::vector<tvapi::IModelObjectPtr>& Axes() const noexcept { return FAxes; }
    const std::vector<tvapi::IModelObjectPtr>& Points() const noexcept { return FPoints; }
    const std::vector<tvapi::IModelObjectPtr>& Segments() const noexcept { return FSegments; }
    const std::vector<tvapi::IModelObjectPtr>& Spirals() const noexcept { return FSpirals; }
    const std::vector<tvapi::IModelObjectPtr>& PolyLines() const noexcept { return FPolyLines; }

private:
    std::vector<std::pair<tvapi::tvObj3dTypeEnum, tvapi::IModelObjectPtr>> FDefaults;
    std::vector<tvapi::IModelObjectPtr> FPlanes;
    std::vector<tvapi::IModelObjectPtr> FAxes;
    std::vector<tvapi::IModelObjectPtr> FPoints;
    std::vector<tvapi::IModelObjectPtr> FSegments;
    std::vector<tvapi::IModelObjectPtr> FSpirals;
    std::vector<tvapi::IModelObjectPtr> FPolyLines;
};

} // namespace tvhost
