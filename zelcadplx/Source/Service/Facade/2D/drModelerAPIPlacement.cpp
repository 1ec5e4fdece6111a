// ==== drApi::TModelerApi (drModelerAPI.h), part: 2D placements ==================================
// The facade's nested 2D placements: the library's own stack and, while a 2D document is
// open, the same placements in the host document, so that what the library computes and what
// the host draws agree; and the placement of a model point in the open sketch.

#include "drModelerAPI.h"

#include "Mathemat.h"

namespace drApi {

void TModelerApi::drMtr(Real x, Real y, Real Angle, Real Scale)
{
    TModeler3D::drMtr(x, y, Angle, Scale);
    if (R3->IDoc2D) R3->IDoc2D->PushLocalPlacement(x, y, Angle, Scale, Scale);
}

void TModelerApi::drDeleteMtr()
{
    TModeler3D::drDeleteMtr();
    if (R3->IDoc2D) R3->IDoc2D->PopLocalPlacement();
}

Boolean TModelerApi::isMtr() const
{
    return drApi::Transf2D->AMtr.Count >= 1 && !R3->IDoc2D;
}

void TModelerApi::drGlobalMtr(Real const& x, Real const& y, Real const& z)
{
    TRegistryApi& r = *R3;
    if (!r.Sketch || !r.IDoc2D) {
        drMtr(0, 0, 0, 1.0);
        return;
    }
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    r.Sketch->PointIntoSketch(x, y, z, x1, y1);
    r.Sketch->PointIntoSketch(x, y, z + 10.0, x2, y2);
    drMtr(x1, y1, AngleLine(x1, y1, x2, y2) - 90.0, 1.0);
}

} // namespace drApi
