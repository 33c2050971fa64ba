#include "engine/reader/student_reader.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace veltrix {
namespace {

constexpr std::size_t kNowhere = std::u16string_view::npos;

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsX(char16_t c) {
    return c == u'x' || c == u'X';
}
bool IsSign(char16_t c) {
    return c == u'+' || c == u'-' || c == u'\u2212';
}
bool IsTimes(char16_t c) {
    return c == u'*' || c == u'\u00B7';
}
bool IsBracket(char16_t c) {
    return c == u'(' || c == u')' || c == u'[' || c == u']' || c == u'{' || c == u'}';
}
bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The value of a superscript digit, or nothing for any other character. Unicode keeps ¹, ² and ³
// apart from the others, where Latin-1 had them.
std::optional<unsigned> SuperscriptDigit(char16_t c) {
    switch (c) {
    case u'\u2070':
        return 0;
    case u'\u00B9':
        return 1;
    case u'\u00B2':
        return 2;
    case u'\u00B3':
        return 3;
    default:
        if (c >= u'\u2074' && c <= u'\u2079') {
            return c - u'\u2070';
        }
        return std::nullopt;
    }
}
bool IsSuperscriptSign(char16_t c) {
    return c == u'\u207A' || c == u'\u207B';
}

// Why a character cannot stand where a term, or the sign after one, was expected.
RefusalReason Misfit(char16_t c) {
    if (IsTimes(c)) {
        return RefusalReason::MisplacedTimes;
    }
    if (IsBracket(c)) {
        return RefusalReason::Bracket;
    }
    return IsLetter(c) ? RefusalReason::OtherLetter : RefusalReason::UnexpectedCharacter;
}

// The most an exponent may be: SplitDecimal holds a larger one at this, which would change the
// number the text gives.
constexpr std::uint64_t kLargestExponent = 1'000'000'000;

// Where a number's exponent lies beyond kLargestExponent, the offset of its "e"; else nothing.
std::optional<std::size_t> ExponentBeyondLimit(std::u16string_view number) {
    const std::size_t e = number.find_first_of(u"eE");
    if (e == std::u16string_view::npos) {
        return std::nullopt;
    }
    std::size_t digit = number.find_first_not_of(u"+-0", e + 1);
    std::uint64_t value = 0;
    for (; digit < number.size() && value <= kLargestExponent; ++digit) {
        value = value * 10 + static_cast<std::uint64_t>(number[digit] - u'0');
    }
    return value > kLargestExponent ? std::optional(e) : std::nullopt;
}

// The power's value once past 2 only needs to stay past it: held at this cap.
constexpr unsigned kPowerCap = 1000;

using Step = std::optional<Refusal>; // nothing where reading goes on
using PowerOutcome = std::variant<unsigned, Refusal>;

// One pass over the text, left to right, refusing at the first thing that does not fit.
class Reader {
  public:
    Reader(std::u16string_view text, char16_t separator) : text_(text), separator_(separator) {}

    StudentReadOutcome Read() {
        SkipBlanks();
        const bool named = AcceptName() && AcceptAfterBlanks(u'=');
        if (!named) {
            pos_ = 0;
        }
        if (Step refused = ReadSide(false)) {
            return *refused;
        }
        if (!AtEnd()) { // at "="
            if (named) {
                return Refusal{RefusalReason::SecondEquals, pos_};
            }
            ++pos_;
            if (Step refused = ReadRightSide()) {
                return *refused;
            }
        }
        return std::move(equation_);
    }

  private:
    bool AtEnd() const { return pos_ == text_.size(); }
    // The character at `at`, or a character no rule reads where the text has ended.
    char16_t At(std::size_t at) const { return at < text_.size() ? text_[at] : u'\0'; }
    char16_t Peek() const { return At(pos_); }
    bool Accept(char16_t c) {
        if (AtEnd() || Peek() != c) {
            return false;
        }
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) {
            ++pos_;
        }
    }
    bool AcceptAfterBlanks(char16_t c) {
        SkipBlanks();
        return Accept(c);
    }
    bool IsPoint(char16_t c) const { return c == kPoint || c == separator_; }
    bool AtNumber() const { return IsDigit(Peek()) || (IsPoint(Peek()) && IsDigit(At(pos_ + 1))); }
    bool AtSideEnd() const { return AtEnd() || Peek() == u'='; }

