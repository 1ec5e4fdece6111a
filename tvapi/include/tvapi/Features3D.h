#pragma once
// Features of a part that make and change its bodies: extrusions, rotations and sweeps of a
// sketch (solid or surface), Booleans of bodies, copies of bodies, patch and ruled surfaces, 3D
// macros and user objects. The part's model
// container gives the solid collections, its surface container the surface ones; each new
// feature is built from its parameters by Update, which answers false when it cannot be.

#include <vector>

#include "tvapi/AuxiliaryObjects.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Part.h"
#include "tvapi/SurfaceFeatures.h"

namespace tvapi {

class ITervanDocument3D;

// What a solid feature does with the part's bodies.
enum tvOperationResultEnum : int {
    tvOperationUnion = 0,
    tvOperationNewBody = 1,
    tvOperationCut = 2,
    tvOperationIntersect = 3,
};

// How a swept profile turns along its path.
enum tvEvolutionShiftSketchTypeEnum : int {
    tvEvShiftParallel = 0,
    tvEvShiftKeepAngle = 1,
    tvEvShiftOrtogonal = 2,
};

enum tvBooleanType : int {
    tvBooleanUnknown = 0,
    tvIntersect = 1,
    tvDifference = 2,
    tvUnion = 3,
};

// A sketch's closed loops swept along the sketch normal. Depths are lengths (mm), angles
// degrees.
class IExtrusion : public IModelObject {
public:
    static constexpr char IID[] = "3B8E61A4-0C7D-4F29-9A15-D6E2C47B0F83";
    using Parent = IModelObject;

    // The sketches whose loops are swept (the first one counts).
    virtual void SetProfile(const std::vector<IModelObjectPtr>& sketches) = 0;
    // Depth of the forward (along the normal) or the reverse side.
    virtual void SetDepth(bool forward, double depth) = 0;
    virtual void SetDirection(tvDirectionTypeEnum direction) = 0;
    // One side: its end, its signed depth (a negative depth turns the side round), the taper
    // angle with its flag, and the object an up-to end reaches (empty: none).
    virtual void SetSideParameters(bool forward, tvEndTypeEnum end, double depth, double taperAngle,
                                   bool taper, IModelObjectPtr upTo) = 0;

protected:
    ~IExtrusion() = default;
};

using IExtrusionPtr = Ptr<IExtrusion>;

// A sketch's closed loops turned about its axis-style line.
class IRotated : public IModelObject {
public:
    static constexpr char IID[] = "C5F03E2B-7A91-4D68-B4E0-19A6D8C35F72";
    using Parent = IModelObject;

    virtual void SetSketch(IModelObjectPtr sketch) = 0;
    // 0: counter-clockwise about the axis line from its start to its end, 1: the other way.
    virtual void SetDirection(int direction) = 0;
    // The angle (degrees) of the forward or the reverse side.
    virtual void SetSideAngle(bool forward, double angle) = 0;

protected:
    ~IRotated() = default;
};

using IRotatedPtr = Ptr<IRotated>;

// A sketch's closed loops swept along a path of curves.
class IEvolution : public IModelObject {
public:
    static constexpr char IID[] = "9E27B4D0-5C38-4A1F-8D63-F0B1A9E26C45";
    using Parent = IModelObject;

    virtual void SetSketch(IModelObjectPtr sketch) = 0;
    virtual void SetSketchShift(tvEvolutionShiftSketchTypeEnum shift) = 0;
    virtual void SetOperationResult(tvOperationResultEnum result) = 0;
    // Whether the path is followed as one chain of curves touching end to end.
    virtual void SetChainPath(bool chain) = 0;
    virtual void SetPath(const std::vector<IModelObjectPtr>& path) = 0;

protected:
    ~IEvolution() = default;
};

using IEvolutionPtr = Ptr<IEvolution>;

// A copy of bodies placed by a local coordinate system: each body is carried from the model's
// axes onto the system's and becomes a new body of the part. The bodies are the part's own (the
// copy follows them when they change) or another 3D document's (copied as they were when given).
class ICopyGeometry : public IModelObject {
public:
    static constexpr char IID[] = "4FC12378-FB54-48E1-85BB-653968FDAE28";
    using Parent = IModelObject;

