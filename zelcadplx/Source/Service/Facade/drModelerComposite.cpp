// Composite drawing operations of TModeler2D (rectangles and circles with centre lines,
// fillets and chamfers, dimension shortcuts, sheet closing, a leader on a circle). They are
// built from the primitives alone; until they are, each draws nothing.

#include "drModeler.h"

void TModeler2D::drRectAngleAxle(Real const&, Real const&, Real const&, Real const&, Integer) {}
void TModeler2D::drRectAngleAxleConnest(Real const&, Real const&, Real const&, Real const&, Real const&,
                                        Integer)
{
}
void TModeler2D::drRectAngleAxleFaska(Real const&, Real const&, Real const&, Real const&, Real const&,
                                      Integer)
{
}
void TModeler2D::drCircleRizba(Real const&, Real const&, Real const&, Integer) {}
void TModeler2D::drCircleAxleRizba(Real const&, Real const&, Real const&, Integer) {}
void TModeler2D::drCircleAxleRizbaDim(Real const&, Real const&, Real const&, Integer, Str const&) {}
void TModeler2D::drCircleAxle(Real const&, Real const&, Real const&, Integer) {}
void TModeler2D::drCircleAxleMark(Real const&, Real const&, Real const&, Integer, Integer, Integer) {}
void TModeler2D::drCircleAxleDim(Real const&, Real const&, Real const&, Integer, Str const&) {}
void TModeler2D::drRectAngleAxleDim(Real const&, Real const&, Real const&, Real const&, Integer, Str const&,
                                    Real const&, Real const&)
{
}
void TModeler2D::drCLL(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                       Real const&, Real const&, Real const&, Integer)
{
}
void TModeler2D::drFsk(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                       Real const&, Integer)
{
}
void TModeler2D::drCVR(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                       Real const&, Real const&, Real const&, Integer)
{
}
void TModeler2D::drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4)
{
    drCloseView();
    if (OutputContour() != nullptr) return;
    if (!S1.Empty()) {
        drOpenTDem();
        // One requirement goes unnumbered; otherwise a line's number is its argument's place.
        drStringObj(S2.Empty() ? S1 : TString("1.") + S1);
        if (!S2.Empty()) drStringObj(TString("2.") + S2);
        if (!S3.Empty()) drStringObj(TString("3.") + S3);
        if (!S4.Empty()) drStringObj(TString("4.") + S4);
        drCloseTDem();
    }
    drCloseLeaf();
}
void TModeler2D::drDimDRough(Real const&, Str const&, Real const&, Integer, Integer, Real const&, Real const&,
                             Integer, Str const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimRpp(Real const&, Integer, Real const&, Real const&, Real const&, Real const&, Integer,
                          Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimHL(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                         Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimHL1(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                          Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimHL2(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                          Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimVL(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                         Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimVL1(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                          Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimVL2(Real const&, Real const&, Real const&, Real const&, Real const&, Real const&,
                          Real const&, Str const&, Str const&, Str const&)
{
}
void TModeler2D::drDimApc(Real const&, Real const&, Real const&, Real const&, Str const&, Real const&,
                          Real const&)
{
}
void TModeler2D::drCircleShelf(Real const&, Real const&, Real const&, Real const&, Real const&, Str const&) {}
