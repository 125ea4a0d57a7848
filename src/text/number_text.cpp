#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lajes {

namespace {

// A double is exactly half-way between two multiples of 10^-decimals exactly when
// value * 2^(decimals+1) is an odd integer: such a value ends in the digit 5 at position
// decimals+1 and nowhere after it. ldexp is exact, so the test is exact.
bool isDecimalTie(double value, int decimals) {
    const double scaled = std::ldexp(std::fabs(value), decimals + 1);
    if (!std::isfinite(scaled) || scaled >= 9007199254740992.0) // 2^53: all even from here
        return false;
    return std::floor(scaled) == scaled && std::fmod(scaled, 2.0) == 1.0;
}

void replaceSeparator(std::string& text, char decimalSeparator) {
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
}

} // namespace

std::string formatFixed(double value, int decimals, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (decimals < 0)
        decimals = 0;
    // std::to_chars rounds the exact value correctly, ties to even; moving a tie one ulp
    // away from zero turns that into ties away from zero.
    if (isDecimalTie(value, decimals))
        value =
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    replaceSeparator(text, decimalSeparator);
    return text;
}

std::string formatShortest(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return formatFixed(value, 0, decimalSeparator);
    if (value == 0.0)
        return "0";
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    std::string text(buffer.data(), result.ptr);
    replaceSeparator(text, decimalSeparator);
    return text;
}

std::string formatFixedReal(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view digits(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
    // digits is "d.dddddddddddddde+XX"; rewrite the exponent with four digits.
    const auto e = digits.find('e');
    int exponent = 0;
    std::from_chars(digits.data() + e + 1 + (digits[e + 1] == '+' ? 1 : 0),
                    digits.data() + digits.size(), exponent);
    std::array<char, 16> exponentText{};
    std::snprintf(exponentText.data(), exponentText.size(), "E%c%04d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    std::string text;
    text.reserve(23);
    text += (value < 0 && digits.substr(0, e).find_first_not_of("0.") != std::string_view::npos)
                ? '-'
                : ' ';
    text += digits.substr(0, e);
    text += exponentText.data();
    return text;
}

std::optional<double> parseReal(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits, one point and an exponent: no "inf", "nan" or hexadecimal forms.
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
        return std::nullopt;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return std::nullopt;
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parseUserReal(std::string_view text) {
    std::string copy(text);
    for (char& c : copy)
        if (c == ',')
            c = '.';
    return parseReal(copy);
}

std::string notANumberMessage(std::string_view text) {
    return "'" + std::string(text) + "' não é um número válido.";
}

} // namespace lajes
