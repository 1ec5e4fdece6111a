// TMemory blocks, the two checksums and the packing of TPseudoString.

#include "TMemory.h"

#include "DString.h"
#include "FileIo.h"
#include "KmfData.h"
#include "TFileName.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned int CrcPolynomial = 0xEDB88320u; // reflected CRC-32
constexpr unsigned int AdlerBase = 65521u;          // largest prime below 65536
constexpr unsigned long AdlerChunk = 5552;          // longest run before the sums can overflow
constexpr int DumpBytesPerLine = 16;
constexpr int DumpDigits = 3;

} // namespace

// ---------------------------------------------------------------------------------------
// TMemory

TMemory::TMemory(const TMemory& M)
{
    *this = M;
}

TMemory& TMemory::operator=(const TMemory& M)
{
    if (this == &M) return *this;
    Free();
    Size = 0;
    New(M.Pointer ? M.Size : 0);
    if (Size > 0) std::memcpy(Pointer, M.Pointer, static_cast<std::size_t>(Size));
    return *this;
}

void TMemory::Free()
{
    if (Pointer && !Attached) delete[] Pointer;
    Pointer = nullptr;
}

void TMemory::New(int n)
{
    n = std::max(n, 0);
    if (Size == n) return;
    Free();
    Size = n;
    Pointer = n > 0 ? new Byte[static_cast<std::size_t>(n)] : nullptr;
    Attached = false;
}

void TMemory::Attach(Byte* P, int n)
{
    Free();
    Pointer = P;
    Size = P ? std::max(n, 0) : 0;
    Attached = true;
}

bool TMemory::operator==(const TMemory& M) const
{
    if (Size != M.Size) return false;
    if (Size <= 0) return true;
    if (!Pointer || !M.Pointer) return Pointer == M.Pointer;
    return std::memcmp(Pointer, M.Pointer, static_cast<std::size_t>(Size)) == 0;
}

TMemory& TMemory::operator=(const std::vector<Byte>& V)
{
    if (V.empty()) return *this;
    New(static_cast<int>(V.size()));
    std::memcpy(Pointer, V.data(), V.size());
    return *this;
}

void TMemory::to(std::vector<Byte>& V) const
{
    const int n = Pointer ? Size : 0;
    V.assign(Pointer, Pointer + std::max(n, 0));
}

void TMemory::toStream(TKmfData& stream) const
{
    const int n = Pointer ? Size : 0;
    stream.Write(n);
    if (n > 0) stream.Write(Pointer, static_cast<unsigned int>(n));
}

void TMemory::fromStream(TKmfData& stream)
{
    const int n = stream.ReadInteger();
    Free();
    Size = 0;
    if (!stream.CheckCount(n, 1) || n == 0) return;
    New(n);
    stream.Read(Pointer, static_cast<unsigned int>(n));
}

void TMemory::toFile(const TString& PathName) const
{
    // Written whole or not at all: a failure keeps the old file.
    const std::string_view bytes(reinterpret_cast<const char*>(Pointer),
                                 Pointer && Size > 0 ? static_cast<std::size_t>(Size) : 0);
    std::string error;
    WriteFileAtomically(SystemFileName(PathName), bytes, error);
}

void TMemory::fromFile(const TString& PathName)
{
    if (!FileExists(PathName)) return;
    TKmfData file;
    if (!file.MakeForRead(PathName, true)) return;
    Free();
    Size = 0;
    New(file.Length());
    if (Size > 0) Size = static_cast<Integer>(file.BlockRead(Pointer, static_cast<unsigned int>(Size)));
    file.Close();
}

void TMemory::toTextFile(const TString& PathName) const
{
    if (Size <= 0 || !Pointer) return;
    TKmfData file;
    if (!file.MakeForWrite(PathName, true)) return;
    file.WriteTextLn(TString("// Bytes ") + TString(Integer(Size)));
    file.WriteTextLn(TString(" = {"));
    for (int i = 0; i < Size; ++i) {
        file.WriteText(TString("  ") + TString(Integer(Pointer[i]), DumpDigits) + TString(","));
        if ((i + 1) % DumpBytesPerLine == 0) file.WriteTextLn(EmptyStr);
    }
    file.WriteTextLn(TString("   }; "));
    file.Close();
}

