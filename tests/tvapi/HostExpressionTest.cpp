// The arithmetic of variable expressions: what evaluates, and what is refused without a value.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "HostExpression.h"

namespace {

std::optional<double> Eval(const std::wstring& text)
{
    return tvhost::EvaluateExpression(text, [](const std::wstring& name) -> std::optional<double> {
        if (name == L"L") return 40.0;
        if (name == L"Высота") return 12.5;
        return std::nullopt;
    });
}

TEST(HostExpressionTest, EvaluatesArithmeticOfNamesAndRefusesTheRest)
{
    EXPECT_EQ(Eval(L"-(L)"), -40.0);
    EXPECT_EQ(Eval(L" L / 2 + 3 * -2 "), 14.0);
    EXPECT_EQ(Eval(L"(L - Высота) * 2"), 55.0);
    EXPECT_EQ(Eval(L"2,5 + 0.5"), 3.0); // a decimal comma as the host's users write it
    EXPECT_EQ(Eval(L"--+3"), 3.0);
    for (const std::wstring bad :
         {L"", L"L +", L"(L", L"L)", L"Q", L"1 / (L - 40)", L"1..2", L"L L", L"3 % 2"})
        EXPECT_FALSE(Eval(bad)) << bad.size() << " characters";
    // A hostile nesting is refused, not a crashed stack.
    EXPECT_FALSE(Eval(std::wstring(100000, L'(') + L"1" + std::wstring(100000, L')')));
    EXPECT_FALSE(Eval(std::wstring(100000, L'-') + L"1"));
    EXPECT_FALSE(tvhost::EvaluateExpression(L"L", {})); // no variables to read
}

} // namespace
