// The deviation text's reading, in one walk that places every character it meets.

#include "DeviationText.h"

#include "DString.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// The marks an angle's numbers are written with, a fixed table by what each marks: degrees "°"
// (U+00B0; the host's code is made one first), the masculine ordinal U+00BA and the ring above
// U+02DA; minutes "'", the prime U+2032, the modifier prime U+02B9, the right single quotation
// mark U+2019 and the acute accent U+00B4; seconds '"', the double prime U+2033, the modifier
// double prime U+02BA, the right double quotation mark U+201D, and any two minute marks together.
constexpr wchar_t kDegreeMarks[] = {L'\u00B0', L'\u00BA', L'\u02DA'};
constexpr wchar_t kMinuteMarks[] = {L'\'', L'\u2032', L'\u02B9', L'\u2019', L'\u00B4'};
constexpr wchar_t kSecondMarks[] = {L'"', L'\u2033', L'\u02BA', L'\u201D'};

enum TMarkKind { mkDegrees, mkMinutes, mkSeconds, mkCount };

template <std::size_t N> bool In(const wchar_t (&Table)[N], wchar_t C)
{
    return std::find(std::begin(Table), std::end(Table), C) != std::end(Table);
}

// The Unicode space separators (Zs), tab, CR and LF.
bool IsBlank(wchar_t C)
{
    return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n' || C == L'\u00A0' || C == L'\u1680' ||
           (C >= L'\u2000' && C <= L'\u200A') || C == L'\u202F' || C == L'\u205F' || C == L'\u3000';
}

// Format characters (Cf) a text may hold unseen: zero-width spaces and joiners, direction marks,
// embeddings and isolates, invisible operators, the byte order mark.
bool ShowsNothing(wchar_t C)
{
    return (C >= L'\u200B' && C <= L'\u200F') || (C >= L'\u202A' && C <= L'\u202E') ||
           (C >= L'\u2060' && C <= L'\u2064') || (C >= L'\u2066' && C <= L'\u2069') || C == L'\uFEFF';
}

bool IsDigit(wchar_t C)
{
    return C >= L'0' && C <= L'9';
}

bool IsSeparator(wchar_t C)
{
    return C == L',' || C == L'.';
}

bool IsSign(wchar_t C)
{
    return C == L'+' || IsMinusSign(C);
}

bool IsMark(wchar_t C)
{
    return In(kDegreeMarks, C) || In(kMinuteMarks, C) || In(kSecondMarks, C);
}

// The host's degree codes made "°", in one pass.
std::wstring WithDegreeSigns(std::wstring_view Text)
{
    std::wstring text;
    text.reserve(Text.size());
    for (std::size_t at = 0; at < Text.size();) {
        if (Text.compare(at, HostDegreeCode.size(), HostDegreeCode) == 0) {
            text += L'\u00B0';
            at += HostDegreeCode.size();
        } else {
            text += Text[at++];
        }
    }
    return text;
}

// Where a number starts at At: a digit, or a separator before a digit (what shows nothing
// between them skipped). Looks ahead only from a separator, over the format characters right
// after it, so a walk that asks at every place reads each character a bounded number of times.
bool NumberStartsAt(std::wstring_view Text, std::size_t At)
{
    if (At >= Text.size()) return false;
    if (IsDigit(Text[At])) return true;
    if (!IsSeparator(Text[At])) return false;
    std::size_t next = At + 1;
    while (next < Text.size() && ShowsNothing(Text[next]))
        ++next;
    return next < Text.size() && IsDigit(Text[next]);
}

