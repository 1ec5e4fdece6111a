#pragma once
// TKmfData: the byte stream every stored record passes through. In memory mode it collects
// a blob (a 256-byte header, then the data); in file mode its buffer is a 16 MiB window onto
// a file. Values are raw little-endian bytes without tags: the reader knows the field order.

#include "BaseTypes.h"
#include "DString.h"
#include "FileIo.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

class TKmfData {
public:
    static constexpr Integer HeadKmf = 0x017EDEDD; // bytes DD DE 7E 01
    static constexpr Integer CurrentVersion = 97;  // version of everything written here
    static constexpr UInteger SizeHeader = 256;
    static constexpr UInteger SizeDataBufer = 16777216; // the file window, 16 MiB
    // Memory mode grows past the window; this keeps SizeData() within an int.
    static constexpr UInteger MaxMemoryData = 0x7FFFFFFFu - SizeHeader;

    struct TFileHeader {
        Integer Head = HeadKmf;
        Integer Version = CurrentVersion;
        Integer Type = 0;
        Byte Reserved[244] = {};
    };
    static_assert(sizeof(TFileHeader) == SizeHeader, "the header is 256 bytes");

    TFileHeader FileHeader;
    // Set when a read in memory mode ran past the data, or when stored data proved damaged
    // (a length or count larger than the bytes left). Later reads then give zeros.
    bool ErrorReadFromFileToBufer = false;

    TKmfData() = default;
    ~TKmfData(); // closes an open file as Close does (pending bytes written), frees the buffer
    TKmfData(const TKmfData&) = delete;
    TKmfData& operator=(const TKmfData&) = delete;

    // File mode. Names are 8-bit texts; the file system sees them as UTF-8.
    // Unless Binary, MakeForWrite writes a fresh header at once and MakeForRead requires one.
    // A file made for writing is written beside its name and replaces the file there only at
    // a Close that finds every write whole (FileIo.h): a failure keeps the old file.
    bool MakeForWrite(const TString& Name, bool Binary);
    bool MakeForRead(const TString& Name, bool Binary);
    // Writes the pending bytes and closes the file. False when anything since the file was
    // made failed: a write fell short (a full disk), the file gave a read error, a value or
    // the header was cut short by the end of the file, or closing failed. True in memory mode.
    // A read that finds no byte at all at the end is the end of the data, not a failure.
    bool Close();
    void WriteBuferToFile();
    void ReadFromFileToBufer();
    void Seek(unsigned int Pos); // from the file's start, header included; drops the buffer
    bool IOResult() const { return Result == 0; }
    int Length();     // the file's size; 0 in memory mode
    bool EndOfFile(); // never true in memory mode
    int Version() const { return FileHeader.Version; }
    bool Active() const { return DataFile != nullptr; }

    // Blobs (memory mode).
    void to(std::vector<Byte>& V) const;
    void from(const std::vector<Byte>& V);
    int SizeData() const { return static_cast<int>(SizeHeader + CountDataBufer()); }
    void toMemory(Byte* A, int SizeMemBuf) const;
    void fromMemory(const Byte* A, int Count);

    // Bytes that reads can still take before the end of the data.
    std::int64_t BytesLeft();
    // True when Count records of at least BytesEach bytes each (plus Extra bytes) can still be
    // read. Otherwise the data is damaged: the read-error flag is set, the rest of the data is
    // dropped, and false is returned, so nothing is allocated for the bogus count.
    bool CheckCount(std::int64_t Count, std::int64_t BytesEach, std::int64_t Extra = 0);

