#pragma once
// TConstraint2D: the recorder of parametric constraints between the 2D objects the modeller
// draws (a list of contour points and the switches that govern it). Every modeller is built
// over one; the drawing primitives report each object they create to it. This base records
// nothing; the facade's recorder (drApi::TConstraintApi) asks the host for the constraints.

#include "BaseTypes.h"
#include "TArray.h"
#include "tvapi/DrawingObject.h"

// One recorded contour point and the objects that meet there with their point numbers.
struct TMateParam {
    Real x = 0.0;
    Real y = 0.0;
    tvapi::IDrawingObjectPtr R1;
    Integer IR1 = 0;
    tvapi::IDrawingObjectPtr R2;
    Integer IR2 = 0;
    Boolean E = false;

    // Sets the seven fields in order; a pointer denoting the object it already holds keeps
    // its reference.
    void Set(const double& ix, const double& iy, tvapi::IDrawingObjectPtr& iR1, int iIR1,
             tvapi::IDrawingObjectPtr& iR2, int iIR2, bool iE);
};

class TConstraint2D : public TArrayOf<TMateParam> {
public:
    static constexpr Integer RecordStep = 64; // initial room and growth step of the records

    // The first record: the pending mate of the first point of the next outline. It refers
    // into the record storage, which is allocated here and never regrown by this class.
    TMateParam& First;
    Boolean Active = false;        // the recorder acts only when set
    Boolean ActiveConnest = false; // joined curves are also made tangent
    Boolean FixFirst = true;       // the first point of a new chain is fixed

    TConstraint2D() : TArrayOf<TMateParam>(RecordStep, RecordStep), First(FArray[0]) {}
    ~TConstraint2D() override = default;
    TConstraint2D(const TConstraint2D&) = delete;
    TConstraint2D& operator=(const TConstraint2D&) = delete;

    // Offers the contour point (cx, cy) where cR1's point cIR1 meets cR2's point cIR2.
    virtual void Add(double const& cx, double const& cy, tvapi::IDrawingObjectPtr cR1, int cIR1,
                     tvapi::IDrawingObjectPtr cR2, int cIR2);
    // Called after the modeller drew a segment, an arc, a circle or an ellipse and made it
    // its current drawing object; style Attr, arc direction Napr (+1 or -1).
    virtual void DoLine(double const& x1, double const& y1, double const& x2, double const& y2, int Attr);
    virtual void DoArc(double const& xc, double const& yc, double const& R, double const& x1,
                       double const& y1, double const& x2, double const& y2, int Napr, int Attr);
    virtual void DoCircle(double const& X, double const& Y, double const& R, int Attr);
    virtual void DoEllipse(double const& x, double const& y, double const& A, double const& B,
                           double const& Angle, int Attr);
};
