// The base constraint recorder records nothing: a modeller without a host has no
// constraints to make.

#include "Constraint2D.h"

void TMateParam::Set(const double& ix, const double& iy, tvapi::IDrawingObjectPtr& iR1, int iIR1,
                     tvapi::IDrawingObjectPtr& iR2, int iIR2, bool iE)
{
    x = ix;
    y = iy;
    if (!(R1 == iR1)) R1 = iR1;
    IR1 = iIR1;
    if (!(R2 == iR2)) R2 = iR2;
    IR2 = iIR2;
    E = iE;
}

void TConstraint2D::Add(double const&, double const&, tvapi::IDrawingObjectPtr, int, tvapi::IDrawingObjectPtr,
                        int)
{
}
void TConstraint2D::DoLine(double const&, double const&, double const&, double const&, int) {}
void TConstraint2D::DoArc(double const&, double const&, double const&, double const&, double const&,
                          double const&, double const&, int, int)
{
}
void TConstraint2D::DoCircle(double const&, double const&, double const&, int) {}
void TConstraint2D::DoEllipse(double const&, double const&, double const&, double const&, double const&, int)
{
}
