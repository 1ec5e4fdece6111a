#pragma once
// Dimensions of a 3D model (the part's container of 3D symbols holds them: Symbols3D.h). A linear
// 3D dimension joins two model objects (faces, edges, vertices, points, planes) and measures
// the shortest distance between them once updated; it answers IDimensionText for its nominal,
// tolerance and deviation texts. Lengths in millimetres.

#include <vector>

#include "tvapi/Dimensions.h"
#include "tvapi/ModelObjects.h"

namespace tvapi {

// Any dimension of a model.
class IDimension3D : public IModelObject {
public:
    static constexpr char IID[] = "6E2B9D14-83C7-4A05-B1F9-27D4E0C8A361";
    using Parent = IModelObject;

protected:
    ~IDimension3D() = default;
};

using IDimension3DPtr = Ptr<IDimension3D>;

// A linear dimension of a model between two objects. One the host generated for a sketch,
// operation or point (ISymbols3DContainer::CreateGenerativeDimensions) joins no objects; it
// answers IFeature (its owner: GetOwnerFeature), IDimensionText and IDimensionParams.
class IBaseLineDimension3D : public IDimension3D {
public:
    static constexpr char IID[] = "B3F70A2C-5D18-4E96-8C41-90A6E2D7F154";
    using Parent = IDimension3D;

    // The measured objects; taken into the model by Update.
    virtual void SetObject1(IModelObjectPtr object) = 0;
    virtual void SetObject2(IModelObjectPtr object) = 0;
    virtual IModelObjectPtr GetObject1() = 0;
    virtual IModelObjectPtr GetObject2() = 0;
    // Distance of the dimension line from the measured objects, millimetres.
    virtual double GetPlacement() = 0;
    virtual void SetPlacement(double value) = 0;

protected:
    ~IBaseLineDimension3D() = default;
};

using IBaseLineDimension3DPtr = Ptr<IBaseLineDimension3D>;

// A linear dimension the user placed between two objects of the model (a baseline or a line
// dimension), as opposed to the dimensions of sketches and operations.
class ILineDimension3D : public IBaseLineDimension3D {
public:
    static constexpr char IID[] = "0C94E3B7-F21A-4D68-A5E0-6B18D3C79F42";
    using Parent = IBaseLineDimension3D;

protected:
    ~ILineDimension3D() = default;
};

using ILineDimension3DPtr = Ptr<ILineDimension3D>;

// The linear dimensions of a part: its own in creation order, then the generated ones in
// the order they were made.
class ILineDimensions3D : public IAPIObject {
public:
    static constexpr char IID[] = "D81C5F09-3A6E-47B2-9E74-C0F2B5A8163D";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // From 0; empty out of range.
    virtual IBaseLineDimension3DPtr GetItem(int index) = 0;
    // A new dimension of the kind (o3d_baselineDimension3D, o3d_lineDimension3D) joining no
    // objects yet; empty for another kind.
    virtual IBaseLineDimension3DPtr Add(tvObj3dTypeEnum kind) = 0;

protected:
    ~ILineDimensions3D() = default;
};

using ILineDimensions3DPtr = Ptr<ILineDimensions3D>;

} // namespace tvapi
