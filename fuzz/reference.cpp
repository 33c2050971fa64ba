#include "fuzz/reference.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace veltrix::fuzz {
namespace {

// ---- numbers ------------------------------------------------------------------------------

enum class Input { Blank, Sign, Digit, Point, ExponentLetter, Other };

Input Classify(char16_t c) {
    if (c == u' ' || c == u'\t') {
        return Input::Blank;
    }
    if (c == u'+' || c == u'-') {
        return Input::Sign;
    }
    if (c >= u'0' && c <= u'9') {
        return Input::Digit;
    }
    if (c == u'.') {
        return Input::Point;
    }
    if (c == u'e' || c == u'E') {
        return Input::ExponentLetter;
    }
    return Input::Other;
}

enum class State {
    Leading,   // blanks before the number
    Signed,    // a sign and perhaps blanks after it
    Whole,     // digits before the point
    LonePoint, // a point with no digit before it yet
    Fraction,  // digits (or none) after a point that follows a digit, or digits after a lone point
    ExponentMark,
    ExponentSign,
    ExponentDigits,
    Trailing, // blanks after the number
    Rejected,
};

State Next(State state, Input input) {
    switch (state) {
    case State::Leading:
    case State::Signed:
        if (input == Input::Blank) {
            return state;
        }
        if (input == Input::Sign && state == State::Leading) {
            return State::Signed;
        }
        if (input == Input::Digit) {
            return State::Whole;
        }
        return input == Input::Point ? State::LonePoint : State::Rejected;
    case State::Whole:
    case State::Fraction:
        if (input == Input::Digit) {
            return state;
        }
        if (input == Input::Point && state == State::Whole) {
            return State::Fraction;
        }
        if (input == Input::ExponentLetter) {
            return State::ExponentMark;
        }
        return input == Input::Blank ? State::Trailing : State::Rejected;
    case State::LonePoint:
        return input == Input::Digit ? State::Fraction : State::Rejected;
    case State::ExponentMark:
        if (input == Input::Sign) {
            return State::ExponentSign;
        }
        return input == Input::Digit ? State::ExponentDigits : State::Rejected;
    case State::ExponentSign:
    case State::ExponentDigits:
        if (input == Input::Digit) {
            return State::ExponentDigits;
        }
        return input == Input::Blank && state == State::ExponentDigits ? State::Trailing
                                                                       : State::Rejected;
    case State::Trailing:
        return input == Input::Blank ? State::Trailing : State::Rejected;
    case State::Rejected:
        break;
    }
    return State::Rejected;
}

bool InsideNumber(State state) {
    return state != State::Leading && state != State::Signed && state != State::Trailing &&
           state != State::Rejected;
}

bool Accepting(State state) {
    return state == State::Whole || state == State::Fraction || state == State::ExponentDigits ||
           state == State::Trailing;
}

// ---- equations ----------------------------------------------------------------------------

// Position (from 1) of the first `marker` at or after position `from`, 0 when there is none.
std::size_t FindMarker(std::u16string_view text, char16_t marker, std::size_t from) {
    for (std::size_t position = from; position <= text.size(); ++position) {
        if (text[position - 1] == marker) {
            return position;
        }
    }
    return 0;
}

struct Pass {
    std::size_t p1, p2, p3;
    // How many markers the chained searches saw: 0, 1, 2, or 3 for "three or more".
    int Count() const { return p1 == 0 ? 0 : p2 == 0 ? 1 : p3 == 0 ? 2 : 3; }
};

// How many characters after the marker at p1 are its power, skipped unread: one when the next is
// a superscript two, which stands for the whole "^2"; two, whatever they are, otherwise.
std::size_t PowerLength(std::u16string_view text, std::size_t p1) {
    const bool superscript = p1 + 1 <= text.size() && text[p1] == u'\u00B2';
    return superscript ? 1 : 2;
}

Pass SearchPass(std::u16string_view text, char16_t marker) {
    Pass pass{};
    pass.p1 = FindMarker(text, marker, 1);
    // From the power's last character on: for "^2" that is p1 + 2.
    pass.p2 = pass.p1 == 0 ? 0 : FindMarker(text, marker, pass.p1 + PowerLength(text, pass.p1));
    pass.p3 = FindMarker(text, marker, pass.p2 + 1);
    return pass;
}

enum class Decision { Invalid, SplitUpper, SplitLower };

// The outcome table, indexed by the counts of the upper-case and the lower-case pass.
constexpr Decision I = Decision::Invalid;
constexpr Decision U = Decision::SplitUpper;
constexpr Decision L = Decision::SplitLower;
constexpr std::array<std::array<Decision, 4>, 4> kTable = {{
    //  lower: none one two three+
    {{I, I, L, I}}, // upper none
    {{I, I, I, I}}, // upper one
    {{U, U, U, U}}, // upper two
    {{I, I, L, I}}, // upper three or more
}};

std::u16string Characters(std::u16string_view text, std::size_t from, std::size_t to) {
    if (to < from) {
        return {};
    }
    return std::u16string(text.substr(from - 1, to - from + 1));
}

ReferenceSplit SplitAt(std::u16string_view text, std::size_t p1, std::size_t p2) {
    ReferenceSplit split;
    split.first = p1;
    split.second = p2;
    const std::size_t bFrom = p1 + PowerLength(text, p1) + 1;
    if (p2 < bFrom) {
        split.kind = SplitKind::Malformed;
        return split;
    }
    split.kind = SplitKind::Parsed;
    const std::u16string aText = Characters(text, 1, p1 - 1);
    const std::u16string bText = Characters(text, bFrom, p2 - 1);
    const std::u16string cText = Characters(text, p2 + 1, text.size());
    split.coefficients.a = p1 == 1 ? Coefficient(1.0) : Coefficient(aText);
    split.coefficients.b = bText == u"-"   ? Coefficient(-1.0)
                           : bText == u"+" ? Coefficient(1.0)
                                           : Coefficient(bText);
    split.coefficients.c = cText.empty() ? Coefficient(0.0) : Coefficient(cText);
    return split;
}

// ---- evaluation ---------------------------------------------------------------------------

// Notes whether any step left the double range.
class Steps {
  public:
    double operator()(double value) {
        failed_ = failed_ || !std::isfinite(value);
        return value;
    }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

std::optional<double> ValueOf(const Coefficient& coefficient) {
    if (const double* number = std::get_if<double>(&coefficient)) {
        return *number;
    }
    return ReferenceNumber(std::get<std::u16string>(coefficient));
}

// 10 to the accuracy, or nothing when the accuracy is not a number or its power is not finite.
std::optional<double> PowerOfTen(std::u16string_view accuracy) {
    const std::optional<double> places = ReferenceNumber(accuracy);
    if (!places || !std::isfinite(std::pow(10.0, *places))) {
        return std::nullopt;
    }
    return std::pow(10.0, *places);
}

} // namespace

std::optional<double> ReferenceNumber(std::u16string_view text) {
    State state = State::Leading;
    bool negative = false;
    std::size_t begin = 0, end = 0;
    for (std::size_t i = 0; i < text.size() && state != State::Rejected; ++i) {
        const State next = Next(state, Classify(text[i]));
        if (state == State::Leading && next == State::Signed) {
            negative = text[i] == u'-';
        }
        if (!InsideNumber(state) && InsideNumber(next)) {
            begin = i;
        }
        if (InsideNumber(next)) {
            end = i + 1;
        }
        state = next;
    }
    if (!Accepting(state)) {
        return std::nullopt;
    }
    std::string number;
    for (std::size_t i = begin; i < end; ++i) {
        number.push_back(static_cast<char>(text[i]));
    }
    char* stop = nullptr;
    const double magnitude = std::strtod(number.c_str(), &stop);
    if (stop != number.c_str() + number.size()) {
        std::fprintf(stderr, "reference: strtod stopped early in \"%s\"\n", number.c_str());
        __builtin_trap();
    }
    if (std::isinf(magnitude)) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::u16string ReferenceNumberText(double value) {
    if (value == 0.0) {
        return u"0";
    }
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::u16string(buffer.data(), buffer.data() + length);
}

std::optional<double> ReferenceRound(double value, double powerOfTen) {
    const double scaled = value * powerOfTen;
    if (!std::isfinite(scaled)) {
        return std::nullopt;
    }
    double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (whole < -32768.0 || whole > 32767.0 || powerOfTen == 0.0) {
        return std::nullopt;
    }
    const double result = whole / powerOfTen;
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

ReferenceSplit ReferenceParse(std::u16string_view equation) {
    const Pass upper = SearchPass(equation, u'X');
    const Pass lower = SearchPass(equation, u'x');
    switch (kTable[upper.Count()][lower.Count()]) {
    case Decision::SplitUpper:
        return SplitAt(equation, upper.p1, upper.p2);
    case Decision::SplitLower:
        return SplitAt(equation, lower.p1, lower.p2);
    case Decision::Invalid:
        break;
    }
    return ReferenceSplit{};
}

SolveOutcome ReferenceSolve(std::u16string_view equation, std::u16string_view accuracy) {
    const std::optional<double> m = PowerOfTen(accuracy);
    if (!m) {
        return EvaluationFailed{};
    }
    const ReferenceSplit split = ReferenceParse(equation);
    if (split.kind == SplitKind::Invalid) {
        return InvalidQuadratic{};
    }
    if (split.kind == SplitKind::Malformed) {
        return EvaluationFailed{};
    }
    const std::optional<double> a = ValueOf(split.coefficients.a);
    const std::optional<double> b = ValueOf(split.coefficients.b);
    const std::optional<double> c = ValueOf(split.coefficients.c);
    if (!a || !b || !c) {
        return EvaluationFailed{};
    }
    Steps step;
    const double t = step(step(4.0 * *a) * *c);
    const double q = step(*b * *b);
    const double discriminant = step(q - t);
    if (step.Failed()) {
        return EvaluationFailed{};
    }
    if (discriminant < 0.0) {
        return NoRealRoots{};
    }
    const double s = std::sqrt(discriminant);
    const double w = step(2.0 * *a);
    if (w == 0.0) {
        return EvaluationFailed{};
    }
    const double plus = step(step(-*b + s) / w);
    const double minus = step(step(-*b - s) / w);
    if (step.Failed()) {
        return EvaluationFailed{};
    }
    const std::optional<double> roundedPlus = ReferenceRound(plus, *m);
    const std::optional<double> roundedMinus = ReferenceRound(minus, *m);
    if (!roundedPlus || !roundedMinus) {
        return EvaluationFailed{};
    }
    return Roots{ReferenceNumberText(*roundedPlus), ReferenceNumberText(*roundedMinus)};
}

ValueOutcome ReferenceValue(std::u16string_view equation, std::u16string_view x,
                            std::u16string_view accuracy) {
    const std::optional<double> m = PowerOfTen(accuracy);
    if (!m) {
        return EvaluationFailed{};
    }
    const ReferenceSplit split = ReferenceParse(equation);
    if (split.kind == SplitKind::Invalid) {
        return InvalidQuadratic{};
    }
    if (split.kind == SplitKind::Malformed) {
        return EvaluationFailed{};
    }
    const std::optional<double> xValue = ReferenceNumber(x);
    const std::optional<double> a = ValueOf(split.coefficients.a);
    const std::optional<double> b = ValueOf(split.coefficients.b);
    const std::optional<double> c = ValueOf(split.coefficients.c);
    if (!xValue || !a || !b || !c) {
        return EvaluationFailed{};
    }
    Steps step;
    const double q = step(*xValue * *xValue);
    const double t1 = step(q * *a);
    const double t2 = step(*xValue * *b);
    const double y = step(step(t1 + t2) + *c);
    if (step.Failed()) {
        return EvaluationFailed{};
    }
    const std::optional<double> rounded = ReferenceRound(y, *m);
    if (!rounded) {
        return EvaluationFailed{};
    }
    return ValueFound{ReferenceNumberText(*rounded)};
}

} // namespace veltrix::fuzz
