#pragma once
// The topology of a 3D body as the library reaches it: vertices, edges and faces, the curves
// and surfaces they lie on, and placements (frames). Lengths and coordinates in millimetres;
// the `unit` argument of a length or area query is the host's length unit, 1 for millimetres.
// Out values are written only when the query succeeds.

#include <vector>

#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IBody;
class IMathCurve3D;
class IMathSurface3D;

class IVertex : public ITervanAPIObject {
public:
    static constexpr char IID[] = "B200A52D-FCFB-405D-8AA9-969EBA2AD1F6";
    using Parent = ITervanAPIObject;

    virtual void GetPoint(double& x, double& y, double& z) = 0;

protected:
    ~IVertex() = default;
};

using IVertexPtr = Ptr<IVertex>;

class IEdge : public ITervanAPIObject {
public:
    static constexpr char IID[] = "FE74A6F3-45FF-4042-A02E-CE002B1E3A83";
    using Parent = ITervanAPIObject;

    // The curve the edge lies on, trimmed to the edge; empty for an edge without one.
    virtual Ptr<IMathCurve3D> GetCurve3D() = 0;
    // The vertex at the start (end false) or the end (true); empty for a closed edge.
    virtual IVertexPtr GetVertex(bool end) = 0;
    virtual bool IsStraight() = 0;
    virtual double GetLength(int unit) = 0;

protected:
    ~IEdge() = default;
};

using IEdgePtr = Ptr<IEdge>;

class IFace : public ITervanAPIObject {
public:
    static constexpr char IID[] = "1BDA7C22-428D-4AF2-9CDE-E69DFE5B0A85";
    using Parent = ITervanAPIObject;

    virtual Ptr<IMathSurface3D> GetSurface() = 0;
    virtual double GetArea(int unit) = 0;
    // True when the face's outer normal agrees with its surface's normal.
    virtual bool GetOrientation() = 0;
    // The body the face bounds; empty when the body is gone.
    virtual Ptr<IBody> GetBody() = 0;

protected:
    ~IFace() = default;
};

using IFacePtr = Ptr<IFace>;

// A parametric curve in space, as the host evaluates it. The tangent points towards growing
// parameter.
class IMathCurve3D : public IAPIObject {
public:
    static constexpr char IID[] = "9E0F968B-AFD3-416C-AB69-078948CEC4F1";
    using Parent = IAPIObject;

    virtual double GetParamMin() = 0;
    virtual double GetParamMax() = 0;
    virtual void GetPoint(double t, double& x, double& y, double& z) = 0;
    virtual void GetTangentVector(double t, double& x, double& y, double& z) = 0;
    virtual void GetGabarit(double& minX, double& minY, double& minZ, double& maxX, double& maxY,
                            double& maxZ) = 0;
    virtual double GetLength(int unit) = 0;
    // The parameter t of the curve point nearest (x, y, z); with `onCurve` only when that
    // point is (x, y, z) itself. False, t unchanged, when there is none.
    virtual bool GetParamByPoint(double x, double y, double z, double& t, bool onCurve) = 0;
    // The curve's kind: a straight piece, a full circle, a piece of a circle, an ellipse or a
    // piece of one, a spline. At most one is true.
    virtual bool IsLineSeg() = 0;
    virtual bool IsCircle() = 0;
    virtual bool IsArc() = 0;
    virtual bool IsEllipse() = 0;
    virtual bool IsNurbs() = 0;

protected:
    ~IMathCurve3D() = default;
};

using IMathCurve3DPtr = Ptr<IMathCurve3D>;

// A frame: an origin and the directions of its axes, kept as given (not normalised). The
// matrix is sixteen reals row after row: X, Y and Z axes with 0 in the fourth column, then the
// origin with 1.
class IPlacement3D : public IAPIObject {
public:
    static constexpr char IID[] = "201086EC-F789-49A7-8058-AFDD3730254F";
    using Parent = IAPIObject;

    virtual void GetOrigin(double& x, double& y, double& z) = 0;
    virtual void SetOrigin(double x, double y, double z) = 0;
    // axis: o3d_axisOX, o3d_axisOY or o3d_axisOZ (71, 72, 73); other values do nothing.
    virtual void GetAxis(int axis, double& x, double& y, double& z) = 0;
    virtual void SetAxis(int axis, double x, double y, double z) = 0;
    virtual std::vector<double> GetMatrix3D() = 0;
    // False, nothing changed, unless the matrix has sixteen reals.
    virtual bool SetMatrix3D(const std::vector<double>& matrix) = 0;

protected:
    ~IPlacement3D() = default;
};

using IPlacement3DPtr = Ptr<IPlacement3D>;

class IMathSurface3D : public IAPIObject {
public:
    static constexpr char IID[] = "AB39CA65-5BAE-4031-899D-8BF23385A808";
    using Parent = IAPIObject;

    virtual void GetGabarit(double& minX, double& minY, double& minZ, double& maxX, double& maxY,
                            double& maxZ) = 0;
    // The parameters of the surface point nearest to (x, y, z); `onlyInside` is not used.
    virtual void GetParamUV(double x, double y, double z, bool onlyInside, double& u, double& v) = 0;
    virtual void GetNormal(double u, double v, double& x, double& y, double& z) = 0;
    virtual bool IsPlanar() = 0;
    // The plane's frame (X along u, Y along v); empty for a surface that is not planar.
    virtual IPlacement3DPtr GetPlacement() = 0;

protected:
    ~IMathSurface3D() = default;
};

using IMathSurface3DPtr = Ptr<IMathSurface3D>;

} // namespace tvapi
