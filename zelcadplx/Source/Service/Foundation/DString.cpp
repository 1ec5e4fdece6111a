// TString storage, editing, comparison and search. Code-page conversions, numbers and
// angles live in DStringCodec.cpp.

#include "DString.h"

#include "LoadOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

[[gnu::init_priority(loadorder::Strings)]] TString EmptyStr("");
char DigitsChar[16] = " +-0123456789.,";

namespace {

constexpr Integer kDefaultBufer = TString::BufferStep;

// Horspool search: calls visit(start) for each match whose window starts at `from` or later
// and stops when visit returns false.
template <class Visit>
void ForEachMatch(const TChar* text, Integer n, const TChar* pat, Integer m, Integer from, Visit visit)
{
    if (m <= 0 || m > n) return;
    Integer skip[256];
    std::fill(std::begin(skip), std::end(skip), m);
    for (Integer i = 0; i < m - 1; ++i)
        skip[static_cast<unsigned char>(pat[i])] = m - 1 - i;
    for (Integer pos = std::max(from, 0); pos <= n - m;) {
        const auto lastByte = static_cast<unsigned char>(text[pos + m - 1]);
        if (lastByte == static_cast<unsigned char>(pat[m - 1]) && std::memcmp(text + pos, pat, m - 1) == 0) {
            if (!visit(pos)) return;
        }
        pos += skip[lastByte];
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Construction

TString::TString()
{
    EnsureBuffers();
}

TString::TString(const TString& s) : TString()
{
    Set(s);
}

TString::TString(const char* s) : TString()
{
    SetUtf8(s);
}

TString::TString(const char8_t* s) : TString()
{
    SetUtf8(s);
}

TString::TString(const TWideChar* s) : TString()
{
    Set(s);
}

TString::TString(const std::wstring& s) : TString()
{
    Set(s.c_str());
}

TString::~TString()
{
    delete[] BufUtf8;
    delete[] Bufer;
    delete[] WideStr;
    BufUtf8 = nullptr;
    Bufer = nullptr;
    WideStr = nullptr;
}

TString& TString::operator=(const TString& s)
{
    Set(s);
    return *this;
}

TString& TString::operator=(const std::wstring& s)
{
    Set(s.c_str());
    return *this;
}

TString& TString::operator=(const TChar c)
{
    Clear();
    Add(c);
    return *this;
}

TString& TString::operator=(const TChar* s)
{
    if (s == nullptr) return *this;
    if (*s == 0)
        Clear();
    else
        SetUtf8(s);
    return *this;
}

void TString::EnsureBuffers()
{
    if (Bufer != nullptr) return;
    Bufer = new TChar[kDefaultBufer]();
    SizeBufer = kDefaultBufer;
    Len = 0;
}

void TString::SetSize(Integer newLen)
{
    const std::int64_t wanted = std::max<std::int64_t>(newLen, BufferStep - 1) + 1;
    const std::int64_t need = (wanted + BufferStep - 1) / BufferStep * BufferStep;
    if (need <= SizeBufer || need > INT32_MAX / 2) return;
    auto* fresh = new TChar[need];
    if (Bufer != nullptr && Len > 0) std::memcpy(fresh, Bufer, Len);
    if (Bufer == nullptr) Len = 0;
    fresh[Len] = 0;
    delete[] Bufer;
    Bufer = fresh;
    SizeBufer = static_cast<Integer>(need);
    delete[] BufUtf8; // made again, of the new size, by the next SetUtf8
    BufUtf8 = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Setting and editing

void TString::Set(const TString& s)
{
    if (&s == this) return;
    EnsureBuffers();
    const Integer n = s.Bufer != nullptr ? s.Len : 0;
    Reserve(n);
    if (n > 0) std::memcpy(Bufer, s.Bufer, n);
    Len = n;
    Bufer[Len] = 0;
}

void TString::Set(const TChar* s)
{
    if (s == nullptr) return;
    EnsureBuffers();
    const auto n = static_cast<Integer>(std::strlen(s));
    Reserve(n); // never reallocates when s lies inside Bufer, so s stays valid
    std::memmove(Bufer, s, n);
    Len = n;
    Bufer[Len] = 0;
}

void TString::Set(const Byte* B, UInteger count)
{
    if (B == nullptr || count == 0 || count > static_cast<UInteger>(INT32_MAX / 4)) return;
    EnsureBuffers();
    const std::string copy(reinterpret_cast<const char*>(B), count); // B may point into Bufer
    const auto n = static_cast<Integer>(count);
    Reserve(n);
    std::memcpy(Bufer, copy.data(), n);
    Len = n;
    Bufer[Len] = 0;
}

void TString::Set(const TWideChar* s)
{
    if (s == nullptr) return;
    EnsureBuffers();
    const Integer n = Length(const_cast<PWideChar>(s));
    Reserve(n);
    for (Integer i = 0; i < n; ++i)
        Bufer[i] = UniCodeToChar(s[i]);
    Len = n;
    Bufer[Len] = 0;
}

void TString::Add(const TChar* s)
{
    if (s == nullptr || *s == 0) return;
    Insert(Len, s);
}

void TString::Add(const TString& s)
{
    if (s.Bufer == nullptr || s.Len == 0) return;
    const std::string copy(s.Bufer, s.Len); // s may be this string
    EnsureBuffers();
    Reserve(Len + static_cast<Integer>(copy.size()));
    std::memcpy(Bufer + Len, copy.data(), copy.size());
    Len += static_cast<Integer>(copy.size());
    Bufer[Len] = 0;
}

void TString::Add(TChar c)
{
    EnsureBuffers();
    Reserve(Len + 1);
    Bufer[Len++] = c;
    Bufer[Len] = 0;
}

void TString::Insert(Integer pos, const TChar* s)
{
    if (s == nullptr || *s == 0 || pos < 0) return;
    EnsureBuffers();
    const std::string copy(s); // s may point into Bufer, which growth frees
    const auto n = static_cast<Integer>(copy.size());
    pos = std::min(pos, Len);
    Reserve(Len + n);
    std::memmove(Bufer + pos + n, Bufer + pos, Len - pos + 1);
    std::memcpy(Bufer + pos, copy.data(), n);
    Len += n;
}

void TString::Insert(Integer pos, const TChar ch)
{
    if (pos < 0) return;
    EnsureBuffers();
    pos = std::min(pos, Len);
    Reserve(Len + 1);
    std::memmove(Bufer + pos + 1, Bufer + pos, Len - pos + 1);
    Bufer[pos] = ch;
    ++Len;
}

void TString::Remove(Integer Position, Integer Count)
{
    if (Position < 0 || Count <= 0 || Position >= Len) return;
    if (static_cast<std::int64_t>(Position) + Count >= Len) {
        Len = Position;
    } else {
        std::memmove(Bufer + Position, Bufer + Position + Count, Len - Position - Count);
        Len -= Count;
    }
    Bufer[Len] = 0;
}

void TString::RePlace(const TChar Source, const TChar Dest)
{
    for (Integer i = 0; i < Len; ++i)
        if (Bufer[i] == Source) Bufer[i] = Dest;
}

void TString::RePlaceSet(const TChar* Set, const Integer SetCount, const Boolean Include, const TChar Dest)
{
    const Integer setSize = (Set != nullptr && SetCount > 0) ? SetCount : 0;
    for (Integer i = 0; i < Len; ++i) {
        const bool inSet = setSize > 0 && std::memchr(Set, Bufer[i], setSize) != nullptr;
        if (inSet == Include) Bufer[i] = Dest;
    }
}

void TString::DeleteBlankFromEnd()
{
    while (Len > 0 && Bufer[Len - 1] == ' ')
        --Len;
    if (Bufer != nullptr) Bufer[Len] = 0;
}

TString TString::SubStr(Integer fromIndex, Integer count) const
{
    TString result;
    if (fromIndex < 0 || fromIndex >= Len || count < 1) return result;
    const Integer n = std::min(count, Len - fromIndex);
    result.Set(reinterpret_cast<const Byte*>(Bufer + fromIndex), static_cast<UInteger>(n));
    return result;
}

void TString::Swap(TString& s)
{
    if (&s == this) return;
    const TString keep(*this);
    Set(s);
    s.Set(keep);
}

void TString::EvaluateLength()
{
    if (Bufer == nullptr) {
        Len = 0;
        return;
    }
    const void* zero = std::memchr(Bufer, 0, SizeBufer);
    Len = zero != nullptr ? static_cast<Integer>(static_cast<const TChar*>(zero) - Bufer) : SizeBufer - 1;
    Bufer[Len] = 0;
}

void TString::SetLength(Integer n)
{
    if (n < 0) return;
    EnsureBuffers();
    Reserve(n);
    if (n > Len) std::memset(Bufer + Len, ' ', n - Len);
    Len = n;
    Bufer[Len] = 0;
}

void TString::Clear()
{
    Len = 0;
    if (Bufer != nullptr) Bufer[0] = 0;
}

TChar& TString::operator[](Integer i)
{
    if (IndexValid(i)) return Bufer[i];
    static thread_local TChar scratch = 0;
    scratch = 0;
    return scratch;
}

TChar* TString::Duplicate() const
{
    auto* copy = new TChar[Len + 1];
    if (Len > 0) std::memcpy(copy, Bufer, Len);
    copy[Len] = 0;
    return copy;
}

TString operator+(const TString& A, const TString& B)
{
    TString result(A);
    result.Add(B);
    return result;
}

// ---------------------------------------------------------------------------------------------
// Comparison and search

bool TString::operator==(const TString& s) const
{
    return Len == s.Len && (Len == 0 || std::memcmp(Bufer, s.Bufer, Len) == 0);
}

bool TString::operator<(const TString& s) const
{
    const Integer common = std::min(Len, s.Len);
    const int order = common > 0 ? std::memcmp(Bufer, s.Bufer, common) : 0;
    return order != 0 ? order < 0 : Len < s.Len;
}

Integer TString::Common(const TString& s, const Integer FromPosition) const
{
    if (FromPosition < 0) return 0;
    Integer i = FromPosition;
    while (i < Len && i < s.Len && Bufer[i] == s.Bufer[i])
        ++i;
    return std::max(i - FromPosition, 0);
}

Integer TString::Find(const TChar C) const
{
    return Find(C, 0);
}

Integer TString::Find(const TChar C, const Integer FindFromPosition) const
{
    const Integer from = std::max(FindFromPosition, 0);
    if (from >= Len) return 0;
    const void* hit = std::memchr(Bufer + from, C, Len - from);
    return hit != nullptr ? static_cast<Integer>(static_cast<const TChar*>(hit) - Bufer) + 1 : 0;
}

Integer TString::RFind(const TChar C) const
{
    return RFind(C, Len - 1);
}

Integer TString::RFind(const TChar C, const Integer FindFromPosition) const
{
    for (Integer i = std::min(FindFromPosition, Len - 1); i >= 0; --i)
        if (Bufer[i] == C) return i + 1;
    return 0;
}

Integer TString::Find(const TString& S2) const
{
    return Find(S2, 0);
}

Integer TString::Find(const TString& S2, const Integer FindFromPosition) const
{
    Integer found = 0;
    ForEachMatch(Bufer, Len, S2.Bufer, S2.Len, FindFromPosition, [&](Integer start) {
        found = start + 1;
        return false;
    });
    return found;
}

Integer TString::RFind(const TString& S2) const
{
    return RFind(S2, Len);
}

Integer TString::RFind(const TString& S2, const Integer FindFromPosition) const
{
    Integer found = 0;
    ForEachMatch(Bufer, Len, S2.Bufer, S2.Len, 0, [&](Integer start) {
        if (start > FindFromPosition) return false;
        found = start + 1;
        return true;
    });
    return found;
}

// ---------------------------------------------------------------------------------------------
// Wide copy for the host

PWideChar TString::toWideChar()
{
    EnsureBuffers();
    if (WideStr == nullptr || SizeWideBufer == 0 || SizeWideBufer < SizeBufer) {
        delete[] WideStr;
        WideStr = new TWideChar[SizeBufer + 1];
        SizeWideBufer = SizeBufer;
    }
    toWideChar(WideStr);
    return WideStr;
}

void TString::toWideChar(const PWideChar Dest) const
{
    if (Dest == nullptr) return;
    for (Integer i = 0; i < Len; ++i)
        Dest[i] = CharToUniCode(Bufer[i]);
    Dest[Len] = 0;
}

std::wstring Wide(const TString& s)
{
    std::wstring w(static_cast<std::size_t>(s.Length()) + 1, L'\0');
    s.toWideChar(w.data());
    w.resize(static_cast<std::size_t>(s.Length()));
    return w;
}

Integer TString::Length(const PWideChar& P)
{
    if (P == nullptr) return 0;
    Integer n = 0;
    while (P[n] != 0)
        ++n;
    return n;
}
