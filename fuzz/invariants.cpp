#include "fuzz/invariants.hpp"

#include "fuzz/reference.hpp"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace veltrix::fuzz {
namespace {

std::vector<std::pair<const char*, std::u16string>>& Texts() {
    static std::vector<std::pair<const char*, std::u16string>> texts;
    return texts;
}

void Print(const char* name, std::u16string_view text) {
    constexpr std::size_t kShown = 300;
    std::fprintf(stderr, "  %s (%zu units): \"", name, text.size());
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const char16_t c = text[i];
        if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
            std::fputc(static_cast<char>(c), stderr);
        } else {
            std::fprintf(stderr, "\\u%04X", static_cast<unsigned>(c));
        }
    }
    std::fprintf(stderr, "%s\"\n", text.size() > kShown ? "..." : "");
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The largest double whose 15-digit text still reads back; above it "%.15G" rounds up to
// 1.79769313486232E+308, beyond the double range.
constexpr double kLargestReadable = 1.797693134862315e308;

} // namespace

Context::Context(std::initializer_list<std::pair<const char*, std::u16string_view>> texts) {
    Texts().clear();
    for (const auto& [name, text] : texts) {
        Add(name, text);
    }
}

Context::~Context() {
    Texts().clear();
}

void Context::Add(const char* name, std::u16string_view text) {
    Texts().emplace_back(name, std::u16string(text));
}

void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "\nInvariant broken: %s\n  at %s:%d\n", condition, file, line);
    for (const auto& [name, text] : Texts()) {
        Print(name, text);
    }
    __builtin_trap();
}

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckNumberFormat(std::u16string_view text) {
    FUZZ_CHECK(!text.empty());
    const std::u16string_view mantissa = text.substr(0, text.find(u'E'));
    const std::size_t firstDigit = mantissa.starts_with(u'-') ? 1 : 0;
    FUZZ_CHECK(firstDigit < mantissa.size() && IsDigit(mantissa[firstDigit]));
    // A leading "0" only as the whole part of a value below 1.
    FUZZ_CHECK(mantissa[firstDigit] != u'0' || mantissa.size() == firstDigit + 1 ||
               mantissa[firstDigit + 1] == u'.');

    std::size_t points = 0, significant = 0;
    bool nonZeroSeen = false;
    for (const char16_t c : mantissa.substr(firstDigit)) {
        FUZZ_CHECK(IsDigit(c) || c == u'.');
        points += c == u'.';
        nonZeroSeen = nonZeroSeen || (c >= u'1' && c <= u'9');
        significant += nonZeroSeen && IsDigit(c);
    }
    FUZZ_CHECK(points <= 1);
    FUZZ_CHECK(significant <= 15);
    FUZZ_CHECK(nonZeroSeen || text == u"0"); // no "-0", "0.0" or "0E+00"
    if (points == 1) {
        FUZZ_CHECK(!mantissa.ends_with(u'.'));
        FUZZ_CHECK(!mantissa.ends_with(u'0'));
    }
    if (mantissa.size() < text.size()) {
        const std::u16string_view exponent = text.substr(mantissa.size() + 1);
        FUZZ_CHECK(exponent.size() >= 2 && (exponent[0] == u'+' || exponent[0] == u'-'));
        for (const char16_t c : exponent.substr(1)) {
            FUZZ_CHECK(IsDigit(c));
        }
    }
}

void CheckNumberText(double value, std::u16string_view text) {
    Context::Add("number text", text);
    CheckNumberFormat(text);
    FUZZ_CHECK(text == ReferenceNumberText(value));
    const std::optional<double> back = TextToNumber(text);
    if (!back) {
        FUZZ_CHECK(std::fabs(value) >= kLargestReadable);
        return;
    }
    // 15 significant digits are within 5e-15 of the value, and reading rounds once more.
    const double tolerance = 5.2e-15 * std::fabs(value) + std::numeric_limits<double>::denorm_min();
    FUZZ_CHECK(std::fabs(*back - value) <= tolerance);
}

void CheckRoundedText(std::u16string_view text, double powerOfTen) {
    Context::Add("rounded text", text);
    CheckNumberFormat(text);
    const std::optional<double> value = TextToNumber(text);
    if (!value) {
        FUZZ_CHECK(text == u"1.79769313486232E+308" || text == u"-1.79769313486232E+308");
        return;
    }
    // value = whole / powerOfTen, written with 15 significant digits: scaled back it lies within
    // about 5e-15 of that whole number, which must fit a signed 16-bit integer.
    const double scaled = *value * powerOfTen;
    const double whole = std::nearbyint(scaled);
    FUZZ_CHECK(whole >= -32768.0 && whole <= 32767.0);
    FUZZ_CHECK(std::fabs(scaled - whole) <= 6e-15 * std::fabs(whole));
}

void CheckCoefficientValue(const Coefficient& coefficient) {
    const std::optional<double> value = CoefficientValue(coefficient);
    if (const double* number = std::get_if<double>(&coefficient)) {
        FUZZ_CHECK(value.has_value() && SameDouble(*value, *number));
        return;
    }
    const std::optional<double> expected = ReferenceNumber(std::get<std::u16string>(coefficient));
    FUZZ_CHECK(value.has_value() == expected.has_value());
    if (value) {
        FUZZ_CHECK(SameDouble(*value, *expected));
    }
}

double PowerOfTenUsed(std::u16string_view accuracy) {
    const std::optional<double> places = TextToNumber(accuracy);
    FUZZ_CHECK(places.has_value());
    return std::pow(10.0, *places);
}

} // namespace veltrix::fuzz