    // Writing: appended at the end of the buffer.
    void Write(const Byte* V, unsigned int Count)
    {
        if (V) Put(V, Count);
    }
    void BlockWrite(const void* V, unsigned int count)
    {
        if (V) Put(V, count);
    }
    void Write(const int& V) { Put(&V, sizeof V); }
    void Write(const unsigned int& V) { Put(&V, sizeof V); }
    void Write(const double& V) { Put(&V, sizeof V); }
    void Write(Byte V) { Put(&V, 1); }
    void Write(const char& V) { Put(&V, 1); }
    void Write(const char16_t& V) { Put(&V, sizeof V); }
    void Write(const TString& V);
    void Write(const std::vector<Byte>& V);
    void WriteByte(Byte V) { Put(&V, 1); }
    TKmfData& operator<<(const int& V);
    TKmfData& operator<<(const unsigned int& V)
    {
        Write(V);
        return *this;
    }
    TKmfData& operator<<(const double& V)
    {
        Write(V);
        return *this;
    }
    TKmfData& operator<<(const bool& V)
    {
        const Byte b = V ? 1 : 0;
        Put(&b, 1);
        return *this;
    }
    TKmfData& operator<<(const Byte& V)
    {
        Write(V);
        return *this;
    }
    TKmfData& operator<<(const wchar_t& V)
    {
        Put(&V, sizeof V);
        return *this;
    }
    TKmfData& operator<<(const std::vector<Byte>& V)
    {
        Write(V);
        return *this;
    }
    // Null-terminated lists of pointers: AWrite(&a, &b, static_cast<const int*>(nullptr)).
    void AWrite(const int* V, ...);
    void AWrite(const unsigned int* V, ...);
    void AWrite(const double* V, ...);

    // Reading from the current position. A byte the data can no longer give reads as 0.
    unsigned int Read(Byte* V, unsigned int Count) { return V ? Take(V, Count) : 0; }
    unsigned int BlockRead(void* V, unsigned int count) { return V ? Take(V, count) : 0; }
    void Read(int& V) { V = TakeValue<int>(); }
    void Read(unsigned int& V) { V = TakeValue<unsigned int>(); }
    void Read(double& V) { V = TakeValue<double>(); }
    void Read(char& V) { V = TakeValue<char>(); }
    void Read(char16_t& V) { V = TakeValue<char16_t>(); }
    void Read(Byte& V) { V = TakeValue<Byte>(); }
    void Read(TString& V);           // a damaged length empties V; the text is always terminated
    void Read(std::vector<Byte>& V); // a damaged count empties V
    int ReadInteger() { return TakeValue<int>(); }
    double ReadReal() { return TakeValue<double>(); }
    Byte ReadByte() { return TakeValue<Byte>(); }
    bool ReadBoolean() { return ReadByte() != 0; }
    TKmfData& operator>>(int& V)
    {
        Read(V);
        return *this;
    }
    TKmfData& operator>>(unsigned int& V)
    {
        Read(V);
        return *this;
    }
    TKmfData& operator>>(double& V)
    {
        Read(V);
        return *this;
    }
    TKmfData& operator>>(bool& V)
    {
        V = ReadBoolean();
        return *this;
    }
    TKmfData& operator>>(Byte& V)
    {
        Read(V);
        return *this;
    }
    TKmfData& operator>>(std::vector<Byte>& V)
    {
        Read(V);
        return *this;
    }
    void ARead(int* V, ...);
    void ARead(unsigned int* V, ...);
    void ARead(double* V, ...);
    void SkipInteger() { ReadInteger(); }
    void SkipReal() { ReadReal(); }
    void SkipBoolean() { ReadByte(); }

    // Text writers (KmfDataText.cpp): no length, no terminator; lines end with CR LF.
    void WriteText(const TString& V);
    void WriteText(const TString& V, int L); // padded with blanks to L bytes
    void WriteTextLn(const TString& V);
    void WriteTextLn(const TString& V, int L);
    TKmfData& operator<<(wchar_t* const& V); // 4-byte units, no terminator

    // Scanners of 4-byte text (UTF-32LE units compared whole).
    void SkipTo(const wchar_t& c);
    void StrTo(const wchar_t& c, TString& s);
    void StrToOrVKPS(const wchar_t& c, TString& s); // CR or LF also ends; the next unit is skipped
    bool FindStr(TString& s);                       // stands just after the occurrence when true

