#pragma once
// The fields of a stored link checked against what they can be before anything of it is
// trusted: kinds among the kinds a link has and matching the objects bound to it, figures and
// directions finite, end planes of unit, independent axes. A field that fails and that the
// link's objects give again is read again from them; one they cannot give leaves the stored set
// damaged. The figures only the user gives (additional deviations, heat, the angular deviations
// of a link bound to no angle) are held to the range the grid takes them in, and a set holding
// one beyond it is damaged; a conversion's factor that no conversion gives is read again from the
// link's kind and conversion. One of them that is no number is left to the chain's check, which
// shows the chain open (TDimensionChains::OpenUnsoundChains).

#include "TDimension.h"

class TChainHost;

// What reading a stored link's fields found.
enum class TStoredFields {
    Held,    // every field was what it can be
    Read,    // a field that was not is read again from the link's objects
    Damaged, // a field that was not cannot be given again
};

// A link of a drawing: one that carries the number of a drawing object of its own or of the
// dimension it was derived from (a model link carries none).
bool IsDrawingLink(const TDimension& L);
// A model link's kind: one of the linear dimensions an assembly's links are gathered from.
bool IsModelKind(tvapi::tvObj3dTypeEnum Kind);
// Finite, with unit axes, AZ = AX x AY, all within TMathDef::paramPrecision.
bool IsUnitPlane(const TPlacement3D& P);

// A drawing link's kinds as its objects have them, before its figures are derived again: its
// own dimension's kind (a derived link is linear), its auxiliary object's when one is bound, and
// no model kind. A kind its dimension cannot have (not one of the four) is left.
void TakeDrawingKinds(TDimension& L, TChainHost& Host);

// Each field of L that is not what it can be read again through Host (its objects as they stand
// now): Host.Reread on a copy, then only those fields taken from it. Deviations: whether L's
// deviations are its dimension's (not a closing link's that its dimension does not show).
TStoredFields ReadStoredFields(TDimension& L, TChainHost& Host, bool Deviations);
