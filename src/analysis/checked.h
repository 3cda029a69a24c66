// Range-checked integer arithmetic: every step either gives the exact result
// or throws ArithmeticOverflow. Written as plain comparisons so that it is
// portable (no compiler built-ins) and never relies on undefined behaviour.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace plane_figures {

// A value left the range of the integer type that was to hold it.
class ArithmeticOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

namespace checked {

inline constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// a + b, or ArithmeticOverflow
constexpr std::int64_t Add(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b)) throw ArithmeticOverflow("sum");
    return a + b;
}

// a - b, or ArithmeticOverflow
constexpr std::int64_t Sub(std::int64_t a, std::int64_t b) {
    if ((b < 0 && a > kMax + b) || (b > 0 && a < kMin + b)) throw ArithmeticOverflow("difference");
    return a - b;
}

// a * b, or ArithmeticOverflow
constexpr std::int64_t Mul(std::int64_t a, std::int64_t b) {
    // the product of two 32-bit values always fits
    constexpr std::int64_t k32 = std::numeric_limits<std::int32_t>::max();
    if (a >= -k32 && a <= k32 && b >= -k32 && b <= k32) return a * b;
    if (a == 0 || b == 0) return 0;
    if ((a == -1 && b == kMin) || (b == -1 && a == kMin)) throw ArithmeticOverflow("product");
    if (a > 0 ? (b > 0 ? a > kMax / b : b < kMin / a)
              : (b > 0 ? a < kMin / b : a != -1 && b < kMax / a)) {
        throw ArithmeticOverflow("product");
    }
    return a * b;
}

// v narrowed to T, or ArithmeticOverflow
template <typename T>
constexpr T Narrow(std::int64_t v) {
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
        throw ArithmeticOverflow("narrowing");
    }
    return static_cast<T>(v);
}

}  // namespace checked
}  // namespace plane_figures
