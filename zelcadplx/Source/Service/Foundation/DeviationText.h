#pragma once
// The reading of a dimension's deviation text: one walk gives the figure and says whether it
// used the whole text, so no second scanner can judge it otherwise. Lengths are read in mm,
// angles in degrees from degrees, minutes and seconds.

#include "BaseTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// The host's code for the degree sign in a dimension's texts.
inline constexpr std::wstring_view HostDegreeCode = L"@1~";

// What the reading made of a text's characters.
enum TDeviationVerdict : std::int32_t {
    dvWhole,    // every character up to the number's end read as what it is, or skipped as a blank
    dvDropped,  // a character dropped or left out of the figure
    dvTooLarge, // a number the figure cannot hold: Value is NaN, never infinite
};

struct TDeviationReading {
    Real Value = 0.0; // finite, but NaN for dvTooLarge
    TDeviationVerdict Verdict = dvWhole;
    bool Marked = false; // an angle written with marks, not as plain degrees
};

// Reads Text; an empty text or one of blanks is 0 and whole. Before the number stand blanks
// (the space separators, tab, CR, LF), marks that show nothing (format characters) anywhere, and
// a sign: "+" or any minus (IsMinusSign). A length's sign stands right before its number, so
// "- 0,1" reads 0; an angle's may be followed by blanks. The number is digits with one
// separator, "," or ".". Once the first number has begun, a blank and then anything but a
// digit, sign or separator (or, in an angle, a mark) begins a note, read as nothing: the
// reading ends there. An Angular text with no degree, minute or second mark before its note is
// plain degrees ("+0,25 (30')" is 0,25°); one with any mark has each number right before its
// own mark, degrees, minutes and seconds each once and in that order, blanks allowed after a
// mark. What the reading cannot place is dropped and the figure made of the rest: "+0°3O'" is
// 3'. Each character is read a bounded number of times: the cost grows with the text's length.
TDeviationReading ReadDeviation(std::wstring_view Text, bool Angular);

// ReadDeviation's figure.
Real DeviationValue(std::wstring_view Text, bool Angular);

// Text as a user sees it in a message: the host's degree code as "°", each character the code
// page lacks (and a tab or line break) as its code in brackets, "[U+2212]"; past Limit
// characters cut and ended with "…".
std::wstring ShownText(std::wstring_view Text, std::size_t Limit = 40);