// Where a note begins: the first character after a blank, once the first number has begun, that
// is no digit, sign or separator (nor, in an angle, a mark: a mark apart from its number is
// told, not a note); the text's size when there is none. What follows cannot change how the
// number before it is read.
std::size_t NoteStart(std::wstring_view Text, bool Angular)
{
    std::size_t at = 0;
    while (at < Text.size() && !NumberStartsAt(Text, at))
        ++at;
    bool afterBlank = false;
    for (; at < Text.size(); ++at) {
        const wchar_t c = Text[at];
        if (ShowsNothing(c)) continue;
        const bool note =
            !IsBlank(c) && !IsDigit(c) && !IsSign(c) && !IsSeparator(c) && !(Angular && IsMark(c));
        if (note && afterBlank) return at;
        afterBlank = IsBlank(c);
    }
    return Text.size();
}

// A number as read: its value, or that a double cannot hold it.
struct TNumber {
    Real Value = 0.0;
    bool TooLarge = false;
};

class TDeviationWalk {
public:
    // Text is read up to its note; an angle is marked by the marks that stand before it.
    TDeviationWalk(std::wstring_view Text, bool Angular)
        : FText(Text.substr(0, NoteStart(Text, Angular))), FAngular(Angular),
          FMarked(Angular && std::any_of(FText.begin(), FText.end(), IsMark))
    {
    }

    TDeviationReading Read()
    {
        SkipUnseen(true);
        if (FAt == FText.size()) return {};
        SkipToSignOrNumber();
        if (FAt < FText.size() && IsSign(FText[FAt])) {
            FNegative = IsMinusSign(FText[FAt++]);
            SkipUnseen(FAngular); // an angle's sign may stand apart ("-   30.0\""), a length's not
        }
        if (FMarked)
            ReadMarked();
        else
            ReadPlain();
        return Result();
    }

private:
    bool At(bool (*Is)(wchar_t)) const { return FAt < FText.size() && Is(FText[FAt]); }

    // Skips what shows nothing, and blanks too when asked.
    void SkipUnseen(bool Blanks)
    {
        while (At(ShowsNothing) || (Blanks && At(IsBlank)))
            ++FAt;
    }

    bool NumberStarts() const { return NumberStartsAt(FText, FAt); }

    // What stands before the sign or the number is dropped: "(-0,1)", "±0,1".
    void SkipToSignOrNumber()
    {
        for (; FAt < FText.size() && !At(IsSign) && !NumberStarts(); ++FAt)
            if (!ShowsNothing(FText[FAt]) && !IsBlank(FText[FAt])) FDropped = true;
    }

    // Digits, one separator, digits; what shows nothing inside is skipped.
    TNumber ReadNumber()
    {
        std::string digits;
        bool separator = false, whole = true, nonzeroWhole = false;
        for (; FAt < FText.size(); ++FAt) {
            const wchar_t c = FText[FAt];
            if (IsDigit(c)) {
                digits += static_cast<char>(c);
                nonzeroWhole = nonzeroWhole || (whole && c != L'0');
            } else if (IsSeparator(c) && !separator) {
                digits += '.';
                separator = true;
                whole = false;
            } else if (!ShowsNothing(c)) {
                break;
            }
        }
        TNumber n;
        const auto res =
            std::from_chars(digits.data(), digits.data() + digits.size(), n.Value, std::chars_format::fixed);
        // Out of range is an overflow when the whole part is not zero, else the figure is 0.
        if (res.ec == std::errc::result_out_of_range) n = nonzeroWhole ? TNumber{0.0, true} : TNumber{};
        return n;
    }

    // A length, or an angle in plain degrees: one number, then blanks (the note is cut off).
    void ReadPlain()
    {
        if (!NumberStarts()) {
            FDropped = true; // a sign with no number right after it, or no number at all
            return;
        }
        Use(mkDegrees, ReadNumber());
        SkipUnseen(false);
        if (FAt == FText.size()) return;
        if (!At(IsBlank)) {
            FDropped = true; // a letter, a mark or a second separator right after the number
            return;
        }
        SkipUnseen(true);
        if (FAt < FText.size()) FDropped = true; // a second number or a sign after the blank
    }

