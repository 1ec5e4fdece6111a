// Capture of chain links from the dimensions, segments and angular dimensions of a drawing.

#include "TDimension.h"

#include "ChainHost.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Real DegToRad = 0.017453292519943295;
constexpr Real RadToDeg = 57.29577951308232;
constexpr Real SamePointTolerance = 1e-4;
// Unit directions whose cross product is this small are parallel.
constexpr Real ParallelTolerance = 1e-9;

TVector2D Unit(TVector2D v)
{
    const Real len = v.Len();
    if (len > TDimension::ZeroLength) v /= len;
    return v;
}

// End plane of a link: through Q, X along w, Y along the drawing's normal.
TPlacement3D Frame(const TPoint2D& Q, const TVector2D& w)
{
    TPlacement3D P;
    P.Set(TPoint3D(Q.x, Q.y, 0.0), TVector3D(w.x, w.y, 0.0), TVector3D(0.0, 0.0, 1.0));
    return P;
}

// The foot of Q on the line through the origin along w.
TPoint2D OnDirection(const TPoint2D& Q, const TVector2D& w)
{
    const Real ww = w | w;
    if (!(ww > 0.0)) return TPoint2D();
    const Real k = (Q.x * w.x + Q.y * w.y) / ww;
    return TPoint2D(k * w.x, k * w.y);
}

bool SegmentEnds(const tvapi::IDrawingObjectPtr& obj, TPoint2D& a, TPoint2D& b)
{
    const tvapi::ILineSegmentPtr seg(obj);
    if (!seg) return false;
    a.Set(seg->GetX1(), seg->GetY1());
    b.Set(seg->GetX2(), seg->GetY2());
    return true;
}

// The unit direction a linear dimension measures along, by its orientation: a horizontal one
// along X, a vertical one along Y, a parallel one along its angle (radians; the host keeps the
// angle for parallel dimensions only). An orientation the host does not name measures along
// the angle too.
TVector2D MeasuredAlong(const tvapi::ILineDimensionPtr& dim)
{
    switch (dim->GetOrientation()) {
    case tvapi::tvLinDHorizontal:
        return TVector2D(1.0, 0.0);
    case tvapi::tvLinDVertical:
        return TVector2D(0.0, 1.0);
    case tvapi::tvLinDParallel:
    default:
        break;
    }
    const Real alpha = dim->GetAngle();
    return TVector2D(std::cos(alpha), std::sin(alpha));
}

// The direction a segment or a linear dimension gives a projection, and how it projects.
bool ProjectionOf(TChainHost& Host, const tvapi::IDrawingObjectPtr& obj, TVector2D& along,
                  TProjectionKind& kind)
{
    const tvapi::DrawingObjectTypeEnum type = Host.GetType(obj);
    if (type == tvapi::tvDrLineSeg) {
        TPoint2D a, b;
        if (!SegmentEnds(obj, a, b)) return false;
        along = TVector2D(a, b);
        kind = TProjectionKind::Segment;
        return true;
    }
    const tvapi::ILineDimensionPtr dim(obj);
    if (type != tvapi::tvDrLDimension || !dim) return false;
    along = MeasuredAlong(dim);
    kind = TProjectionKind::Dimension;
    return true;
}

// The definition points of a linear dimension and the direction it measures along.
bool LinearPoints(const tvapi::IDrawingObjectPtr& obj, TPoint2D& a, TPoint2D& b, TVector2D& along)
{
    const tvapi::ILineDimensionPtr dim(obj);
    if (!dim) return false;
    a.Set(dim->GetX1(), dim->GetY1());
    b.Set(dim->GetX2(), dim->GetY2());
    along = MeasuredAlong(dim);
    return true;
}

// Centre and radius of a diametral or radial dimension; false when it offers neither.
template <class I> bool Circle(const tvapi::IDrawingObjectPtr& obj, TPoint2D& centre, Real& radius)
{
    const tvapi::Ptr<I> dim(obj);
    if (!dim) return false;
    centre.Set(dim->GetXc(), dim->GetYc());
    radius = dim->GetRadius();
    return true;
}

} // namespace

namespace {

// The common start of the four captures: false when iObj is not of the kind wanted.
bool Start(TChainHost& Host, TDimension& D, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj,
           tvapi::DrawingObjectTypeEnum kind)
{
    D = TDimension();
    D.Obj = iObj;
    D.View = Host.GetNumberView(iObj);
    D.Type = Host.GetType(iObj);
    D.AuxObj = iAuxObj;
    D.TypeAuxiliary = Host.GetType(iAuxObj);
    return D.Type == kind;
}

void ReadLinear(TChainHost& Host, TDimension& D, const tvapi::IDrawingObjectPtr& obj)
{
    Host.GetDimParam(obj, D.Nominal, D.Qualitet, D.QHigh, D.QLow, false);
}

void ReadAngular(TChainHost& Host, TDimension& D, const tvapi::IDrawingObjectPtr& obj)
{
    Host.GetDimParam(obj, D.ANominal, D.AQualitet, D.AQHigh, D.AQLow, true);
}

} // namespace

