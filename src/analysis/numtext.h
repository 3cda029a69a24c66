// Conversions between numbers and the texts that the lists and boxes hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plane_figures {

// Whether c is one of the decimal digits 0 to 9.
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal number of a text: leading blanks skipped, an optional
// sign, digits with "." as the decimal point, an optional exponent; 0 when
// the text does not start with a number.
double Val(std::string_view text);

// v rounded to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double v);

// v rounded half-to-even into a 16- or 32-bit integer; ArithmeticOverflow
// when the result (or a NaN) does not fit.
std::int16_t RoundToInt16(double v);
std::int32_t RoundToInt32(double v);

// v in general notation with at most 15 significant digits, trailing zeros
// dropped, no decimal point for a whole number ("140", "28.2842712474619").
// decimal_point replaces "." (the trace uses the user's separator).
std::string FormatNumber(double v, char decimal_point = '.');

// The text of a length: a blank for the sign, the number, then blanks in
// front until the text is at least 15 characters long.
std::string LengthText(double length);

// text with blanks put in front until it is at least width characters long.
std::string PadLeft(std::string text, std::size_t width);

// The words joined as a list: "a", "a и b", "a, b и c".
std::string Listed(const std::vector<std::string>& words);

}  // namespace plane_figures
