#include "engine/core/conversions.hpp"

#include "engine/core/checked.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace veltrix {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

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

    // "." or the locale's own separator.
    bool AcceptSeparator(char16_t separator) { return Accept(kPoint) || Accept(separator); }

  private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// The unsigned number at the heart of the text, located but not yet converted.
struct NumberSpan {
    bool negative = false;
    std::size_t begin = 0;     // first digit or "."
    std::size_t end = 0;       // one past the last digit of the mantissa or exponent
    std::size_t intDigits = 0; // digits before the decimal separator
    std::size_t separator = std::u16string_view::npos; // where the decimal separator stands
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

std::optional<NumberSpan> Scan(std::u16string_view text, char16_t separator) {
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
    if (cursor.AcceptSeparator(separator)) {
        span.separator = cursor.Position() - 1;
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
        if (i == span.separator) {
            continue;
        }
        if (text[i] != u'0') {
            break;
        }
        --position;
    }
    const std::int64_t exponent =
        span.hasExponent
            ? ExponentValue(text.substr(span.exponentBegin, span.end - span.exponentBegin))
            : 0;
    return position + exponent;
}

// Most coefficients are short whole numbers ("10", "-2"): they need no general conversion. Up to
// 15 digits the value is exact in a double.
std::optional<double> SmallWholeNumber(std::u16string_view text, const NumberSpan& span) {
    constexpr std::size_t kMaxDigits = 15;
    if (span.hasExponent || span.end - span.begin != span.intDigits ||
        span.intDigits > kMaxDigits) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        value = value * 10 + (text[i] - u'0');
    }
    return static_cast<double>(value);
}

// The general conversion of the unsigned number the span holds, with its own range decisions:
// overflow fails, underflow gives zero.
std::optional<double> ConvertSpan(std::u16string_view text, const NumberSpan& span) {
    // The span holds only ASCII digits, one decimal separator, "e", "E" and signs, so narrowing
    // is exact once the separator is the point that from_chars reads.
    std::string narrow(span.end - span.begin, '\0');
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        const std::size_t at = span.begin + i;
        narrow[i] = at == span.separator ? '.' : static_cast<char>(text[at]);
    }
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(text, span) > 0) {
            return std::nullopt; // beyond the largest double
        }
        return 0.0; // closer to zero than the smallest subnormal
    }
    if (ec != std::errc{} || ptr != narrow.data() + narrow.size()) {
        return std::nullopt;
    }
    return magnitude;
}

std::u16string Widen(const char* begin, const char* end) {
    std::u16string text;
    text.reserve(static_cast<std::size_t>(end - begin));
    for (const char* p = begin; p != end; ++p) {
        text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    }
    return text;
}

// Writes n·10^-places as [-]d.ddd, with a "0" before the point of a value below 1.
std::u16string PlaceDecimalPoint(bool negative, std::int64_t n, int places) {
    // Filled from the right: at most 16 digits, a point and a sign.
    std::array<char16_t, 24> buffer;
    std::size_t first = buffer.size();
    for (int written = 0; n > 0 || written <= places; ++written, n /= 10) {
        if (written == places && places > 0) {
            buffer[--first] = u'.';
        }
        buffer[--first] = static_cast<char16_t>(u'0' + n % 10);
    }
    if (negative) {
        buffer[--first] = u'-';
    }
    return {buffer.data() + first, buffer.size() - first};
}

// C's "%.15G": the general format with 15 significant digits, trailing zeros removed.
std::u16string FifteenDigitText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return Widen(buffer.data(), result.ptr);
}

// The same text for the common case of a value that a decimal with few places reads back as
// exactly, such as a rounded result r / 10^d. If n / 10^k == value for a whole n of at most 15
// digits, the decimal n·10^-k parses to this very double (the division is correctly rounded),
// and every other decimal of 15 digits lies farther from it; so n·10^-k is what "%.15G" writes.
// Only values that "%.15G" writes without an exponent take this path.
std::optional<std::u16string> ShortDecimalText(double value) {
    constexpr double kLimit = 1e15;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < kLimit)) {
        return std::nullopt;
    }
    double scale = 1.0;
    for (int places = 0; places <= 15; ++places, scale *= 10.0) {
        const double whole = std::nearbyint(magnitude * scale);
        if (whole >= kLimit) {
            return std::nullopt;
        }
        if (whole / scale == magnitude) {
            return PlaceDecimalPoint(value < 0, static_cast<std::int64_t>(whole), places);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<double> TextToNumber(std::u16string_view text, char16_t separator) {
    const std::optional<NumberSpan> span = Scan(text, separator);
    if (!span) {
        return std::nullopt;
    }
    std::optional<double> magnitude = SmallWholeNumber(text, *span);
    if (!magnitude) {
        magnitude = ConvertSpan(text, *span);
    }
    if (!magnitude) {
        return std::nullopt;
    }
    return span->negative ? -*magnitude : *magnitude;
}

std::u16string NumberToText(double value, char16_t separator) {
    if (value == 0.0) {
        return u"0"; // also for -0.0, which rounding a small negative value produces
    }
    std::optional<std::u16string> shortText = ShortDecimalText(value);
    std::u16string text = shortText ? std::move(*shortText) : FifteenDigitText(value);
    std::replace(text.begin(), text.end(), kPoint, separator);
    return text;
}

std::optional<DecimalParts> SplitDecimal(std::u16string_view text, char16_t separator) {
    const std::optional<NumberSpan> span = Scan(text, separator);
    if (!span) {
        return std::nullopt;
    }
    const std::size_t mantissaEnd = span->hasExponent ? span->exponentBegin - 1 : span->end;
    const std::size_t fractionBegin =
        span->separator == std::u16string_view::npos ? mantissaEnd : span->separator + 1;
    return DecimalParts{
        span->negative, text.substr(span->begin, span->intDigits),
        text.substr(fractionBegin, mantissaEnd - fractionBegin),
        span->hasExponent
            ? ExponentValue(text.substr(span->exponentBegin, span->end - span->exponentBegin))
            : 0};
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