    // Bodies of the current document.
    virtual void SetObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    // Bodies of `document`'s part `part` (empty: the document's top part); the copy fails when
    // one of them is not a body of that part.
    virtual void SetSource(Ptr<ITervanDocument3D> document, IPartPtr part,
                           const std::vector<IModelObjectPtr>& objects) = 0;
    // The system the copy is placed by; empty: the copy cannot be built.
    virtual void SetLocalCoordinateSystem(ILocalCoordinateSystemPtr system) = 0;

protected:
    ~ICopyGeometry() = default;
};

using ICopyGeometryPtr = Ptr<ICopyGeometry>;

inline constexpr char IExtrusionsId[] = "5A0C9D71-E84B-4E36-B2F7-3D18C6A04E9B";
inline constexpr char IRotatedsId[] = "D74B2E19-6F05-4C8A-A3D1-8E9F0B27C364";
inline constexpr char IEvolutionsId[] = "2F96A0C3-B1D8-4E74-9C25-A7E3F5D01B68";
using IExtrusions = IFeatureList<IExtrusion, IExtrusionsId>;
using IRotateds = IFeatureList<IRotated, IRotatedsId>;
using IEvolutions = IFeatureList<IEvolution, IEvolutionsId>;
using IExtrusionsPtr = Ptr<IExtrusions>;
using IRotatedsPtr = Ptr<IRotateds>;
using IEvolutionsPtr = Ptr<IEvolutions>;

// Two bodies combined; the result takes the place of the first.
class IBoolean : public IModelObject {
public:
    static constexpr char IID[] = "6C1D8F42-93A0-4B57-AE26-0F7B3D9C81E5";
    using Parent = IModelObject;

    // The two operand bodies, first then second.
    virtual void SetBodies(const std::vector<IModelObjectPtr>& bodies) = 0;
    virtual void SetBooleanType(tvBooleanType type) = 0;

protected:
    ~IBoolean() = default;
};

using IBooleanPtr = Ptr<IBoolean>;

inline constexpr char IBooleansId[] = "B08F35E7-2D4C-4A91-8F60-C93E1A7D2B54";
using IBooleans = IObjectList<IBoolean, IBooleansId>;
using IBooleansPtr = Ptr<IBooleans>;

inline constexpr char ICopiesGeometryId[] = "55FBA35C-42C2-4613-9B81-06610558F2EF";
using ICopiesGeometry = IObjectList<ICopyGeometry, ICopiesGeometryId>;
using ICopiesGeometryPtr = Ptr<ICopiesGeometry>;

// A named group of a part's features; its members are given when it is complete.
class IMacroObject3D : public IModelObject {
public:
    static constexpr char IID[] = "E83A0F6D-41B2-4C9E-95D7-2B6C0E18A3F4";
    using Parent = IModelObject;

    virtual void SetStaffVisible(bool visible) = 0;
    virtual void SetObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    virtual std::vector<IModelObjectPtr> GetObjects() = 0;

protected:
    ~IMacroObject3D() = default;
};

using IMacroObject3DPtr = Ptr<IMacroObject3D>;

inline constexpr char IMacroObjects3DId[] = "47D2C8B1-0E6F-4A35-B89C-D1F5A3E07C62";
using IMacroObjects3D = IObjectList<IMacroObject3D, IMacroObjects3DId>;
using IMacroObjects3DPtr = Ptr<IMacroObjects3D>;

// An object of a part that a library made and rebuilds; it answers as IUserParameters too.
class IUserObject3D : public IModelObject {
public:
    static constexpr char IID[] = "A2E6B05F-7C13-4D98-B41A-6F0D9C3E28B7";
    using Parent = IModelObject;

protected:
    ~IUserObject3D() = default;
};

using IUserObject3DPtr = Ptr<IUserObject3D>;

inline constexpr char IUserObjects3DId[] = "0D5F9A3C-E26B-4871-A0C4-B7E18F6D2A93";
using IUserObjects3D = IFeatureList<IUserObject3D, IUserObjects3DId>;
using IUserObjects3DPtr = Ptr<IUserObjects3D>;

// How a ruled surface is given.
enum tvRuledSurfaceBuildingTypeEnum : int {
    tvRuledSurfaceByCurves = 0,
};

// A surface spanned by a closed chain of boundary edges.
class ISurfacePatch : public IModelObject {
public:
    static constexpr char IID[] = "8D4E2A17-C9B0-4F63-A52E-71F0D3B86C94";
    using Parent = IModelObject;

