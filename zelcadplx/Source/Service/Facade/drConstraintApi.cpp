// The facade's constraint recorder: chain state in the modeller registry, constraints
// through the host's parametric-constraint objects.

#include "drConstraintApi.h"

#include "drModelerAPI.h"
#include "tvapi/ParametricConstraint.h"

namespace drApi {

namespace {

constexpr int StartPoint = 0; // point numbers of the host's 2D objects
constexpr int EndPoint = 1;
constexpr int SegmentJoint = 1;    // the point the next object joins after a segment
constexpr int ArcJoint = 2;        // and after an arc
constexpr int LeastDrawnStyle = 1; // styles below it draw construction only

bool IsBetweenTwoObjects(tvapi::tvConstraintTypeEnum T)
{
    return T == tvapi::tvCMergePoints || T == tvapi::tvCTangentTwoCurves;
}

} // namespace

void TConstraintApi::Add(double const&, double const&, tvapi::IDrawingObjectPtr, int,
                         tvapi::IDrawingObjectPtr, int)
{
}

void TConstraintApi::Constrain(tvapi::tvConstraintTypeEnum Kind, int Index)
{
    TRegistryModeler2D& r = *M.R2;
    const tvapi::IDrawingObject1Ptr current(r.CurDrawingObject);
    if (!current) return;
    const tvapi::IParametricConstraintPtr constraint = current->NewConstraint();
    if (!constraint) return;
    constraint->SetConstraintType(Kind);
    if (IsBetweenTwoObjects(Kind)) {
        constraint->SetPartner({tvapi::ITervanAPIObjectPtr(r.PrevDrawingObject)});
        constraint->SetPartnerIndex(r.PrevIndex);
    }
    constraint->SetIndex(Index);
    constraint->Create();
}

void TConstraintApi::EndChain()
{
    M.R2->PrevDrawingObject.Reset();
}

void TConstraintApi::DoLine(double const& x1, double const& y1, double const& x2, double const& y2, int Attr)
{
    if (Attr < LeastDrawnStyle || !Active) return;
    TRegistryModeler2D& r = *M.R2;
    Add(x1, y1, r.CurDrawingObject, StartPoint, tvapi::IDrawingObjectPtr(), 0);
    EndChain();
    if (r.CurDrawingObject) {
        if (FixFirst) Constrain(tvapi::tvCFixedPoint, StartPoint);
        if (x1 == x2) Constrain(tvapi::tvCVertical, EndPoint);
        if (y1 == y2) Constrain(tvapi::tvCHorizontal, EndPoint);
    }
    r.PrevDrawingObject = r.CurDrawingObject;
    r.PrevIndex = SegmentJoint;
}

void TConstraintApi::DoArc(double const&, double const&, double const&, double const&, double const&,
                           double const&, double const&, int, int)
{
    if (!Active) return;
    TRegistryModeler2D& r = *M.R2;
    if (r.PrevDrawingObject && r.CurDrawingObject) {
        Constrain(tvapi::tvCMergePoints, EndPoint);
        if (ActiveConnest) Constrain(tvapi::tvCTangentTwoCurves, EndPoint);
    }
    r.PrevDrawingObject = r.CurDrawingObject;
    r.PrevIndex = ArcJoint;
}

void TConstraintApi::DoCircle(double const&, double const&, double const&, int)
{
    if (Active) EndChain();
}

void TConstraintApi::DoEllipse(double const&, double const&, double const&, double const&, double const&, int)
{
    if (Active) EndChain();
}

} // namespace drApi
