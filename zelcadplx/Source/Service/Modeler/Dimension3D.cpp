// TADimension3D: the list and its global, built over the registry and the model variables.

#include "Dimension3D.h"

#include "LoadOrder.h"
#include "TAVariable.h"
#include "TRegistrator.h"
#include "drModeler3D.h"

[[gnu::init_priority(loadorder::Dimensions3D)]] TADimension3D ADimension3D(Registrator, nullptr, AVariable);

TADimension3D::TADimension3D(TRegistrator& iRegistrator, TModeler2D* iM, TAVariable& iVariables)
    : TArrayOf<TDimension3D>(Room, Room), ASizePoint(128, 128), APoint3D(64, 64), Registrator(iRegistrator),
      M(iM, false), Variables(iVariables), defQuality("h14")
{
}

void TADimension3D::drDimension(const double&, const double&, TModeler3D* iM) const
{
    if (iM == nullptr || APoint3D.Empty()) return;
    // The layout through the host's generated dimensions belongs to the facade.
}
