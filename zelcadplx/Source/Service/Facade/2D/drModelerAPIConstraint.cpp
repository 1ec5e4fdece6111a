// ==== drApi::TModelerApi (drModelerAPI.h), part: parametric constraints =========================
// Parametric constraints on drawing objects: a dimension tied to a generated variable, and
// one geometric constraint between points of one or two objects.

#include "drModelerAPI.h"

#include "tvapi/ParametricConstraint.h"

namespace drApi {

namespace {

tvapi::IParametricConstraintPtr NewConstraint(const tvapi::IDrawingObjectPtr& Obj)
{
    const tvapi::IDrawingObject1Ptr constrained(Obj);
    return constrained ? constrained->NewConstraint() : tvapi::IParametricConstraintPtr();
}

} // namespace

void TModelerApi::SetDimAssociateVariable(tvapi::IDrawingObjectPtr Dim, Str const& Expresion)
{
    const tvapi::ITervanDocument2DPtr doc = R3->IDoc2D;
    if (!Dim || !doc) return;
    // The value is fixed first; a refused fixing still leaves the variable to try.
    if (const tvapi::IParametricConstraintPtr fixed = NewConstraint(Dim)) {
        fixed->SetConstraintType(tvapi::tvCFixedDim);
        fixed->Create();
    }
    const tvapi::IParametricConstraintPtr variable = NewConstraint(Dim);
    if (!variable) return;
    variable->SetConstraintType(tvapi::tvCDimWithVariable);
    if (!Expresion.Empty()) variable->SetExpression(TString(Expresion).toWideChar());
    TString name("II");
    name += TString(NextInteger());
    variable->SetVariableName(name.toWideChar());
    variable->Create();
}

void TModelerApi::drConstraint(tvapi::tvConstraintTypeEnum T, tvapi::IDrawingObjectPtr Obj, Integer IObj,
                               tvapi::IDrawingObjectPtr Obj2, Integer IObj2)
{
    if (!R3->IDoc2D || !Obj) return;
    const tvapi::IParametricConstraintPtr constraint = NewConstraint(Obj);
    if (!constraint) return;
    constraint->SetConstraintType(T);
    if (Obj2) {
        constraint->SetPartner({tvapi::ITervanAPIObjectPtr(Obj2)});
        constraint->SetPartnerIndex(IObj2);
    }
    constraint->SetIndex(IObj);
    constraint->Create();
}

} // namespace drApi
