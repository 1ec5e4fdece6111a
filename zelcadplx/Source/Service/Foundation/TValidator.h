#pragma once
// Validators of the text a user types into an edit box: character by character while typing
// (IsValidInput) and whole when the input is committed (IsValid, Valid). A failure is shown
// as a short hint next to the edit box. TLowRangeValidator checks a number of a given kind
// against a closed range.

#include "BaseTypes.h"
#include "DString.h"

#include <cstdint>

struct MsgCheckValidProcess;

// What a validator needs of the edit box that shows its hints. The in-view window
// implements it.
class TValidatorWindow {
public:
    // Shows Text as the one in-view hint at the box's origin, shifted by (dX, dY) pixels,
    // for Delay ms.
    virtual void ShowHint(const TString& Text, int dX, int dY, int Delay) = 0;
    // The box takes the input focus.
    virtual void TakeFocus() = 0;

protected:
    ~TValidatorWindow() = default;
};

class TValidator {
public:
    enum TError : Integer { vOK = 0, vLengthError = 1, vRangeError = 2, vFilterError = 3, vSyntaxError = 4 };

    static constexpr int HintShiftX = 20; // pixels right of the box's origin
    static constexpr int HintShiftY = 20;
    static constexpr int HintDelay = 2000; // ms

    Integer Options = 0;
    TError Result = vOK; // of the last check
    TString Message;     // replaces the default failure text when not empty
    TString Name;        // the field's name, placed before every failure text
    TValidatorWindow* Wnd = nullptr;

    TValidator() = default;
    // Options and the texts are copied; the copy starts at vOK and without a window.
    TValidator(const TValidator& V) : Options(V.Options), Message(V.Message), Name(V.Name) {}
    TValidator& operator=(const TValidator&) = delete;
    virtual ~TValidator() = default;

    // IsValid(S); a failure is also shown (Error).
    bool Valid(const char* S);
    // Shows Name and Message (or the default text of Result) unless Result is vOK.
    virtual void Error(MsgCheckValidProcess* pMsg);
    // S: the text typed so far (UTF-8); SkipFirstBlank passes over leading blanks.
    virtual bool IsValidInput(const char* S, bool SkipFirstBlank);
    virtual bool IsValid(const char* S);
    // The hint at the window, which then takes the focus; nothing without a window or text.
    virtual void ShowMessage(const TString& Msg);

    // The default failure text of a result ("" for vOK).
    static const char* DefaultText(TError E);
};

// The text may have at most MaxLength bytes.
class TLengthValidator : public TValidator {
public:
    std::uint64_t MaxLength;

    explicit TLengthValidator(std::uint64_t iMaxLength) : MaxLength(iMaxLength) {}

    // A null text counts as empty; too long a text leaves vLengthError.
    bool IsValid(const char* S) override;
    bool IsValidInput(const char* S, bool SkipFirstBlank) override;
};

// Every character of the text must be one of validChars.
class TFilterValidator : public TValidator {
public:
    TString validChars; // the allowed characters
    bool m_repeatDots;  // more than one decimal separator (point or comma) allowed

    TFilterValidator(const TString& _validChars, bool repeatDots)
        : validChars(_validChars), m_repeatDots(repeatDots)
    {
    }

    // Allowed characters, and at most one separator unless m_repeatDots; an empty text is
    // valid.
    bool IsValidInput(const char* str, bool SkipFirstBlamk) override;
    // Allowed characters only; an empty or null text is valid.
    bool IsValid(const char* str) override;
    // Shown as a filter error.
    void Error(MsgCheckValidProcess* pMsg) override;

protected:
    bool AllAllowed(const char* str) const;
};

class TLowRangeValidator : public TFilterValidator {
public:
    enum RveType : Integer {
        vt_Integer = 0,
        vt_Long = 1,
        vt_Float = 2,
        vt_Real = 3,
        vt_Hex = 4,
        vt_String = 5
    };

    // One bound, held in the width of the kind: int32 (vt_Integer), int64 (vt_Long, vt_Hex),
    // float (vt_Float), double (vt_Real and vt_String).
    union TBound {
        Integer i;
        std::int64_t l;
        float f;
        double d;
    };

    RveType type = vt_Real;
    TBound rangeMin{};
    TBound rangeMax{};              // both bounds zero: no range
    bool ignoreEmptyRegime = false; // an empty text counts as valid

    // The range min..max of the argument's kind; name (UTF-8, may be null) becomes Name. A
    // non-negative min forbids the minus sign, a non-positive max the plus sign.
    TLowRangeValidator(double min, double max, const char* name);
    TLowRangeValidator(int min, int max, const char* name);
    TLowRangeValidator(long min, long max, const char* name);
    TLowRangeValidator(float min, float max, const char* name);
    TLowRangeValidator(const TLowRangeValidator& V);

    // Sets the kind, the bounds and the allowed characters of the kind.
    template <class T> void SetRange(RveType iTyp, T min, T max);

    bool IsValidInput(const char* str, bool SkipFirstBlank) override;
    // Allowed characters (else vFilterError), a number (else vSyntaxError) of the kind inside
    // the range (else vRangeError). A vt_String validator rejects every text.
    bool IsValid(const char* str) override;
    // Inside the range, or no range; otherwise vRangeError.
    virtual bool IsValid(short value) { return IsValid(static_cast<int>(value)); }
    virtual bool IsValid(int value);
    virtual bool IsValid(long value);
    virtual bool IsValid(float value);
    virtual bool IsValid(double value);
    // Shows the result of the last check.
    void Error(MsgCheckValidProcess* pMsg) override;

private:
    bool NoRange() const;
    // value against the bounds read in the kind's width; long double holds every one exactly.
    bool InRange(long double value);
    long double Bound(const TBound& B) const;
    TBound MakeBound(long double v) const;
};