    // Scanners of 8-bit text.
    Byte NextByte();           // the next byte, not consumed; 0 at the end
    char NextChar();           // a 0 byte is consumed, any other is not
    void PutLastByteInBufer(); // the byte just taken will be taken again
    void SkipTo(char c);
    void SkipToVKPS();
    void Skip(char c); // a run of c; a 0 byte ending it is consumed too
    void SkipAndVKPS(char c);
    void StrTo(char c, TString& s);
    void StrToOrVKPS(char c, TString& s);

protected:
    struct TFileCloser {
        void operator()(std::FILE* file) const noexcept { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, TFileCloser> DataFile; // null in memory mode
    Byte* BuferDataFile = nullptr;                    // owned; grown on demand in memory mode
    UInteger Result = 0;                              // of the last Seek, 0 = success

    // Bytes in the buffer: writing, the pending ones; reading, the valid ones.
    UInteger CountDataBufer() const { return static_cast<UInteger>(FEnd - BuferDataFile); }

private:
    // Cursors into the buffer: the data ends at FEnd, reads take from FPos, and writes run the
    // slow path once they would reach FLimitEnd. Pointers, not offsets, and FPos <= FEnd always
    // (whatever drops the data moves both): each value then costs one compare and one copy.
    Byte* FEnd = nullptr;
    Byte* FPos = nullptr;
    Byte* FLimitEnd = nullptr;
    UInteger FSizeBufer = 0;       // allocated bytes of BuferDataFile
    bool FForWrite = false;        // the open file was made for writing
    std::int64_t FFileSize = 0;    // size of a file opened for reading
    bool FIoFailed = false;        // a write or read of the open file fell short; Close reports it
    TFileReplacement FReplacement; // the file made for writing, until Close puts it in place

    // Fast paths of every writer and reader; the slow paths handle growth, windows and the end.
    void Put(const void* p, UInteger n)
    {
        Byte* const at = FEnd;
        if (n < static_cast<std::size_t>(FLimitEnd - at)) {
            std::memcpy(at, p, n);
            FEnd = at + n;
        } else {
            PutSlow(static_cast<const Byte*>(p), n);
        }
    }
    UInteger Take(void* p, UInteger n)
    {
        Byte* const at = FPos;
        if (n <= static_cast<std::size_t>(FEnd - at)) {
            std::memcpy(p, at, n);
            FPos = at + n;
            return n;
        }
        return TakeSlow(static_cast<Byte*>(p), n);
    }
    // A fixed-size value returned by value, so that it needs no place in memory on the way.
    template <class T> T TakeValue()
    {
        T v;
        Byte* const at = FPos;
        if (sizeof v <= static_cast<std::size_t>(FEnd - at)) {
            std::memcpy(&v, at, sizeof v);
            FPos = at + sizeof v;
        } else {
            TakeSlow(reinterpret_cast<Byte*>(&v), sizeof v);
        }
        return v;
    }
    void PutSlow(const Byte* p, UInteger n);
    UInteger TakeSlow(Byte* p, UInteger n);
    void Empty() { FEnd = FPos = BuferDataFile; }
    bool Refill();
    bool Reserve(UInteger need, bool exact);
    bool UseWindow(); // false when the window cannot be allocated
    bool DropFile();  // closes the file unwritten; false
    void DropData();
    void CutShort();
    bool TakeByte(Byte& b) { return Take(&b, 1) == 1; }
    bool TakeUnit(Integer& u)
    {
        u = 0;
        return Take(&u, 4) == 4;
    }
    // The text scanners: with lineEnds a CR or LF also ends (or, for SkipRun, is passed over
    // with the byte after it).
    void ScanTo(const wchar_t& c, TString& s, bool lineEnds);
    void ScanTo(char c, TString& s, bool lineEnds);
    void SkipRun(char c, bool lineEnds);
};

TKmfData& operator<<(TKmfData& stream, const TString& T);
TKmfData& operator>>(TKmfData& stream, TString& T);

// Shows a storage error text, translated, in the running panel or a host box.
void StreamErrorBox(const TString& Text);
