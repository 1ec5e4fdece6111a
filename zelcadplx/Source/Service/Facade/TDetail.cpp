#include "TDetail.h"

Boolean TConstruktor::Design(void*, void*, Boolean) const
{
    return false;
}
Boolean TConstruktor::Place(void*, void*, Boolean) const
{
    return false;
}
Integer TConstruktor::Set(void*, const Integer, const Real, const Real) const
{
    return 0;
}
Integer TConstruktor::Set(void*, const Integer, const Real, const Real, const Real) const
{
    return 0;
}
void TConstruktor::Evaluate(void*) const {}

TConstruktor& TConstruktor::Empty()
{
    static TConstruktor EmmptyConstruktor;
    return EmmptyConstruktor;
}

TDetail::TDetail(const TDcDetail iId, TModeler3D* iM, const TDetail* iComplement, const TDcDetail iId2,
                 TConstruktor* C)
    : TWrapModeler(iM, false), Id(iId), Id2(iId2), Complement(iComplement), PCon(C)
{
}

TDetail::TDetail(const TDcDetail iId, TModeler3D* iM, TConstruktor& C) : TDetail(iId, iM, nullptr, 0, &C) {}

TDetail::TDetail(const TDcDetail iId, TModeler3D* iM, TConstruktor* C) : TDetail(iId, iM, nullptr, 0, C) {}

TDetail::TDetail(const TDetail& D, TModeler3D* iM)
    : TWrapModeler(iM, false), Id(D.Id), Id2(D.Id2), State(D.State), DC(D.DC), Number(D.Number),
      Design(D.Design), Code(D.Code), Complement(D.Complement), Complement2(D.Complement2), PCon(D.PCon),
      NeedPhantom(D.NeedPhantom)
{
}

Integer TDetail::CountTread3D() const
{
    return 1;
}
void TDetail::dr3D(const Integer) const {}
void TDetail::dr2D() const {}
void TDetail::AddIn(TProtector&) {}
void TDetail::Show(TGImage&, const TColor&) const {}

Boolean TDetail::toDesign(void* Socket, Boolean Mode)
{
    return PCon ? PCon->Design(this, Socket, Mode) : false;
}

Boolean TDetail::toPlace(void* Socket, Boolean Mode)
{
    return PCon ? PCon->Place(this, Socket, Mode) : false;
}

Integer TDetail::Set(const Integer IT, const Real P1, const Real P2, const Real P3)
{
    return PCon ? PCon->Set(this, IT, P1, P2, P3) : 0;
}

Integer TDetail::Set(const Integer IT, const Real P1, const Real P2)
{
    return PCon ? PCon->Set(this, IT, P1, P2) : 0;
}

void TDetail::Evaluate()
{
    if (PCon) PCon->Evaluate(this);
}

void TDetail::toStream(TKmfData&) const {}
void TDetail::fromStream(TKmfData&) {}
