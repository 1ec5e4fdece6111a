#pragma once
// Auxiliary geometry of a part: the part's default planes and axes, the construction planes
// and axes it builds from other model objects, 3D points, segments, helices and polylines. A part offers
// its containers as its interfaces; each new object is built from its parameters by Update.

#include "tvapi/ModelObjects.h"
#include "tvapi/SurfaceFeatures.h"

namespace tvapi {

class IConjunctivePoints;
class ILocalCoordinateSystems;
class IFaceSplits;

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

// Display symbol of a 3D point.
enum tvAnnotationSymbolEnum : int {
    tvUnknownSymbol = 0,
    tvDotPoint = 1,
    tvPlusPoint = 2,
    tvXPoint = 3,
    tvSquarePoint = 4,
    tvTrianglePoint = 5,
    tvCirclePoint = 6,
    tvAsteriskPoint = 7,
    tvStrikeSquarePoint = 8,
    tvPlusPointTwo = 9,
};

// How a 3D point is given.
enum tvPoint3DTypeEnum : int {
    tvPParamCoord = 1, // by its coordinates
};

// A named point in space.
class IPoint3D : public IModelObject {
public:
    static constexpr char IID[] = "F3A8C215-6B0E-4D79-A2C4-9E17B5D03F68";
    using Parent = IModelObject;

    virtual void SetPointType(tvPoint3DTypeEnum type) = 0;
    virtual void SetX(double x) = 0;
    virtual void SetY(double y) = 0;
    virtual void SetZ(double z) = 0;
    virtual double GetX() = 0;
    virtual double GetY() = 0;
    virtual double GetZ() = 0;
    virtual void SetSymbol(tvAnnotationSymbolEnum symbol) = 0;
    virtual void SetHidden(bool hidden) = 0;
    virtual tvAnnotationSymbolEnum GetSymbol() = 0;
    virtual bool GetHidden() = 0;

protected:
    ~IPoint3D() = default;
};

using IPoint3DPtr = Ptr<IPoint3D>;

// The 3D points of a part, in creation order.
class IPoints3D : public IAPIObject {
public:
    static constexpr char IID[] = "0C7D4E92-B5A1-4F36-8D29-71E6A3C8B540";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IPoint3DPtr GetItem(int index) = 0;
    // A new point at the origin, not yet built.
    virtual IPoint3DPtr Add() = 0;

protected:
    ~IPoints3D() = default;
};

using IPoints3DPtr = Ptr<IPoints3D>;

// A curve of the model as drawn: its line style.
class IModelCurve3D : public IAPIObject {
public:
    static constexpr char IID[] = "7C2E5B90-41D3-4F6A-9E18-B3A0C64D2F51";
    using Parent = IAPIObject;

    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~IModelCurve3D() = default;
};

using IModelCurve3DPtr = Ptr<IModelCurve3D>;

// A straight segment in space between coordinates or objects (points, vertices). It is a
// model curve (IModelCurve3D) too.
class ILineSegment3D : public IModelObject {
public:
    static constexpr char IID[] = "7A51C9E3-2F08-4B6D-B9A7-D04E8C3152F6";
    using Parent = IModelObject;

    // The start (true) or end (false) at (x, y, z); it replaces an object given before.
    virtual void SetPoint(bool start, double x, double y, double z) = 0;
    // The start (true) or end (false) on the object.
    virtual void SetPointObject(bool start, IModelObjectPtr object) = 0;
    // The end's position once built; false before.
    virtual bool GetPoint(bool start, double& x, double& y, double& z) = 0;

protected:
    ~ILineSegment3D() = default;
};

using ILineSegment3DPtr = Ptr<ILineSegment3D>;

class ILineSegments3D : public IAPIObject {
public:
    static constexpr char IID[] = "E4B0D736-9C12-4F8A-A5E3-28F7C1D96B04";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual ILineSegment3DPtr GetItem(int index) = 0;
    virtual ILineSegment3DPtr Add() = 0;

protected:
    ~ILineSegments3D() = default;
};

using ILineSegments3DPtr = Ptr<ILineSegments3D>;

// A helix on a base plane about the plane's origin and normal.
class ISpiral3D : public IModelObject {
public:
    static constexpr char IID[] = "49D2F7A0-C683-4E15-8B9F-A3E05D71C2B8";
    using Parent = IModelObject;

