#include "TCalculator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

namespace {

const char* TypeText(TCalculatorException::ExceptionType type)
{
    switch (type) {
    case TCalculatorException::et_DivisionByZero:
        return "Деление на ноль";
    case TCalculatorException::et_NoVariable:
        return "Несуществующая переменная";
    case TCalculatorException::et_NoValue:
        return "Не установленно значение для переменной";
    case TCalculatorException::et_SyntaxError:
        return "Синтаксическая ошибка в формуле";
    default:
        return "Неизвестная ошибка";
    }
}

[[noreturn]] void Raise(TCalculatorException::ExceptionType type, const TString& detail = TString())
{
    throw TCalculatorException(type, detail);
}

[[noreturn]] void Fail()
{
    Raise(TCalculatorException::et_Unknown, "CalculateEquation");
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct TFunctionName {
    const char* Text;
    TCalculator::TOperation Op;
};

constexpr TFunctionName FunctionNames[] = {
    {"RND", TCalculator::otFRnd}, {"SQRT", TCalculator::otFSqrt}, {"Min", TCalculator::otFMin},
    {"Max", TCalculator::otFMax}, {"Cos", TCalculator::otFCos},   {"Sin", TCalculator::otFSin},
    {"Tan", TCalculator::otFTan}, {"If", TCalculator::otFIf},
};

// How many values an operation takes from the stack; 0 for those that never reach it.
int Operands(TCalculator::TOperation op)
{
    switch (op) {
    case TCalculator::otUnareMinus:
    case TCalculator::otFRnd:
    case TCalculator::otFSqrt:
    case TCalculator::otFSin:
    case TCalculator::otFCos:
    case TCalculator::otFTan:
        return 1;
    case TCalculator::otFIf:
        return 3;
    case TCalculator::otEqual:
    case TCalculator::otLower:
    case TCalculator::otLowerOrEqual:
    case TCalculator::otBigger:
    case TCalculator::otBiggerOrEqual:
    case TCalculator::otPlus:
    case TCalculator::otMinus:
    case TCalculator::otMultiply:
    case TCalculator::otDivide:
    case TCalculator::otFMax:
    case TCalculator::otFMin:
        return 2;
    default:
        return 0;
    }
}

bool IsFunction(TCalculator::TOperation op)
{
    return op >= TCalculator::otFRnd && op <= TCalculator::otFIf;
}

// Appends `item`, doubling the storage when it is full: the arrays start small with a small
// step, and a fixed step would copy every lexem again on each growth of a long formula.
template <class T> void Append(TArrayOf<T>& list, const std::type_identity_t<T>& item)
{
    if (list.Count >= list.Size()) list.SetCapacity(std::max(list.Size(), list.Capacity()));
    list.Add(item);
}

double Round(double x)
{
    // Half away from zero.
    const double f = std::fmod(x, 1.0);
    const double r = x - f;
    if (x >= 0) return f >= 0.5 ? r + 1 : r;
    return f <= -0.5 ? r - 1 : r;
}

} // namespace

TCalculatorException::TCalculatorException(ExceptionType type, const TString& sParam)
    : ErrorMessage(TypeText(type)), FType(type)
{
    if (sParam.Empty()) return;
    ErrorMessage += TString(" '");
    ErrorMessage += sParam;
    ErrorMessage += TString("'");
}

bool TCalculatorException::GetErrorMessage(TString& msgError, UInteger*) const
{
    msgError = ErrorMessage;
    return !msgError.Empty();
}

const char* const TCalculator::ANameOperation[otCount] = {
    "otUnknown",      "otEqual",      "otLeftBracket",   "otRightBracket", "otParameter", "otLower",
    "otLowerOrEqual", "otBigger",     "otBiggerOrEqual", "otPlus",         "otMinus",     "otMultiply",
    "otDivide",       "otUnareMinus", "otFRnd",          "otFSqrt",        "otFMin",      "otFMax",
    "otFSin",         "otFCos",       "otFTan",          "otFIf",
};

double TCalculator::TVariables::Value(const TString& Name) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Name == Name) return FArray[i].Value;
    return 0.0;
}

