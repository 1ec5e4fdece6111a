// The link texts.

#include "TLinkText.h"

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace LinkText {

TString Number(Real Value, int Digits)
{
    if (std::isnan(Value)) return TString();
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

namespace {

// Removes the last match of Form from Note; false when there is none. Groups, when given, takes
// the match's groups.
bool RemoveLastMatch(TString& Note, const std::regex& Form, std::vector<std::string>* Groups = nullptr)
{
    if (Note.Length() == 0) return false;
    const std::string text(Note.PChar() ? Note.PChar() : "", static_cast<std::size_t>(Note.Length()));
    std::smatch last;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), Form); m != std::sregex_iterator(); ++m)
        last = *m;
    if (last.empty()) return false;
    if (Groups)
        for (std::size_t g = 1; g < last.size(); ++g)
            Groups->push_back(last[g].str());
    Note.Remove(static_cast<Integer>(last.position()), static_cast<Integer>(last.length()));
    return true;
}

// Note without the last match of Form.
TString WithoutLastNote(const TString& Note, const std::regex& Form)
{
    TString rest(Note);
    RemoveLastMatch(rest, Form);
    return rest;
}

} // namespace

TString WithoutResidualNote(const TString& Note)
{
    // Numbers as Number writes them, or what an older version wrote for no number.
    static const std::regex residual(
        R"(0\( *(?:-?\d+\.\d{2}|-?inf|-?nan)\)\[ *(?:-?\d+\.\d{3}|-?inf|-?nan), *(?:-?\d+\.\d{3}|-?inf|-?nan)\])");
    return WithoutLastNote(Note, residual);
}

TString WithoutLengthNote(const TString& Note)
{
    static const std::regex length(R"(\(\*dT= *(?:-?\d+\.\d{3}|-?inf|-?nan) *(?:-?\d+\.\d{3}|-?inf|-?nan))");
    return WithoutLastNote(Note, length);
}

bool TakeCheckNote(TString& Note, Real& QHigh, Real& QLow)
{
    static const std::regex check(R"( \{ +(-?\d+\.\d{3}) +(-?\d+\.\d{3}) \})");
    TString rest(Note);
    std::vector<std::string> figures;
    if (!RemoveLastMatch(rest, check, &figures)) return false;
    // Digits beyond the largest real are no figures: the note stays as it is.
    const Real high = std::strtod(figures[0].c_str(), nullptr),
               low = std::strtod(figures[1].c_str(), nullptr);
    if (!std::isfinite(high) || !std::isfinite(low)) return false;
    QHigh = high;
    QLow = low;
    Note = rest;
    return true;
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
