#pragma once
// Auxiliary geometry of a part: the part's default planes and axes, and the construction
// planes and axes it builds from other model objects. A part offers its container as one
// of its interfaces; each new object is built from its parameters by Update.

#include "tvapi/ModelObjects.h"

namespace tvapi {

// Whether a construction object is shown in the model.
class IHiddenState : public IAPIObject {
public:
    static constexpr char IID[] = "E6A14D3B-7C28-4F95-B0E2-59D8C3A7B016";
    using Parent = IAPIObject;

    virtual void SetHidden(bool hidden) = 0;
    virtual bool GetHidden() = 0;

protected:
    ~IHiddenState() = default;
};

using IHiddenStatePtr = Ptr<IHiddenState>;

// A plane at a distance from a base plane.
class IPlane3DByOffset : public IPlane3D {
public:
    static constexpr char IID[] = "3B0F8A61-52C4-4E5B-9F0D-7A4C2E81D6B3";
    using Parent = IPlane3D;

    virtual void SetBasePlane(IModelObjectPtr plane) = 0;
    // Millimetres, not negative.
    virtual void SetOffset(double offset) = 0;
    // True: along the base plane's normal; false: against it.
    virtual void SetDirection(bool direction) = 0;
    virtual double GetOffset() = 0;
    virtual bool GetDirection() = 0;

protected:
    ~IPlane3DByOffset() = default;
};

using IPlane3DByOffsetPtr = Ptr<IPlane3DByOffset>;

// A plane through an axis at an angle from a base plane.
class IPlane3DByAngle : public IPlane3D {
public:
    static constexpr char IID[] = "9E6D2C47-0B18-4F3A-8C55-1D7E93A40F2C";
    using Parent = IPlane3D;

    virtual void SetBasePlane(IModelObjectPtr plane) = 0;
    // An axis lying in the base plane.
    virtual void SetAxis(IModelObjectPtr axis) = 0;
    // True: counter-clockwise about the axis direction; false: clockwise.
    virtual void SetDirection(bool direction) = 0;
    // Degrees, not negative.
    virtual void SetAngle(double angle) = 0;
    virtual double GetAngle() = 0;
    virtual bool GetDirection() = 0;

protected:
    ~IPlane3DByAngle() = default;
};

using IPlane3DByAnglePtr = Ptr<IPlane3DByAngle>;

// A plane through three points or vertices.
class IPlane3DBy3Points : public IPlane3D {
public:
    static constexpr char IID[] = "C41B7E93-6A2D-4D08-B1F5-2E9A07C3D854";
    using Parent = IPlane3D;

    // Point `index` (0, 1 or 2); another index changes nothing.
    virtual void SetPoint(int index, IModelObjectPtr point) = 0;

protected:
    ~IPlane3DBy3Points() = default;
};

using IPlane3DBy3PointsPtr = Ptr<IPlane3DBy3Points>;

// A plane parallel to a plane through a point or vertex.
class IPlane3DParallelByPoint : public IPlane3D {
public:
    static constexpr char IID[] = "5D8C1F2A-E734-4B96-A0C2-8F1B6D3E7A05";
    using Parent = IPlane3D;

    virtual void SetPlane(IModelObjectPtr plane) = 0;
    virtual void SetPoint(IModelObjectPtr point) = 0;

protected:
    ~IPlane3DParallelByPoint() = default;
};

using IPlane3DParallelByPointPtr = Ptr<IPlane3DParallelByPoint>;

// A plane perpendicular to a straight edge through a point or vertex.
class IPlane3DPerpendicularByEdge : public IPlane3D {
public:
    static constexpr char IID[] = "A7E2094B-3C5F-4E81-9D6A-0B4F28C1E937";
    using Parent = IPlane3D;

    virtual void SetEdge(IModelObjectPtr edge) = 0;
    virtual void SetPoint(IModelObjectPtr point) = 0;

protected:
    ~IPlane3DPerpendicularByEdge() = default;
};

using IPlane3DPerpendicularByEdgePtr = Ptr<IPlane3DPerpendicularByEdge>;

// An axis on the line where two planes meet.
class IAxis3DBy2Planes : public IModelObject {
public:
    static constexpr char IID[] = "2F9B6D15-8E40-4C7A-B3D1-6C5E0A9F8B24";
    using Parent = IModelObject;

    // Plane `index` (0 or 1); another index changes nothing.
    virtual void SetPlane(int index, IModelObjectPtr plane) = 0;
    // A point of the line and its unit direction; false while the axis is not built.
    virtual bool GetLine(double& x, double& y, double& z, double& dx, double& dy, double& dz) = 0;

protected:
    ~IAxis3DBy2Planes() = default;
};

using IAxis3DBy2PlanesPtr = Ptr<IAxis3DBy2Planes>;

// The construction planes of a part, in creation order.
class IPlanes3D : public IAPIObject {
public:
    static constexpr char IID[] = "64C0A3E8-1D9B-4F27-8E56-B2A7D4019C3F";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // From 0; empty out of range.
    virtual IPlane3DPtr GetItem(int index) = 0;
    // A new plane of the kind (o3d_planeOffset ... o3d_planePerpendicular), not yet built;
    // empty for another kind.
    virtual IModelObjectPtr Add(tvObj3dTypeEnum kind) = 0;

protected:
    ~IPlanes3D() = default;
};

using IPlanes3DPtr = Ptr<IPlanes3D>;

// The construction axes of a part, in creation order.
class IAxes3D : public IAPIObject {
public:
    static constexpr char IID[] = "D05F7B2C-9A46-4E13-8B7D-3E1C6A58F092";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IModelObjectPtr GetItem(int index) = 0;
    // A new axis of the kind (o3d_axis2Planes), not yet built; empty for another kind.
    virtual IModelObjectPtr Add(tvObj3dTypeEnum kind) = 0;

protected:
    ~IAxes3D() = default;
};

using IAxes3DPtr = Ptr<IAxes3D>;

class IAuxiliaryGeomContainer : public IAPIObject {
public:
    static constexpr char IID[] = "8B3E5C90-4F12-4A6D-9C07-E1D2B6A4F538";
    using Parent = IAPIObject;

    virtual IPlanes3DPtr GetPlanes3D() = 0;
    virtual IAxes3DPtr GetAxes3D() = 0;
    // The part's own object of the kind: o3d_planeXOY, o3d_planeXOZ, o3d_planeYOZ,
    // o3d_axisOX, o3d_axisOY or o3d_axisOZ; empty for another kind.
    virtual IModelObjectPtr GetDefaultObject(tvObj3dTypeEnum kind) = 0;

protected:
    ~IAuxiliaryGeomContainer() = default;
};

using IAuxiliaryGeomContainerPtr = Ptr<IAuxiliaryGeomContainer>;

} // namespace tvapi