TCalculator::TCalculator(const TString& iEquation)
{
    SetEquation(iEquation);
}

void TCalculator::SetEquation(const TString& iEquation)
{
    if (iEquation.Empty()) Raise(TCalculatorException::et_SyntaxError);
    Clear();
    Equation = iEquation;
    Parse();
}

void TCalculator::Clear()
{
    Valid = false;
    Operations.Clear();
    Lexems.Clear();
}

void TCalculator::SetVariable(const TString& Name, double Value)
{
    for (Integer i = 0; i < Variables.Count; ++i)
        if (Variables.FArray[i].Name == Name) {
            Variables.FArray[i].Value = Value;
            return;
        }
    Variables.Add(TVariable{Name, Value});
}

void TCalculator::SetVariables(const TString& SV)
{
    const Integer n = SV.Length();
    Integer pos = 0;
    while (pos < n) {
        while (pos < n && SV[pos] == ' ')
            ++pos;
        TString name;
        while (pos < n && SV[pos] != ',')
            name += SV[pos++];
        if (pos >= n) return; // a name that no comma follows ends the list
        ++pos;
        TString value;
        while (pos < n && SV[pos] != ',')
            value += SV[pos++];
        ++pos;
        if (!value.Empty()) SetVariable(name, value.toReal());
    }
}

bool TCalculator::ParseLexem(Integer& nPos, TString& sLexem, TypeLexem& lexemType, TOperation& nLexemTI)
{
    const Integer n = Equation.Length();
    const auto at = [&](Integer i) { return i < n ? Equation[i] : '\0'; };
    sLexem.Clear();
    lexemType = ltUnknown;
    nLexemTI = otUnknown;
    while (at(nPos) == ' ')
        ++nPos;
    if (nPos >= n) return false; // blanks at the end form no lexem
    const char c = at(nPos);
    const Integer start = nPos;
    const auto moreAfter = [&]() {
        while (at(nPos) == ' ')
            ++nPos;
        return nPos < n;
    };
    switch (c) {
    case '(':
        nLexemTI = otLeftBracket;
        break;
    case ')':
        nLexemTI = otRightBracket;
        break;
    case '*':
        nLexemTI = otMultiply;
        break;
    case '+':
        nLexemTI = otPlus;
        break;
    case ',':
        nLexemTI = otParameter;
        break;
    case '-':
        nLexemTI = otMinus;
        break;
    case '/':
        nLexemTI = otDivide;
        break;
    case '=':
        nLexemTI = otEqual;
        break;
    case '<':
    case '>': {
        const bool orEqual = at(nPos + 1) == '=';
        nLexemTI = c == '<' ? (orEqual ? otLowerOrEqual : otLower) : (orEqual ? otBiggerOrEqual : otBigger);
        if (orEqual) ++nPos;
        break;
    }
    default:
        break;
    }
    if (nLexemTI != otUnknown) {
        ++nPos;
        lexemType = ltOperation;
        for (Integer i = start; i < nPos; ++i)
            sLexem += Equation[i];
        return moreAfter();
    }
    // Numbers and names are copied once their end is known: growing the text a byte at a time
    // would copy a long one over and over.
    const auto take = [&]() {
        sLexem.SetSize(nPos - start);
        for (Integer i = start; i < nPos; ++i)
            sLexem += Equation[i];
    };
    if (IsDigit(c)) {
        while (IsDigit(at(nPos)))
            ++nPos;
        if (at(nPos) == '.') {
            ++nPos;
            while (IsDigit(at(nPos)))
                ++nPos;
        }
        take();
        lexemType = ltNumber;
        return moreAfter();
    }
    if (IsLetter(c) || c == '$' || c == ':' || c == '@' || c == '_') {
        ++nPos;
        while (IsLetter(at(nPos)) || IsDigit(at(nPos)) || at(nPos) == '_')
            ++nPos;
        take();
        lexemType = ltVariable;
        const bool more = moreAfter();
        if (!more) return false; // a name that ends the formula is a variable
        for (const TFunctionName& f : FunctionNames)
            if (sLexem == TString(f.Text)) {
                lexemType = ltOperation;
                nLexemTI = f.Op;
            }
        return true;
    }
    Raise(TCalculatorException::et_SyntaxError, TString(Integer(static_cast<signed char>(c))));
}

