// The link texts.

#include "TLinkText.h"

#include <cmath>

namespace LinkText {

TString Number(Real Value, int Digits)
{
    // What rounds to zero is written as zero, never as "-0.000".
    if (std::fabs(Value) < 0.5 * std::pow(10.0, -Digits)) Value = 0.0;
    return TString(Value, Digits, true, 7);
}

TString Deviation(Real Value)
{
    TString s = Number(Value);
    s.RePlace('.', ',');
    return s;
}

TString Angle(Real Degrees)
{
    TString text;
    if (std::fabs(Degrees) > AngleShown) text.DegreesAngle(Degrees, false);
    return text;
}

TString Label(int Chain, int Link, bool Closing)
{
    TString label(Chain, 2);
    label += ".";
    label += TString(Link, 2);
    if (Closing) label += "*";
    return label;
}

TString ResidualNote(Real Nominal, Real QHigh, Real QLow)
{
    TString note("0(");
    note += Number(Nominal, 2);
    note += TString(")[");
    note += Number(QHigh);
    note += TString(",");
    note += Number(QLow);
    note += TString("]");
    return note;
}

TString CheckNote(Real QHigh, Real QLow)
{
    TString note(" { ");
    note += Number(QHigh);
    note += TString(" ");
    note += Number(QLow);
    note += TString(" }");
    return note;
}

TString LengthNote(Real Nominal, Real Length)
{
    TString note("(*dT= ");
    note += Number(Nominal);
    note += TString(" ");
    note += Number(Length);
    return note;
}

} // namespace LinkText
