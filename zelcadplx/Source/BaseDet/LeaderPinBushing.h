#pragma once
// The leader-pin bushing: a flanged sleeve guiding a mould's leader pin, sized from element 2
// of the element library (with an extension beyond the collar) or element 4 (a V groove on
// the body instead). Its sheet and part are drawn by the guide bush's drawing routine.

#include "MathDetailsl.h"

class TSocketLeaderPinBushing : public TDetail {
public:
    static constexpr Integer TypeExtended = 2; // extension of FLen beyond the collar
    static constexpr Integer TypeGrooved = 4;  // no extension, a V groove on the body
    static constexpr Integer VersionGrooveLen = 37;

    Real Radius = 0.0;       // body
    Real LPRadius = 0.0;     // guiding bore: the leader pin's radius
    Real Len = 0.0;          // collar's outer face to the far end
    Real FLen = 0.0;         // extension beyond the collar's outer face
    Real LPLen = 0.0;        // the table's pin length, kept with the record
    Real CollarHeight = 0.0; //
    Real CollarRadius = 0.0; //
    Real GrooveLen = 0.0;    // V groove's place from the collar's outer face; 0: none

    TSocketLeaderPinBushing(TDcDetail iId, TModeler3D* M, const TDetail* iComplement);
    // Copies Design, Code and the sizes; the detail's id, modeller and companions stay.
    TSocketLeaderPinBushing& operator=(const TSocketLeaderPinBushing& B);

    // The row of element DetId (2 or 4) for the outer radius R and the length T, the sizes
    // filled from it; 0 when none is found (Design cleared, sizes kept) or DetId is another
    // element (nothing changed). Loads the element library first when it is not loaded.
    Integer Set(Integer DetId, Real const& R, Real const& T);
    // The groove's place on a body of length Len behind a collar CollarHeight high: midway,
    // rounded to a whole millimetre, halves away from zero.
    static Real GroovePlace(Real Len, Real CollarHeight);

    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};
