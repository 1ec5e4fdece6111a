#pragma once
// drApi::TADetailPart: the parts the facade inserted into the active assembly by detail number,
// with where each stands and the program variables behind its origin, so that they can be tied
// to the assembly's origin planes by mates afterwards (drAllMates).

#include "Mathemat3d.h"
#include "TArray.h"
#include "TPointer.h"
#include "drModelerAPI.h"
#include "tvapi/Part.h"

namespace drApi {

// One inserted part. Copy counts the earlier entries of the same detail and suffix.
struct TDetailPart {
    tvapi::IPartPtr Part;
    std::int32_t Detail = -1;
    std::uint32_t Suffics = 0;
    std::uint32_t Copy = 0;
    Boolean ActiveMate = false; // takes part in drAllMates
    TPoint3D Origin;
    // Registered variables whose values are the origin's coordinates; not owned, may be null.
    TIdVariable* VX = nullptr;
    TIdVariable* VY = nullptr;
    TIdVariable* VZ = nullptr;
    TVector3D AX; // the part's X and Y axes in the assembly; zero until placed
    TVector3D AY;

    // Origin (x, y, z) with the variables registered at those very cells (null when none) and
    // the axes iAX, iAY.
    void SetPosition(const Real& x, const Real& y, const Real& z, const TVector3D& iAX, const TVector3D& iAY);
};

class TADetailPart : public TArrayOf<TDetailPart> {
public:
    static constexpr Integer Room = 256;

    TADetailPart() : TArrayOf<TDetailPart>(Room, Room) {}

    // A new entry for Part of detail Det and suffix Suffics, numbered after the entries
    // already there with the same pair; not active, unplaced.
    TDetailPart& Add(const tvapi::IPartPtr& Part, Integer Det, Integer Suffics);
    // The Part of the first entry matching all three; empty when none does.
    tvapi::IPartPtr PfA(Integer Detail, Integer Suffics, Integer Copy) const;
    // The default plane or axis Kind of that entry's part; empty without the entry or its part.
    tvapi::IModelObjectPtr DE(Integer Detail, Integer Suffics, Integer Copy,
                              tvapi::tvObj3dTypeEnum Kind) const;
    tvapi::IModelObjectPtr DE(Integer Detail, Integer Suffics, tvapi::tvObj3dTypeEnum Kind) const
    {
        return DE(Detail, Suffics, 0, Kind);
    }
    // Mates of the active entries to the top part of drApi::MA's 3D document: first, for every
    // entry at X = Y = 0, coincidences of its YOZ (X along +-X) and XOZ (Y along +-Y) planes
    // with the top part's; then, for every entry with VX or VY, distances of those planes by
    // the variable's value bound to its formula (X: "-(" formula ")"). Axes are matched
    // within 1e-5 per component. Nothing without the document, its top part or those planes.
    void drAllMates() const;
};

// The inserted parts, alive from load to unload.
extern TADetailPart ADP;

// drApi::MA.drMate with the same arguments.
Boolean drMate(tvapi::MateConstraintType MT, tvapi::IModelObjectPtr O1, tvapi::IModelObjectPtr O2,
               Integer Direction, Integer Fixed, const Real& V, const TString& iExpresion);

} // namespace drApi
