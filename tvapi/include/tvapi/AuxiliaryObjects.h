#pragma once
// Auxiliary objects of a part beside its planes, axes and curves: conjunctive points (a point
// standing on a vertex, directed along an edge), local coordinate systems and face splits.
// Each collection's Add gives a new object that its Update builds from its parameters.

#include <vector>

#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace tvapi {

// A point on a vertex whose Z axis follows an edge's tangent there.
class IConjunctivePoint : public IModelObject {
public:
    static constexpr char IID[] = "12415B01-E6C4-42B7-998E-534D698EABF9";
    using Parent = IModelObject;

    // A vertex or a 3D point.
    virtual void SetVertex(IModelObjectPtr vertex) = 0;
    virtual void SetEdge(IModelObjectPtr edge) = 0;
    // True: along the edge's tangent; false: against it.
    virtual void SetDirection(bool direction) = 0;
    virtual bool GetDirection() = 0;
    // The point it stands on, answering IPoint3D; empty until built.
    virtual IAPIObjectPtr GetVertex() = 0;
    // The edge's curve, answering IMathCurve3D; empty until built.
    virtual IAPIObjectPtr GetEdge() = 0;
    // Axis o3d_axisOX, o3d_axisOY or o3d_axisOZ (the direction) of its frame; false, nothing
    // written, until built or for another kind.
    virtual bool GetAxis(tvObj3dTypeEnum axis, double& x, double& y, double& z) = 0;

protected:
    ~IConjunctivePoint() = default;
};

using IConjunctivePointPtr = Ptr<IConjunctivePoint>;

class IConjunctivePoints : public IAPIObject {
public:
    static constexpr char IID[] = "5ACE2F02-2B17-4F87-80A0-045CB8968774";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IConjunctivePointPtr GetItem(int index) = 0;
    virtual IConjunctivePointPtr Add() = 0;

protected:
    ~IConjunctivePoints() = default;
};

using IConjunctivePointsPtr = Ptr<IConjunctivePoints>;

// A named frame of a part.
class ILocalCoordinateSystem : public IModelObject {
public:
    static constexpr char IID[] = "A6A0CCC4-140B-4738-8D4C-315606A57D54";
    using Parent = IModelObject;

    // Sixteen reals row after row: the X, Y and Z axes with 0 in the fourth column, then the
    // origin with 1; kept as given. False, nothing changed, for another count.
    virtual bool SetMatrix3D(const std::vector<double>& matrix) = 0;
    virtual std::vector<double> GetMatrix3D() = 0;

protected:
    ~ILocalCoordinateSystem() = default;
};

using ILocalCoordinateSystemPtr = Ptr<ILocalCoordinateSystem>;

class ILocalCoordinateSystems : public IAPIObject {
public:
    static constexpr char IID[] = "7EB417CA-28E7-4DAB-BEA9-614F467C51B6";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual ILocalCoordinateSystemPtr GetItem(int index) = 0;
    // A new system at the part's origin, not yet built.
    virtual ILocalCoordinateSystemPtr Add() = 0;

protected:
    ~ILocalCoordinateSystems() = default;
};

using ILocalCoordinateSystemsPtr = Ptr<ILocalCoordinateSystems>;

// Faces of a part's bodies split by the curves of a sketch, projected along a direction, or
// by other model objects.
class IFaceSplit : public IModelObject {
public:
    static constexpr char IID[] = "5155D93A-9410-4349-B7C9-9F5E3716D980";
    using Parent = IModelObject;

    virtual void SetDirection(tvDirectionTypeEnum direction) = 0;
    virtual void SetSketch(ISketchPtr sketch) = 0;
    virtual void SetCutObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    virtual void SetFaces(const std::vector<IFacePtr>& faces) = 0;

protected:
    ~IFaceSplit() = default;
};

using IFaceSplitPtr = Ptr<IFaceSplit>;

class IFaceSplits : public IAPIObject {
public:
    static constexpr char IID[] = "E199B572-0E5F-49FD-86BA-2EF5034C1557";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IFaceSplitPtr GetItem(int index) = 0;
    virtual IFaceSplitPtr Add() = 0;

protected:
    ~IFaceSplits() = default;
};

using IFaceSplitsPtr = Ptr<IFaceSplits>;

} // namespace tvapi
