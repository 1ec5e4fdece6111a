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

TEST(TKmfDataTextTest, WideScannersFindQuotedTexts)
{
    TKmfData s;
    Load(s, Units(L"\"a\"=\"b\"\r\n"));
    TString v;
    s.SkipTo(L'"');
    s.StrTo(L'"', v);
    EXPECT_EQ(v, TString("a"));
    s.SkipTo(L'"');
    s.StrTo(L'"', v);
    EXPECT_EQ(v, TString("b"));

    TKmfData t;
    Load(t, Units(L"xy\r\nz"));
    t.StrToOrVKPS(L'"', v);
    EXPECT_EQ(v, TString("xy"));
    EXPECT_EQ(t.ReadInteger(), 'z');

    TKmfData c;
    Load(c, Units(L"Жук"));
    c.StrTo(L'"', v);
    EXPECT_EQ(v, TString("Жук")) << "units become Windows-1251 bytes";
    EXPECT_TRUE(c.ErrorReadFromFileToBufer) << "the text ran to the end of the data";
}

TEST(TKmfDataTextTest, FindStrMissesOverlapsAfterABrokenMatch)
{
    struct Case {
        const wchar_t* data;
        const char* pattern;
        bool found;
        Integer next;  // the unit after the stream's position when found
    };
    const Case cases[] = {
        {L"aaab", "aab", false, 0},
        {L"aab!", "aab", true, '!'},
        {L"xxab", "ab", true, 0},
        {L"abc", "", false, 'a'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        TKmfData s;
        Load(s, Units(c.data));
        TString pattern(c.pattern);
        EXPECT_EQ(s.FindStr(pattern), c.found);
        if (c.found || !*c.pattern) {
            EXPECT_EQ(s.ReadInteger(), c.next);
        }
    }
}

TEST(TKmfDataTextTest, CutUnitIsCompletedWithZeros)
{
    TKmfData s;
    Load(s, Bytes{'a', 0, 0, 0, 'b', 0});  // the second unit lacks two bytes
    TString v;
    s.StrTo(L'"', v);
    EXPECT_EQ(v, TString("ab"));
}

TEST(TKmfDataTextTest, ByteScannersStopWhereDocumented)
{
    TKmfData s;
    Load(s, Bytes{' ', ' ', ' ', 'x', ' ', ' ', 0, 'y'});
    s.Skip(' ');
    EXPECT_EQ(s.NextByte(), 'x');
    EXPECT_EQ(s.NextChar(), 'x');
    EXPECT_EQ(s.ReadByte(), 'x');
    s.Skip(' ');
    EXPECT_EQ(s.NextByte(), 'y') << "the 0 byte ending the run is consumed";

    TKmfData z;
    Load(z, Bytes{0, 'q'});
    EXPECT_EQ(z.NextChar(), 0);
    EXPECT_EQ(z.NextChar(), 'q');

    TKmfData l;
    Load(l, Bytes{'k', '=', 'v', 13, 10, ' ', 13, 10, ' ', 'n', 'e', 'x', 't', ';', 'r'});
    TString v;
    l.StrTo('=', v);
    EXPECT_EQ(v, TString("k"));
    l.StrToOrVKPS(';', v);
    EXPECT_EQ(v, TString("v"));
    l.SkipAndVKPS(' ');
    l.StrTo(';', v);
    EXPECT_EQ(v, TString("next"));
    EXPECT_EQ(l.ReadByte(), 'r');

    TKmfData k;
    Load(k, Bytes{'a', 13, 10, 'b', 'c'});
    k.SkipToVKPS();
    EXPECT_EQ(k.ReadByte(), 'b');
    k.PutLastByteInBufer();
    EXPECT_EQ(k.ReadByte(), 'b');
    k.SkipTo('z');
    EXPECT_EQ(k.NextByte(), 0);

    TKmfData e;
    Load(e, Bytes{'a', 'b', 'c'});
    e.StrTo('z', v);
    EXPECT_EQ(v, TString("abc")) << "no terminator: everything up to the end";
}