void TDimension::SetLDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj)
{
    if (!Start(Host, *this, iObj, iAuxObj, tvapi::tvDrLDimension)) return;
    ReadLinear(Host, *this, Obj);
    TVector2D along;
    if (!LinearPoints(Obj, P1, P2, along)) return;
    const TVector2D u = Unit(along);
    // End planes across the measuring direction, as the circular and derived links have them,
    // so that a linear link meets them plane to plane.
    const TVector2D across(-u.y, u.x);
    PL1 = Frame(P1, across);
    PL2 = Frame(P2, across);
    V2 = TVector2D(OnDirection(P1, u), OnDirection(P2, u));
    V3 = TVector3D(V2.x, V2.y, 0.0);
    OrientDrawingVector(V2);
    TVector2D direction;
    TProjectionKind kind = TProjectionKind::Unknown;
    if (TypeAuxiliary == tvapi::tvDrADimension)
        ReadAngular(Host, *this, AuxObj);
    else if (ProjectionOf(Host, AuxObj, direction, kind) && V2.Len() > ZeroLength)
        ProjectAlong(direction, kind);
}

bool AngleRaysOf(const tvapi::IDrawingObjectPtr& Angle, TAngleRays& Rays)
{
    const tvapi::IAngleDimensionPtr a(Angle);
    if (!a) return false;
    const Real a1 = a->GetAngle1(), a2 = a->GetAngle2();
    Rays.Vertex.Set(a->GetXc(), a->GetYc());
    Rays.Ray[0] = TVector2D(std::cos(a1 * DegToRad), std::sin(a1 * DegToRad));
    Rays.Ray[1] = TVector2D(std::cos(a2 * DegToRad), std::sin(a2 * DegToRad));
    // Counter-clockwise from the first ray to the second: the direct angle; the smaller one
    // runs so only up to a half turn, the larger one only past it.
    const Real direct = std::fmod(std::fmod(a2 - a1, 360.0) + 360.0, 360.0);
    bool ccw = true;
    switch (a->GetAngleType()) {
    case tvapi::tvADDirectAngle:
        break;
    case tvapi::tvADMaxAngle:
        ccw = direct > 180.0;
        break;
    default:
        ccw = direct <= 180.0;
        break;
    }
    Rays.Turn = ccw ? 1.0 : -1.0;
    return true;
}

Real TDimension::LaidAngleTurn() const
{
    TAngleRays rays;
    const bool circular = Type == tvapi::tvDrDDimension || Type == tvapi::tvDrRDimension;
    if ((Type != tvapi::tvDrLDimension && !circular) || !AngleRaysOf(BoundAngle(), rays)) return 0.0;
    // A diameter or radius is laid along its vector from the origin of its drawn ends.
    const TVector2D along = Unit(TVector2D(P1, P2));
    // The ray along the link grows away from the other: the second ray in the angle's turn.
    const bool second = std::fabs(rays.Ray[1] | along) >= std::fabs(rays.Ray[0] | along);
    return second ? rays.Turn : -rays.Turn;
}

void TDimension::SetADim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj)
{
    if (!Start(Host, *this, iObj, iAuxObj, tvapi::tvDrADimension)) return;
    QLow = QHigh = 0.0;
    ReadAngular(Host, *this, Obj);
    if (TypeAuxiliary == tvapi::tvDrLineSeg && SegmentEnds(AuxObj, P1, P2)) V2 = TVector2D(P1, P2);
}

namespace {

// Diametral and radial links: laid across the auxiliary object's direction at their drawn size
// (the nominal when the dimension gives no circle), in the drawing's coordinates as a linear
// link's ends are, so that they close with linear links in a view of any scale and whatever
// nominal is typed; the chain counts with the nominal (NominalVector).
template <class I>
void CaptureCircular(TChainHost& Host, TDimension& D, tvapi::IDrawingObjectPtr iObj,
                     tvapi::IDrawingObjectPtr iAuxObj, tvapi::DrawingObjectTypeEnum kind)
{
    if (!Start(Host, D, iObj, iAuxObj, kind)) return;
    ReadLinear(Host, D, D.Obj);
    if (!Circle<I>(D.Obj, D.PC, D.R)) {
        D.PC = TPoint2D();
        D.R = 0.0;
    }
    TVector2D w;
    if (D.TypeAuxiliary == tvapi::tvDrLineSeg && SegmentEnds(D.AuxObj, D.P1, D.P2)) {
        w.Set(-(D.P2.y - D.P1.y), D.P2.x - D.P1.x);
    } else if (!(D.TypeAuxiliary == tvapi::tvDrLDimension && LinearPoints(D.AuxObj, D.P1, D.P2, w))) {
        D.V2 = TVector2D();
        return;
    }
    D.V3 = TVector3D(w.x, w.y, 0.0);
    D.PL1 = Frame(D.P1, w);
    D.PL2 = Frame(D.P2, w);
    const TVector2D across = Unit(TVector2D(-w.y, w.x));
    const Real drawn = (kind == tvapi::tvDrDDimension ? 2.0 : 1.0) * D.R;
    D.V2 = across * (drawn > TDimension::ZeroLength ? drawn : D.Nominal);
    D.P1 = TPoint2D();
    D.P2 = D.V2;
    D.V3 = TVector3D(D.V2.x, D.V2.y, 0.0);
}

} // namespace

