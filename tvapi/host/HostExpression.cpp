// Arithmetic of the texts that drive the stand-in's variables.
#include "HostExpression.h"

#include <cmath>
#include <cwctype>

namespace tvhost {

namespace {

// Deep enough for any text a person writes; keeps a hostile one off the stack's end.
constexpr int MaxDepth = 64;

class TParser {
public:
    TParser(std::wstring_view text, const TNameValue& value) : FText(text), FValue(value) {}

    std::optional<double> Whole()
    {
        const std::optional<double> v = Sum(0);
        Blanks();
        if (!v || FAt != FText.size() || !std::isfinite(*v)) return {};
        return v;
    }

private:
    void Blanks()
    {
        while (FAt < FText.size() && std::iswspace(FText[FAt]))
            ++FAt;
    }
    bool Take(wchar_t c)
    {
        Blanks();
        if (FAt >= FText.size() || FText[FAt] != c) return false;
        ++FAt;
        return true;
    }
    std::optional<double> Sum(int depth)
    {
        std::optional<double> v = Product(depth);
        while (v) {
            if (Take(L'+')) {
                const std::optional<double> r = Product(depth);
                v = r ? std::optional<double>(*v + *r) : std::nullopt;
            } else if (Take(L'-')) {
                const std::optional<double> r = Product(depth);
                v = r ? std::optional<double>(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> Product(int depth)
    {
        std::optional<double> v = Unary(depth);
        while (v) {
            if (Take(L'*')) {
                const std::optional<double> r = Unary(depth);
                v = r ? std::optional<double>(*v * *r) : std::nullopt;
            } else if (Take(L'/')) {
                const std::optional<double> r = Unary(depth);
                v = r && *r != 0 ? std::optional<double>(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> Unary(int depth)
    {
        if (depth > MaxDepth) return {};
        if (Take(L'-')) {
            const std::optional<double> v = Unary(depth + 1);
            return v ? std::optional<double>(-*v) : std::nullopt;
        }
        if (Take(L'+')) return Unary(depth + 1);
        if (Take(L'(')) {
            const std::optional<double> v = Sum(depth + 1);
            return v && Take(L')') ? v : std::nullopt;
        }
        Blanks();
        if (FAt < FText.size() && (std::iswdigit(FText[FAt]) || FText[FAt] == L'.' || FText[FAt] == L','))
            return Number();
        return Name();
    }
    std::optional<double> Number()
    {
        std::string digits;
        while (FAt < FText.size() &&
               (std::iswdigit(FText[FAt]) || FText[FAt] == L'.' || FText[FAt] == L',')) {
            digits += FText[FAt] == L',' ? '.' : static_cast<char>(FText[FAt]);
            ++FAt;
        }
        std::size_t used = 0;
        try {
            const double v = std::stod(digits, &used);
            if (used == digits.size()) return v;
        } catch (const std::exception&) {
        }
        return {};
    }
    std::optional<double> Name()
    {
        const std::size_t from = FAt;
        while (FAt < FText.size() && (std::iswalnum(FText[FAt]) || FText[FAt] == L'_' || FText[FAt] > 0x7F))
            ++FAt;
        if (FAt == from || !FValue) return {};
        return FValue(std::wstring(FText.substr(from, FAt - from)));
    }

    std::wstring_view FText;
    const TNameValue& FValue;
    std::size_t FAt = 0;
};

} // namespace

std::optional<double> EvaluateExpression(std::wstring_view text, const TNameValue& value)
{
    return TParser(text, value).Whole();
}

} // namespace tvhost
