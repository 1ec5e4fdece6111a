// The 2D placement stack: push composes with the enclosing placement, pop only lowers the
// depth (the matrix stays in place for the next push).

#include "Transf2D.h"

#include "LoadOrder.h"

#include "TDebug.h"

#include <cmath>

namespace drApi {
// The stand-by stack the 2D curves map their points through while no facade lends its own.
// It is independent of any modeller object, so it is valid from load to unload whatever
// the order of static construction of the units.
namespace {
[[gnu::init_priority(loadorder::PlacementStack)]] TTransf2D StandByTransf2D;
} // namespace
TTransf2D* Transf2D = &StandByTransf2D;
} // namespace drApi

namespace {

constexpr Real DegToRad = 0.017453292519943295;

} // namespace

TMtr2D& TTransf2D::PushSlot(Boolean NewSequence)
{
    const Integer below = AMtr.Count;
    TMtr2D& slot = AMtr.Add(); // may move the storage: read the previous top afterwards
    if (!NewSequence && below > 0)
        slot = AMtr[below - 1];
    else
        slot.Init();
    return slot;
}

void TTransf2D::drMtr(Real x, Real y, Real Angle, Real Scale, Boolean NewSequence)
{
    TMtr2D& slot = PushSlot(NewSequence);
    const Real a = Angle * DegToRad;
    TMtr2D T;
    T.Move(x, y);
    TMtr2D R;
    R.Rotate(TVector2D(std::cos(a), std::sin(a)));
    TMtr2D S;
    S.Scale(Scale);
    TMtr2D SR;
    TMtr2D::Multiply(S, R, SR);
    TMtr2D SRT;
    TMtr2D::Multiply(SR, T, SRT);
    const TMtr2D enclosing = slot;
    TMtr2D::Multiply(SRT, enclosing, slot);
}

void TTransf2D::drMtr(const TMtr2D& Mtr, Boolean NewSequence)
{
    const TMtr2D local = Mtr; // Mtr may be an element of the stack itself
    TMtr2D& slot = PushSlot(NewSequence);
    const TMtr2D enclosing = slot;
    TMtr2D::Multiply(local, enclosing, slot);
}

void TTransf2D::drDeleteMtr()
{
    if (AMtr.Count > 0) {
        --AMtr.Count;
        return;
    }
    const TDebug& debug = TDebug::Instance();
    if (debug.Active()) debug.Output("! TTransformer2D::Level == 0");
}

void TTransf2D::xyMtr(const Real& x, const Real& y, Real& nx, Real& ny) const
{
    if (AMtr.Count == 0) {
        nx = x;
        ny = y;
        return;
    }
    AMtr[AMtr.Count - 1].TransformCoord(x, y, nx, ny);
}

Real TTransf2D::ScaleMtr() const
{
    if (AMtr.Count == 0) return 1.0;
    const TMtr2D& top = AMtr[AMtr.Count - 1];
    return std::sqrt(top.M[0][0] * top.M[0][0] + top.M[0][1] * top.M[0][1]);
}

Real TTransf2D::AngleMtr() const
{
    if (AMtr.Count == 0) return 0.0;
    const TMtr2D& top = AMtr[AMtr.Count - 1];
    return AngleLine(0.0, 0.0, top.M[0][0], top.M[0][1]);
}
