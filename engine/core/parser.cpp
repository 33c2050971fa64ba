#include "engine/core/parser.hpp"

#include "engine/core/conversions.hpp"

#include <utility>

namespace veltrix {
namespace {

constexpr auto kNone = std::u16string_view::npos;

// The three marker positions one pass finds (0-based; npos where a search found nothing). Each
// search starts after the previous find, and a search that starts past the end finds nothing.
struct MarkerSearch {
    std::size_t first = kNone;
    std::size_t second = kNone;
    std::size_t third = kNone;
};

std::size_t FindFrom(std::u16string_view text, char16_t marker, std::size_t from) {
    return from >= text.size() ? kNone : text.find(marker, from);
}

// How many units after the first marker stand for its power and are skipped unread: the two of
// "^2", or the one superscript two that word processors and web pages write for it.
std::size_t PowerLength(std::u16string_view text, std::size_t marker) {
    return marker + 1 < text.size() && text[marker + 1] == u'\u00B2' ? 1 : 2;
}

MarkerSearch SearchMarkers(std::u16string_view text, char16_t marker) {
    MarkerSearch found;
    found.first = FindFrom(text, marker, 0);
    if (found.first != kNone) {
        // The search starts at the power's last unit, so the unit right after the first marker
        // is never the second marker.
        found.second = FindFrom(text, marker, found.first + PowerLength(text, found.first));
    }
    if (found.second != kNone) {
        found.third = FindFrom(text, marker, found.second + 1);
    }
    return found;
}

Coefficient LinearCoefficient(std::u16string_view bText) {
    if (bText == u"-") {
        return -1.0;
    }
    if (bText == u"+") {
        return 1.0;
    }
    return std::u16string(bText);
}

ParseOutcome Split(std::u16string_view text, std::size_t first, std::size_t second) {
    // The b text starts after the marker and its power.
    const std::size_t bStart = first + 1 + PowerLength(text, first);
    if (second < bStart) {
        return MalformedTerm{};
    }
    const std::u16string_view aText = text.substr(0, first);
    const std::u16string_view bText = text.substr(bStart, second - bStart);
    const std::u16string_view cText = text.substr(second + 1);
    // An equation may be megabytes long: its pieces are copied out once, then only moved.
    return QuadraticCoefficients{first == 0 ? Coefficient(1.0) : Coefficient(std::u16string(aText)),
                                 LinearCoefficient(bText),
                                 cText.empty() ? Coefficient(0.0)
                                               : Coefficient(std::u16string(cText))};
}

bool HasExactlyTwo(const MarkerSearch& found) {
    return found.first != kNone && found.second != kNone && found.third == kNone;
}

} // namespace

ParseOutcome ParseQuadratic(std::u16string_view equation) {
    const MarkerSearch upper = SearchMarkers(equation, u'X');
    if (upper.first != kNone && upper.second == kNone) {
        // One upper-case marker alone: the lower-case pass is not tried.
        return InvalidQuadratic{};
    }
    if (HasExactlyTwo(upper)) {
        return Split(equation, upper.first, upper.second);
    }
    const MarkerSearch lower = SearchMarkers(equation, u'x');
    if (HasExactlyTwo(lower)) {
        return Split(equation, lower.first, lower.second);
    }
    return InvalidQuadratic{};
}

SplitOutcome SplitEquation(std::u16string_view equation) {
    ParseOutcome parsed = ParseQuadratic(equation);
    if (auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed)) {
        return std::move(*coefficients);
    }
    if (std::holds_alternative<InvalidQuadratic>(parsed)) {
        return InvalidQuadratic{};
    }
    return EvaluationFailed{};
}

std::optional<double> CoefficientValue(const Coefficient& coefficient, char16_t separator) {
    if (const double* number = std::get_if<double>(&coefficient)) {
        return *number;
    }
    return TextToNumber(std::get<std::u16string>(coefficient), separator);
}

} // namespace veltrix
