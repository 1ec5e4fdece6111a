// The recording modeller: argument texts and the journal queries.

#include "RecordingModeler.h"

#include <cstdio>
#include <utility>

std::string recording::QuotedUtf8(const TString& s)
{
    std::string out(2 * static_cast<std::size_t>(s.Length()) + 1, '\0');
    const Integer n = TString::toUTF8(s.PChar(), reinterpret_cast<char8_t*>(out.data()));
    out.resize(static_cast<std::size_t>(n));
    return '"' + out + '"';
}

std::string recording::RealText(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v == 0 ? 0.0 : v);
    return buf;
}

std::string TRecordedCall::Text() const
{
    std::string t = Name + "(";
    for (std::size_t i = 0; i < Args.size(); ++i)
        t += (i ? ", " : "") + Args[i];
    return t + ")";
}

std::vector<std::string> TRecordingModeler::Texts() const
{
    std::vector<std::string> t;
    for (const TRecordedCall& c : Calls)
        t.push_back(c.Text());
    return t;
}

std::vector<std::string> TRecordingModeler::Names() const
{
    std::vector<std::string> t;
    for (const TRecordedCall& c : Calls)
        t.push_back(c.Name);
    return t;
}

std::size_t TRecordingModeler::CountOf(const std::string& name) const
{
    std::size_t n = 0;
    for (const TRecordedCall& c : Calls)
        n += c.Name == name ? 1 : 0;
    return n;
}

void TRecordingModeler::Record(std::string name, std::vector<std::string> args)
{
    Calls.push_back(TRecordedCall{std::move(name), std::move(args)});
}
