#include "NumberText.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace examtrainer {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the decimal number that starts at text[pos] (sign, digits, point, exponent); 0 when
// none starts there.
std::size_t numberLength(const std::string& text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i - pos;
}

double parse(const std::string& text, std::size_t pos, std::size_t length) {
    // strtod follows the C locale; the program never changes it, so the point is the separator.
    const std::string number = text.substr(pos, length);
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

double lenientNumber(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const std::size_t length = numberLength(text, pos);
    return length == 0 ? 0.0 : parse(text, pos, length);
}

std::optional<double> strictNumber(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const std::size_t length = numberLength(text, pos);
    if (length == 0)
        return std::nullopt;
    std::size_t end = pos + length;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    if (end != text.size())
        return std::nullopt;
    const double value = parse(text, pos, length);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int16_t> strictInt16(const std::string& text) {
    const std::optional<double> value = strictNumber(text);
    if (!value)
        return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(whole);
}

double roundHalfEven(double x) {
    // nearbyint rounds in the current mode; the program never leaves round-to-nearest-even.
    return std::nearbyint(x);
}

double roundToOneDecimal(double x) {
    return std::nearbyint(x * 10.0) / 10.0;
}

std::string numberText(double x) {
    if (x == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

} // namespace examtrainer