void TCalculator::CheckOrder(TypeLexem prevType, TOperation prevOp, TypeLexem type, TOperation& op,
                             const TString& text)
{
    const bool start = prevType == ltUnknown;
    const bool afterOp = prevType == ltOperation;
    const bool afterValue = prevType == ltNumber || prevType == ltVariable;
    const bool afterCloseOrRoot =
        afterOp && (prevOp == otRightBracket || prevOp == otFRnd || prevOp == otFSqrt);
    bool bad = false;
    if (type == ltNumber)
        bad = prevType == ltVariable || afterCloseOrRoot;
    else if (type == ltVariable)
        bad = afterValue || afterCloseOrRoot;
    else
        switch (op) {
        case otEqual:
        case otLower:
        case otLowerOrEqual:
        case otBigger:
        case otBiggerOrEqual:
            bad = afterOp && prevOp != otRightBracket;
            break;
        case otLeftBracket:
            bad = afterOp && prevOp == otRightBracket;
            break;
        case otRightBracket:
            bad = start;
            break;
        case otParameter:
            bad = afterOp && prevOp == otLeftBracket;
            break;
        case otPlus:
        case otMultiply:
        case otDivide:
            bad = start || (afterOp && prevOp != otRightBracket);
            break;
        case otMinus:
            if (start || (afterOp && (prevOp == otLeftBracket || prevOp == otMultiply || prevOp == otDivide)))
                op = otUnareMinus;
            else
                bad = afterOp && prevOp != otRightBracket;
            break;
        default:
            if (!IsFunction(op)) Raise(TCalculatorException::et_Unknown);
            bad = afterValue ||
                  (afterOp && (prevOp == otRightBracket || prevOp == op || prevOp == otUnareMinus));
            break;
        }
    if (bad) Raise(TCalculatorException::et_SyntaxError, text);
}

void TCalculator::Parse()
{
    if (Equation.Empty()) Raise(TCalculatorException::et_SyntaxError, "Не указано выражение");
    if (Equation.Length() > MaxEquationLength)
        Raise(TCalculatorException::et_SyntaxError,
              TString("Формула длиннее ") + TString(MaxEquationLength) + TString(" символов"));
    TypeLexem prevType = ltUnknown;
    TOperation prevOp = otUnknown;
    TString text;
    Integer pos = 0;
    bool more = Equation.Length() > 0;
    while (more) {
        TypeLexem type;
        TOperation op;
        more = ParseLexem(pos, text, type, op);
        if (text.Empty()) {
            if (type == ltUnknown) break; // only blanks were left
            Raise(TCalculatorException::et_Unknown, "ParseEquation");
        }
        CheckOrder(prevType, prevOp, type, op, text);
        if (type == ltNumber)
            AddNumber(text.toReal());
        else if (type == ltVariable)
            AddVariable(text);
        else
            PushOperationToStack(op);
        if (!more && type == ltOperation && op != otRightBracket)
            Raise(TCalculatorException::et_SyntaxError, text);
        prevType = type;
        prevOp = op;
    }
    while (Operations.Count > 0) {
        const TOperation op = PopOperation();
        if (op == otLeftBracket) Raise(TCalculatorException::et_SyntaxError, "(");
        if (op == otRightBracket) Raise(TCalculatorException::et_SyntaxError, ")");
        if (op == otParameter) Raise(TCalculatorException::et_SyntaxError, ",");
        if (op != otEqual && (op < otLower || op > otFIf))
            Raise(TCalculatorException::et_Unknown, "Pop operation from stack");
        AddOperation(op);
    }
    Valid = true;
}

TCalculator::TOperation TCalculator::PopOperation()
{
    return Operations.FArray[--Operations.Count];
}

void TCalculator::AddNumber(double number)
{
    Lexem l;
    l.type = ltNumber;
    l.number = number;
    Append(Lexems, l);
}

