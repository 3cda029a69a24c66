#include "numtext.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "checked.h"

namespace plane_figures {

namespace {

// length of the run of digits at text[pos...]
std::size_t DigitRun(std::string_view text, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < text.size() && IsDigit(text[pos + n])) ++n;
    return n;
}

template <typename T>
T RoundTo(double v) {
    const double r = RoundHalfEven(v);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw ArithmeticOverflow("rounding");
    }
    return static_cast<T>(r);
}

}  // namespace

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t int_digits = DigitRun(text, pos);
    pos += int_digits;
    std::size_t frac_digits = 0;
    if (pos < text.size() && text[pos] == '.') {
        frac_digits = DigitRun(text, pos + 1);
        pos += 1 + frac_digits;
    }
    if (int_digits + frac_digits == 0) return 0.0;
    // an exponent counts only when digits follow it
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        if (const std::size_t n = DigitRun(text, exp); n > 0) pos = exp + n;
    }
    std::string_view number = text.substr(start, pos - start);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

double RoundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t RoundToInt16(double v) { return RoundTo<std::int16_t>(v); }
std::int32_t RoundToInt32(double v) { return RoundTo<std::int32_t>(v); }

std::string FormatNumber(double v, char decimal_point) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (decimal_point != '.') {
        for (char& c : text) {
            if (c == '.') c = decimal_point;
        }
    }
    return text;
}

std::string LengthText(double length) {
    std::string text = length < 0 ? FormatNumber(length) : " " + FormatNumber(length);
    return PadLeft(std::move(text), 15);
}

std::string PadLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string Listed(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0) text += k + 1 == words.size() ? " и " : ", ";
        text += words[k];
    }
    return text;
}

}  // namespace plane_figures
