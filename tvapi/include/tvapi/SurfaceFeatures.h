#pragma once
// Operations on the surfaces and faces of a part: offset, trimmed and sewn surfaces, removed
// and thickened faces, scalings; the outline curve of faces seen along a direction and a 3D
// contour through edges (auxiliary geometry); billets inserted from part files. Each is made
// by its collection's Add and built by Update, which answers false when it cannot be.

#include <vector>

#include "tvapi/ModelObjects.h"

namespace tvapi {

// How a direction vector is given; the stand-in knows the coefficients only.
enum tvVector3DParametersTypeEnum : int {
    tvVector3DCoefficients = 4,
};

// A direction by its three components.
class IVector3DByCoefficientsParameters : public IAPIObject {
public:
    static constexpr char IID[] = "3C9A71E2-58D4-4B06-A1F3-7E20C5D94B18";
    using Parent = IAPIObject;

    virtual void SetX(double x) = 0;
    virtual void SetY(double y) = 0;
    virtual void SetZ(double z) = 0;

protected:
    ~IVector3DByCoefficientsParameters() = default;
};

using IVector3DByCoefficientsParametersPtr = Ptr<IVector3DByCoefficientsParameters>;

// The direction-vector object of a feature.
class IVector3D : public IAPIObject {
public:
    static constexpr char IID[] = "B41E06D7-9F2A-4C83-8D5B-16A3E7F0C294";
    using Parent = IAPIObject;

    virtual void SetParametersType(tvVector3DParametersTypeEnum type) = 0;
    // The parameters of the type set; empty for a type the host has none of.
    virtual IAPIObjectPtr GetParameters() = 0;

protected:
    ~IVector3D() = default;
};

using IVector3DPtr = Ptr<IVector3D>;

// The two walls of a thin feature: the direction flag chooses the side the first one grows
// on (true: against the faces' normals); thicknesses are lengths (mm).
class IThinParameters : public IAPIObject {
public:
    static constexpr char IID[] = "E7502B9C-1A64-4F3D-B829-C05D61A7E3F4";
    using Parent = IAPIObject;

    virtual void SetThinWallDirection(bool direction) = 0;
    // The thickness of the side chosen by the flag value `side`.
    virtual void SetThickness(bool side, double thickness) = 0;

protected:
    ~IThinParameters() = default;
};

using IThinParametersPtr = Ptr<IThinParameters>;

// Faces thickened into a new body; it answers as IThinParameters.
class ISurfaceThickening : public IModelObject {
public:
    static constexpr char IID[] = "5D28F4A1-C376-4E9B-B07D-A9E1F2386C05";
    using Parent = IModelObject;

    virtual void SetFaces(const std::vector<IModelObjectPtr>& faces) = 0;

protected:
    ~ISurfaceThickening() = default;
};

// Surfaces cut by trimming objects; the sense flag keeps the side the trimming objects'
// normals point to (true) or the other.
class ITrimmedSurface : public IModelObject {
public:
    static constexpr char IID[] = "0A6F3D85-E2B9-4C17-95D4-8B3C7E1A0F62";
    using Parent = IModelObject;

    virtual void SetSurfaces(const std::vector<IModelObjectPtr>& surfaces) = 0;
    virtual void SetTrimmingObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    virtual void SetSense(bool sense) = 0;

protected:
    ~ITrimmedSurface() = default;
};

// A surface offset from objects by a distance, on the side the flag chooses.
class IEquidistantSurface : public IModelObject {
public:
    static constexpr char IID[] = "C8E12F70-4B95-4A3E-9D06-27F5B1C8A349";
    using Parent = IModelObject;

    virtual void SetBaseObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    virtual void SetDirection(bool direction) = 0;
    virtual void SetDistance(double distance) = 0;

protected:
    ~IEquidistantSurface() = default;
};

// Faces taken out of their body.
class IFaceRemover : public IModelObject {
public:
    static constexpr char IID[] = "79B4C0E3-D618-4F25-A3E7-5C02B9D4816A";
    using Parent = IModelObject;

    virtual void SetFaces(const std::vector<IModelObjectPtr>& faces) = 0;

protected:
    ~IFaceRemover() = default;
};

// Faces sewn into one surface, or a body when they close.
class ISurfaceSewer : public IModelObject {
public:
    static constexpr char IID[] = "2EF75A19-8C30-4B6D-B4F1-D3A96E02C587";
    using Parent = IModelObject;

    virtual void SetFaces(const std::vector<IModelObjectPtr>& faces) = 0;
    virtual void SetCreateBody(bool createBody) = 0;

protected:
    ~ISurfaceSewer() = default;
};

// An object scaled about a base point.
class IScaling3D : public IModelObject {
public:
    static constexpr char IID[] = "D1A94E67-3F28-4C05-8E7B-6B09C2F5A3D1";
    using Parent = IModelObject;

