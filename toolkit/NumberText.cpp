#include "NumberText.h"

#include "AsciiText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace toolkit {

namespace {

bool IsDigit(char c)
{
    return DigitValue(c, 10) >= 0;
}

LenientNumber ReadRadix(std::string_view digits, int base)
{
    double value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    if (!std::isfinite(value))
        return {0, false};
    return {value, true};
}

// Length of the longest prefix of text that forms a decimal number: sign, digits with an
// optional point, optional exponent. 0 when there is no number at all.
size_t DecimalPrefix(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Reads a whole decimal number as DecimalPrefix found it. Numbers too small for a double
// read as 0; numbers too large have no value.
std::optional<double> ParseDecimal(std::string_view number)
{
    // from_chars takes no leading '+'.
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc() && end == number.data() + number.size())
        return value;
    if (error != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of range: tell overflow from underflow by the sign of the decimal exponent.
    const size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    const size_t firstSignificant = mantissa.find_first_of("123456789");
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long magnitude =
        exponent + static_cast<long>(point) - static_cast<long>(firstSignificant);
    if (magnitude < 0)
        return mantissa.front() == '-' ? -0.0 : 0.0;
    return std::nullopt;
}

} // namespace

std::string PlainText(double value)
{
    // to_chars, unlike printf, writes the same in every locale.
    char buffer[64];
    char* const end = buffer + sizeof buffer;
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15;
    std::string text(
        buffer,
        whole
            ? std::to_chars(buffer, end, value == 0 ? 0.0 : value, std::chars_format::fixed, 0).ptr
            : std::to_chars(buffer, end, value, std::chars_format::general, 15).ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

std::string SignedBlankText(double value)
{
    std::string text = PlainText(value);
    return text.front() == '-' ? text : " " + text;
}

LenientNumber ReadLenient(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            packed.push_back(c);
    }
    const std::string_view view(packed);
    if (view.size() >= 2 && view[0] == '&') {
        if (view[1] == 'H' || view[1] == 'h')
            return ReadRadix(view.substr(2), 16);
        if (view[1] == 'O' || view[1] == 'o')
            return ReadRadix(view.substr(2), 8);
    }
    const size_t length = DecimalPrefix(view);
    if (length == 0)
        return {0, true};
    const std::optional<double> value = ParseDecimal(view.substr(0, length));
    if (!value)
        return {0, false};
    return {*value, true};
}

std::optional<double> ReadStrict(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (DecimalPrefix(text) != text.size())
        return std::nullopt;
    return ParseDecimal(text);
}

double RoundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2 * std::round(value / 2);
    return nearest;
}

std::optional<int16_t> ToInt16(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

} // namespace toolkit