    // "y" or "f(x)", the name of the function before its "=".
    bool AcceptName() {
        if (Accept(u'y') || Accept(u'Y')) {
            return true;
        }
        if (!Accept(u'f') || !AcceptAfterBlanks(u'(')) {
            return false;
        }
        SkipBlanks();
        return (Accept(u'x') || Accept(u'X')) && AcceptAfterBlanks(u')');
    }

    // The right side's terms change sign as they move to the left; where the left holds only
    // numbers, the left's terms move to the right instead.
    Step ReadRightSide() {
        const bool leftHasX = !equation_.a.empty() || !equation_.b.empty();
        if (!leftHasX) {
            for (DecimalParts& term : equation_.c) {
                term.negative = !term.negative;
            }
        }
        if (Step refused = ReadSide(leftHasX)) {
            return refused;
        }
        return AtEnd() ? Step{} : Refusal{RefusalReason::SecondEquals, pos_};
    }

    // Terms up to the end or the next "=", each with its sign flipped where `negate` is set.
    Step ReadSide(bool negate) {
        SkipBlanks();
        if (AtSideEnd()) {
            return Refusal{RefusalReason::EmptySide, pos_};
        }
        while (true) {
            bool negative = negate;
            if (IsSign(Peek())) {
                negative = negative != (Peek() != u'+');
                ++pos_;
                SkipBlanks();
                if (AtSideEnd() || IsSign(Peek())) {
                    return Refusal{RefusalReason::MissingTerm, pos_};
                }
            }
            if (Step refused = ReadTerm(negative)) {
                return refused;
            }
            SkipBlanks();
            if (AtSideEnd()) {
                return std::nullopt;
            }
            if (!IsSign(Peek())) {
                return RefuseAfterTerm();
            }
        }
    }

    Refusal RefuseAfterTerm() const {
        if (AtNumber()) {
            return {pos_ == bareXEnd_ ? RefusalReason::NumberAfterX
                                      : RefusalReason::MissingOperator,
                    pos_};
        }
        return {IsX(Peek()) ? RefusalReason::MissingOperator : Misfit(Peek()), pos_};
    }

    Step ReadTerm(bool negative) {
        if (AtNumber()) {
            return ReadNumberedTerm(negative);
        }
        if (!IsX(Peek())) {
            return Refusal{Misfit(Peek()), pos_};
        }
        return ReadX(DecimalParts{negative, u"1", {}, 0});
    }

    // A number, and the x after it where one follows.
    Step ReadNumberedTerm(bool negative) {
        const std::size_t start = pos_;
        const std::u16string_view text = ScanNumber();
        if (const std::optional<std::size_t> e = ExponentBeyondLimit(text)) {
            return Refusal{RefusalReason::ExponentTooLarge, start + *e};
        }
        std::optional<DecimalParts> number = SplitDecimal(text, separator_);
        if (!number) { // the scan follows SplitDecimal's grammar, so this is not expected
            return Refusal{RefusalReason::UnexpectedCharacter, start};
        }
        number->negative = negative;
        SkipBlanks();
        if (IsTimes(Peek())) {
            if (Step refused = AcceptTimes()) {
                return refused;
            }
        } else if (!IsX(Peek())) {
            equation_.c.push_back(*number);
            return std::nullopt;
        }
        return ReadX(*number);
    }

    // The x at the cursor and its power: a term with `number` before it.
    Step ReadX(const DecimalParts& number) {
        ++pos_;
        const PowerOutcome power = ReadPower();
        if (const auto* refused = std::get_if<Refusal>(&power)) {
            return *refused;
        }
        TermsOfPower(std::get<unsigned>(power)).push_back(number);
        return std::nullopt;
    }

