// Double arithmetic where every step either yields a finite value or reports failure, so that a
// later step can never hide an earlier overflow (1 / inf is 0) or a division by zero.
#pragma once

#include <cmath>
#include <optional>

namespace veltrix::checked {

using Value = std::optional<double>;

inline Value Finite(double v) {
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

inline Value Add(double a, double b) {
    return Finite(a + b);
}
inline Value Sub(double a, double b) {
    return Finite(a - b);
}
inline Value Mul(double a, double b) {
    return Finite(a * b);
}

inline Value Div(double a, double b) {
    if (b == 0.0) {
        return std::nullopt;
    }
    return Finite(a / b);
}

} // namespace veltrix::checked
