#pragma once
// TMemory: an owned or borrowed byte block that travels through byte streams and raw files.
// TCrc: the CRC-32 and Adler-32 checksums. TPseudoString: a byte block packed into a string
// holding no 0 byte but its last, so binary data can pass where only texts are accepted.

#include "BaseTypes.h"

#include <vector>

class TKmfData;
class TString;

class TMemory {
public:
    Integer Size = 0;
    Byte* Pointer = nullptr;
    bool Attached = true; // the block is borrowed and never released here

    TMemory() = default;
    TMemory(const TMemory& M);            // an owned copy of the bytes
    TMemory& operator=(const TMemory& M); // an owned copy of the bytes
    virtual ~TMemory() { Free(); }

    void New(int n);             // an owned block of n bytes; the same block when Size is already n
    void Free();                 // releases an owned block; forgets a borrowed one
    void Attach(Byte* P, int n); // borrows n bytes at P

    bool operator==(const TMemory& M) const;
    bool operator!=(const TMemory& M) const { return !(*this == M); }
    TMemory& operator=(const std::vector<Byte>& V); // an empty V changes nothing
    void from(const std::vector<Byte>& V) { *this = V; }
    void to(std::vector<Byte>& V) const;

    void toStream(TKmfData& stream) const;          // Size as int, then the bytes
    void fromStream(TKmfData& stream);              // a damaged Size gives an empty block
    void toFile(const TString& PathName) const;     // the raw bytes, replacing the file
    void fromFile(const TString& PathName);         // the whole file; unchanged when missing
    void toTextFile(const TString& PathName) const; // a source-style table of the bytes
};

class TCrc {
public:
    static unsigned int crc_table[256]; // zero until generated

    void generate_crc32_table();
    // CRC-32/ISO-HDLC continued from crc (0 starts a new one); the table is made when needed.
    unsigned int crc32(unsigned int crc, const Byte* buf, unsigned long len);
    // Adler-32 of RFC 1950 continued from adler (1 starts a new one).
    unsigned int adler32(unsigned int adler, const Byte* buf, unsigned long len);
};

class TPseudoString : public TMemory {
public:
    enum TTypeBlock : Byte { tEnd = 0, tZero = 1, tData = 2, tStart = 255 };
    struct TBlock {
        TTypeBlock Type;
        Byte Count;
    };
    static constexpr int MaxRun = 255; // bytes one block can describe

    using TMemory::operator=;

    // Packs Memory: FF FF, then blocks 01 n (n zero bytes) and 02 n b1..bn (n non-zero
    // bytes), then 00.
    void Get(const TMemory& Memory);
    // Unpacks into Memory; Memory is unchanged when this block does not start with FF FF.
    // A block that would run past the end of this one ends the unpacking.
    void Set(TMemory& Memory) const;
};
