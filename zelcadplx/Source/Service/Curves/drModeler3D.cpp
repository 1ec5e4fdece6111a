// Defaults of the 3D operations of TModeler3D: what a modeller without a host does.

#include "drModeler3D.h"

#include "TAVariable.h"
#include "tvapi/Model3D.h"

TModeler3D::TModeler3D(TConstraint2D& iConstraint2D) : TModeler2D(iConstraint2D)
{
    TAVariable::Publisher = &TModeler3D::PublishVariable;
}

void TModeler3D::PublishVariable(TModeler3D& M, const TString& Name, double Value, const TString& Note,
                                 const TString& LinkDocName)
{
    const tvapi::IVariablePtr variable = M.drAddVariable(Name, Value, Note);
    if (!variable || LinkDocName.Empty()) return;
    variable->SetLink(Wide(LinkDocName).c_str(), Wide(Name).c_str());
}

void TModeler3D::Assign(TModeler3D& M)
{
    R2.Assign(M.R2);
}

void TModeler3D::drSpcObj(Str&, Quor::TSectionSpc, tvapi::IDrawingObjectPtr) {}

TypeModeler TModeler3D::Is() const
{
    return mUknown;
}
void TModeler3D::drCreateEskis(Real) {}
void TModeler3D::drSet(Str const&, Str const&, Str const&, Integer) {}
void TModeler3D::AddDetail(Integer, Integer, TMtr3D const&) {}
void TModeler3D::AddDetail(Real const&, Real const&, Real const&, Str const&, Boolean, Boolean) {}
void TModeler3D::AddDetailIf(Real const&, Real const&, Real const&, Integer, Integer, Boolean, Boolean) {}
void TModeler3D::AddDetail(Real const&, Real const&, Real const&, Integer, Integer, Boolean, Real const&) {}
Boolean TModeler3D::drSetDC(Integer, Integer)
{
    return false;
}
Boolean TModeler3D::drCreate3DNewPart(Integer, Integer, Boolean)
{
    return false;
}
Boolean TModeler3D::drCreate3DNewPartPlane(Integer, Integer, Boolean, tvapi::tvObj3dTypeEnum, Real const&)
{
    return false;
}
Boolean TModeler3D::dr3DPart(Integer, Integer, Boolean)
{
    return false;
}
void TModeler3D::drSave3D(Boolean, Boolean) {}
void TModeler3D::drExpect3D(Integer, Str const&) {}
void TModeler3D::drHoldBoxes3D() {}
void TModeler3D::drNotBuilt3D(Str const&) {}
Boolean TModeler3D::drRefused3D() const
{
    return false;
}
void TModeler3D::drSave3DAs(Integer, Integer, Boolean) {}
void TModeler3D::drBaseExtrusion(tvapi::tvDirectionTypeEnum, tvapi::tvEndTypeEnum, Real const&, Real const&,
                                 Boolean)
{
}
Boolean TModeler3D::IsEskisOpen() const
{
    return false;
}
tvapi::ITervanAPIObjectPtr TModeler3D::GetActiveDoc()
{
    return {};
}
tvapi::IVariablePtr TModeler3D::drAddVariable(Str const&, Real const&, Str const&)
{
    return {};
}
