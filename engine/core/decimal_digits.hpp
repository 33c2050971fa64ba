// The significant digits of a number as typed, rounded and written without converting the number:
// a coefficient may have a megabyte of digits or an exponent of a billion, and its rounded forms
// need only its first few digits and whether any digit after them is not zero.
#pragma once

#include "engine/core/conversions.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrix::digits {

// The significant digits of a number taken apart by SplitDecimal: no zeros before the first or
// after the last. The number is ±d₁.d₂d₃… × 10^Lead(). Views the parts' text.
class TypedDigits {
  public:
    explicit TypedDigits(const DecimalParts& parts);

    bool IsZero() const { return count_ == 0; }
    bool Negative() const { return parts_.negative && count_ > 0; }
    std::size_t Count() const { return count_; }
    char Digit(std::size_t i) const;
    // The power of ten of the first significant digit, and of the last.
    std::int64_t Lead() const { return lead_; }
    std::int64_t Unit() const { return lead_ - static_cast<std::int64_t>(count_) + 1; }
    // The first n significant digits, or all of them where there are fewer.
    std::string Leading(std::size_t n) const;

  private:
    char16_t Raw(std::size_t i) const;

    DecimalParts parts_;
    std::size_t first_ = 0, count_ = 0;
    std::int64_t lead_ = 0;
};

// A rounded decimal ±d₁.d₂d₃… × 10^lead, its digits without trailing zeros; no digits for 0.
struct Rounded {
    bool negative = false;
    std::string digits;
    std::int64_t lead = 0;
    friend bool operator==(const Rounded&, const Rounded&) = default;
};

// The number rounded half to even to `n` significant digits.
Rounded RoundSignificant(const TypedDigits& number, std::size_t n);

// The number rounded half to even to a whole multiple of 10^position (position -2: two places).
Rounded RoundAtPosition(const TypedDigits& number, std::int64_t position);

// Written as C's "%.nG" writes it with trailing zeros removed, the shape NumberToText gives:
// "0.66", "1.5E+20", "1E-07", "1E-401"; `separator` before the fraction.
std::u16string GeneralText(const Rounded& value, int precision, char16_t separator);
std::string GeneralAscii(const Rounded& value, int precision);

// Written without an exponent, as ScaledText writes a rounded value: "0.66", "-1", "400", "0".
std::u16string FixedText(const Rounded& value, char16_t separator);

} // namespace veltrix::digits
