#pragma once
// The distance (collar) screw of a mould or die: a collar with a screwdriver slot, a precision
// shank and a threaded end, one-piece or assembled from a cap screw, a washer and a bushing.
// Its record, sizes from element-library table 39, drawing, sheet and part; and the readers of
// two older kinds that survive only in stored records.

#include "MathDetailsl.h"
#include "MetricFigures.h"
#include "TAdapter.h"

class TDistanceScrew : public TDetail, public TRect2D {
public:
    static constexpr Integer Type = 39;
    static constexpr Integer VersionDepthHole = 45;
    static constexpr Integer VersionRect = 50;
    static constexpr Integer VersionExecution = 82;

    Real Radius = 0.0;       // precision shank
    Real Len = 0.0;          // collar end face to thread end face
    Real CollarHeight = 0.0; // axial length of the collar
    Real CollarRadius = 0.0;
    Real ThreadLen = 0.0;
    Real ThreadRadius = 0.0; // nominal, half the thread size
    TEnum Execution;         // 0 one-piece, 1 assembled
    Real DepthHole = 0.0;    // stored only

    TDistanceScrew(TDcDetail iId, TModeler3D* M, TConstruktor* K);
    // Copies the rectangle and the six sizes; Design, Code, DepthHole and Execution stay.
    TDistanceScrew& operator=(const TDistanceScrew& D);

    // Row `Row` of table 39. Another table, or a row the table does not hold, answers 0; a
    // missing row is told in a message box, clears Design and keeps the sizes and Code.
    Integer Set(Integer DetId, Integer Row);
    // The row of shank radius R and shank length T in table 39, applied as above; sizes outside
    // the table are told as TellOutsideTable tells them.
    Integer Set(Integer DetId, Real const& R, Real const& T);

    Integer ExecutionValue() const { return Execution.PInt ? *Execution.PInt : 0; }

    // Profile: collar radius r89, shank radius r95, thread radius r94, thread length y5, collar
    // height y6, length y7; the shank is dimensioned up to min(y92, y7 - y5). (mx, my) is where
    // the thread begins. tl's tens digit 1 draws the upper half, 2 the lower, else both (tl 0:
    // the closed upper half of a revolve sketch).
    void dr2D_Gvynt_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Real const& r89,
                       Real const& r95, Real const& r94, Real const& y5, Real const& y6, Real const& y7,
                       Real y92, Integer tl, Boolean isSize) const;
    // The profile of this screw, while its detail is present.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;

protected:
    // The layout written before version 45, its six sizes in the order `Sizes` names them.
    void fromOldStream(TKmfData& S, std::initializer_list<Real*> Sizes);

private:
    // The sizes of table row Row (none for a row the table does not hold); the row, 0 for none.
    Integer Fill(Integer Row);
    // The assembled screw's pieces: the cap screw of the thread (its figures, length under the
    // head and fillet), the washer under its head and the bushing below, each a ring of outer
    // and inner radius and length.
    struct TAssembledSizes {
        TMetricFigures Screw;
        Real ScrewLen, Fillet;
        Real WasherR, WasherIn, WasherLen;
        Real BushingR, BushingIn, BushingLen;
    };
    TAssembledSizes AssembledSizes() const;
    // The two ways of building the part the bracket holds open.
    void drOnePiece(const TPartBracket& Part) const;
    void drAssembled(const TPartBracket& Part, const TAssembledSizes& a) const;
    // The assembled screw's cap screw, washer and bushing, each saved as its own part; false,
    // with none of them left, when one is refused.
    Boolean drPieces(const TAssembledSizes& a) const;
    // The assembled screw's sheet: its pieces in the one-piece sheet's view, head to the left.
    void drAssembledSheet() const;
};

// Readers of older distance screw records; they draw and build as the distance screw.
class TTraction : public TDistanceScrew {
public:
    using TDistanceScrew::TDistanceScrew;
    void fromStream(TKmfData& S) override;
};

class TScrewSpecial : public TDistanceScrew {
public:
    using TDistanceScrew::TDistanceScrew;
    void fromStream(TKmfData& S) override;
};