void TCalculator::AddVariable(const TString& Name)
{
    if (Name.Empty()) Raise(TCalculatorException::et_Unknown, "AddVariable");
    Lexem l;
    l.type = ltVariable;
    l.Name = Name;
    Append(Lexems, l);
}

void TCalculator::AddOperation(TOperation otype)
{
    if (otype == otUnknown) Raise(TCalculatorException::et_Unknown, "AddOperation");
    Lexem l;
    l.type = ltOperation;
    l.operation = otype;
    Append(Lexems, l);
}

void TCalculator::PushOperationToStack(TOperation operationType)
{
    if (operationType == otLeftBracket) {
        Append(Operations, operationType);
        return;
    }
    if (operationType == otRightBracket) {
        for (;;) {
            if (Operations.Count == 0) Raise(TCalculatorException::et_SyntaxError, "(");
            const TOperation top = PopOperation();
            if (top == otLeftBracket) return;
            if (top != otParameter) AddOperation(top);
        }
    }
    while (Operations.Count > 0 && Operations.FArray[Operations.Count - 1] >= operationType) {
        const TOperation top = PopOperation();
        if (top != otParameter) AddOperation(top);
    }
    Append(Operations, operationType);
}

double TCalculator::PopValue()
{
    return Calculations.FArray[--Calculations.Count];
}

void TCalculator::Apply(TOperation op)
{
    const int n = Operands(op);
    if (n == 0 || Calculations.Count < n) Fail();
    constexpr double degree = std::numbers::pi / 180.0;
    if (n == 1) {
        const double x = PopValue();
        switch (op) {
        case otUnareMinus:
            Append(Calculations, -x);
            return;
        case otFRnd:
            Append(Calculations, Round(x));
            return;
        case otFSqrt:
            if (x < 0) Raise(TCalculatorException::et_Unknown, "CalculateEquation - SQRT");
            Append(Calculations, std::sqrt(x));
            return;
        case otFSin:
            Append(Calculations, std::sin(x * degree));
            return;
        case otFCos:
            Append(Calculations, std::cos(x * degree));
            return;
        default:
            Append(Calculations, std::tan(x * degree));
            return;
        }
    }
    const double b = PopValue();
    const double a = PopValue();
    if (n == 3) {
        const double c = PopValue();
        Append(Calculations, c > 0 ? a : b);
        return;
    }
    double r = 0.0;
    switch (op) {
    case otEqual:
        r = a == b ? 1.0 : 0.0;
        break;
    case otLower:
        r = a < b ? 1.0 : 0.0;
        break;
    case otLowerOrEqual:
        r = a <= b ? 1.0 : 0.0;
        break;
    case otBigger:
        r = a > b ? 1.0 : 0.0;
        break;
    case otBiggerOrEqual:
        r = a >= b ? 1.0 : 0.0;
        break;
    case otPlus:
        r = a + b;
        break;
    case otMinus:
        r = a - b;
        break;
    case otMultiply:
        r = a * b;
        break;
    case otDivide:
        if (b == 0) Raise(TCalculatorException::et_DivisionByZero);
        r = a / b;
        break;
    case otFMax:
        r = a > b ? a : b;
        break;
    default:
        r = a < b ? a : b;
        break;
    }
    Append(Calculations, r);
}

double TCalculator::Calculate()
{
    Calculations.Clear();
    if (!Valid || Lexems.Count == 0) Fail();
    for (Integer i = 0; i < Lexems.Count; ++i) {
        const Lexem& l = Lexems.FArray[i];
        switch (l.type) {
        case ltNumber:
            Append(Calculations, l.number);
            break;
        case ltVariable:
            Append(Calculations, Variables.Value(l.Name));
            break;
        case ltOperation:
            Apply(l.operation);
            break;
        default:
            Fail();
        }
    }
    if (Calculations.Count != 1) Fail();
    return Calculations.FArray[0];
}

double TCalculator::Calculate(const TString& iEquation) noexcept
{
    if (iEquation.Empty()) return 0.0;
    try {
        SetEquation(iEquation);
        return Calculate();
    } catch (...) {
        return 0.0;
    }
}
