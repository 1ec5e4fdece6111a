// Validators: character filters, separator counts, number syntax and closed ranges by kind.

#include "TValidator.h"

#include "Dictionary.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const char* const IntegerChars = "0123456789+-";
const char* const RealChars = "0123456789.,eE+-";
const char* const HexChars = "0x123456789AaBbCcDdEeFf";

bool IsSeparator(char c)
{
    return c == '.' || c == ',';
}

// v cut to the range of T (NaN gives 0), so a conversion never overflows.
template <class T> T Saturate(long double v)
{
    if (std::isnan(v)) return T(0);
    const long double lo = static_cast<long double>(std::numeric_limits<T>::lowest());
    const long double hi = static_cast<long double>(std::numeric_limits<T>::max());
    return static_cast<T>(std::clamp(v, lo, hi));
}

// Removes the first c of S.
void RemoveFirst(TString& S, char c)
{
    if (const Integer at = S.Find(c)) S.Remove(at - 1, 1);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TValidator

const char* TValidator::DefaultText(TError E)
{
    switch (E) {
    case vLengthError:
        return "Ошибка длинны текста";
    case vRangeError:
        return "Ошибка диапозона";
    case vFilterError:
        return "Ошибка Недопустимые символы";
    case vSyntaxError:
        return "Ошибка синтаксиса";
    case vOK:
        break;
    }
    return "";
}

bool TValidator::Valid(const char* S)
{
    if (IsValid(S)) return true;
    Error(nullptr);
    return false;
}

void TValidator::Error(MsgCheckValidProcess*)
{
    if (Result == vOK) return;
    TString text = Name;
    text += Message.Empty() ? DC(TString(DefaultText(Result))) : Message;
    ShowMessage(text);
}

bool TValidator::IsValidInput(const char*, bool)
{
    return true;
}

bool TValidator::IsValid(const char*)
{
    return true;
}

void TValidator::ShowMessage(const TString& Msg)
{
    if (Wnd == nullptr || Msg.Empty()) return;
    Wnd->ShowHint(Msg, HintShiftX, HintShiftY, HintDelay);
    Wnd->TakeFocus();
}

// ---------------------------------------------------------------------------------------------
// TLengthValidator

bool TLengthValidator::IsValid(const char* S)
{
    const std::uint64_t length = S != nullptr ? std::strlen(S) : 0;
    Result = length <= MaxLength ? vOK : vLengthError;
    return Result == vOK;
}

bool TLengthValidator::IsValidInput(const char* S, bool)
{
    return IsValid(S);
}

// ---------------------------------------------------------------------------------------------
// TFilterValidator

bool TFilterValidator::AllAllowed(const char* str) const
{
    for (const char* p = str; *p != 0; ++p)
        if (validChars.Find(*p) == 0) return false;
    return true;
}

bool TFilterValidator::IsValidInput(const char* str, bool SkipFirstBlamk)
{
    if (str == nullptr) return true;
    if (SkipFirstBlamk)
        while (*str == ' ')
            ++str;
    if (!AllAllowed(str)) return false;
    return m_repeatDots || std::count_if(str, str + std::strlen(str), IsSeparator) < 2;
}

bool TFilterValidator::IsValid(const char* str)
{
    return str == nullptr || AllAllowed(str);
}

void TFilterValidator::Error(MsgCheckValidProcess* pMsg)
{
    Result = vFilterError;
    TValidator::Error(pMsg);
}

// ---------------------------------------------------------------------------------------------
// TLowRangeValidator

TLowRangeValidator::TLowRangeValidator(double min, double max, const char* name) : TFilterValidator("", false)
{
    SetRange(vt_Real, min, max);
    if (name != nullptr) Name = TString(name);
}

TLowRangeValidator::TLowRangeValidator(int min, int max, const char* name) : TFilterValidator("", false)
{
    SetRange(vt_Integer, min, max);
    if (name != nullptr) Name = TString(name);
}

TLowRangeValidator::TLowRangeValidator(long min, long max, const char* name) : TFilterValidator("", false)
{
    SetRange(vt_Long, min, max);
    if (name != nullptr) Name = TString(name);
}

TLowRangeValidator::TLowRangeValidator(float min, float max, const char* name) : TFilterValidator("", false)
{
    SetRange(vt_Float, min, max);
    if (name != nullptr) Name = TString(name);
}

TLowRangeValidator::TLowRangeValidator(const TLowRangeValidator& V)
    : TFilterValidator(V), type(V.type), rangeMin(V.rangeMin), rangeMax(V.rangeMax),
      ignoreEmptyRegime(V.ignoreEmptyRegime)
{
}

template <class T> void TLowRangeValidator::SetRange(RveType iTyp, T min, T max)
{
    type = iTyp;
    rangeMin = MakeBound(static_cast<long double>(min));
    rangeMax = MakeBound(static_cast<long double>(max));
    switch (type) {
    case vt_Integer:
    case vt_Long:
        validChars = TString(IntegerChars);
        break;
    case vt_Float:
    case vt_Real:
        validChars = TString(RealChars);
        break;
    case vt_Hex:
        validChars = TString(HexChars);
        break;
    case vt_String:
        return;
    }
    if (min >= 0) RemoveFirst(validChars, '-');
    if (max <= 0) RemoveFirst(validChars, '+');
}

template void TLowRangeValidator::SetRange<double>(RveType, double, double);
template void TLowRangeValidator::SetRange<int>(RveType, int, int);
template void TLowRangeValidator::SetRange<long>(RveType, long, long);
template void TLowRangeValidator::SetRange<float>(RveType, float, float);

TLowRangeValidator::TBound TLowRangeValidator::MakeBound(long double v) const
{
    TBound b{};
    switch (type) {
    case vt_Integer:
        b.i = Saturate<Integer>(v);
        break;
    case vt_Long:
    case vt_Hex:
        b.l = Saturate<std::int64_t>(v);
        break;
    case vt_Float:
        b.f = Saturate<float>(v);
        break;
    case vt_Real:
    case vt_String:
        b.d = Saturate<double>(v);
        break;
    }
    return b;
}

long double TLowRangeValidator::Bound(const TBound& B) const
{
    switch (type) {
    case vt_Integer:
        return B.i;
    case vt_Long:
    case vt_Hex:
        return B.l;
    case vt_Float:
        return B.f;
    case vt_Real:
    case vt_String:
        break;
    }
    return B.d;
}

bool TLowRangeValidator::NoRange() const
{
    return Bound(rangeMin) == 0 && Bound(rangeMax) == 0;
}

bool TLowRangeValidator::InRange(long double value)
{
    if (NoRange() || (Bound(rangeMin) <= value && value <= Bound(rangeMax))) return true;
    Result = vRangeError;
    return false;
}

bool TLowRangeValidator::IsValidInput(const char* str, bool SkipFirstBlank)
{
    return TFilterValidator::IsValidInput(str, SkipFirstBlank);
}

bool TLowRangeValidator::IsValid(const char* str)
{
    if (ignoreEmptyRegime && str != nullptr && *str == 0) return true;
    Result = vFilterError;
    if (str == nullptr || *str == 0 || !AllAllowed(str)) return false;
    Result = vOK;
    TString text;
    text.SetUtf8(str);
    if (!text.IsNumeric()) {
        Result = vSyntaxError;
        return false;
    }
    const long double v = text.toReal();
    switch (type) {
    case vt_Integer:
        return InRange(Saturate<Integer>(v));
    case vt_Long:
    case vt_Hex:
        return InRange(Saturate<std::int64_t>(v));
    case vt_Float:
        return InRange(Saturate<float>(v));
    case vt_Real:
        return InRange(v);
    case vt_String:
        break;
    }
    Result = vRangeError;
    return false;
}

bool TLowRangeValidator::IsValid(int value)
{
    return InRange(value);
}

bool TLowRangeValidator::IsValid(long value)
{
    return InRange(value);
}

bool TLowRangeValidator::IsValid(float value)
{
    return InRange(value);
}

bool TLowRangeValidator::IsValid(double value)
{
    return InRange(value);
}

void TLowRangeValidator::Error(MsgCheckValidProcess* pMsg)
{
    TValidator::Error(pMsg);
}
