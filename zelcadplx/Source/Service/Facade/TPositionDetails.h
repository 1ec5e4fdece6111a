#pragma once
// TPositionDetails: the components placed on a view of an assembly drawing, with their
// position numbers. It sorts them by the direction in which they lie from the view's centre
// and draws their leaders around the view - up the right side, leftwards along the top and
// down the left side, 15 apart at least - and writes a specification row for each.

#include "DString.h"
#include "Mathemat.h"
#include "TArray.h"

class TModeler2D;
class TControlModel;

// One component: the point on it where its leader starts (drawing coordinates).
struct TPositionDetail : public TPoint2D {
    Real a = 0.0;           // direction from the view's centre, degrees in (-90, 270]
    Integer DC = 0;         // detail code in the control model
    Integer Number = 0;     // position number on the leader
    Integer Suffics = 0;    // variant suffix of the detail
    Integer Count = 0;      // quantity for the specification
    Integer TypeDetail = 0; // specification section (Quor::TSectionSpc)
};

class TPositionDetails : public TArrayOf<TPositionDetail> {
public:
    // Draws through M, asks CM about details; an entry at (NoPosition, NoPosition) has no
    // leader point.
    TPositionDetails(TModeler2D& M, TControlModel& CM, Real NoPosition);

    // Appends a component the control model knows; its number is the model's.
    void Add(Real const& x, Real const& y, Integer detCode, Integer Suffics, Integer detCount,
             Integer detType);
    // Entries without a leader point get their row at once and leave the list; the rest get
    // their direction from (xv, yv) and are sorted by it, ascending (equal ones keep order).
    void EvaluateAngleInsertNoPosSortByAngle(Real const& xv, Real const& yv, Real const& xl, Real const& xr,
                                             Real const& yr);
    // The leader of PD with its shelf at (x, y), grouped, and PD's specification row.
    void drShelfSpcObject(Real const& x, Real const& y, TPositionDetail const& PD);
    // The whole layout around the view of centre (xv, yv), left and right limits xl, xr and
    // top yr; R62 is the top of the region of detail 42, which the left leaders jump once.
    void drDetailsPos(Real const& xv, Real const& yv, Real const& xl, Real const& xr, Real const& yr,
                      Real const& R62);

    bool HasPoint(TPositionDetail const& PD) const { return !(PD.x == FNoPosition && PD.y == FNoPosition); }

private:
    TModeler2D& FModeler;
    TControlModel& FModel;
    Real FNoPosition;
};
