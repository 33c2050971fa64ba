#include "engine/conversions.hpp"

#include "engine/checked.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace veltrix {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a text one UTF-16 unit at a time, so that a non-ASCII unit can never pass for a digit.
class Cursor {
  public:
    explicit Cursor(std::u16string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    std::size_t Position() const { return pos_; }
    bool Accept(char16_t c) {
        if (AtEnd() || text_[pos_] != c) {
            return false;
        }
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[pos_])) {
            ++pos_;
        }
    }
    std::size_t SkipDigits() {
        const std::size_t start = pos_;
        while (!AtEnd() && IsDigit(text_[pos_])) {
            ++pos_;
        }
        return pos_ - start;
    }

  private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// The unsigned number at the heart of the text, located but not yet converted.
struct NumberSpan {
    bool negative = false;
    std::size_t begin = 0;     // first digit or "."
    std::size_t end = 0;       // one past the last digit of the mantissa or exponent
    std::size_t intDigits = 0; // digits before "."
    std::size_t exponentBegin = 0;
    bool hasExponent = false;
};

bool ScanExponent(Cursor& cursor, NumberSpan& span) {
    if (!cursor.Accept(u'e') && !cursor.Accept(u'E')) {
        return true;
    }
    span.hasExponent = true;
    span.exponentBegin = cursor.Position();
    if (!cursor.Accept(u'+')) {
        cursor.Accept(u'-');
    }
    return cursor.SkipDigits() > 0;
}

std::optional<NumberSpan> Scan(std::u16string_view text) {
    Cursor cursor(text);
    NumberSpan span;
    cursor.SkipBlanks();
    if (!cursor.Accept(u'+')) {
        span.negative = cursor.Accept(u'-');
    }
    cursor.SkipBlanks();
    span.begin = cursor.Position();
    span.intDigits = cursor.SkipDigits();
    std::size_t fractionDigits = 0;
    if (cursor.Accept(u'.')) {
        fractionDigits = cursor.SkipDigits();
    }
    if (span.intDigits + fractionDigits == 0 || !ScanExponent(cursor, span)) {
        return std::nullopt;
    }
    span.end = cursor.Position();
    cursor.SkipBlanks();
    if (!cursor.AtEnd()) {
        return std::nullopt;
    }
    return span;
}

// Saturating value of the exponent text ("+12", "-400"), enough to tell overflow from underflow.
std::int64_t ExponentValue(std::u16string_view digits) {
    constexpr std::int64_t kCap = 1'000'000'000;
    std::size_t i = 0;
    const bool negative = !digits.empty() && digits[0] == u'-';
    if (!digits.empty() && (digits[0] == u'-' || digits[0] == u'+')) {
        i = 1;
    }
    std::int64_t value = 0;
    for (; i < digits.size(); ++i) {
        value = std::min(kCap, value * 10 + (digits[i] - u'0'));
    }
    return negative ? -value : value;
}

// Decimal order of magnitude of the first significant digit: positive for values of 1 and more,
// zero or negative below 1. Only its sign matters: a value out of the double's range is either
// far above 1 (overflow) or far below it (underflow).
std::int64_t DecimalMagnitude(std::u16string_view text, const NumberSpan& span) {
    const std::size_t mantissaEnd = span.hasExponent ? span.exponentBegin - 1 : span.end;
    std::int64_t position = static_cast<std::int64_t>(span.intDigits);
    for (std::size_t i = span.begin; i < mantissaEnd; ++i) {
        if (text[i] == u'.') {
            continue;
        }
        if (text[i] != u'0') {
            break;
        }
        --position;
    }
    const std::int64_t exponent =
        span.hasExponent ? ExponentValue(text.substr(span.exponentBegin, span.end - span.exponentBegin))
                         : 0;
    return position + exponent;
}

} // namespace

std::optional<double> TextToNumber(std::u16string_view text) {
    const std::optional<NumberSpan> span = Scan(text);
    if (!span) {
        return std::nullopt;
    }
    // The span holds only ASCII digits, ".", "e", "E" and signs, so narrowing is exact.
    std::string narrow(span->end - span->begin, '\0');
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        narrow[i] = static_cast<char>(text[span->begin + i]);
    }
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(text, *span) > 0) {
            return std::nullopt; // beyond the largest double
        }
        magnitude = 0.0; // closer to zero than the smallest subnormal
    } else if (ec != std::errc{} || ptr != narrow.data() + narrow.size()) {
        return std::nullopt;
    }
    return span->negative ? -magnitude : magnitude;
}

std::u16string NumberToText(double value) {
    if (value == 0.0) {
        return u"0"; // also for -0.0, which rounding a small negative value produces
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::u16string text;
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    }
    return text;
}

std::optional<double> RoundToAccuracy(double value, double powerOfTen) {
    const checked::Value scaled = checked::Mul(value, powerOfTen);
    if (!scaled) {
        return std::nullopt;
    }
    // nearbyint rounds in the default mode: to nearest, exact halves to the even neighbour.
    const double whole = std::nearbyint(*scaled);
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    if (whole < kLowest || whole > kHighest) {
        return std::nullopt;
    }
    return checked::Div(whole, powerOfTen);
}

} // namespace veltrix
