#pragma once
// The texts of a link's numbers, one rule each for the link grid, the dimension's text in the
// drawing, the report and the closing link's notes.

#include "BaseTypes.h"
#include "DString.h"

namespace LinkText {

constexpr Real AngleShown = 1e-5; // smaller angular deviations (degrees) are shown blank

// A number with Digits decimals in seven characters, as the grid, the report and the notes
// show it: "  0.100"; one that rounds to zero has no sign; one that is no number (a text too
// large to read) is blank.
TString Number(Real Value, int Digits = 3);
// A deviation as a dimension's text shows it: three decimals, a decimal comma, seven
// characters: "  0,100".
TString Deviation(Real Value);
// An angular deviation in degrees, minutes and seconds; empty unless its size is above
// AngleShown (NaN included).
TString Angle(Real Degrees);
// A link's label: the 1-based chain number and the 0-based link number, two digits each,
// starred on the closing link of a closed chain: "01.02*".
TString Label(int Chain, int Link, bool Closing);
// The note of the loop's residual: "0(   0.00)[  0.100, -0.150]".
TString ResidualNote(Real Nominal, Real QHigh, Real QLow);
// A note without its last residual note (ResidualNote's form); the rest, the user's text
// included, stays as it is.
TString WithoutResidualNote(const TString& Note);
// The note of a checked loop's deviations: " {   0.100  -0.150 }".
TString CheckNote(Real QHigh, Real QLow);
// Takes the last check note of exactly CheckNote's form out of Note into QHigh and QLow: what
// an older version kept in the closing link's note. False, Note unchanged, when there is none.
bool TakeCheckNote(TString& Note, Real& QHigh, Real& QLow);
// The note of a closing nominal that differs from the drawn length: "(*dT=   30.000  30.500".
TString LengthNote(Real Nominal, Real Length);
// A note without its last length note (LengthNote's form); the rest stays as it is.
TString WithoutLengthNote(const TString& Note);

} // namespace LinkText
