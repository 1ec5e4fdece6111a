#pragma once
// Parametric constraints between 2D objects of a sketch or drawing: a constrainable object
// hands out a new constraint, which is given its kind, its own point and, for constraints
// between two objects, its partner with the partner's point, then asked to create itself.

#include "tvapi/Base.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/Selection.h"

namespace tvapi {

class IParametricConstraint : public IAPIObject {
public:
    static constexpr char IID[] = "183F2997-3186-4248-97C9-BC1B1C2F12B2";
    using Parent = IAPIObject;

    virtual void SetConstraintType(tvConstraintTypeEnum type) = 0;
    // Point number of the owning object the constraint acts on (0 the start, 1 the end of a
    // segment; the arcs and circles number their points likewise).
    virtual void SetIndex(int index) = 0;
    // The other objects of a constraint between objects; empty entries are passed over.
    virtual void SetPartner(const TervanAPIObjectList& partners) = 0;
    // Point number of the partner the constraint acts on.
    virtual void SetPartnerIndex(int index) = 0;
    // Expression and name of the variable a dimension constraint ties its value to.
    virtual void SetExpression(const wchar_t* text) = 0;
    virtual void SetVariableName(const wchar_t* name) = 0;
    // Enters the constraint into the owner's system. False when the host refuses it (a kind
    // that needs a partner has none); the constraint is then not created.
    virtual bool Create() = 0;

protected:
    ~IParametricConstraint() = default;
};

using IParametricConstraintPtr = Ptr<IParametricConstraint>;

// A 2D object that can be constrained.
class IDrawingObject1 : public IDrawingObject {
public:
    static constexpr char IID[] = "B649B312-45F2-4471-9C78-D97D507B2212";
    using Parent = IDrawingObject;

    // A new constraint of this object, not yet created; empty when the object takes none.
    virtual IParametricConstraintPtr NewConstraint() = 0;

protected:
    ~IDrawingObject1() = default;
};

using IDrawingObject1Ptr = Ptr<IDrawingObject1>;

} // namespace tvapi