    virtual void SetBasePlane(IModelObjectPtr plane) = 0;
    virtual void SetTurns(double turns) = 0;
    // True: it rises along the plane's normal; false: against it.
    virtual void SetDirection(bool direction) = 0;
    // Millimetres, not negative.
    virtual void SetHeight(double height) = 0;
    virtual void SetPitch(double pitch) = 0;
    virtual double GetTurns() = 0;
    virtual bool GetDirection() = 0;
    virtual double GetHeight() = 0;
    virtual double GetPitch() = 0;

protected:
    ~ISpiral3D() = default;
};

using ISpiral3DPtr = Ptr<ISpiral3D>;

class ICylindricSpiral3D : public ISpiral3D {
public:
    static constexpr char IID[] = "D6E83B15-0A4F-4C92-B71D-5F29A8C04E63";
    using Parent = ISpiral3D;

    virtual void SetDiameter(double diameter) = 0;
    virtual double GetDiameter() = 0;

protected:
    ~ICylindricSpiral3D() = default;
};

using ICylindricSpiral3DPtr = Ptr<ICylindricSpiral3D>;

class ISpirals3D : public IAPIObject {
public:
    static constexpr char IID[] = "13F9A6C8-E257-4D0B-9C34-B8D61E0F7A25";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual ISpiral3DPtr GetItem(int index) = 0;
    // A new spiral of the kind (o3d_cylindricSpiral); empty for another kind.
    virtual IModelObjectPtr Add(tvObj3dTypeEnum kind) = 0;

protected:
    ~ISpirals3D() = default;
};

using ISpirals3DPtr = Ptr<ISpirals3D>;

// The 3D polylines of a part, in creation order.
class IPolyLines3D : public IAPIObject {
public:
    static constexpr char IID[] = "5B27E9D4-1F63-4A8C-B0D5-E8C4A21F7936";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IPolyLinePtr GetItem(int index) = 0;
    virtual IPolyLinePtr Add() = 0;

protected:
    ~IPolyLines3D() = default;
};

using IPolyLines3DPtr = Ptr<IPolyLines3D>;

class IAuxiliaryGeomContainer : public IAPIObject {
public:
    static constexpr char IID[] = "8B3E5C90-4F12-4A6D-9C07-E1D2B6A4F538";
    using Parent = IAPIObject;

    virtual IPlanes3DPtr GetPlanes3D() = 0;
    virtual IAxes3DPtr GetAxes3D() = 0;
    virtual ILineSegments3DPtr GetLineSegments3D() = 0;
    virtual ISpirals3DPtr GetSpirals3D() = 0;
    virtual IPolyLines3DPtr GetPolyLines3D() = 0;
    // The part's own object of the kind: o3d_planeXOY, o3d_planeXOZ, o3d_planeYOZ,
    // o3d_axisOX, o3d_axisOY or o3d_axisOZ; empty for another kind.
    virtual IModelObjectPtr GetDefaultObject(tvObj3dTypeEnum kind) = 0;
    // AuxiliaryObjects.h.
    virtual Ptr<IConjunctivePoints> GetConjunctivePoints() = 0;
    virtual Ptr<ILocalCoordinateSystems> GetLocalCoordinateSystems() = 0;
    virtual Ptr<IFaceSplits> GetFaceSplits() = 0;
    // SurfaceFeatures.h; the stand-in has no 3D contours (empty).
    virtual ICurveOutLinesPtr GetCurveOutLines() = 0;
    virtual IContours3DPtr GetContours3D() = 0;

protected:
    ~IAuxiliaryGeomContainer() = default;
};

using IAuxiliaryGeomContainerPtr = Ptr<IAuxiliaryGeomContainer>;

} // namespace tvapi
