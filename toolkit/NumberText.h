#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between numbers and text, the same in every locale.
namespace toolkit {

// Decimal digits with "-" when negative; a whole value has no fraction.
std::string PlainText(double value);

// As PlainText, with one leading blank when the value is zero or positive.
std::string SignedBlankText(double value);

struct LenientNumber
{
    double value = 0;
    // False when the leading number lies beyond the range of a double; value is then 0.
    bool inRange = true;
};

// Never fails: blanks, tabs and line feeds are skipped wherever they stand, the longest
// leading number is read ("&H" hexadecimal and "&O" octal included), and text without a
// leading number reads as 0.
LenientNumber ReadLenient(std::string_view text);

// Blanks around one number are accepted; anything else gives no value.
std::optional<double> ReadStrict(std::string_view text);

// Round to the nearest whole number, a value exactly halfway going to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven into 16 bits; no value when the result does not fit.
std::optional<int16_t> ToInt16(double value);

} // namespace toolkit
