#pragma once
// Entities of a kernel part found by where they lie, so a test names the face or edge it means
// by geometry and not by the kernel's order.

#include <array>
#include <cmath>
#include <vector>

#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace model_entities {

inline constexpr double Tolerance = 1e-7;

// The box (min x, y, z, max x, y, z) of a face's surface or an edge's curve; zeros otherwise.
inline std::array<double, 6> BoxOf(const tvapi::IModelObjectPtr& object)
{
    std::array<double, 6> b{};
    if (const tvapi::IFacePtr face{object}) {
        if (const tvapi::IMathSurface3DPtr s = face->GetSurface())
            s->GetGabarit(b[0], b[1], b[2], b[3], b[4], b[5]);
    } else if (const tvapi::IEdgePtr edge{object}) {
        if (const tvapi::IMathCurve3DPtr c = edge->GetCurve3D())
            c->GetGabarit(b[0], b[1], b[2], b[3], b[4], b[5]);
    }
    return b;
}

// The entities of `kind` a body (or any feature) lists.
inline std::vector<tvapi::IModelObjectPtr> All(const tvapi::IModelObjectPtr& body,
                                               tvapi::tvObj3dTypeEnum kind)
{
    const tvapi::IFeaturePtr feature(body);
    return feature ? feature->GetModelObjects({kind}) : std::vector<tvapi::IModelObjectPtr>();
}

inline bool Near(double a, double b)
{
    return std::abs(a - b) <= Tolerance;
}

// The first entity of `kind` in `body` whose box is `box`; empty when none.
inline tvapi::IModelObjectPtr Entity(const tvapi::IModelObjectPtr& body, tvapi::tvObj3dTypeEnum kind,
                                     const std::array<double, 6>& box)
{
    for (const tvapi::IModelObjectPtr& e : All(body, kind)) {
        const std::array<double, 6> b = BoxOf(e);
        bool same = true;
        for (std::size_t i = 0; i < b.size(); ++i)
            same = same && Near(b[i], box[i]);
        if (same) return e;
    }
    return {};
}

// The first entity of `kind` in `body` that `test` accepts; empty when none.
template <class F>
tvapi::IModelObjectPtr EntityWhere(const tvapi::IModelObjectPtr& body, tvapi::tvObj3dTypeEnum kind, F test)
{
    for (const tvapi::IModelObjectPtr& e : All(body, kind))
        if (test(e)) return e;
    return {};
}

} // namespace model_entities