    // Edges of bodies or 3D segments, end to end.
    virtual void SetEdges(const std::vector<IModelObjectPtr>& edges) = 0;

protected:
    ~ISurfacePatch() = default;
};

using ISurfacePatchPtr = Ptr<ISurfacePatch>;

inline constexpr char ISurfacePatchesId[] = "31B7F5C8-2E4D-4A09-8C61-D9A2E07F4B15";
using ISurfacePatches = IObjectList<ISurfacePatch, ISurfacePatchesId>;
using ISurfacePatchesPtr = Ptr<ISurfacePatches>;

// The curves a ruled surface runs between: a first and a second chain of edges or segments.
class IRuledSurfaceParametersByCurves : public IAPIObject {
public:
    static constexpr char IID[] = "C62A0E94-7B18-4D3F-B5E7-0A4F9C21D863";
    using Parent = IAPIObject;

    virtual void SetCurves1(const std::vector<IModelObjectPtr>& curves) = 0;
    virtual void SetCurves2(const std::vector<IModelObjectPtr>& curves) = 0;
    // Whether the second chain is turned to run the way of the first before the rules join them.
    virtual void SetMatchDirections(bool match) = 0;

protected:
    ~IRuledSurfaceParametersByCurves() = default;
};

using IRuledSurfaceParametersByCurvesPtr = Ptr<IRuledSurfaceParametersByCurves>;

class IRuledSurface : public IModelObject {
public:
    static constexpr char IID[] = "5F83D1B6-A04C-4E27-9D38-B6C1E5A07F29";
    using Parent = IModelObject;

    virtual void SetBuildingType(tvRuledSurfaceBuildingTypeEnum type) = 0;
    // The parameters of the building type set; empty for a type the host has none of.
    virtual IAPIObjectPtr GetParameters() = 0;

protected:
    ~IRuledSurface() = default;
};

using IRuledSurfacePtr = Ptr<IRuledSurface>;

inline constexpr char IRuledSurfacesId[] = "E9C45B03-6D2A-4F81-B7E0-43D8A1F6C52B";
using IRuledSurfaces = IObjectList<IRuledSurface, IRuledSurfacesId>;
using IRuledSurfacesPtr = Ptr<IRuledSurfaces>;

// The surfaces of a part: surface extrusions, rotations and sweeps of sketches, patches and
// ruled surfaces. The part answers as it.
class ISurfaceContainer : public IAPIObject {
public:
    static constexpr char IID[] = "F1A7C42E-3B86-4D0F-9E58-C2D06B19A7E3";
    using Parent = IAPIObject;

    virtual IExtrusionsPtr GetExtrusionSurfaces() = 0;
    virtual IRotatedsPtr GetRotatedSurfaces() = 0;
    virtual IEvolutionsPtr GetEvolutionSurfaces() = 0;
    virtual ISurfacePatchesPtr GetSurfacePatches() = 0;
    virtual IRuledSurfacesPtr GetRuledSurfaces() = 0;
    // SurfaceFeatures.h; the stand-in has none of the first, third and fourth (empty).
    virtual IEquidistantSurfacesPtr GetEquidistantSurfaces() = 0;
    virtual ITrimmedSurfacesPtr GetTrimmedSurfaces() = 0;
    virtual IFaceRemoversPtr GetFaceRemovers() = 0;
    virtual ISurfaceSewersPtr GetSurfaceSewers() = 0;

protected:
    ~ISurfaceContainer() = default;
};

using ISurfaceContainerPtr = Ptr<ISurfaceContainer>;

} // namespace tvapi
