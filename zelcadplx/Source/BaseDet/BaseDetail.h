#pragma once
// The base-detail builder: one standard mould or die component, given its kind and sizes, as a
// part document of its own (its revolved profile and the socket, slot, recess, flats, head, bore
// or tang its kind needs).

#include "BaseTypes.h"
#include "DString.h"

class TModeler3D;

// Builds kind MakeId from the sizes P (how many a kind reads is its own; the caller supplies
// them) into the part file Path + Name + ".qpt", saves and closes it. ResultIndex is not read.
// The file is written only when the part could be created, so a document already open stays as
// it was. Every kind with a profile refuses sizes that make no solid (a size that is no number
// or infinite, a diameter or length of 0 or less, another size below 0, a bore no narrower than
// what surrounds it, a screw's head no wider than its shank, a socket wider or deeper than the
// head, a slot through the head on a shank no wider than it, which leaves no head, a fillet or
// chamfer past what it rounds, a tang no narrower than its head): a message box "Деталь не
// построена: " names the size, no part is made or saved, and the answer is false. A part that
// is not one solid at its save (a kind without a profile, kind 28 whose profile is empty) or
// whose save fails is not kept either, told in one box, and the answer is false; true otherwise.
bool drBaseDetail(TModeler3D& M, TString& Path, TString& Name, TString& Marking, int MakeId, int ResultIndex,
                  double* P, bool IsSize);
