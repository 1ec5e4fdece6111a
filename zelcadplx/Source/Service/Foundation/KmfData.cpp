// TKmfData: buffer management, file windows, blobs and the binary values.

#include "KmfData.h"

#include "Dictionary.h"
#include "FileIo.h"
#include "Messager.h"
#include "TFileName.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>

namespace {

constexpr UInteger MinMemoryBufer = 4096;  // first allocation of a stream that is written
constexpr Integer OldestHeaderVersion = 4; // blobs of earlier versions carry no header

} // namespace

TKmfData::~TKmfData()
{
    Close();
    std::free(BuferDataFile);
    BuferDataFile = nullptr;
}

// ---------------------------------------------------------------------------------------
// Buffer

bool TKmfData::Reserve(UInteger need, bool exact)
{
    if (need <= FSizeBufer) return true;
    UInteger size = need;
    if (!exact) {
        const std::uint64_t doubled = std::uint64_t(FSizeBufer) * 2;
        size = static_cast<UInteger>(std::max<std::uint64_t>({need, doubled, MinMemoryBufer}));
        size = std::min(size, std::max(need, MaxMemoryData));
    }
    // Offsets taken before the move; the file window keeps its limit, memory data grows to size.
    const std::size_t end = FEnd - BuferDataFile, pos = FPos - BuferDataFile,
                      limit = DataFile ? std::size_t(FLimitEnd - BuferDataFile) : size;
    auto* grown = static_cast<Byte*>(std::realloc(BuferDataFile, size));
    if (!grown) return false;
    BuferDataFile = grown;
    FSizeBufer = size;
    FEnd = grown + end;
    FPos = grown + pos;
    FLimitEnd = grown + limit;
    return true;
}

bool TKmfData::UseWindow()
{
    if (!Reserve(SizeDataBufer, true)) return false;
    FLimitEnd = BuferDataFile + SizeDataBufer;
    return true;
}

void TKmfData::PutSlow(const Byte* p, UInteger n)
{
    if (n == 0) return;
    if (!DataFile) {
        const UInteger count = CountDataBufer();
        if (count > MaxMemoryData) return;
        n = std::min(n, MaxMemoryData - count); // beyond 2 GiB the rest is dropped
        if (!Reserve(count + n, false)) return;
        std::memcpy(FEnd, p, n);
        FEnd += n;
        return;
    }
    while (n > 0) {
        const UInteger chunk = std::min(n, SizeDataBufer - CountDataBufer());
        std::memcpy(FEnd, p, chunk);
        FEnd += chunk;
        p += chunk;
        n -= chunk;
        if (CountDataBufer() == SizeDataBufer) WriteBuferToFile();
    }
}

bool TKmfData::Refill()
{
    if (DataFile && FForWrite) return false; // the buffer holds pending output, nothing to read
    Empty();
    if (!DataFile) {
        // Past the data of a blob: what was loaded can't be read again, every further byte is 0.
        ErrorReadFromFileToBufer = true;
        return false;
    }
    FEnd += std::fread(BuferDataFile, 1, SizeDataBufer, DataFile.get());
    if (std::ferror(DataFile.get())) FIoFailed = true;
    return FEnd > BuferDataFile;
}

UInteger TKmfData::TakeSlow(Byte* p, UInteger n)
{
    UInteger taken = 0;
    while (taken < n) {
        if (FPos >= FEnd && !Refill()) {
            std::memset(p + taken, 0, n - taken);
            if (taken > 0 && DataFile) CutShort();
            return taken;
        }
        const UInteger chunk = std::min<std::size_t>(n - taken, FEnd - FPos);
        std::memcpy(p + taken, FPos, chunk);
        FPos += chunk;
        taken += chunk;
    }
    return taken;
}

void TKmfData::CutShort()
{
    // The file ends inside a value: it was truncated. Readers of records see the flag.
    FIoFailed = true;
    ErrorReadFromFileToBufer = true;
}

void TKmfData::DropData()
{
    ErrorReadFromFileToBufer = true;
    Empty();
    if (DataFile && !FForWrite) std::fseek(DataFile.get(), 0, SEEK_END);
}

std::int64_t TKmfData::BytesLeft()
{
    std::int64_t left = FPos < FEnd ? FEnd - FPos : 0;
    if (DataFile && !FForWrite) {
        const long pos = std::ftell(DataFile.get());
        if (pos >= 0 && FFileSize > pos) left += FFileSize - pos;
    }
    return left;
}

bool TKmfData::CheckCount(std::int64_t Count, std::int64_t BytesEach, std::int64_t Extra)
{
    if (Count >= 0 && Count * BytesEach + Extra <= BytesLeft()) return true;
    DropData();
    return false;
}

