#include "engine/sketch/sketch_scaled.hpp"

#include "engine/core/conversions.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace veltrix::sketch {

Scaled Normalised(double significand, std::int64_t exponent) {
    if (significand == 0 || !std::isfinite(significand)) {
        return {};
    }
    const auto shift = static_cast<std::int64_t>(std::floor(std::log10(std::fabs(significand))));
    Scaled scaled{significand / std::pow(10.0, static_cast<double>(shift)), exponent + shift};
    if (std::fabs(scaled.significand) >= 10) { // log10 rounded up to the next power
        scaled = {scaled.significand / 10, scaled.exponent + 1};
    }
    return scaled;
}

std::optional<Scaled> ReadScaled(std::u16string_view text) {
    const std::optional<DecimalParts> parts = SplitDecimal(text);
    if (!parts) {
        return std::nullopt;
    }
    std::string digits(parts->whole.begin(), parts->whole.end());
    digits.append(parts->fraction.begin(), parts->fraction.end());
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return Scaled{};
    }
    // Seventeen digits tell a double apart; the rest only count towards the size.
    const std::string leading = digits.substr(first, 17);
    double whole = 0;
    std::from_chars(leading.data(), leading.data() + leading.size(), whole);
    const auto count = static_cast<double>(leading.size() - 1);
    const std::int64_t exponent = parts->exponent + static_cast<std::int64_t>(parts->whole.size()) -
                                  static_cast<std::int64_t>(first) - 1;
    return Normalised((parts->negative ? -whole : whole) / std::pow(10.0, count), exponent);
}

// The value in units of 10^exponent, 0 where it is far smaller. Zero is 0 in any unit, where
// 0 times the overflowing power would not be a number.
double In(Scaled value, std::int64_t exponent) {
    if (value.significand == 0) {
        return 0;
    }
    const double shift =
        static_cast<double>(std::clamp<std::int64_t>(value.exponent - exponent, -400, 400));
    return value.significand * std::pow(10.0, shift);
}

double Log10(Scaled value) {
    return std::log10(std::fabs(value.significand)) + static_cast<double>(value.exponent);
}

Scaled Sum(Scaled p, Scaled q) {
    const std::int64_t exponent = std::max(p.exponent, q.exponent);
    return Normalised(In(p, exponent) + In(q, exponent), exponent);
}

Scaled Twice(Scaled value) {
    return Normalised(2 * value.significand, value.exponent);
}

} // namespace veltrix::sketch