void TDimension::SetDDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj)
{
    CaptureCircular<tvapi::IDiametralDimension>(Host, *this, std::move(iObj), std::move(iAuxObj),
                                                tvapi::tvDrDDimension);
}

void TDimension::SetRDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj)
{
    CaptureCircular<tvapi::IRadialDimension>(Host, *this, std::move(iObj), std::move(iAuxObj),
                                             tvapi::tvDrRDimension);
}

bool TDimension::Capture(TChainHost& Host, tvapi::DrawingObjectTypeEnum Kind,
                         const tvapi::IDrawingObjectPtr& iObj, const tvapi::IDrawingObjectPtr& iAuxObj)
{
    using TCapture = void (TDimension::*)(TChainHost&, tvapi::IDrawingObjectPtr, tvapi::IDrawingObjectPtr);
    const TCapture capture = Kind == tvapi::tvDrLDimension   ? &TDimension::SetLDim
                             : Kind == tvapi::tvDrADimension ? &TDimension::SetADim
                             : Kind == tvapi::tvDrDDimension ? &TDimension::SetDDim
                             : Kind == tvapi::tvDrRDimension ? &TDimension::SetRDim
                                                             : nullptr;
    if (!capture) return false;
    (this->*capture)(Host, iObj, iAuxObj);
    return true;
}

void TDimension::SetAngleTolerance(TChainHost& Host, tvapi::IDrawingObjectPtr AngleObj)
{
    if (Host.GetType(AngleObj) != tvapi::tvDrADimension || BindAngle(Host, AngleObj)) return;
    ReadAngular(Host, *this, AngleObj);
    Derive(Host);
}

bool TDimension::BindAngle(TChainHost& Host, const tvapi::IDrawingObjectPtr& AngleObj)
{
    if (Host.GetType(AngleObj) != tvapi::tvDrADimension) return false;
    const bool circular = Type == tvapi::tvDrDDimension || Type == tvapi::tvDrRDimension;
    if (Type == tvapi::tvDrLDimension && Obj) {
        AuxObj = AngleObj;
        TypeAuxiliary = tvapi::tvDrADimension;
    } else if ((circular && Obj) || (Type == tvapi::tvDrLDimension && PearentObj)) {
        AngleAuxObj = AngleObj; // its AuxObj gives its direction
    } else {
        return false;
    }
    AQLow = AQHigh = 0.0; // read again from the angle below, not carried over
    Derive(Host);
    return true;
}

tvapi::IDrawingObjectPtr TDimension::BoundAngle() const
{
    return TypeAuxiliary == tvapi::tvDrADimension ? AuxObj : AngleAuxObj;
}

bool TDimension::ReadAngleAuxObj(TChainHost& Host)
{
    if (!AngleAuxObj) return true;
    if (Host.GetType(AngleAuxObj) != tvapi::tvDrADimension) return false;
    ReadAngular(Host, *this, AngleAuxObj);
    return true;
}

void TDimension::SetProjectionOn(TChainHost& Host, tvapi::IDrawingObjectPtr ProjectionObj7)
{
    TVector2D direction;
    TProjectionKind kind = TProjectionKind::Unknown;
    if (!(V2.Len() > ZeroLength) || !ProjectionOf(Host, ProjectionObj7, direction, kind)) return;
    // A projection laid again replaces the one before: it is tried on the link as its dimension
    // and angle give it, unprojected, and only the record changes, when it would be taken.
    TDimension laid(*this);
    if (ProjectionObj) {
        laid.VTransformation = TVector2D();
        laid.Projection = TProjectionKind::Unknown;
        laid.ProjectionObj.Reset();
        if (!laid.Derive(Host)) return;
    }
    laid.ProjectAlong(direction, kind);
    const TVector2D& taken = laid.VTransformation;
    if (laid.Projection != kind || taken.x != direction.x || taken.y != direction.y) return;
    VTransformation = direction;
    Projection = kind;
    ProjectionObj = ProjectionObj7;
    Derive(Host);
}

