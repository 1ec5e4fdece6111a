#include "TextFile.h"

#include "Dictionary.h"
#include "Messager.h"
#include "TFileName.h"

namespace {

// The byte order mark of a UTF-16 file.
constexpr char16_t ByteOrderMark = 0xFEFF;

template <class TCh> unsigned Code(TCh Ch)
{
    return static_cast<std::make_unsigned_t<TCh>>(Ch);
}

} // namespace

template <class TCh, int N> TTextFileOf<TCh, N>::~TTextFileOf()
{
    if (Active) FB.Close();
}

template <class TCh, int N> bool TTextFileOf<TCh, N>::Init(const TString& iExecutePath, const TString& iName)
{
    NameTextBase = iName;
    ExecutePath = iExecutePath;
    return Open(false);
}

template <class TCh, int N> bool TTextFileOf<TCh, N>::Open(bool CheckMark)
{
    if (Activate) return Active;
    Activate = true;
    const TString full = ExecutePath + NameTextBase;
    Active = FB.MakeForRead(full, true);
    if (Active && sizeof(TCh) == 2) {
        char16_t mark = 0;
        FB.Read(mark);
        if (CheckMark && mark != ByteOrderMark) {
            FB.Close();
            Active = false;
            Messager.LiftBox(DC("Плохой файл параметров") + TString(" ") + full, TMessager::toAlways);
            return false;
        }
    }
    if (Active || CheckMark) return Active;
    if (FileExists(full))
        Messager.LiftBox(DC("Плохой файл параметров") + TString(" ") + full, TMessager::toAlways);
    else
        Messager.LiftBox(TString("Отсутствует файл ") + full, TMessager::toAlways);
    return false;
}

template <class TCh, int N> void TTextFileOf<TCh, N>::Rewind()
{
    FB.Seek(0);
    SetEmptyBufer();
}

template <class TCh, int N> bool TTextFileOf<TCh, N>::ReadRaw(TCh& Ch)
{
    if (!Active || FB.EndOfFile()) return false;
    Ch = 0;
    // A file cut inside a wide character gives the byte that is there, the rest zero.
    FB.BlockRead(&Ch, sizeof Ch);
    return true;
}

template <class TCh, int N> void TTextFileOf<TCh, N>::Put(TCh Ch)
{
    Bufer[CountBufer] = Ch;
    if (++CountBufer >= N) CountBufer = 0;
}

template <class TCh, int N> void TTextFileOf<TCh, N>::AddAfterSlash(TCh Slash)
{
    TCh d = 0;
    if (!ReadRaw(d)) {
        Put(Slash);
        return;
    }
    if (d != '/') {
        Put(Slash);
        Put(d);
        return;
    }
    // A comment runs to the line's end and reaches the parser as one blank.
    for (TCh e = 0; ReadRaw(e);) {
        if (e == 10 || e == 0) break;
        if (e == 13) {
            ReadRaw(e);
            break;
        }
    }
    Put(' ');
}

template <class TCh, int N> void TTextFileOf<TCh, N>::ReadInBufer()
{
    TCh c = 0;
    if (!ReadRaw(c)) return;
    if (c == '/') return AddAfterSlash(c);
    if (Code(c) >= 27) return Put(c);
    Put(' ');
    if (c == 0) return Put(c);
    // A run of control characters (a line break, tabs) is one blank.
    while (ReadRaw(c)) {
        if (Code(c) >= 1 && Code(c) <= 26) continue;
        if (c == '/') return AddAfterSlash(c);
        return Put(c);
    }
}

template <class TCh, int N> TCh TTextFileOf<TCh, N>::Peek()
{
    if (EmptyBufer()) ReadInBufer();
    return EmptyBufer() ? TCh(0) : Bufer[PosBufer];
}

template <class TCh, int N> TCh TTextFileOf<TCh, N>::Take()
{
    const TCh c = Peek();
    if (!EmptyBufer() && ++PosBufer >= N) PosBufer = 0;
    return c;
}

template <class TCh, int N> void TTextFileOf<TCh, N>::Skip(TCh Ch)
{
    for (TCh c = Peek(); c != 0 && c == Ch; c = Peek())
        Take();
}

template <class TCh, int N> void TTextFileOf<TCh, N>::SkipTo(TCh TargetCh)
{
    for (TCh c = Take(); c != 0 && c != TargetCh; c = Take()) {
    }
}

template <class TCh, int N> TChar TTextFileOf<TCh, N>::ToChar(TCh Ch)
{
    if constexpr (sizeof(TCh) == 2)
        return TString::UniCode16ToChar(Ch);
    else
        return Ch;
}

template <class TCh, int N> TString TTextFileOf<TCh, N>::StrTo(TCh Ch)
{
    TString result;
    for (TCh c = Take(); c != 0 && c != Ch; c = Take())
        result += ToChar(c);
    return result;
}

template <class TCh, int N> void TTextFileOf<TCh, N>::SkipDelimiter()
{
    while (IsDelimiter(Peek()))
        Take();
}

template <class TCh, int N> void TTextFileOf<TCh, N>::SkipDelimiter(TCh AdditionalDelimiter)
{
    for (TCh c = Peek(); c != 0 && (IsDelimiter(c) || c == AdditionalDelimiter); c = Peek())
        Take();
}

template <class TCh, int N> TString TTextFileOf<TCh, N>::SkipDelimiterStrToDelimiter()
{
    SkipDelimiter();
    TString result;
    for (TCh c = Take(); c != 0 && !IsDelimiter(c); c = Take())
        result += ToChar(c);
    return result;
}

template <class TCh, int N> TString TTextFileOf<TCh, N>::GetStr()
{
    SkipDelimiter();
    Take();
    return StrTo('"');
}

template <class TCh, int N> int TTextFileOf<TCh, N>::GetInt()
{
    Skip(' ');
    return StrTo(' ').toInteger();
}

template <class TCh, int N> double TTextFileOf<TCh, N>::GetReal()
{
    Skip(' ');
    return StrTo(' ').toReal();
}

template class TTextFileOf<char16_t, 1000>;
template class TTextFileOf<char, 65536>;
