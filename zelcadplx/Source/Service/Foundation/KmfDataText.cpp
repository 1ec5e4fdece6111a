// TKmfData: plain-text writing and the sequential scanners of 4-byte and 8-bit text.
// Every scanner stops at the end of the data; a unit cut short there is completed with zeros.

#include "KmfData.h"

namespace {

constexpr Byte CR = 13;
constexpr Byte LF = 10;
constexpr char Blank = ' ';
constexpr Integer StrToRoom = 255; // room a scanned text gets before its first character

bool IsLineEnd(Integer unit)
{
    return unit == CR || unit == LF;
}

// Empties the text that a scanner gathers into.
void StartText(TString& s)
{
    if (s.Bufer == nullptr) s.SetSize(StrToRoom);
    s.Clear();
}

} // namespace

// ---------------------------------------------------------------------------------------
// Writers

void TKmfData::WriteText(const TString& V)
{
    if (V.Len > 0) Put(V.Bufer, static_cast<UInteger>(V.Len));
}

void TKmfData::WriteText(const TString& V, int L)
{
    WriteText(V);
    for (int i = V.Len; i < L; ++i)
        Write(Blank);
}

void TKmfData::WriteTextLn(const TString& V)
{
    WriteText(V);
    WriteByte(CR);
    WriteByte(LF);
}

void TKmfData::WriteTextLn(const TString& V, int L)
{
    WriteText(V, L);
    WriteByte(CR);
    WriteByte(LF);
}

TKmfData& TKmfData::operator<<(wchar_t* const& V)
{
    if (V)
        for (const wchar_t* p = V; *p; ++p)
            Put(p, sizeof(wchar_t));
    return *this;
}

// ---------------------------------------------------------------------------------------
// 4-byte text

void TKmfData::SkipTo(const wchar_t& c)
{
    Integer unit = 0;
    for (UInteger got = 4; got == 4;) {
        got = Take(&unit, 4);
        if (got == 0 || unit == Integer(c)) return;
    }
}

void TKmfData::StrTo(const wchar_t& c, TString& s)
{
    ScanTo(c, s, false);
}
void TKmfData::StrToOrVKPS(const wchar_t& c, TString& s)
{
    ScanTo(c, s, true);
}

void TKmfData::ScanTo(const wchar_t& c, TString& s, bool lineEnds)
{
    StartText(s);
    Integer unit = 0;
    for (UInteger got = 4; got == 4;) {
        unit = 0;
        got = Take(&unit, 4);
        if (got == 0 || unit == Integer(c)) return;
        if (lineEnds && IsLineEnd(unit)) {
            Take(&unit, 4); // the LF of a CR LF pair
            return;
        }
        s.Add(TString::UniCodeToChar(static_cast<TWideChar>(unit)));
    }
}

bool TKmfData::FindStr(TString& s)
{
    const Integer m = s.Length();
    if (m == 0) return false;
    const PWideChar wide = s.toWideChar();
    Integer k = 0;
    Integer unit = 0;
    for (UInteger got = 4; got == 4;) {
        unit = 0;
        got = Take(&unit, 4);
        if (got == 0) return false;
        // A broken partial match restarts without comparing the breaking unit again.
        k = unit == Integer(wide[k]) ? k + 1 : 0;
        if (k == m) return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------
// 8-bit text

Byte TKmfData::NextByte()
{
    if (FPos >= FEnd && !Refill()) return 0;
    return *FPos;
}

char TKmfData::NextChar()
{
    Byte b = 0;
    if (!TakeByte(b)) return 0;
    if (b != 0) PutLastByteInBufer();
    return static_cast<char>(b);
}

void TKmfData::PutLastByteInBufer()
{
    if (FPos > BuferDataFile) --FPos;
}

void TKmfData::SkipTo(char c)
{
    Byte b = 0;
    while (TakeByte(b))
        if (b == Byte(c)) return;
}

void TKmfData::SkipToVKPS()
{
    Byte b = 0;
    while (TakeByte(b)) {
        if (IsLineEnd(b)) {
            TakeByte(b);
            return;
        }
    }
}

void TKmfData::Skip(char c)
{
    SkipRun(c, false);
}
void TKmfData::SkipAndVKPS(char c)
{
    SkipRun(c, true);
}

void TKmfData::SkipRun(char c, bool lineEnds)
{
    Byte b = 0;
    while (TakeByte(b)) {
        if (b == Byte(c)) continue;
        if (lineEnds && IsLineEnd(b)) {
            TakeByte(b);
            continue;
        }
        if (b != 0) PutLastByteInBufer();
        return;
    }
}

void TKmfData::StrTo(char c, TString& s)
{
    ScanTo(c, s, false);
}
void TKmfData::StrToOrVKPS(char c, TString& s)
{
    ScanTo(c, s, true);
}

void TKmfData::ScanTo(char c, TString& s, bool lineEnds)
{
    StartText(s);
    Byte b = 0;
    while (TakeByte(b)) {
        if (b == Byte(c)) return;
        if (lineEnds && IsLineEnd(b)) {
            TakeByte(b);
            return;
        }
        s.Add(static_cast<TChar>(b));
    }
}
