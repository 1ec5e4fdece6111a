#pragma once
// The V-prism clamp: a strip bent into an L, its horizontal leg slotted and ending in a concave
// arc that presses on a round part, its short vertical leg resting on the base. Every size is a
// constant of the class; the record holds only Design and Code.

#include "MathDetailsl.h"

class TClamper : public TDetail {
public:
    const Real RA = 25.0;   // the clamping arc in plan
    const Real c9 = 9.0;    // slot centre (origin) to the arc's deepest point
    const Real c16 = 16.0;  // strip width
    const Real cr4p5 = 4.5; // slot radius
    const Real c17 = 17.0;  // back face of the vertical leg to the arc's deepest point
    const Real c3p3 = 3.3;  // strip thickness
    const Real cr6p3 = 6.3; // outer bend radius
    const Real c6p3 = 6.3;  // underside of the horizontal leg above the base

    explicit TClamper(TDcDetail iId, TModeler3D* M);
    // The sizes are constants: nothing to copy.
    TClamper& operator=(const TClamper&) { return *this; }

    // Derived sizes: how far the back face lies behind the origin, the arc's depth over the
    // strip width, the rear slot centre, half the rear slot chord at the inner face of the
    // vertical leg, and that face's x.
    Real d() const { return c17 - c9; }
    Real h() const;
    Real a() const { return cr4p5 - d(); }
    Real s() const;
    Real x0() const { return c3p3 - d(); }

    void Show(TGImage& Image, const TColor& Color) const override;
    // Plan view: tl 1 the slot alone, 2 the outline alone, otherwise both with the bend, the
    // slot end and the axes.
    void drPryzymPlan(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                      Boolean isSize) const;
    // Section on the centre line, height above the base as y; tl is the line style, 0 the
    // outline of the 3D sketch with the clamped part's axis.
    void drPryzymRozr(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                      Boolean isSize) const;
    // The hatched section mirrored, front end towards -x; isSize is not used.
    void drPryzymRozrPrav(Real const& mx, Real const& my, Real const& ma, Real const& ms,
                          Boolean isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    // Three clamps about a round part of radius R whose axis stands at (x, y), at height ZHigh,
    // each facing the axis; Reverese turns them over. Nothing unless U.
    void Add(Real const& x, Real const& y, Real const& ZHigh, Real const& R, Boolean Reverese,
             Boolean U) const;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;

private:
    // The section outline and, for a cut, its lines and hatch; mirror -1 draws it mirrored.
    void Section(Integer tl, Real mirror) const;
};
