#pragma once
// How the property controls write the arguments of a setting: numbers, truths and texts that
// the caller may pass as null.

#include <cstdio>
#include <string>

namespace tvhost::propertytext {

inline std::string Num(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

inline std::string B(bool v)
{
    return v ? "true" : "false";
}

inline std::wstring W(const wchar_t* text)
{
    return text ? text : L"";
}

} // namespace tvhost::propertytext
