#pragma once
// TString: the text type of the library. The working form is 8-bit Windows-1251 text;
// beside it the string keeps the UTF-8 text it was last set from and builds a wide copy
// for the host on demand. Also number and degree-minute-second angle texts (the code page,
// number and angle conversions are in DStringCodec.cpp).

#include "BaseTypes.h"

#include <string>

class TKmfData;

class TString {
public:
    static constexpr Integer BufferStep = 128; // the 8-bit buffer grows in steps of this many bytes

    // Fields are open: byte-stream readers and a few tokenizers fill Bufer directly and then
    // fix Len (EvaluateLength). Invariant: Bufer[Len] == 0 and Len + 1 <= SizeBufer.
    TChar* BufUtf8 =
        nullptr; // UTF-8 text of the last SetUtf8, made by it; 2 * SizeBufer bytes; dropped on growth
    TChar* Bufer = nullptr;      // the Windows-1251 text, NUL-terminated
    Integer Len = 0;             // bytes of text, terminator excluded
    Integer SizeBufer = 0;       // allocated bytes of Bufer, a multiple of BufferStep
    PWideChar WideStr = nullptr; // wide copy made by toWideChar; null until asked for
    Integer SizeWideBufer = 0;   // wide characters WideStr was sized for (plus one terminator)

    // Construction. Every constructor starts from the empty text with its buffers.
    TString();
    TString(const TString& s);
    TString(const char* s);                         // UTF-8 text (every literal of the system)
    TString(const char8_t* s);                      // UTF-8 text
    TString(const TWideChar* s);                    // host text
    TString(const std::wstring& s);                 // host text
    TString(const Integer D);                       // "%d"
    TString(const Integer D, Integer CountDigits);  // "%0*d": zero-padded, a minus sign counts
    TString(const UInteger D, Integer CountDigits); // unsigned, zero-padded
    // D with C decimals, right-aligned in `width` characters (negative width: left-aligned).
    // Dot false writes a decimal comma. The result never depends on the process locale.
    TString(const Real D, Integer C, const Boolean Dot, const Integer width);
    explicit TString(const bool B); // "true" / "false"
    explicit TString(const Byte B); // decimal text of the byte value
    ~TString();

    TString& operator=(const TString& s);
    TString& operator=(const std::wstring& s);
    TString& operator=(const TWideChar* s)
    {
        Set(s);
        return *this;
    }
    TString& operator=(const TChar c);  // the one-character text
    TString& operator=(const TChar* s); // UTF-8 text as the constructor; "" empties, null keeps

    // Setting and editing. Positions are 0-based.
    void Set(const TString& s);
    void Set(const TChar* s);                // 8-bit text; null keeps, "" empties
    void Set(const Byte* B, UInteger count); // raw bytes (may hold 0); count 0 keeps
    void Set(const TWideChar* s);            // one byte per character; '?' where Windows-1251 lacks it
    void SetUtf8(const char8_t* s);          // null or "" keeps the text
    void SetUtf8(const char* s) { SetUtf8(reinterpret_cast<const char8_t*>(s)); }

    // Appending takes 8-bit text: wrap UTF-8 literals in TString first.
    void Add(const TChar* s);
    void Add(const TString& s);
    void Add(TChar c);
    TString& operator+=(const TChar* s)
    {
        Add(s);
        return *this;
    }
    TString& operator+=(const TString& s)
    {
        Add(s);
        return *this;
    }
    TString& operator+=(const TChar c)
    {
        Add(c);
        return *this;
    }
    void Insert(Integer pos, const TChar* s); // before byte pos; pos beyond Len appends
    void Insert(Integer pos, const TChar ch); // before byte pos; pos beyond Len appends
    void Remove(Integer Position, Integer Count);
    void RePlace(const TChar Source, const TChar Dest);
    // Bytes in (Include) or outside (!Include) the first SetCount bytes of Set become Dest.
    void RePlaceSet(const TChar* Set, const Integer SetCount, const Boolean Include, const TChar Dest);
    void DeleteBlankFromEnd();
    TString SubStr(Integer fromIndex, Integer count) const;
    void Swap(TString& s);
    void EvaluateLength();        // Len from the first 0 in Bufer, after direct writes
    void SetSize(Integer newLen); // room for newLen bytes and a terminator; never shrinks

