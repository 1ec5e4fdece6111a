// The modeller's private state and the operations of TModeler2D that need no host: naming
// counters, curve dispatch, the placement stack calls, the section-line collector, the
// contour collector and the rectangle of four lines.

#include "drModeler.h"

#include "Arc.h"
#include "Contour.h"
#include "Elements.h"
#include "LineSeg.h"

Integer CountOfTModeler = 0;

// ---- Private state -----------------------------------------------------------------------

TRegistryModeler2D::TRegistryModeler2D(TConstraint2D& iConstraint2D)
    : HatchContour(std::make_unique<TContour>()), ACutPoint(CutPointStep, CutPointStep),
      Constraint2D(iConstraint2D), APrevCommand(CommandStep, CommandStep), AGroup(0, 0),
      AContour(ContourStep, ContourStep), ATime(TimeStep, TimeStep)
{
}

// Members go in reverse order: DI, the arrays (open groups released, collected contours
// only forgotten), the stack, the drawing objects, last HatchContour with its curves.
TRegistryModeler2D::~TRegistryModeler2D() = default;

// ---- Construction and accessors --------------------------------------------------------------

TModeler2D::TModeler2D(TConstraint2D& iConstraint2D) : R2(new TRegistryModeler2D(iConstraint2D), true)
{
    R2->Count = ++CountOfTModeler;
}

TModeler2D::~TModeler2D()
{
    R2.Free();
}

TDetailCode TModeler2D::GetDetailCode() const
{
    const TDetailInfo& di = R2->DI;
    return TDetailCode(static_cast<UInteger>(di.cDetail), 0u, static_cast<UInteger>(di.cSuffics) & 0xFFu);
}

void TModeler2D::PushOnlySizes2D(Boolean V)
{
    R2->prevOnlySizes2D = R2->OnlySizes2D;
    R2->OnlySizes2D = V;
}

TContour* TModeler2D::OutputContour() const
{
    const TArrayOf<TContour*>& stack = R2->AContour;
    return stack.Count > 0 ? stack[stack.Count - 1] : nullptr;
}

void TModeler2D::SetOutput(TContour* C)
{
    if (C != nullptr)
        R2->AContour.Push(C);
    else
        R2->AContour.Pop();
}

// ---- Naming -------------------------------------------------------------------------------

void TModeler2D::SetVersion(Integer iVersion)
{
    R2->Version = iVersion;
}
Integer TModeler2D::GetVersion()
{
    return R2->Version;
}
SimpleName TModeler2D::GetMainName()
{
    return R2->MainName;
}
SimpleName TModeler2D::GetAdditionalName()
{
    return R2->AdditionalName;
}
SimpleName TModeler2D::GetNextAdditionalName()
{
    return ++R2->AdditionalName;
}

void TModeler2D::SetMainName(SimpleName iName, SimpleName iAdd)
{
    R2->MainName = iName;
    R2->AdditionalName = iAdd;
    R2->AdditionalName2 = 0;
}

// ---- Drawing defaults --------------------------------------------------------------------------

void TModeler2D::drItem(TBasePoint* Item, Integer OutAtribute)
{
    if (Item == nullptr) return;
    const Integer attr = OutAtribute != 0 ? OutAtribute : Item->Atr;
    switch (Item->IsType()) {
    case ctLineSeg: {
        const auto* s = static_cast<const TLineSeg*>(Item);
        drLine(s->x, s->y, s->xk, s->yk, attr);
        break;
    }
    case ctCircle: {
        const auto* c = static_cast<const TCircle*>(Item);
        drCircle(c->x, c->y, c->Radius, attr);
        break;
    }
    case ctArc: {
        const auto* a = static_cast<const TArc*>(Item);
        drArc(a->x, a->y, a->Radius, a->A1, a->A2, attr, static_cast<Integer>(a->sense));
        break;
    }
    default:
        break;
    }
}

void TModeler2D::drMtr(Real x, Real y, Real Angle, Real Scale)
{
    R2->Transf2D.drMtr(x, y, Angle, Scale, false);
}

void TModeler2D::drDeleteMtr()
{
    R2->Transf2D.drDeleteMtr();
}

void TModeler2D::NewCut()
{
    R2->ACutPoint.Clear();
}

void TModeler2D::ACT(Real const& x, Real const& y)
{
    TPoint2D p;
    R2->Transf2D.xyMtr(x, y, p.x, p.y);
    R2->ACutPoint.Add(p);
}

void TModeler2D::ACTIf(Boolean U, Real const& x, Real const& y)
{
    if (U) ACT(x, y);
}

void TModeler2D::drHatch(Integer, Real, Real)
{
    R2->HatchContour->Clear();
    if (OutputContour() == nullptr) R2->AContour.Push(R2->HatchContour.get());
}

void TModeler2D::drEndObj()
{
    if (OutputContour() == R2->HatchContour.get()) R2->AContour.Pop();
}

void TModeler2D::drDeleteObj(tvapi::IDrawingObjectPtr) {}
void TModeler2D::drColorStyle(Integer, TPenStyles) {}

void TModeler2D::drRectAngle(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr)
{
    if (x1 == x2 || y1 == y2) return;
    drLine(x1, y1, x1, y2, Attr);
    drLine(x1, y2, x2, y2, Attr);
    drLine(x2, y2, x2, y1, Attr);
    drLine(x2, y1, x1, y1, Attr);
}

void TModeler2D::drCreateLeafSpw(Str const&, Str const&) {}
void TModeler2D::drAStView7(Real const&, Real const&, Real const&, Real const&, Str const&, Str const&,
                            TMtr3D const&)
{
}
void TModeler2D::drACutView7(Real const&, Real const&, Real const&, Real const&, Str const&,
                             tvapi::IDrawingObjectPtr) const
{
}
void TModeler2D::drSRough(Integer, Boolean, Str const&) {}
