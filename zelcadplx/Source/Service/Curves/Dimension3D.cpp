// TDimension3D records and the list's record operations; the layout is in Dimension3DLayout.cpp.

#include "Dimension3D.h"

#include "KmfData.h"
#include "LoadOrder.h"
#include "Mtr3D.h"
#include "TAVariable.h"
#include "TRegistrator.h"
#include "drModeler3D.h"

namespace {

constexpr Real LinearLineOffset = 25.0; // a linear dimension line lies this far from its segment
constexpr Real RadialTextOffset = 2.0;  // a radial text lies this far past the radius
constexpr int DecimalCodeVersion = 91;  // older streams hold the detail as a decimal code

// The decimal detail code dddd0ss of old streams: detail dddd, suffix ss.
UInteger FromDecimalCode(UInteger d)
{
    return (d / 10000) * 65536 + ((d % 10000) / 100 % 256);
}

} // namespace

// ---- The record ------------------------------------------------------------------------

void TDimension3D::Evaluate(const TMtr3D& Mtr)
{
    if (Type != tdLinear && Type != tdRadial) return;
    TPoint3D A, B;
    Mtr.Trans2(P11, A);
    Mtr.Trans2(P12, B);
    if (Type == tdRadial) {
        T = A + AX * (V + RadialTextOffset);
        return;
    }
    A += AY * LinearLineOffset;
    B += AY * LinearLineOffset;
    T.Set((A.x + B.x) / 2, (A.y + B.y) / 2, (A.z + B.z) / 2);
}

void TDimension3D::toStream(TKmfData& stream) const
{
    stream.Write(Detail2.Code);
    stream.Write(VId);
    stream.Write(V);
    stream.Write(static_cast<Integer>(Type));
    O.toStream(stream);
    AX.toStream(stream);
    AY.toStream(stream);
    P11.toStream(stream);
    P12.toStream(stream);
}

void TDimension3D::fromStream(TKmfData& stream)
{
    UInteger code = 0;
    stream.Read(code);
    Detail2 = stream.Version() < DecimalCodeVersion ? FromDecimalCode(code) : code;
    stream.Read(VId);
    stream.Read(V);
    Integer kind = tdEmpty;
    stream.Read(kind);
    Type = static_cast<TType>(kind);
    O.fromStream(stream);
    AX.fromStream(stream);
    AY.fromStream(stream);
    P11.fromStream(stream);
    P12.fromStream(stream);
}

// ---- The list --------------------------------------------------------------------------

[[gnu::init_priority(loadorder::Dimensions3D)]] TADimension3D ADimension3D(Registrator, nullptr, AVariable);

TADimension3D::TADimension3D(TRegistrator& iRegistrator, TModeler2D* iM, TAVariable& iVariables)
    : TArrayOf<TDimension3D>(Room, Room), ASizePoint(128, 128), APoint3D(64, 64), Registrator(iRegistrator),
      M(iM, false), Variables(iVariables), defQuality("h14")
{
}

void TADimension3D::drDimension(const double& LX, const double& LY, TModeler3D* iM) const
{
    if (iM == nullptr || Layout3D == nullptr || APoint3D.Empty()) return;
    Layout3D(*this, LX, LY, *iM);
}

namespace {

TDimension3D Segment(TDimension3D::TType kind, const Real& V, const TPoint3D& iO, const TVector3D& iAX,
                     const TVector3D& iAY, TDetailCode Det, Integer VId)
{
    TDimension3D d;
    d.Type = kind;
    d.O = d.P11 = iO;
    d.AX = iAX;
    d.AY = iAY;
    d.P12 = iO + iAX * V;
    d.V = V;
    d.Detail2 = Det;
    d.VId = VId;
    return d;
}

} // namespace

void TADimension3D::AddLDim(const Real& V, const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY,
                            TDetailCode Det)
{
    Add(Segment(TDimension3D::tdLinear, V, iO, iAX, iAY, Det, Registrator.GetId(V)));
}

void TADimension3D::AddRDim(const Real& V, const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY,
                            TDetailCode Det)
{
    Add(Segment(TDimension3D::tdRadial, V, iO, iAX, iAY, Det, Registrator.GetId(V)));
}

void TADimension3D::Add2D(const Real& x, const Real& y, TDetailCode Det, const TString& Q)
{
    TDimension3D d;
    d.Type = TDimension3D::td2DFromZero;
    d.O.Set(x, y, 0);
    d.Detail2 = Det;
    d.Q = Q;
    ASizePoint.Add(d);
}

void TADimension3D::Add3D(const Real& ix, const Real& iy, tvapi::IModelObjectPtr iP, const Real* ipX,
                          const Real* ipY, const TString& iQ)
{
    TDimension3D d;
    d.Type = TDimension3D::tdPoint3D;
    d.Q = iQ;
    d.O.Set(ix, iy, 0);
    d.Point = std::move(iP);
    const TIdVariable* vx = Variables.GetVariable(ipX);
    const TIdVariable* vy = Variables.GetVariable(ipY);
    if (vx != nullptr) d.ExpressionX = vx->Comment;
    if (vy != nullptr) d.ExpressionY = vy->Comment;
    APoint3D.Add(d);
}

void TADimension3D::Clear2D(TDetailCode Det)
{
    ASizePoint.Clear();
    Add2D(0, 0, Det, TString());
}

void TADimension3D::GetLinkVars(const TDetailCode& D, TArrayOf<int>& AVarID) const
{
    AVarID.Clear();
    for (const TDimension3D& d : *this)
        if (d.Detail2 == D && d.VId != 0) AVarID.Add(d.VId);
}

TDimension3D* TADimension3D::GetDim(Integer Id) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].VId == Id) return &FArray[i];
    return nullptr;
}
