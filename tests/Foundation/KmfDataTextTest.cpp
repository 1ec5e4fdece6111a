// TKmfData text writers and scanners: exact bytes written, and where each scanner leaves the
// stream on 4-byte and 8-bit text, including the end of the data.

#include "KmfData.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <string>

using namespace streamtest;

namespace {

// UTF-32LE units of a wide text.
Bytes Units(const std::wstring& text)
{
    Bytes out;
    for (wchar_t c : text)
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<Byte>(static_cast<std::uint32_t>(c) >> (8 * k)));
    return out;
}

} // namespace

TEST(TKmfDataTextTest, WritersEmitTheTextPaddingAndLineEnds)
{
    TKmfData s;
    s.WriteTextLn(TString(""));
    s.WriteText(TString("abc"), 5);
    s.WriteText(TString("abc"), 2);
    s.WriteTextLn(TString("я"), 3);
    EXPECT_EQ(DataOf(s), (Bytes{0x0D, 0x0A, 'a', 'b', 'c', ' ', ' ', 'a', 'b', 'c', 0xFF, ' ', ' ', 0x0D, 0x0A}));
    TKmfData w;
    wchar_t text[] = L"Aж";
    wchar_t* p = text;
    w << p;
    EXPECT_EQ(DataOf(w), Units(L"Aж"));
}

TEST(TKmfDataTextTest, WideScannersFindQuotedTextsAndStopAtTheEnd)
{
    TKmfData s;
    Load(s, Units(L"\"a\"=\"b\"\r\n"));
    TString v;
    s.SkipTo(L'"');
    s.StrTo(L'"', v);
    s.SkipTo(L'"');
    s.StrTo(L'"', v);
    EXPECT_EQ(v, TString("b"));
    TKmfData c;
    Load(c, Units(L"Жук"));
    c.StrTo(L'"', v);
    EXPECT_EQ(v, TString("Жук")) << "units become Windows-1251 bytes";
    EXPECT_TRUE(c.ErrorReadFromFileToBufer) << "the text ran to the end of the data";
    TKmfData cut;
    Load(cut, Bytes{'a', 0, 0, 0, 'b', 0});  // the second unit lacks two bytes: completed with zeros
    cut.StrTo(L'"', v);
    EXPECT_EQ(v, TString("ab"));

    struct Case { const wchar_t* data; const char* pattern; bool found; Integer next; };
    for (const Case& f : {Case{L"aaab", "aab", false, 0}, Case{L"aab!", "aab", true, '!'}}) {
        TKmfData t;
        Load(t, Units(f.data));
        TString pattern(f.pattern);
        EXPECT_EQ(t.FindStr(pattern), f.found) << f.pattern;
        EXPECT_EQ(t.ReadInteger(), f.next);
    }
}

TEST(TKmfDataTextTest, ByteScannersStopWhereDocumented)
{
    TKmfData s;
    Load(s, Bytes{' ', ' ', 'x', ' ', 0, 'y'});
    s.Skip(' ');
    EXPECT_EQ(s.ReadByte(), 'x');
    s.Skip(' ');
    EXPECT_EQ(s.NextByte(), 'y') << "the 0 byte ending the run is consumed";

    TKmfData l;
    Load(l, Bytes{'k', '=', 'v', 13, 10, ' ', 13, 10, ' ', 'n', 'e', 'x', 't', ';', 'r'});
    TString v;
    l.StrTo('=', v);
    l.StrToOrVKPS(';', v);
    EXPECT_EQ(v, TString("v"));
    l.SkipAndVKPS(' ');
    l.StrTo(';', v);
    EXPECT_EQ(v, TString("next"));
    EXPECT_EQ(l.ReadByte(), 'r');
    l.SkipTo('z');
    EXPECT_EQ(l.NextByte(), 0);

    TKmfData e;
    Load(e, Bytes{'a', 'b', 'c'});
    e.StrTo('z', v);
    EXPECT_EQ(v, TString("abc")) << "no terminator: everything up to the end";
}
