#pragma once
// TCalculator: evaluates a formula typed as text (numbers, named variables, + - * /,
// comparisons, brackets, RND SQRT Min Max Sin Cos Tan If). The text is split into lexems,
// put into reverse Polish order with an operator stack and evaluated on a value stack.
// Every error is a TCalculatorException; Calculate(text) turns any error into 0.
// Parsing and evaluation take time linear in the formula's length.

#include "DString.h"
#include "TArray.h"

#include <exception>

class TCalculatorException : public std::exception {
public:
    enum ExceptionType : Integer {
        et_Unknown = 0,
        et_DivisionByZero = 1,
        et_NoVariable = 2,
        et_NoValue = 3,
        et_SyntaxError = 4,
    };

    TString ErrorMessage;

    // The type's text, then " '", sParam and "'" when sParam is not empty.
    explicit TCalculatorException(ExceptionType type, const TString& sParam = TString());
    bool GetErrorMessage(TString& msgError, UInteger* pnHelpContext = nullptr) const;
    const char* what() const noexcept override { return ErrorMessage.PChar(); }
    ExceptionType Type() const noexcept { return FType; }

private:
    ExceptionType FType;
};

class TCalculator {
public:
    enum TypeLexem : Integer { ltUnknown = 0, ltNumber = 1, ltVariable = 2, ltOperation = 3 };

    // The value is also the precedence: a larger value binds tighter.
    enum TOperation : Integer {
        otUnknown = 0,
        otEqual,
        otLeftBracket,
        otRightBracket,
        otParameter,
        otLower,
        otLowerOrEqual,
        otBigger,
        otBiggerOrEqual,
        otPlus,
        otMinus,
        otMultiply,
        otDivide,
        otUnareMinus,
        otFRnd,
        otFSqrt,
        otFMax,
        otFMin,
        otFSin,
        otFCos,
        otFTan,
        otFIf,
        otCount,
    };

    struct Lexem {
        TypeLexem type = ltUnknown;
        TOperation operation = otUnknown;
        TString Name;
        double number = 0.0;
    };

    struct TVariable {
        TString Name;
        double Value = 0.0;
    };

    class TVariables : public TArrayOf<TVariable> {
    public:
        TVariables() : TArrayOf<TVariable>(32, 32) {}
        double Value(const TString& Name) const; // 0.0 when no variable has that name
    };

    static const char* const ANameOperation[otCount];
    // Longest formula parsed, in bytes; a longer one is a syntax error naming this limit.
    // A lexem costs about 200 bytes, so the longest formula needs some 300 MB at its peak.
    static constexpr Integer MaxEquationLength = 1 << 20;

    TString Equation;
    bool Valid = false;
    TArrayOf<Lexem> Lexems = TArrayOf<Lexem>(16, 16);
    TArrayOf<TOperation> Operations = TArrayOf<TOperation>(8, 8);
    TVariables Variables;
    TAReal Calculations = TAReal(32, 32);

    TCalculator() = default;
    explicit TCalculator(const TString& iEquation);
    ~TCalculator() { Clear(); }
    TCalculator(const TCalculator&) = delete;
    TCalculator& operator=(const TCalculator&) = delete;

    void SetEquation(const TString& iEquation);
    void Clear();
    void SetVariable(const TString& Name, double Value);
    // "name,value,name,value...": a name with an empty value text is skipped.
    void SetVariables(const TString& SV);
    double Calculate();
    // 0.0 for an empty text and for every error.
    double Calculate(const TString& iEquation) noexcept;

    // Reads the lexem at nPos and moves nPos past it (and past blanks after it); true when
    // more text follows.
    bool ParseLexem(Integer& nPos, TString& sLexem, TypeLexem& lexemType, TOperation& nLexemTI);
    void AddNumber(double number);
    // One lexem per occurrence, so a name used twice gives two operands.
    void AddVariable(const TString& Name);
    void AddOperation(TOperation otype);
    void PushOperationToStack(TOperation operationType);

private:
    void Parse();
    void CheckOrder(TypeLexem prevType, TOperation prevOp, TypeLexem type, TOperation& op,
                    const TString& text);
    TOperation PopOperation();
    double PopValue();
    void Apply(TOperation op);
};