    // The "*" or "·" after a number, which an x must follow.
    Step AcceptTimes() {
        const std::size_t times = pos_++;
        SkipBlanks();
        if (IsX(Peek())) {
            return std::nullopt;
        }
        const bool namesTheFault = IsLetter(Peek()) || IsBracket(Peek()) || IsTimes(Peek());
        return namesTheFault ? Refusal{Misfit(Peek()), pos_}
                             : Refusal{RefusalReason::MisplacedTimes, times};
    }

    // Digits with one decimal point and an exponent, as TextToNumber reads them. An "e" without
    // digits after it is not part of the number.
    std::u16string_view ScanNumber() {
        const std::size_t start = pos_;
        SkipDigits();
        if (IsPoint(Peek())) {
            ++pos_;
            SkipDigits();
        }
        if (Peek() == u'e' || Peek() == u'E') {
            std::size_t digits = pos_ + 1;
            if (At(digits) == u'+' || At(digits) == u'-') {
                ++digits;
            }
            if (IsDigit(At(digits))) {
                pos_ = digits;
                SkipDigits();
            }
        }
        return text_.substr(start, pos_ - start);
    }
    void SkipDigits() {
        while (IsDigit(Peek())) {
            ++pos_;
        }
    }

    // The power after an x; 1 where none is written, and then the x's end is remembered, since
    // a number right there is most likely a power typed without "^".
    PowerOutcome ReadPower() {
        const std::size_t afterX = pos_;
        SkipBlanks();
        if (Accept(u'^')) {
            SkipBlanks();
            return ReadWrittenPower();
        }
        if (SuperscriptDigit(Peek()) || IsSuperscriptSign(Peek())) {
            return ReadSuperscriptPower();
        }
        pos_ = afterX;
        bareXEnd_ = afterX;
        return 1u;
    }

    PowerOutcome ReadWrittenPower() {
        const std::size_t at = pos_;
        bool negative = false;
        if (IsSign(Peek())) {
            negative = Peek() != u'+';
            ++pos_;
            SkipBlanks();
        }
        if (!IsDigit(Peek())) {
            return Refusal{RefusalReason::PowerNotWhole, at};
        }
        unsigned value = 0;
        for (; IsDigit(Peek()); ++pos_) {
            value = std::min(kPowerCap, value * 10 + static_cast<unsigned>(Peek() - u'0'));
        }
        if (IsPoint(Peek())) {
            return Refusal{RefusalReason::PowerNotWhole, at};
        }
        return Checked(value, negative, at);
    }

    PowerOutcome ReadSuperscriptPower() {
        const std::size_t at = pos_;
        const bool negative = Peek() == u'\u207B';
        if (IsSuperscriptSign(Peek())) {
            ++pos_;
        }
        if (!SuperscriptDigit(Peek())) {
            return Refusal{RefusalReason::PowerNotWhole, at};
        }
        unsigned value = 0;
        for (std::optional<unsigned> digit; (digit = SuperscriptDigit(Peek())); ++pos_) {
            value = std::min(kPowerCap, value * 10 + *digit);
        }
        return Checked(value, negative, at);
    }

    static PowerOutcome Checked(unsigned value, bool negative, std::size_t at) {
        if (negative && value > 0) {
            return Refusal{RefusalReason::NegativePower, at};
        }
        if (value > 2) {
            return Refusal{RefusalReason::PowerAboveTwo, at};
        }
        return value;
    }

    std::vector<DecimalParts>& TermsOfPower(unsigned power) {
        return power == 2 ? equation_.a : (power == 1 ? equation_.b : equation_.c);
    }

    std::u16string_view text_;
    char16_t separator_;
    std::size_t pos_ = 0;
    std::size_t bareXEnd_ = kNowhere;
    StudentEquation equation_;
};

} // namespace

StudentReadOutcome ReadStudentEquation(std::u16string_view text, char16_t separator) {
    return Reader(text, separator).Read();
}

} // namespace veltrix
