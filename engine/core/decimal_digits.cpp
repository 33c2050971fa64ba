#include "engine/core/decimal_digits.hpp"

#include <algorithm>

namespace veltrix::digits {
namespace {

// One unit more in the last digit, carrying; an empty or all-nines run becomes 1 a place higher.
void Increment(Rounded& value) {
    std::size_t i = value.digits.size();
    while (i > 0 && value.digits[i - 1] == '9') {
        value.digits[--i] = '0';
    }
    if (i == 0) {
        value.digits.insert(value.digits.begin(), '1');
        ++value.lead;
    } else {
        ++value.digits[i - 1];
    }
}

// Whether the digits after the first `kept` make up more than half a unit of the last kept one,
// or exactly half of it with that digit odd.
bool RoundsUp(const TypedDigits& number, std::size_t kept) {
    const char next = number.Digit(kept);
    if (next != '5') {
        return next > '5';
    }
    if (number.Count() > kept + 1) {
        return true; // the digits end with one that is not zero
    }
    return kept > 0 && (number.Digit(kept - 1) - '0') % 2 == 1;
}

// The number rounded half to even to its first `keep` significant digits; 0 where it keeps none
// and the first digit is less than half.
Rounded RoundKeeping(const TypedDigits& number, std::int64_t keep) {
    if (number.IsZero() || keep < 0) {
        return {}; // below a tenth of the last kept unit
    }
    const auto kept = static_cast<std::size_t>(keep);
    Rounded value{number.Negative(), number.Leading(kept), number.Lead()};
    if (kept < number.Count() && RoundsUp(number, kept)) {
        Increment(value);
    }
    value.digits.erase(value.digits.find_last_not_of('0') + 1);
    return value.digits.empty() ? Rounded{} : value;
}

// The digits with the point where the power puts it, and no exponent.
std::string PlainDigits(const Rounded& value) {
    const std::string& d = value.digits;
    if (value.lead < 0) {
        return "0." + std::string(static_cast<std::size_t>(-value.lead - 1), '0') + d;
    }
    const auto whole = static_cast<std::size_t>(value.lead) + 1;
    if (d.size() <= whole) {
        return d + std::string(whole - d.size(), '0');
    }
    return d.substr(0, whole) + '.' + d.substr(whole);
}

std::string ExponentDigits(const Rounded& value) {
    const std::int64_t power = value.lead;
    std::string digits = std::to_string(power < 0 ? -power : power);
    if (digits.size() < 2) {
        digits.insert(0, 1, '0');
    }
    return (power < 0 ? "E-" : "E+") + digits;
}

std::string Signed(const Rounded& value, std::string magnitude) {
    return value.negative ? '-' + magnitude : magnitude;
}

std::u16string Widen(const std::string& ascii, char16_t separator) {
    std::u16string text(ascii.begin(), ascii.end());
    std::replace(text.begin(), text.end(), u'.', separator);
    return text;
}

} // namespace

TypedDigits::TypedDigits(const DecimalParts& parts) : parts_(parts) {
    const std::size_t total = parts.whole.size() + parts.fraction.size();
    while (first_ < total && Raw(first_) == u'0') {
        ++first_;
    }
    if (first_ == total) {
        return;
    }
    std::size_t last = total - 1;
    while (Raw(last) == u'0') {
        --last;
    }
    count_ = last - first_ + 1;
    lead_ = static_cast<std::int64_t>(parts.whole.size()) - 1 - static_cast<std::int64_t>(first_) +
            parts.exponent;
}

char16_t TypedDigits::Raw(std::size_t i) const {
    return i < parts_.whole.size() ? parts_.whole[i] : parts_.fraction[i - parts_.whole.size()];
}

char TypedDigits::Digit(std::size_t i) const {
    return static_cast<char>(Raw(first_ + i));
}

std::string TypedDigits::Leading(std::size_t n) const {
    std::string digits(std::min(n, count_), '0');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        digits[i] = Digit(i);
    }
    return digits;
}

Rounded RoundSignificant(const TypedDigits& number, std::size_t n) {
    return RoundKeeping(number, static_cast<std::int64_t>(n));
}

Rounded RoundAtPosition(const TypedDigits& number, std::int64_t position) {
    return RoundKeeping(number, number.Lead() - position + 1);
}

std::string GeneralAscii(const Rounded& value, int precision) {
    if (value.digits.empty()) {
        return "0";
    }
    if (value.lead >= -4 && value.lead < precision) {
        return Signed(value, PlainDigits(value));
    }
    std::string mantissa = value.digits.substr(0, 1);
    if (value.digits.size() > 1) {
        mantissa += '.' + value.digits.substr(1);
    }
    return Signed(value, mantissa + ExponentDigits(value));
}

std::u16string GeneralText(const Rounded& value, int precision, char16_t separator) {
    return Widen(GeneralAscii(value, precision), separator);
}

std::u16string FixedText(const Rounded& value, char16_t separator) {
    return value.digits.empty() ? u"0" : Widen(Signed(value, PlainDigits(value)), separator);
}

} // namespace veltrix::digits
