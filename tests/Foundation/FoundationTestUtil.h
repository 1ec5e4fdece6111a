#pragma once
// Shared builders of the foundation tests: 8-bit texts, raw doubles and small files
// (a string's own bytes: streamtest::Text).

#include "DString.h"
#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

namespace foundationtest {

// The 8-bit (Windows-1251) bytes of a UTF-8 text as the library keeps it.
inline std::string Cp(const char* utf8)
{
    return streamtest::Text(TString(utf8));
}

// The eight raw bytes of a double as the streams store it.
inline streamtest::Bytes Double(double v)
{
    streamtest::Bytes out(8);
    std::memcpy(out.data(), &v, 8);
    return out;
}

// UTF-16LE from 16-bit code units, with or without the byte order mark.
inline std::string Wide(const std::u16string& text, bool mark = true)
{
    std::string out = mark ? "\xFF\xFE" : "";
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

// Writes the bytes to a file of the test's temporary folder; returns the folder.
inline std::string WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream(testing::TempDir() + name, std::ios::binary) << bytes;
    return testing::TempDir();
}

} // namespace foundationtest
