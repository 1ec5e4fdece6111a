#pragma once
// Operations of the plane and space value types that need curves: the fillet of two lines and
// the plan-view polygon and clipping overlap of a space triangle (declared in Triangle3D.h).

#include "Mathemat.h"

// Fillet of radius R between the line through (x11, y11)-(x12, y12) and the line through
// (x21, y21)-(x22, y22). dir receives the side of (x22, y22) to the first line (1 left,
// -1 right, 0 on it); both lines are moved by the same signed distance towards that side.
// On success C is the fillet centre and A its foot points on the first and second line;
// false (C and A untouched) when the moved lines do not cross.
Boolean ConnestLL(const double& x11, const double& y11, const double& x12, const double& y12,
                  const double& x21, const double& y21, const double& x22, const double& y22, const double& R,
                  TPoint2D (&A)[2], TPoint2D& C, int& dir);
