#pragma once
// Finding the model objects of a part near a point in space: the faces, edges or vertices of
// its bodies. The part answers it. Lengths in millimetres, in the part's coordinates.

#include <vector>

#include "tvapi/Model3D.h"
#include "tvapi/ModelObjects.h"

namespace tvapi {

// What a search looks for: one kind of object (o3d_face, o3d_edge or o3d_vertex).
class IFindObjectParameters3D : public IAPIObject {
public:
    static constexpr char IID[] = "6E1067B5-FC0C-4683-981A-5DB9FB6C195D";
    using Parent = IAPIObject;

    virtual tvObj3dTypeEnum GetObjectType() = 0;
    virtual void SetObjectType(tvObj3dTypeEnum kind) = 0;

protected:
    ~IFindObjectParameters3D() = default;
};

using IFindObjectParameters3DPtr = Ptr<IFindObjectParameters3D>;

class IFindObjects3D : public IAPIObject {
public:
    static constexpr char IID[] = "D7B74F9E-D471-4CF9-BEBF-A91311569052";
    using Parent = IAPIObject;

    // New parameters, looking for faces.
    virtual IFindObjectParameters3DPtr GetFindObjectParameters() = 0;
    // The objects of the parameters' kind no farther than `tolerance` from (x, y, z): with
    // `all` 1 every one of them in the order of the part's bodies, with 0 only the nearest
    // (the first on a tie). Empty when none is that near or without parameters.
    virtual std::vector<IModelObjectPtr> FindObjects(double x, double y, double z, double tolerance,
                                                     IFindObjectParameters3DPtr parameters, int all) = 0;

protected:
    ~IFindObjects3D() = default;
};

using IFindObjects3DPtr = Ptr<IFindObjects3D>;

} // namespace tvapi
