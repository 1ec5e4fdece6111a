#pragma once
// What a part holds: the sketches its features are built from (in creation order; the
// collection makes new ones), its 3D points, and the collections of its solid features,
// Booleans, copies, 3D macros and user objects (Features3D.h). The part answers as it.

#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelObjects.h"

namespace tvapi {

class ISketches : public IAPIObject {
public:
    static constexpr char IID[] = "DDC03BEA-B6E6-4C22-B9F6-E2EB29B68A3B";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Sketch `index`, from 0; empty out of range.
    virtual ISketchPtr GetItem(int index) = 0;
    // A new unnamed sketch on no plane, last in the part's model tree.
    virtual ISketchPtr Add() = 0;

protected:
    ~ISketches() = default;
};

using ISketchesPtr = Ptr<ISketches>;

class IModelContainer : public IAPIObject {
public:
    static constexpr char IID[] = "7F7D4509-7573-4AF8-B94B-0963180D805E";
    using Parent = IAPIObject;

    virtual ISketchesPtr GetSketches() = 0;
    virtual IPoints3DPtr GetPoints3D() = 0;
    virtual IExtrusionsPtr GetExtrusions() = 0;
    virtual IRotatedsPtr GetRotateds() = 0;
    virtual IEvolutionsPtr GetEvolutions() = 0;
    virtual IBooleansPtr GetBooleans() = 0;
    virtual ICopiesGeometryPtr GetCopiesGeometry() = 0;
    virtual IMacroObjects3DPtr GetMacroObjects3D() = 0;
    virtual IUserObjects3DPtr GetUserObjects3D() = 0;
    // SurfaceFeatures.h; the stand-in has no scalings (empty).
    virtual ISurfaceThickeningsPtr GetSurfaceThickenings() = 0;
    virtual IScalings3DPtr GetScalings3D() = 0;
    virtual IBilletsObsoletesPtr GetBilletsObsoletes() = 0;

protected:
    ~IModelContainer() = default;
};

using IModelContainerPtr = Ptr<IModelContainer>;

} // namespace tvapi
