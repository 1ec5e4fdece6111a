#pragma once
// 3D models of the host: kinds of model objects, directions and end conditions of features,
// and the model variable.

#include <string>

#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// Kind of a model object (planes, sketches, features, topology, dimensions ...).
enum tvObj3dTypeEnum : int {
    o3d_unknown = 0,
    o3d_planeXOY = 1,
    o3d_planeXOZ = 2,
    o3d_planeYOZ = 3,
    o3d_pointCS = 4,
    o3d_sketch = 5,
    o3d_face = 6,
    o3d_edge = 7,
    o3d_vertex = 8,
    o3d_axis2Planes = 9,
    o3d_planeOffset = 14,
    o3d_planeAngle = 15,
    o3d_plane3Points = 16,
    o3d_planeParallel = 20,
    o3d_planePerpendicular = 21,
    o3d_baseExtrusion = 24,
    o3d_bossExtrusion = 25,
    o3d_cutExtrusion = 26,
    o3d_baseRotated = 27,
    o3d_bossRotated = 28,
    o3d_cutRotated = 29,
    o3d_baseEvolution = 45,
    o3d_bossEvolution = 46,
    o3d_cutEvolution = 47,
    o3d_cylindricSpiral = 56,
    o3d_thread = 58,
    o3d_EvolutionSurface = 59,
    o3d_ExtrusionSurface = 60,
    o3d_RotatedSurface = 61,
    o3d_axisOX = 71,
    o3d_axisOY = 72,
    o3d_axisOZ = 73,
    o3d_baselineDimension3D = 80,
    o3d_lineDimension3D = 81,
    o3d_SurfacePatch = 94,
    o3d_variable = 100,
    o3d_entity = 105,
    o3d_body = 115,
    o3d_facet = 118,
    o3d_LineSegment3D = 570,
    o3d_OperationLinearDimension = 573,
    o3d_SketchLinearDimension = 577,
    o3d_UserObjectOperation = 584,
    o3d_UserWireFrame3D = 602,
};

// Direction of an extrusion or a face split relative to the sketch plane.
enum tvDirectionTypeEnum : int {
    dtNormal = 0,
    dtReverse = 1,
    dtBoth = 2,
    dtMiddlePlane = 3,
};

// How far an extrusion goes.
enum tvEndTypeEnum : int {
    etBlind = 0,
    etThroughAll = 1,
    etUpToVertexTo = 2,
    etUpToVertexFrom = 3,
    etUpToSurfaceTo = 4,
    etUpToSurfaceFrom = 5,
    etUpToNearSurface = 6,
};

// A named variable of a model (feature parameters, mates, user variables).
class IVariable : public ITervanAPIObject {
public:
    static constexpr char IID[] = "5D01518E-0999-46C7-91C2-38EC7D9D88CD";
    using Parent = ITervanAPIObject;

    virtual std::wstring GetName() = 0;
    virtual double GetValue() = 0;
    // The expression the value follows; empty for a plain value. Null reads as empty.
    virtual std::wstring GetExpression() = 0;
    virtual void SetExpression(const wchar_t* expression) = 0;
    // A plain value; an expression, when there is one, is kept and no longer followed.
    virtual void SetValue(double value) = 0;
    // The note shown beside the variable. Null reads as empty.
    virtual std::wstring GetNote() = 0;
    virtual void SetNote(const wchar_t* note) = 0;
    // Whether the variable is offered to the models that hold this one.
    virtual bool GetExternal() = 0;
    virtual void SetExternal(bool external) = 0;
    // Follows the variable `variableName` of the document file `documentName`; false for an
    // empty name. The stand-in keeps the link and reads nothing through it.
    virtual bool SetLink(const wchar_t* documentName, const wchar_t* variableName) = 0;

protected:
    ~IVariable() = default;
};

using IVariablePtr = Ptr<IVariable>;

} // namespace tvapi
