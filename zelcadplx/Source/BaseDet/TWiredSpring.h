#pragma once
// TWiredSpring: the coil spring of circular wire among the parametric details, with a closing
// end turn at each end and both ends ground flat. It exists only as a 3D part: three helices,
// the wire's section swept along each, and the bands beyond the ends cut away.

#include "BaseTypes.h"
#include "DString.h"
#include "TDetail.h"

class TKmfData;

class TWiredSpring : public TDetail {
public:
    static constexpr Integer StreamSize = 1 + 4 + 3 * 8;
    static constexpr Integer DesignVersion = 44; // streams from here on carry Design and Code
    static constexpr double WorkingTurns = 8.0;
    static constexpr double EndTurns = 0.75;

    Real Radius = 0.0;     // half the outer diameter
    Real WireRadius = 0.0; // the wire's size, used as its diameter
    Real Height = 0.0;     // overall length between the flat ends

    // Detail Id over the borrowed modeller M.
    TWiredSpring(int iId, TModeler3D* M);
    // Copies the three sizes; Id, Design, Code and the rest stay.
    void operator=(const TWiredSpring& D);

    // Builds the detail's part file when it is to be designed and the library's control model
    // holds it: outer diameter 2 Radius, wire WireRadius, 8 working turns.
    void dr3D(const Integer NumberOfTread) const override;
    // A spring has no drawing.
    void dr2D() const override {}
    // Design (byte), Code (int32), then the three sizes (doubles): 29 bytes. A stream older than
    // version 44 holds only the sizes; one that ends early leaves the spring as it was.
    void toStream(TKmfData& stream) const override;
    void fromStream(TKmfData& stream) override;

    // The spring as a new part FName in Md (the facade): outer diameter D, wire d, length H,
    // C working turns; true when built. Sizes that make no solid (a wire or a diameter that is
    // no number, a wire of 0 or less, a diameter not above two wires, a length below the solid
    // height (C + 2 EndTurns) d) are refused: a message box "Деталь не построена: " names the
    // size, no part is made, and the answer is false.
    static bool dr3D_Spring(TModeler3D& Md, const TString& FName, const double& D, const double& d,
                            const double& H, const double& C);
};
