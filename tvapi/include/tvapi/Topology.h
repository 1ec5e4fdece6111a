#pragma once
// The topology of a 3D body as the library reaches it: edges, their vertices and the curves
// they lie on. Their geometry joins these interfaces with the host's 3D bodies.

#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IVertex : public ITervanAPIObject {
public:
    static constexpr char IID[] = "B200A52D-FCFB-405D-8AA9-969EBA2AD1F6";
    using Parent = ITervanAPIObject;

protected:
    ~IVertex() = default;
};

class IEdge : public ITervanAPIObject {
public:
    static constexpr char IID[] = "FE74A6F3-45FF-4042-A02E-CE002B1E3A83";
    using Parent = ITervanAPIObject;

protected:
    ~IEdge() = default;
};

// A parametric curve in space, as the host evaluates it.
class IMathCurve3D : public IAPIObject {
public:
    static constexpr char IID[] = "9E0F968B-AFD3-416C-AB69-078948CEC4F1";
    using Parent = IAPIObject;

protected:
    ~IMathCurve3D() = default;
};

using IVertexPtr = Ptr<IVertex>;
using IEdgePtr = Ptr<IEdge>;
using IMathCurve3DPtr = Ptr<IMathCurve3D>;

} // namespace tvapi
