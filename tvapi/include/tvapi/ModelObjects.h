#pragma once
// Objects of a 3D model as the facade keeps them between calls: the model object in
// general (features, planes, axes, topology), the feature tree that lists them, the sketch
// and the 3D polyline. Their modelling operations join these interfaces as the modelling
// areas need them.

#include <vector>

#include "tvapi/Documents.h"
#include "tvapi/Model3D.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

class IModelObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "961CBD51-0792-40E8-A996-90A29AB50E5B";
    using Parent = ITervanAPIObject;

    // The object's kind; o3d_unknown when the host cannot tell.
    virtual tvObj3dTypeEnum GetObjectType() = 0;
    // The name the model tree shows; empty for an unnamed object.
    virtual std::wstring GetName() = 0;

protected:
    ~IModelObject() = default;
};

using IModelObjectPtr = Ptr<IModelObject>;

// A feature of the model tree; a part is the feature that holds all of its objects.
class IFeature : public IAPIObject {
public:
    static constexpr char IID[] = "4E9B27C1-D6A3-4A58-B0F2-93C81E6D5A07";
    using Parent = IAPIObject;

    // The objects of the kinds listed, in the order of the model tree.
    virtual std::vector<IModelObjectPtr> GetModelObjects(const std::vector<tvObj3dTypeEnum>& types) = 0;

protected:
    ~IFeature() = default;
};

using IFeaturePtr = Ptr<IFeature>;

class ISketch : public IModelObject {
public:
    static constexpr char IID[] = "CA4A3B2C-ACE2-487B-AD3F-033A2D2FE3ED";
    using Parent = IModelObject;

    // Opens the sketch for editing and gives its 2D document (an ITervanDocument2D); empty
    // when it cannot be edited. EndEdit closes it again; false when it was not open.
    virtual ITervanDocumentPtr BeginEdit(bool editing) = 0;
    virtual bool EndEdit() = 0;

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
