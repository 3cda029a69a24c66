#include "numtext.h"

#include <cmath>
#include <limits>

#include "checked.h"

namespace plane_figures {

namespace {

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

double RoundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t RoundToInt16(double v) { return RoundTo<std::int16_t>(v); }
std::int32_t RoundToInt32(double v) { return RoundTo<std::int32_t>(v); }

std::string Listed(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0) text += k + 1 == words.size() ? " и " : ", ";
        text += words[k];
    }
    return text;
}

}  // namespace plane_figures