void TDimension::ReadProjectionObj(TChainHost& Host)
{
    TVector2D along;
    TProjectionKind kind = TProjectionKind::Unknown;
    if (!ProjectionObj || !ProjectionOf(Host, ProjectionObj, along, kind)) return;
    Projection = kind;
    // A direction moved or drawn longer or reversed along its line projects as before.
    const TVector2D was = Unit(VTransformation), now = Unit(along);
    if (std::fabs(was ^ now) <= ParallelTolerance && (now | now) > 0.0) return;
    VTransformation = along;
}

void TDimension::ProjectAlong(const TVector2D& Direction, TProjectionKind Kind)
{
    const Real len = V2.Len();
    if (!(len > ZeroLength)) return;
    const TPoint2D a = OnDirection(P1, Direction), b = OnDirection(P2, Direction);
    const TVector2D d(a, b);
    const Real dl = d.Len();
    // Angular deviations laid on the link tilt it onto any direction, a segment's too.
    const bool byDimension = Kind == TProjectionKind::Dimension || AQLow != 0.0 || AQHigh != 0.0;
    if (byDimension && dl > len) return; // the tilt angle would be undefined
    VTransformation = Direction;
    Projection = Kind;
    if (std::fabs(a.x - b.x) <= SamePointTolerance && std::fabs(a.y - b.y) <= SamePointTolerance) return;
    if (!byDimension) {
        const Real k = dl / len;
        QLow *= k;
        QHigh *= k;
        V2 = d;
        return;
    }
    // A growing angle turns the link away from the direction (its projection shrinks) when it
    // turns it the way it already leans from the direction, towards it otherwise.
    const Real theta = std::acos(dl / len) * RadToDeg;
    const Real lean = (Direction ^ V2) * (Direction | V2), turn = LaidAngleTurn();
    const Real away = turn == 0.0 || turn * lean >= 0.0 ? 1.0 : -1.0;
    const Real cl = std::cos((away * AQLow + theta) * DegToRad),
               ch = std::cos((away * AQHigh + theta) * DegToRad);
    // The nominal's projection, in the dimension's units whatever the view's scale.
    const Real projected = Nominal * dl / len;
    const Real hi = std::max(cl * (Nominal + QHigh) - projected, ch * (Nominal + QHigh) - projected);
    const Real lo = std::min(cl * (Nominal + QLow) - projected, ch * (Nominal + QLow) - projected);
    QHigh = hi;
    QLow = lo;
    V2 = d;
}

bool TDimension::SetDerivative(TChainHost& Host, const TDimension& D, int N, tvapi::IDrawingObjectPtr iAuxObj)
{
    AuxObj = iAuxObj;
    if (!D.Obj || !AuxObj || !Host.HasDrawing()) return false;
    TypeAuxiliary = Host.GetType(AuxObj);
    // Along the direction a linear dimension measures, not across its ends, which may stand
    // apart in both coordinates.
    TVector2D along;
    if (TypeAuxiliary == tvapi::tvDrLDimension && LinearPoints(AuxObj, P1, P2, along))
        V2 = along;
    else if (TypeAuxiliary == tvapi::tvDrLineSeg && SegmentEnds(AuxObj, P1, P2))
        V2 = TVector2D(P1, P2);
    V2 = Unit(V2) * D.R;
    V3 = TVector3D(-V2.y, V2.x, 0.0);
    if (D.Type != tvapi::tvDrDDimension && D.Type != tvapi::tvDrRDimension) return false;
    Nominal = D.Nominal;
    QLow = D.QLow;
    QHigh = D.QHigh;
    const bool radial = D.Type == tvapi::tvDrRDimension;
    const TVector2D across(V3.x, V3.y);
    Real k = 0.0;
    switch (N) {
    case 1:
        P1 = D.PC;
        P2 = TPoint2D(D.PC.x + V2.x, D.PC.y + V2.y);
        k = radial ? 1.0 : 0.5;
        break;
    case 2:
        P1 = TPoint2D(D.PC.x - V2.x, D.PC.y - V2.y);
        P2 = D.PC;
        k = radial ? 1.0 : 0.5;
        break;
    case 3:
        P1 = TPoint2D(D.PC.x - V2.x, D.PC.y - V2.y);
        P2 = TPoint2D(D.PC.x + V2.x, D.PC.y + V2.y);
        k = radial ? 2.0 : 1.0;
        break;
    default:
        return false;
    }
    PL1 = Frame(P1, across);
    PL2 = Frame(P2, across);
    if (N == 3) V2 *= 2.0;
    Obj.Reset();
    PearentObj = D.Obj;
    Number = N;
    Qualitet = D.Qualitet;
    Type = tvapi::tvDrLDimension;
    View = D.View;
    V3 = TVector3D(V2.x, V2.y, 0.0);
    Nominal *= k;
    QLow *= k;
    QHigh *= k;
    return true;
}