// ---------------------------------------------------------------------------------------
// File mode

bool TKmfData::MakeForWrite(const TString& Name, bool Binary)
{
    Close();
    Empty();
    std::string error;
    const int fd = FReplacement.Open(SystemFileName(Name), error);
    if (fd < 0) return false;
    DataFile.reset(::fdopen(fd, "wb"));
    if (!DataFile) {
        ::close(fd);
        return DropFile();
    }
    FForWrite = true;
    FIoFailed = false;
    if (!UseWindow()) return DropFile();
    if (!Binary) {
        const TFileHeader fresh;
        if (std::fwrite(&fresh, 1, SizeHeader, DataFile.get()) != SizeHeader) FIoFailed = true;
    }
    return true;
}

bool TKmfData::MakeForRead(const TString& Name, bool Binary)
{
    Close();
    Empty();
    int code = 0;
    std::string reason;
    const int fd = OpenRegularFile(SystemFileName(Name), code, reason);
    if (fd >= 0) {
        DataFile.reset(::fdopen(fd, "rb"));
        if (!DataFile) {
            code = errno;
            reason = std::strerror(code);
            ::close(fd);
        }
    }
    if (!DataFile) {
        TString text("Ошибка открытия файла ");
        text += Name;
        text += " ";
        text += TString(Integer(code));
        text += " ";
        text += TString(reason.c_str());
        Messager.LiftBox(text, TMessager::toAlways);
        return false;
    }
    FForWrite = false;
    FIoFailed = false;
    if (!UseWindow()) return DropFile();
    FFileSize = Length();
    FileHeader = TFileHeader();
    if (Binary) return true;
    // A cut header leaves the rest 0 and counts as a short read.
    if (std::fread(&FileHeader, 1, SizeHeader, DataFile.get()) != SizeHeader) FIoFailed = true;
    if (FileHeader.Head != HeadKmf) return DropFile();
    return true;
}

bool TKmfData::DropFile()
{
    DataFile.reset();
    std::string ignored;
    FReplacement.Finish(false, ignored); // a file made for writing is abandoned
    FForWrite = false;
    FLimitEnd = BuferDataFile + FSizeBufer;
    return false;
}

bool TKmfData::Close()
{
    if (!DataFile) return true;
    if (FForWrite) WriteBuferToFile();
    // Buffered bytes reach the disk only here, so a full disk may show first at the flush.
    if (FForWrite && (std::fflush(DataFile.get()) != 0 || ::fsync(::fileno(DataFile.get())) != 0))
        FIoFailed = true;
    if (std::ferror(DataFile.get())) FIoFailed = true;
    if (std::fclose(DataFile.release()) != 0) FIoFailed = true;
    std::string error;
    if (FReplacement.Pending() && !FReplacement.Finish(!FIoFailed, error)) FIoFailed = true;
    FForWrite = false;
    Empty();
    FLimitEnd = BuferDataFile + FSizeBufer;
    return !FIoFailed;
}

void TKmfData::WriteBuferToFile()
{
    if (!DataFile || !FForWrite) return;
    const UInteger count = CountDataBufer();
    if (std::fwrite(BuferDataFile, 1, count, DataFile.get()) != count) FIoFailed = true;
    Empty(); // a read position past the written bytes would pass the reads' one bound check
}

void TKmfData::ReadFromFileToBufer()
{
    if (DataFile) Refill();
}

void TKmfData::Seek(unsigned int Pos)
{
    Empty();
    if (!DataFile) {
        Result = 1;
        return;
    }
    Result = std::fseek(DataFile.get(), static_cast<long>(Pos), SEEK_SET) == 0 ? 0 : 1;
}

int TKmfData::Length()
{
    if (!DataFile) return 0;
    const long pos = std::ftell(DataFile.get());
    std::fseek(DataFile.get(), 0, SEEK_END);
    const long size = std::ftell(DataFile.get());
    std::fseek(DataFile.get(), pos, SEEK_SET);
    return static_cast<int>(std::clamp<long>(size, 0, 0x7FFFFFFF));
}

bool TKmfData::EndOfFile()
{
    if (FPos < FEnd) return false;
    const bool any = Refill();
    return DataFile && !any;
}

// ---------------------------------------------------------------------------------------
// Blobs

void TKmfData::to(std::vector<Byte>& V) const
{
    const UInteger count = CountDataBufer();
    V.resize(SizeHeader + count);
    std::memcpy(V.data(), &FileHeader, SizeHeader);
    if (count > 0) std::memcpy(V.data() + SizeHeader, BuferDataFile, count);
}

void TKmfData::from(const std::vector<Byte>& V)
{
    fromMemory(V.data(), static_cast<int>(std::min<std::size_t>(V.size(), 0x7FFFFFFF)));
}

