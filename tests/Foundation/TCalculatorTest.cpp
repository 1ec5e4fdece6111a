#include "TCalculator.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <random>
#include <string>

namespace {

using foundationtest::Cp;

std::string ErrorOf(const char* Formula, const char* Vars = nullptr)
{
    try {
        TCalculator c;
        if (Vars) c.SetVariables(Vars);
        TString text;
        text.Set(Formula); // the 8-bit bytes as they are
        c.SetEquation(text);
        c.Calculate();
    } catch (const TCalculatorException& e) {
        return e.ErrorMessage.PChar();
    }
    return "no error";
}

struct TWorked {
    const char* Name;
    const char* Formula;
    double Value;
};

class TCalculatorWorkedTest : public testing::TestWithParam<TWorked> {};

TEST_P(TCalculatorWorkedTest, GivesTheWorkedValue)
{
    TCalculator c;
    c.SetEquation(GetParam().Formula);
    EXPECT_NEAR(c.Calculate(), GetParam().Value, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, TCalculatorWorkedTest,
    testing::Values(TWorked{"Precedence", "2 + 3 * 4", 14}, TWorked{"Brackets", "(2 + 3) * 4", 20},
                    TWorked{"MinusFromTheLeft", "10 - 4 - 3", 3}, TWorked{"DivideFromTheLeft", "100/10/5", 2},
                    TWorked{"LeadingUnaryMinus", "- 2 * 3", -6},
                    TWorked{"UnaryMinusAfterTimes", "2 * - 3", -6}, TWorked{"RoundHalfUp", "RND(2.5)", 3},
                    TWorked{"RoundNegativeHalf", "RND(-2.5)", -3}, TWorked{"RoundDown", "RND(2.4)", 2},
                    TWorked{"SineInDegrees", "Sin(30)", 0.5}, TWorked{"CosineInDegrees", "Cos(60)", 0.5},
                    TWorked{"TangentInDegrees", "Tan(45)", 1}, TWorked{"Max", "Max(1, 2)", 2},
                    TWorked{"Min", "Min(1, 2) + 1", 2}, TWorked{"SquareRoot", "SQRT(16) * 2", 8},
                    TWorked{"Comparison", "3 >= 3", 1}, TWorked{"EqualAtTheTop", "2 = 2", 1},
                    TWorked{"TrailingBlanks", "7 * 6   ", 42},
                    TWorked{"FunctionTimesValue", "3 + Max(1,2)*2", 7}),
    [](const testing::TestParamInfo<TWorked>& c) { return std::string(c.param.Name); });

TEST(TCalculatorTest, IfChoosesByTheSignOfItsCondition)
{
    TCalculator c;
    c.SetEquation("If(x>1, 10, 20)");
    c.SetVariable("x", 2);
    EXPECT_EQ(c.Calculate(), 10);
    c.SetVariable("x", 1);
    EXPECT_EQ(c.Calculate(), 20);
    TCalculator unset("If(x>1, 10, 20)");
    EXPECT_EQ(unset.Calculate(), 20);
}

TEST(TCalculatorTest, VariablesNamedTwiceAndSetFromAList)
{
    TCalculator c;
    c.SetVariables("x,3,y,4");
    c.SetEquation("x + x * y");
    EXPECT_EQ(c.Calculate(), 15);
    EXPECT_EQ(c.Variables.Value("y"), 4);
    EXPECT_EQ(c.Variables.Value("z"), 0);
    TCalculator d; // empty values are skipped; a name without a comma ends the list
    d.SetVariables(" a,1.5, b,, c");
    EXPECT_EQ(d.Variables.Value("a"), 1.5);
    EXPECT_EQ(d.Variables.Count, 1);
}

TEST(TCalculatorTest, ErrorsCarryTheirTextsAndDetails)
{
    EXPECT_EQ(ErrorOf("5 / 0"), Cp("Деление на ноль"));
    EXPECT_EQ(ErrorOf("#"), Cp("Синтаксическая ошибка в формуле '35'"));
    EXPECT_EQ(ErrorOf("1 \xC0"), Cp("Синтаксическая ошибка в формуле '-64'"));
    EXPECT_EQ(ErrorOf("SQRT(-1)"), Cp("Неизвестная ошибка 'CalculateEquation - SQRT'"));
    EXPECT_EQ(ErrorOf("2 + - 3"), Cp("Синтаксическая ошибка в формуле '-'"));
    EXPECT_EQ(ErrorOf("2 +"), Cp("Синтаксическая ошибка в формуле '+'"));
    EXPECT_EQ(ErrorOf("(2 + 3"), Cp("Синтаксическая ошибка в формуле '('"));
    EXPECT_EQ(ErrorOf("2 + 3)"), Cp("Синтаксическая ошибка в формуле '('"));
    EXPECT_EQ(ErrorOf("1 <"), Cp("Синтаксическая ошибка в формуле '<'"));
    EXPECT_EQ(ErrorOf("Max(1)"), Cp("Неизвестная ошибка 'CalculateEquation'"));
    EXPECT_EQ(ErrorOf("sin(30)"), Cp("Неизвестная ошибка 'CalculateEquation'"));
    EXPECT_EQ(ErrorOf("   "), Cp("Неизвестная ошибка 'CalculateEquation'"));
    EXPECT_EQ(ErrorOf("x y"), Cp("Синтаксическая ошибка в формуле 'y'"));
    EXPECT_EQ(ErrorOf("-Sin(30)"), Cp("Синтаксическая ошибка в формуле 'Sin'"));
}

TEST(TCalculatorTest, EmptyFormulaIsASyntaxErrorWithoutDetail)
{
    TCalculator c;
    try {
        c.SetEquation("");
        FAIL() << "no error";
    } catch (const TCalculatorException& e) {
        EXPECT_EQ(e.Type(), TCalculatorException::et_SyntaxError);
        TString text;
        EXPECT_TRUE(e.GetErrorMessage(text));
        EXPECT_EQ(std::string(text.PChar()), Cp("Синтаксическая ошибка в формуле"));
    }
}

TEST(TCalculatorTest, CalculateOfATextTurnsEveryErrorIntoZero)
{
    TCalculator c;
    EXPECT_EQ(c.Calculate(TString("5 / 0")), 0.0);
    EXPECT_EQ(c.Calculate(TString("")), 0.0);
    EXPECT_EQ(c.Calculate(TString("#")), 0.0);
    EXPECT_FALSE(c.Valid);
    EXPECT_EQ(c.Calculate(TString("1 + 2")), 3.0);
    EXPECT_TRUE(c.Valid);
}

// 1 + 2 + ... + 60000 is 349 KB of text; its sum, 60000 * 60001 / 2, is exact in a double.
// Linear work takes some 50 ms (half a second under sanitizers); work that grows with the
// square of the length took 45 s.
TEST(TCalculatorTest, LongSumGivesTheWorkedValueInLinearTime)
{
    std::string text = "1";
    for (int i = 2; i <= 60000; ++i)
        text += "+" + std::to_string(i);
    ASSERT_GT(text.size(), 300000u);
    const auto start = std::chrono::steady_clock::now();
    TCalculator c(text.c_str());
    EXPECT_EQ(c.Calculate(), 1800030000.0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

// Trailing blanks make a formula of any length cheaply, on both sides of the limit.
TEST(TCalculatorTest, FormulaLongerThanTheLimitIsRefused)
{
    std::string text = "7" + std::string(TCalculator::MaxEquationLength - 1, ' ');
    EXPECT_EQ(ErrorOf(text.c_str()), "no error");
    text += ' ';
    EXPECT_EQ(ErrorOf(text.c_str()),
              Cp("Синтаксическая ошибка в формуле 'Формула длиннее 1048576 символов'"));
}

TEST(TCalculatorTest, UnaryMinusOfZeroIsNegativeZero)
{
    TCalculator c("-0");
    EXPECT_TRUE(std::signbit(c.Calculate()));
}

TEST(TCalculatorTest, OperationNamesSwapMinAndMax)
{
    EXPECT_STREQ(TCalculator::ANameOperation[TCalculator::otFRnd], "otFRnd");
    EXPECT_STREQ(TCalculator::ANameOperation[16], "otFMin");
    EXPECT_STREQ(TCalculator::ANameOperation[17], "otFMax");
    EXPECT_STREQ(TCalculator::ANameOperation[21], "otFIf");
}

// ---------------------------------------------------------------------------------------
// Random formulas against a tree evaluator written here.

struct TNode {
    enum Kind { Num, Var, Add, Sub, Mul, Div, Neg, Min, Max, Sin, Rnd, Sqrt, If } kind = Num;
    double value = 0;
    std::string text;
    std::unique_ptr<TNode> a, b, c, d;
};

using PNode = std::unique_ptr<TNode>;

struct TOracle {
    double value = 0;
    double magnitude = 0; // bound of the rounding error's scale
    bool fails = false;   // a division by zero or a root of a negative value
};

class TFormulaMaker {
public:
    explicit TFormulaMaker(unsigned seed) : rng(seed) {}

    PNode Leaf()
    {
        auto n = std::make_unique<TNode>();
        if (rng() % 3 == 0) {
            n->kind = TNode::Var;
            n->text = std::string(1, static_cast<char>('a' + rng() % 3));
        } else {
            n->kind = TNode::Num;
            const int whole = static_cast<int>(rng() % 100);
            const int frac = static_cast<int>(rng() % 4) * 25;
            n->text = std::to_string(whole) + (frac ? "." + std::to_string(frac) : "");
            n->value = std::stod(n->text);
        }
        return n;
    }

    PNode Divisor()
    {
        auto n = Leaf();
        if (n->kind == TNode::Num && n->value < 1) {
            n->text = "1";
            n->value = 1;
        }
        return n;
    }

    PNode Make(int depth)
    {
        if (depth == 0 || rng() % 5 == 0) return Leaf();
        auto n = std::make_unique<TNode>();
        const int pick = static_cast<int>(rng() % 11);
        n->kind = static_cast<TNode::Kind>(TNode::Add + pick);
        n->a = Make(depth - 1);
        if (n->kind == TNode::Div)
            n->b = Divisor();
        else if (n->kind != TNode::Neg && n->kind != TNode::Sin && n->kind != TNode::Rnd &&
                 n->kind != TNode::Sqrt)
            n->b = Make(depth - 1);
        if (n->kind == TNode::If) {
            n->c = Make(depth - 1);
            n->d = Make(depth - 1);
        }
        return n;
    }

    std::mt19937 rng;
};

int Rank(const TNode& n)
{
    switch (n.kind) {
    case TNode::Add:
    case TNode::Sub:
        return 1;
    case TNode::Mul:
    case TNode::Div:
        return 2;
    default:
        return 3;
    }
}

std::string Print(const TNode& n);

// A child keeps its grouping: brackets unless it binds tighter (on the right, strictly).
std::string Child(const TNode& parent, const TNode& child, bool right)
{
    if (child.kind == TNode::Neg) {
        const bool bare = right && (parent.kind == TNode::Mul || parent.kind == TNode::Div);
        return bare ? Print(child) : "(" + Print(child) + ")";
    }
    const bool tighter = right ? Rank(child) > Rank(parent) : Rank(child) >= Rank(parent);
    return tighter ? Print(child) : "(" + Print(child) + ")";
}

// Function arguments follow "(", "," or "<", where a minus sign cannot stand bare.
std::string Arg(const TNode& n)
{
    return n.kind == TNode::Neg ? "(" + Print(n) + ")" : Print(n);
}

std::string Print(const TNode& n)
{
    switch (n.kind) {
    case TNode::Num:
    case TNode::Var:
        return n.text;
    case TNode::Add:
        return Child(n, *n.a, false) + " + " + Child(n, *n.b, true);
    case TNode::Sub:
        return Child(n, *n.a, false) + " - " + Child(n, *n.b, true);
    case TNode::Mul:
        return Child(n, *n.a, false) + "*" + Child(n, *n.b, true);
    case TNode::Div:
        return Child(n, *n.a, false) + " / " + Child(n, *n.b, true);
    case TNode::Neg:
        return "-(" + Print(*n.a) + ")";
    case TNode::Min:
        return "Min(" + Arg(*n.a) + ", " + Arg(*n.b) + ")";
    case TNode::Max:
        return "Max(" + Arg(*n.a) + "," + Arg(*n.b) + ")";
    case TNode::Sin:
        return "Sin(" + Arg(*n.a) + ")";
    case TNode::Rnd:
        return "RND(" + Arg(*n.a) + ")";
    case TNode::Sqrt:
        return "SQRT(" + Arg(*n.a) + ")";
    case TNode::If:
        return "If(" + Arg(*n.a) + " < " + Arg(*n.b) + ", " + Arg(*n.c) + ", " + Arg(*n.d) + ")";
    }
    return {};
}

double VarValue(const std::string& name)
{
    return name == "a" ? 1.5 : name == "b" ? 7.0 : 2.25;
}

TOracle Eval(const TNode& n)
{
    if (n.kind == TNode::Num) return {n.value, std::fabs(n.value), false};
    if (n.kind == TNode::Var) return {VarValue(n.text), VarValue(n.text), false};
    const TOracle a = Eval(*n.a);
    const TOracle b = n.b ? Eval(*n.b) : TOracle{};
    TOracle r;
    r.fails = a.fails || b.fails;
    switch (n.kind) {
    case TNode::Add:
        r = {a.value + b.value, a.magnitude + b.magnitude, r.fails};
        break;
    case TNode::Sub:
        r = {a.value - b.value, a.magnitude + b.magnitude, r.fails};
        break;
    case TNode::Mul:
        r = {a.value * b.value, a.magnitude * b.magnitude, r.fails};
        break;
    case TNode::Div:
        r = {b.value == 0 ? 0 : a.value / b.value, b.value == 0 ? 0 : a.magnitude / std::fabs(b.value),
             r.fails || b.value == 0};
        break;
    case TNode::Neg:
        r = {-a.value, a.magnitude, r.fails};
        break;
    case TNode::Min:
        r = {std::min(a.value, b.value), std::max(a.magnitude, b.magnitude), r.fails};
        break;
    case TNode::Max:
        r = {std::max(a.value, b.value), std::max(a.magnitude, b.magnitude), r.fails};
        break;
    case TNode::Sin:
        r = {std::sin(a.value * (std::numbers::pi / 180)), 1 + a.magnitude, r.fails};
        break;
    case TNode::Rnd:
        r = {std::round(a.value), a.magnitude, r.fails};
        break;
    case TNode::Sqrt:
        r = {a.value < 0 ? 0 : std::sqrt(a.value), std::sqrt(a.magnitude), r.fails || a.value < 0};
        break;
    case TNode::If: {
        const TOracle c = Eval(*n.c);
        const TOracle d = Eval(*n.d);
        const TOracle& chosen = a.value < b.value ? c : d;
        r = {chosen.value, chosen.magnitude, r.fails || c.fails || d.fails};
        break;
    }
    default:
        break;
    }
    return r;
}

TEST(TCalculatorPropertyTest, TenThousandRandomFormulasAgreeWithATreeEvaluator)
{
    TFormulaMaker maker(20261206);
    TCalculator c;
    c.SetVariables("a,1.5,b,7,c,2.25");
    int failing = 0;
    for (int i = 0; i < 10000; ++i) {
        const PNode tree = maker.Make(4);
        const std::string text = Print(*tree);
        const TOracle want = Eval(*tree);
        SCOPED_TRACE(text);
        if (want.fails) {
            ++failing;
            EXPECT_THROW(
                {
                    c.SetEquation(text.c_str());
                    c.Calculate();
                },
                TCalculatorException);
            continue;
        }
        c.SetEquation(text.c_str());
        const double got = c.Calculate();
        ASSERT_LE(std::fabs(got - want.value), 1e-12 * std::max(1.0, want.magnitude))
            << "want " << want.value;
    }
    EXPECT_GT(failing, 0);
    EXPECT_LT(failing, 5000);
}

} // namespace
