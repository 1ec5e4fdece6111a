#pragma once
// Arithmetic of the texts that drive the stand-in's variables: numbers (a decimal comma
// too), names, + - * /, unary signs and parentheses.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tvhost {

// The value a name stands for; empty when the name is unknown.
using TNameValue = std::function<std::optional<double>(const std::wstring&)>;

// The expression's value; empty when it does not parse, names an unknown variable or is not
// finite (a division by zero).
std::optional<double> EvaluateExpression(std::wstring_view text, const TNameValue& value);

} // namespace tvhost
