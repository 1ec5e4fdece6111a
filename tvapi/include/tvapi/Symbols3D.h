#pragma once
// The annotation objects a part carries besides its features: its threads and 3D dimensions.
// The part answers as the container.

#include <vector>

#include "tvapi/Dimensions3D.h"
#include "tvapi/Measurement.h"

namespace tvapi {

// The threads of a part in the order they were made.
class IThreads : public IAPIObject {
public:
    static constexpr char IID[] = "2598E89B-5787-4F33-8A81-B4D2B88C8F43";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Thread `index`, from 0; empty out of range.
    virtual IThreadPtr GetItem(int index) = 0;
    // A new thread without a face, last in the part's model tree.
    virtual IThreadPtr Add() = 0;

protected:
    ~IThreads() = default;
};

using IThreadsPtr = Ptr<IThreads>;

class ISymbols3DContainer : public IAPIObject {
public:
    static constexpr char IID[] = "B452FA05-4782-4189-A45F-B679FCB374E6";
    using Parent = IAPIObject;

    virtual IThreadsPtr GetThreads() = 0;
    virtual ILineDimensions3DPtr GetLineDimensions3D() = 0;
    // Makes the dimensions that drive the objects visible in the model, listed after the
    // part's own linear dimensions (GetLineDimensions3D): a sketch gets one
    // o3d_SketchLinearDimension per linear dimension of its own that carries a variable, an
    // extrusion one o3d_OperationLinearDimension per side it has a depth on, a point two
    // o3d_baselineDimension3D for its X and Y. `fromSketchesToo` also takes the dimensions
    // of the sketches the features use. Asking again makes nothing new. False when none of
    // the objects has any.
    virtual bool CreateGenerativeDimensions(const std::vector<IModelObjectPtr>& objects,
                                            bool fromSketchesToo) = 0;
    // The variable that drives a dimension made by CreateGenerativeDimensions; empty for
    // another dimension.
    virtual IVariablePtr GetDimensionVariable(IDimension3DPtr dimension) = 0;

protected:
    ~ISymbols3DContainer() = default;
};

using ISymbols3DContainerPtr = Ptr<ISymbols3DContainer>;

} // namespace tvapi