    // Comparison: bytes as unsigned values.
    bool operator==(const TString& s) const;
    bool operator!=(const TString& s) const { return !(*this == s); }
    bool operator<(const TString& s) const;
    Integer Common(const TString& s, const Integer FromPosition) const;

    // Searches return 1-based positions, 0 = not found; start positions are 0-based.
    Integer Find(const TChar C) const;
    Integer Find(const TChar C, const Integer FindFromPosition) const;
    Integer RFind(const TChar C) const;
    Integer RFind(const TChar C, const Integer FindFromPosition) const;
    Integer Find(const TString& S2) const;
    Integer Find(const TString& S2, const Integer FindFromPosition) const; // match starts at or after
    Integer RFind(const TString& S2) const;
    Integer RFind(const TString& S2, const Integer FindFromPosition) const; // match starts at or before

    // Access.
    const TChar* PChar() const { return Bufer; }
    TChar* toPChar() { return Bufer; }
    Integer Length() const { return Len; }
    Integer LengthBufer() const { return SizeBufer; }
    Integer SizeOf() const { return Len + 1; } // bytes of the text with its terminator
    void SetLength(Integer n);                 // cut to n, or extend with blanks to n
    bool Empty() const { return Len == 0; }
    void Clear();
    TChar At(Integer i) const { return IndexValid(i) ? Bufer[i] : TChar(0); } // 0 outside the text
    TChar operator[](Integer i) const { return At(i); }
    TChar& operator[](Integer i); // outside the text: a scratch byte, the text is untouched
    TChar* Duplicate() const;     // new[] copy with terminator; the caller deletes[] it

    // Host and UTF-8 conversions.
    PWideChar toWideChar();                      // owned by the string; valid until the next reallocation
    void toWideChar(const PWideChar Dest) const; // Dest holds Len + 1 wide characters
    static Integer Length(const PWideChar& P);
    static TWideChar CharToUniCode(const TChar Ch);
    static char16_t CharToUniCode16(const TChar Ch);
    static TChar UniCodeToChar(const TWideChar WC);  // '?' where Windows-1251 lacks it
    static TChar UniCode16ToChar(const char16_t WC); // '?' where Windows-1251 lacks it
    // UTF-8 -> Windows-1251 into output (null: only count); returns the characters written.
    static Integer fromUTF8(const char8_t* input, char* output);
    // Windows-1251 -> UTF-8; Output holds 2 * strlen(Input) + 1 bytes; returns bytes written.
    static Integer toUTF8(const char* Input, char8_t* Output);

    // Numbers and angles. Commas read as points; letters are ignored.
    bool IsNumeric() const;
    Real toReal() const;
    Integer toInteger() const;
    explicit operator double() const { return toReal(); }
    explicit operator int() const { return toInteger(); }
    // Reads degrees, minutes, seconds ("10°30'", host mark "@1~" for the degree sign) into
    // Angle in degrees as ReadDeviation reads an angle (DeviationText.h); false when the text
    // has no marks and was read as a plain number.
    Boolean toDegreesAngle(Real& Angle) const;
    // Rebuilds the string as the angle (degrees) in degrees, minutes and seconds to 0.1".
    void DegreesAngle(const Real& Angle, const Boolean forTervan);

    // Stream form (length, bytes, terminator); defined with the byte stream.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);

private:
    bool IndexValid(Integer i) const { return i >= 0 && i < Len; }
    void EnsureBuffers();
    void Reserve(Integer newLen)
    {
        if (newLen >= SizeBufer) SetSize(newLen);
    }
};

using Str = TString;

TString operator+(const TString& A, const TString& B);
// The text in the wide form in which texts cross to the host: every character of it, each
// byte through CharToUniCode.
std::wstring Wide(const TString& s);
// Whether C writes a minus: "-" or any horizontal dash or minus sign (the table in
// DStringCodec.cpp names them), whatever the code page holds of it.
bool IsMinusSign(wchar_t C);
// A number's text from the host, its minus read whichever way it is written: every character
// IsMinusSign takes becomes "-"; every other character as TString converts it.
TString SignedText(const std::wstring& Text);

// The empty text, alive from library load to unload.
extern TString EmptyStr;
// The characters number parsing keeps: " +-0123456789.," and a terminator.
extern char DigitsChar[16];
// Code points of the bytes 0x80..0xFF (Windows-1251; the unassigned 0x98 maps to U+0098).
extern const TWideChar RusUnicode[128];
