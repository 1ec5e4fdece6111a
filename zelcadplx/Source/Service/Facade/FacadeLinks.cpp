#include "FacadeLinks.h"

TFacadeLinks FacadeLinks;

Real LinkedMassFile(const TString& FName)
{
    return FacadeLinks.GetMassFile ? FacadeLinks.GetMassFile(FName) : 0.0;
}

void LinkedColumnShtamp(Integer N)
{
    if (FacadeLinks.drColumnShtamp) FacadeLinks.drColumnShtamp(N);
}

void LinkedStringObj(const TString& S)
{
    if (FacadeLinks.drStringObj) FacadeLinks.drStringObj(S);
}

Boolean LinkedElementsActive()
{
    return FacadeLinks.ElementsActive && FacadeLinks.ElementsActive();
}

TString LinkedElementName(const TBaseDetail& DC)
{
    return FacadeLinks.ElementName ? FacadeLinks.ElementName(DC) : TString();
}