// ---------------------------------------------------------------------------------------
// TCrc

unsigned int TCrc::crc_table[256] = {};

void TCrc::generate_crc32_table()
{
    for (unsigned int n = 0; n < 256; ++n) {
        unsigned int c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? CrcPolynomial ^ (c >> 1) : c >> 1;
        crc_table[n] = c;
    }
}

unsigned int TCrc::crc32(unsigned int crc, const Byte* buf, unsigned long len)
{
    static const bool generated = (generate_crc32_table(), true);
    (void)generated;
    if (!buf || len == 0) return crc;
    unsigned int c = ~crc;
    for (unsigned long i = 0; i < len; ++i)
        c = crc_table[(c ^ buf[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}

unsigned int TCrc::adler32(unsigned int adler, const Byte* buf, unsigned long len)
{
    if (!buf || len == 0) return adler;
    unsigned long a = adler & 0xFFFF;
    unsigned long b = adler >> 16;
    while (len > 0) {
        const unsigned long chunk = std::min(len, AdlerChunk);
        for (unsigned long i = 0; i < chunk; ++i) {
            a += buf[i];
            b += a;
        }
        a %= AdlerBase;
        b %= AdlerBase;
        buf += chunk;
        len -= chunk;
    }
    return static_cast<unsigned int>((b << 16) | a);
}

// ---------------------------------------------------------------------------------------
// TPseudoString

namespace {

// Length of the run of zero (or non-zero) bytes at src[i], at most one block long.
int RunLength(const Byte* src, int n, int i)
{
    const bool zero = src[i] == 0;
    int run = 1;
    while (i + run < n && run < TPseudoString::MaxRun && (src[i + run] == 0) == zero)
        ++run;
    return run;
}

// Walks the blocks of a packed form of n bytes; f(type, count, data) for each whole block.
template <class F> void WalkBlocks(const Byte* p, int n, F&& f)
{
    int at = 2;
    while (at + 1 < n) {
        const Byte type = p[at];
        const int count = p[at + 1];
        if (type == TPseudoString::tZero) {
            f(type, count, p + at);
            at += 2;
        } else if (type == TPseudoString::tData && at + 2 + count <= n) {
            f(type, count, p + at + 2);
            at += 2 + count;
        } else {
            return; // the end block, an unknown type, or a block cut off by the end
        }
    }
}

} // namespace

void TPseudoString::Get(const TMemory& Memory)
{
    const Byte* src = Memory.Pointer;
    const int n = src ? Memory.Size : 0;
    int packed = 3;
    for (int i = 0; i < n;) {
        const int run = RunLength(src, n, i);
        packed += 2 + (src[i] == 0 ? 0 : run);
        i += run;
    }
    New(packed);
    Byte* out = Pointer;
    *out++ = tStart;
    *out++ = MaxRun;
    for (int i = 0; i < n;) {
        const int run = RunLength(src, n, i);
        const bool zero = src[i] == 0;
        *out++ = zero ? tZero : tData;
        *out++ = static_cast<Byte>(run);
        if (!zero) {
            std::memcpy(out, src + i, static_cast<std::size_t>(run));
            out += run;
        }
        i += run;
    }
    *out = tEnd;
}

void TPseudoString::Set(TMemory& Memory) const
{
    if (!Pointer || Size < 2 || Pointer[0] != tStart || Pointer[1] != MaxRun) return;
    int total = 0;
    WalkBlocks(Pointer, Size, [&total](Byte, int count, const Byte*) { total += count; });
    Memory.New(total);
    Byte* out = Memory.Pointer;
    WalkBlocks(Pointer, Size, [&out](Byte type, int count, const Byte* data) {
        if (count == 0) return;
        if (type == tZero)
            std::memset(out, 0, static_cast<std::size_t>(count));
        else
            std::memcpy(out, data, static_cast<std::size_t>(count));
        out += count;
    });
}
