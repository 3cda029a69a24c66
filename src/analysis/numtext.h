// Digits, rounding to whole numbers, and words joined as a list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plane_figures {

// Whether c is one of the decimal digits 0 to 9.
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// v rounded to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double v);

// v rounded half-to-even into a 16- or 32-bit integer; ArithmeticOverflow
// when the result (or a NaN) does not fit.
std::int16_t RoundToInt16(double v);
std::int32_t RoundToInt32(double v);

// The words joined as a list: "a", "a и b", "a, b и c".
std::string Listed(const std::vector<std::string>& words);

}  // namespace plane_figures
