#pragma once
// TTransf2D: the stack of nested 2D placements through which the modeller's 2D primitives
// map local coordinates to drawing coordinates. The top is the whole composed mapping from
// the innermost placement to the drawing, not the last step alone. Angles in degrees,
// counter-clockwise.

#include "BaseTypes.h"
#include "Mathemat.h"
#include "TArray.h"

class TTransf2D {
public:
    static constexpr Integer MtrStep = 64; // initial room and growth step of the stack

    // The stack; Count is the nesting depth, element Count - 1 the top. Starts with room for
    // MtrStep identity matrices and grows by MtrStep when a deeper placement is pushed.
    TArrayOf<TMtr2D> AMtr;

    TTransf2D() : AMtr(MtrStep, MtrStep) {}
    virtual ~TTransf2D() = default;
    TTransf2D(const TTransf2D&) = delete;
    TTransf2D& operator=(const TTransf2D&) = delete;

    // Pushes a placement with local origin (x, y) in the enclosing coordinates, local X axis
    // turned by Angle degrees and unit Scale enclosing units: a local point is scaled, turned,
    // moved, then mapped by the enclosing placement. NewSequence starts from the drawing's
    // own coordinates instead of the enclosing placement.
    void drMtr(Real x, Real y, Real Angle, Real Scale, Boolean NewSequence);
    // Pushes a placement given as a matrix from local to enclosing coordinates.
    void drMtr(const TMtr2D& Mtr, Boolean NewSequence);
    // Pops the top placement; an empty stack stays empty (a debug text, nothing for the user).
    void drDeleteMtr();

    // (x, y) mapped through the top; unchanged with an empty stack.
    void xyMtr(const Real& x, const Real& y, Real& nx, Real& ny) const;
    // Length of the top's first row: drawing units per local unit; 1 with an empty stack.
    Real ScaleMtr() const;
    // Direction of the top's first row in degrees, [0, 360); 0 with an empty stack.
    Real AngleMtr() const;

private:
    // Opens a new top slot and returns the matrix it starts from (previous top or identity).
    TMtr2D& PushSlot(Boolean NewSequence);
};

namespace drApi {
// The facade's 2D placement stack; valid while the library is loaded. Curves read it to map
// their points.
extern TTransf2D* Transf2D;
} // namespace drApi
