#pragma once
// Objects of a 3D model as the facade keeps them between calls: the model object in
// general (features, planes, axes, topology), the sketch and the 3D polyline. Their
// modelling operations join these interfaces as the modelling areas need them.

#include "tvapi/Model3D.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IModelObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "961CBD51-0792-40E8-A996-90A29AB50E5B";
    using Parent = ITervanAPIObject;

    // The object's kind; o3d_unknown when the host cannot tell.
    virtual tvObj3dTypeEnum GetObjectType() = 0;

protected:
    ~IModelObject() = default;
};

using IModelObjectPtr = Ptr<IModelObject>;

class ISketch : public IModelObject {
public:
    static constexpr char IID[] = "CA4A3B2C-ACE2-487B-AD3F-033A2D2FE3ED";
    using Parent = IModelObject;

protected:
    ~ISketch() = default;
};

using ISketchPtr = Ptr<ISketch>;

// A polyline through points in space.
class IPolyLine : public IModelObject {
public:
    static constexpr char IID[] = "191DA11F-8344-43BC-81DD-66DD04C894FC";
    using Parent = IModelObject;

protected:
    ~IPolyLine() = default;
};

using IPolyLinePtr = Ptr<IPolyLine>;

} // namespace tvapi