    virtual void SetObject(IModelObjectPtr object) = 0;
    virtual void SetScale(double scale) = 0;
    virtual void SetBasePoint(IModelObjectPtr point) = 0;

protected:
    ~IScaling3D() = default;
};

// The outline (silhouette) of faces seen along its direction vector: the curves where the
// faces turn from facing the viewer to facing away.
class ICurveOutLine : public IModelObject {
public:
    static constexpr char IID[] = "6B0D82F5-A743-4E19-B5C8-F1E43D7A092C";
    using Parent = IModelObject;

    virtual void SetFaces(const std::vector<IModelObjectPtr>& faces) = 0;
    virtual IVector3DPtr GetDirectionVector() = 0;

protected:
    ~ICurveOutLine() = default;
};

// A 3D contour through edges or segments, end to end.
class IContour3D : public IModelObject {
public:
    static constexpr char IID[] = "F4C37B02-69E1-4D8A-A05F-3E8D1B6C7A94";
    using Parent = IModelObject;

    virtual void SetSegments(const std::vector<IModelObjectPtr>& segments) = 0;

protected:
    ~IContour3D() = default;
};

// The bodies of a part file inserted as the blank of the part, mirrored or not.
class IBilletObsolete : public IModelObject {
public:
    static constexpr char IID[] = "97E3A1C6-0B5F-4D28-8C94-A2F6D0E7B351";
    using Parent = IModelObject;

protected:
    ~IBilletObsolete() = default;
};

using IBilletObsoletePtr = Ptr<IBilletObsolete>;

class IBilletsObsoletes : public IAPIObject {
public:
    static constexpr char IID[] = "1F8B6D3A-E5C2-4A97-B0D4-73C9A5E21F86";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IBilletObsoletePtr GetItem(int index) = 0;
    // A new billet of the part file `fileName` (mirrored in the part's YOZ plane when
    // `mirror`), last in the model tree, not yet built; empty for a null name.
    virtual IBilletObsoletePtr Add(const wchar_t* fileName, bool mirror) = 0;

protected:
    ~IBilletsObsoletes() = default;
};

using IBilletsObsoletesPtr = Ptr<IBilletsObsoletes>;

using ISurfaceThickeningPtr = Ptr<ISurfaceThickening>;
using ITrimmedSurfacePtr = Ptr<ITrimmedSurface>;
using IEquidistantSurfacePtr = Ptr<IEquidistantSurface>;
using IFaceRemoverPtr = Ptr<IFaceRemover>;
using ISurfaceSewerPtr = Ptr<ISurfaceSewer>;
using IScaling3DPtr = Ptr<IScaling3D>;
using ICurveOutLinePtr = Ptr<ICurveOutLine>;
using IContour3DPtr = Ptr<IContour3D>;

inline constexpr char ISurfaceThickeningsId[] = "A35C9E10-7D42-4B8F-91E6-0C8B4F2D7A53";
inline constexpr char ITrimmedSurfacesId[] = "48F1B7D2-C09A-4E63-A5B8-E27D3C6F1094";
inline constexpr char IEquidistantSurfacesId[] = "B9D06A34-1E87-4C52-8F3A-5D4E9B0C2176";
inline constexpr char IFaceRemoversId[] = "0C7E5F98-3A21-4D6B-B94C-A81F6E3D5B20";
inline constexpr char ISurfaceSewersId[] = "E25A8C47-B6F3-4190-8D2E-7F0A3C95B6D1";
inline constexpr char IScalings3DId[] = "7A1D4B9E-05C6-4F38-A2E9-C3B58F1D6E07";
inline constexpr char ICurveOutLinesId[] = "D86F2C13-9B4E-4A05-B7D1-26E0A8F3C549";
inline constexpr char IContours3DId[] = "34B9E7A0-F1D5-4C82-9E36-8A2C5D0F71B4";
using ISurfaceThickenings = IObjectList<ISurfaceThickening, ISurfaceThickeningsId>;
using ITrimmedSurfaces = IObjectList<ITrimmedSurface, ITrimmedSurfacesId>;
using IEquidistantSurfaces = IObjectList<IEquidistantSurface, IEquidistantSurfacesId>;
using IFaceRemovers = IObjectList<IFaceRemover, IFaceRemoversId>;
using ISurfaceSewers = IObjectList<ISurfaceSewer, ISurfaceSewersId>;
using IScalings3D = IObjectList<IScaling3D, IScalings3DId>;
using ICurveOutLines = IObjectList<ICurveOutLine, ICurveOutLinesId>;
using IContours3D = IObjectList<IContour3D, IContours3DId>;
using ISurfaceThickeningsPtr = Ptr<ISurfaceThickenings>;
using ITrimmedSurfacesPtr = Ptr<ITrimmedSurfaces>;
using IEquidistantSurfacesPtr = Ptr<IEquidistantSurfaces>;
using IFaceRemoversPtr = Ptr<IFaceRemovers>;
using ISurfaceSewersPtr = Ptr<ISurfaceSewers>;
using IScalings3DPtr = Ptr<IScalings3D>;
using ICurveOutLinesPtr = Ptr<ICurveOutLines>;
using IContours3DPtr = Ptr<IContours3D>;

} // namespace tvapi
