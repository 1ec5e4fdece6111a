#pragma once
// drApi::TConstraintApi: the facade's recorder of parametric constraints. After each 2D
// object the facade draws into a sketch it has the host tie the object to its chain: a
// segment starts a chain (first point fixed, kept horizontal or vertical), each following
// arc is joined to the end of the object before it, a circle or ellipse ends the chain.

#include "Constraint2D.h"
#include "tvapi/DrawingObject.h"

namespace drApi {

class TModelerApi;

class TConstraintApi : public TConstraint2D {
public:
    TModelerApi& M; // the facade whose modeller registry holds the chain state

    explicit TConstraintApi(TModelerApi& iM) : M(iM) {}
    TConstraintApi(const TConstraintApi&) = delete;
    TConstraintApi& operator=(const TConstraintApi&) = delete;

    // Records nothing: the record list keeps count 0.
    void Add(double const& cx, double const& cy, tvapi::IDrawingObjectPtr cR1, int cIR1,
             tvapi::IDrawingObjectPtr cR2, int cIR2) override;
    // Nothing for a style below 1. The start is fixed when FixFirst is set; a segment with
    // x1 == x2 exactly gets a vertical constraint, y1 == y2 a horizontal one (both for a
    // segment of zero length). The segment becomes the chain's end at its point 1.
    void DoLine(double const& x1, double const& y1, double const& x2, double const& y2, int Attr) override;
    // Joins the arc's point 1 to the chain's end (tangent too while ActiveConnest is set);
    // the arc becomes the chain's end at its point 2. Coordinates, Napr and Attr unused.
    void DoArc(double const& xc, double const& yc, double const& R, double const& x1, double const& y1,
               double const& x2, double const& y2, int Napr, int Attr) override;
    // A closed curve ends the chain.
    void DoCircle(double const& X, double const& Y, double const& R, int Attr) override;
    void DoEllipse(double const& x, double const& y, double const& A, double const& B, double const& Angle,
                   int Attr) override;

private:
    // Has the host put a constraint of kind Kind on the current object at its point Index; for
    // a kind between two objects the partner is the chain's end at its point. Nothing when
    // the object takes no constraints; a refused creation is not reported.
    void Constrain(tvapi::tvConstraintTypeEnum Kind, int Index);
    void EndChain();
};

} // namespace drApi