    // Degrees, minutes and seconds, each number right before its own mark.
    void ReadMarked()
    {
        bool pending = false, blankAfterToken = false;
        TNumber number;
        while (FAt < FText.size()) {
            const wchar_t c = FText[FAt];
            if (ShowsNothing(c) || IsBlank(c)) {
                blankAfterToken = blankAfterToken || IsBlank(c);
                ++FAt;
            } else if (const int kind = MarkAt(); kind != mkCount) {
                // A mark with no number, or apart from its number, is dropped or told.
                FDropped = FDropped || !pending || blankAfterToken;
                if (pending) Place(kind, number);
                pending = false, blankAfterToken = false;
            } else if (NumberStarts()) {
                const TNumber read = ReadNumber();
                FDropped = FDropped || pending; // a second number before the first one's mark
                if (!pending) number = read;
                pending = true, blankAfterToken = false;
            } else {
                FDropped = true;
                ++FAt;
            }
        }
        FDropped = FDropped || pending; // a number without its mark
    }

    // The mark at the walk's place, stepped over; mkCount when there is none.
    int MarkAt()
    {
        const wchar_t c = FText[FAt];
        if (In(kDegreeMarks, c)) return ++FAt, mkDegrees;
        if (In(kSecondMarks, c)) return ++FAt, mkSeconds;
        if (!In(kMinuteMarks, c)) return mkCount;
        ++FAt;
        if (FAt < FText.size() && In(kMinuteMarks, FText[FAt])) return ++FAt, mkSeconds;
        return mkMinutes;
    }

    // Kind's number, unless a mark of its kind or a later one came before.
    void Place(int Kind, const TNumber& Number)
    {
        if (Kind <= FLastKind) {
            FDropped = true;
            return;
        }
        FLastKind = Kind;
        Use(Kind, Number);
    }

    void Use(int Kind, const TNumber& Number)
    {
        FTooLarge = FTooLarge || Number.TooLarge;
        FParts[Kind] = Number.Value;
    }

    TDeviationReading Result() const
    {
        // Grouped so that written texts read back to the same bits as before.
        const Real magnitude = (FParts[mkSeconds] / 3600 + FParts[mkDegrees]) + FParts[mkMinutes] / 60;
        TDeviationReading r{FNegative ? -magnitude : magnitude, FDropped ? dvDropped : dvWhole, FMarked};
        if (FTooLarge || !std::isfinite(r.Value)) {
            r.Value = std::numeric_limits<Real>::quiet_NaN();
            r.Verdict = dvTooLarge;
        }
        return r;
    }

    const std::wstring_view FText;
    const bool FAngular, FMarked;
    std::size_t FAt = 0;
    bool FNegative = false, FDropped = false, FTooLarge = false;
    int FLastKind = -1;
    Real FParts[mkCount] = {0.0, 0.0, 0.0};
};

} // namespace

TDeviationReading ReadDeviation(std::wstring_view Text, bool Angular)
{
    if (!Angular) return TDeviationWalk(Text, false).Read();
    const std::wstring text = WithDegreeSigns(Text);
    return TDeviationWalk(text, true).Read();
}

Real DeviationValue(std::wstring_view Text, bool Angular)
{
    return ReadDeviation(Text, Angular).Value;
}

std::wstring ShownText(std::wstring_view Text, std::size_t Limit)
{
    std::wstring text = WithDegreeSigns(Text);
    const bool cut = text.size() > Limit;
    if (cut) text.resize(Limit);
    std::wstring shown;
    for (const wchar_t c : text) {
        const bool carried = c == L'?' || (c >= 0x20 && c != 0x7F && TString::UniCodeToChar(c) != '?');
        if (carried) {
            shown += c;
            continue;
        }
        char code[16];
        std::snprintf(code, sizeof code, "[U+%04X]", static_cast<unsigned>(c));
        shown.append(code, code + std::char_traits<char>::length(code));
    }
    if (cut) shown += L'\u2026';
    return shown;
}