void TKmfData::toMemory(Byte* A, int SizeMemBuf) const
{
    if (!A || SizeMemBuf <= 0) return;
    const UInteger room = static_cast<UInteger>(SizeMemBuf);
    std::memcpy(A, &FileHeader, std::min(room, SizeHeader));
    if (room > SizeHeader && CountDataBufer() > 0)
        std::memcpy(A + SizeHeader, BuferDataFile, std::min(CountDataBufer(), room - SizeHeader));
}

void TKmfData::fromMemory(const Byte* A, int Count)
{
    if (!A || Count <= 0) return;
    Close(); // a loaded blob is read in memory mode
    UInteger n = static_cast<UInteger>(Count);
    const Byte* data = A;
    if (n >= SizeHeader) {
        std::memcpy(&FileHeader, A, SizeHeader);
        if (FileHeader.Head == HeadKmf && FileHeader.Version >= OldestHeaderVersion) {
            data = A + SizeHeader;
            n -= SizeHeader;
        } else if (FileHeader.Head != HeadKmf) {
            FileHeader.Head = HeadKmf;
            FileHeader.Version = 0;
        }
    } else {
        // Too short for a header: only a headerless blob of the earliest format fits.
        FileHeader = TFileHeader();
        FileHeader.Version = 0;
    }
    FileHeader.Type = 0;
    n = std::min(n, MaxMemoryData);
    // A loaded blob is read from its first byte, also by a stream that read one before.
    Empty();
    if (n > 0 && !Reserve(n, true)) return;
    if (n > 0) std::memcpy(BuferDataFile, data, n);
    FEnd = BuferDataFile + n;
    ErrorReadFromFileToBufer = false;
}

// ---------------------------------------------------------------------------------------
// Values

void TKmfData::Write(const TString& V)
{
    const Byte none = 0;
    const int n = V.Bufer ? V.Len : 0;
    Write(n);
    if (V.Bufer)
        Put(V.Bufer, static_cast<UInteger>(n) + 1);
    else
        Put(&none, 1);
}

void TKmfData::Write(const std::vector<Byte>& V)
{
    const int n = static_cast<int>(V.size());
    Write(n);
    if (n > 0) Put(V.data(), static_cast<UInteger>(n));
}

TKmfData& TKmfData::operator<<(const int& V)
{
    Write(V);
    return *this;
}

void TKmfData::Read(TString& V)
{
    const int n = ReadInteger();
    if (!CheckCount(n, 1, 1)) {
        V.Clear();
        return;
    }
    if (V.Len > n) {
        V.Len = n;
        V.Bufer[n] = 0;
    } else {
        V.SetSize(n);
        V.Len = n;
    }
    Take(V.Bufer, static_cast<UInteger>(n) + 1);
    V.Bufer[n] = 0;
}

void TKmfData::Read(std::vector<Byte>& V)
{
    const int n = ReadInteger();
    V.clear();
    if (!CheckCount(n, 1)) return;
    V.resize(static_cast<std::size_t>(n));
    if (n > 0) Take(V.data(), static_cast<UInteger>(n));
}

namespace {

template <class T, class F> void ForEachPointer(T* first, va_list args, F&& f)
{
    for (T* p = first; p; p = va_arg(args, T*))
        f(*p);
}

} // namespace

void TKmfData::AWrite(const int* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](const int& v) { Write(v); });
    va_end(args);
}

void TKmfData::AWrite(const unsigned int* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](const unsigned int& v) { Write(v); });
    va_end(args);
}

void TKmfData::AWrite(const double* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](const double& v) { Write(v); });
    va_end(args);
}

void TKmfData::ARead(int* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](int& v) { Read(v); });
    va_end(args);
}

void TKmfData::ARead(unsigned int* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](unsigned int& v) { Read(v); });
    va_end(args);
}

void TKmfData::ARead(double* V, ...)
{
    va_list args;
    va_start(args, V);
    ForEachPointer(V, args, [this](double& v) { Read(v); });
    va_end(args);
}

// ---------------------------------------------------------------------------------------
// The string's stream form and the error box

void TString::toStream(TKmfData& stream) const
{
    stream.Write(*this);
}

void TString::fromStream(TKmfData& stream)
{
    stream.Read(*this);
}

TKmfData& operator<<(TKmfData& stream, const TString& T)
{
    stream.Write(T);
    return stream;
}

TKmfData& operator>>(TKmfData& stream, TString& T)
{
    stream.Read(T);
    return stream;
}

void StreamErrorBox(const TString& Text)
{
    Messager.LiftBox(DC(Text), TMessager::toAlways);
}
