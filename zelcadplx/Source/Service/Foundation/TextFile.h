#pragma once
// Tokenizers of parameter files: records starting with '#', quoted names, numbers separated
// by blanks, commas or semicolons, and "//" comments. TWideTextFile reads UTF-16LE files
// with a byte order mark (the element library), TCTextFile 8-bit Windows-1251 files. Both
// hand the parser a normalised flow through a small ring: comments and control characters
// arrive as one blank, and 0 means the file has no more.

#include "DString.h"
#include "KmfData.h"

// The reading shared by both tokenizers; TCh is one code unit of the file.
template <class TCh, int SizeRing> class TTextFileOf {
public:
    static constexpr int SizeBufer = SizeRing;

    TString NameTextBase{"ZelCoupling.tb"};
    TString ExecutePath;
    TKmfData FB;
    bool Active = false;   // the file is open
    bool Activate = false; // Init has run once
    TCh Bufer[SizeRing] = {};
    Integer CountBufer = 0; // write position in the ring
    Integer PosBufer = 0;   // read position in the ring

    TTextFileOf() = default;
    ~TTextFileOf();
    TTextFileOf(const TTextFileOf&) = delete;
    TTextFileOf& operator=(const TTextFileOf&) = delete;

    // Takes the names every time; opens ExecutePath + NameTextBase only on the first call.
    // A missing or unreadable file is shown to the user; returns Active.
    bool Init(const TString& iExecutePath, const TString& iName);
    // Adds the next normalised piece of the file (one to three characters) to the ring.
    void ReadInBufer();
    bool EmptyBufer() const { return PosBufer == CountBufer; }
    void SetEmptyBufer() { PosBufer = CountBufer; }
    // Back to the first character after the byte order mark (wide) or the file's start.
    void Rewind();

    // Consumes consecutive Ch; the first other character stays. Never consumes the final 0.
    void Skip(TCh Ch);
    // Consumes up to and including the first TargetCh or 0.
    void SkipTo(TCh TargetCh);
    // The characters up to the first Ch or 0 (consumed, not added), as 8-bit text.
    TString StrTo(TCh Ch);
    static bool IsDelimiter(TCh Ch) { return Ch == 32 || Ch == 44 || Ch == 59; }
    void SkipDelimiter();
    void SkipDelimiter(TCh AdditionalDelimiter);
    TString SkipDelimiterStrToDelimiter();
    // The text between the next pair of double quotes.
    TString GetStr();
    // A number ends only at a blank: a comma inside it reads as the decimal separator.
    int GetInt();
    double GetReal();

protected:
    bool Open(bool CheckMark);
    TCh Take();
    TCh Peek();
    void Put(TCh Ch);

private:
    bool ReadRaw(TCh& Ch);
    void AddAfterSlash(TCh Slash);
    static TChar ToChar(TCh Ch);
};

class TWideTextFile : public TTextFileOf<char16_t, 1000> {
public:
    char16_t GetWChar() { return Take(); }
    char16_t NextWChar() { return Peek(); }
    void PutWCharInBufer(char16_t Ch) { Put(Ch); }
};

class TCTextFile : public TTextFileOf<char, 65536> {
public:
    char GetChar() { return Take(); }
    char NextChar() { return Peek(); }
    void PutCharInBufer(char Ch) { Put(Ch); }
};

extern template class TTextFileOf<char16_t, 1000>;
extern template class TTextFileOf<char, 65536>;
