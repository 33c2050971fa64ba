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

bool IsOpening(char16_t c) {
    return c == u'(' || c == u'[';
}
char16_t ClosingOf(char16_t opening) {
    return opening == u'(' ? u')' : u']';
}

using Kind = WrittenNode::Kind;

// A term's factors so far: what it is, to judge what may follow.
struct TermState {
    std::size_t node = 0;
    unsigned degree = 0;
    Kind last = Kind::Number;
    bool lastDivides = false;
    unsigned numbers = 0, xs = 0;
    bool other = false;   // a bracket or a denominator
    bool dropped = false; // a plain term left out of the written equation
};

// One pass over the text, left to right, refusing at the first thing that does not fit.
class Reader {
  public:
    // An economical reader leaves plain terms out of the written equation once it is longer
    // than any working shows.
    Reader(std::u16string_view text, char16_t separator, bool economical = true)
        : text_(text), separator_(separator), economical_(economical) {
        equation_.written.text = text;
    }

    StudentReadOutcome Read() {
        SkipBlanks();
        const std::size_t nameStart = pos_;
        const bool named = AcceptName() && AcceptAfterBlanks(u'=');
        if (!named) {
            pos_ = 0;
        } else {
            written().name =
                text_[nameStart] == u'f' ? WrittenEquation::Name::F : WrittenEquation::Name::Y;
        }
        unsigned degree = 0;
        if (Step refused = ReadSide(false, 0, written().left, degree)) {
            return *refused;
        }
        written().leftDegree = degree;
        if (!AtEnd()) { // at "="
            if (named) {
                return Refusal{RefusalReason::SecondEquals, pos_};
            }
            ++pos_;
            if (Step refused = ReadRightSide()) {
                return *refused;
            }
        }
        if (!written().plain && !written().whole) {
            // Brackets after many plain terms: the expansion needs them all.
            return Reader(text_, separator_, false).Read();
        }
        if (!written().plain) {
            equation_.a.clear();
            equation_.b.clear();
            equation_.c.clear();
        }
        return std::move(equation_);
    }

  private:
    WrittenEquation& written() { return equation_.written; }
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
    // The end of a side: the text's, an "=", or a closing bracket within brackets.
    bool AtSideEnd(std::size_t depth) const {
        return AtEnd() || Peek() == u'=' || (depth > 0 && (Peek() == u')' || Peek() == u']'));
    }

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

    std::size_t AddNode(WrittenNode node) {
        written().nodes.push_back(node);
        return written().nodes.size() - 1;
    }
    // Sets the node's children to those gathered from `mark` on, kept after those of every node
    // before, and takes them off the gathered ones.
    void SetChildren(std::size_t node, std::size_t mark) {
        std::vector<std::size_t>& all = written().children;
        written().nodes[node].first = all.size();
        written().nodes[node].count = gathered_.size() - mark;
        all.insert(all.end(), gathered_.begin() + static_cast<std::ptrdiff_t>(mark),
                   gathered_.end());
        gathered_.resize(mark);
    }

    // The right side's terms change sign as they move to the left; where the left holds only
    // numbers, the left's terms move to the right instead.
    Step ReadRightSide() {
        const bool leftHasX = written().leftDegree > 0;
        if (!leftHasX) {
            for (DecimalParts& term : equation_.c) {
                term.negative = !term.negative;
            }
        }
        std::size_t right = 0;
        unsigned degree = 0;
        if (Step refused = ReadSide(leftHasX, 0, right, degree)) {
            return refused;
        }
        written().right = right;
        return AtEnd() ? Step{} : Refusal{RefusalReason::SecondEquals, pos_};
    }

    // Terms up to the side's end, each with its sign flipped where `negate` is set: a Sum node.
    Step ReadSide(bool negate, std::size_t depth, std::size_t& sum, unsigned& degree) {
        SkipBlanks();
        if (AtSideEnd(depth)) {
            return Refusal{depth > 0 && !AtEnd() && Peek() != u'=' ? RefusalReason::EmptyBracket
                                                                   : RefusalReason::EmptySide,
                           pos_};
        }
        sum = AddNode({Kind::Sum});
        written().nodes[sum].start = pos_;
        const std::size_t mark = gathered_.size();
        while (true) {
            bool negative = false;
            if (IsSign(Peek())) {
                negative = Peek() != u'+';
                ++pos_;
                SkipBlanks();
                if (AtSideEnd(depth) || IsSign(Peek())) {
                    return Refusal{RefusalReason::MissingTerm, pos_};
                }
            }
            TermState term;
            if (Step refused = ReadTerm(negative, negate != negative, depth, term)) {
                return refused;
            }
            if (!term.dropped) {
                gathered_.push_back(term.node);
            }
            degree = std::max(degree, term.degree);
            SkipBlanks();
            if (AtSideEnd(depth)) {
                SetChildren(sum, mark);
                written().nodes[sum].end = pos_;
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

    // A term: its factors one after another, each judged by the one before it.
    // `writtenNegative` is the sign written before it; `negative` its sign once moved to the
    // side where the plain terms are gathered.
    Step ReadTerm(bool writtenNegative, bool negative, std::size_t depth, TermState& term) {
        term.node = AddNode({Kind::Term, writtenNegative});
        const std::size_t start = pos_;
        const std::size_t mark = gathered_.size();
        if (!AtNumber() && !IsX(Peek()) && !IsOpening(Peek())) {
            return Refusal{Misfit(Peek()), pos_};
        }
        if (Step refused = ReadFactor(depth, term)) {
            return refused;
        }
        while (true) {
            const std::size_t before = pos_;
            SkipBlanks();
            const std::optional<bool> more = NextFactor(depth, term);
            if (!more) {
                return refused_;
            }
            if (!*more) {
                pos_ = before;
                break;
            }
        }
        if (term.other || term.numbers > 1 || term.xs > 1) {
            written().plain = false;
        } else if (depth == 0) {
            AddPlainTerm(mark, negative);
            if (economical_ && written().nodes.size() > kMaxWrittenNodes) {
                // Beyond what any working shows, a plain term is kept in a, b and c alone.
                written().nodes.resize(term.node);
                gathered_.resize(mark);
                written().whole = false;
                term.dropped = true;
                return std::nullopt;
            }
        }
        SetChildren(term.node, mark);
        written().nodes[term.node].start = start;
        written().nodes[term.node].end = pos_;
        return std::nullopt;
    }

    // Reads the factor after those read where one may follow: true where it did, false where
    // none follows, nothing where the text is refused (refused_ says why).
    std::optional<bool> NextFactor(std::size_t depth, TermState& term) {
        const auto read = [&]() -> std::optional<bool> {
            if (Step refused = ReadFactor(depth, term)) {
                refused_ = *refused;
                return std::nullopt;
            }
            return true;
        };
        const bool afterNumber = term.last == Kind::Number;
        const bool xMayFollow = afterNumber || term.last == Kind::Bracket;
        if (Peek() == u'/') {
            if (Step refused = ReadDenominator(depth, term)) {
                refused_ = *refused;
                return std::nullopt;
            }
            return true;
        }
        if (IsTimes(Peek())) {
            const std::size_t times = pos_++;
            SkipBlanks();
            if (IsOpening(Peek()) || (IsX(Peek()) && xMayFollow)) {
                return read();
            }
            const bool namesTheFault = IsLetter(Peek()) || IsBracket(Peek()) || IsTimes(Peek());
            refused_ = afterNumber && namesTheFault ? Refusal{Misfit(Peek()), pos_}
                                                    : Refusal{RefusalReason::MisplacedTimes, times};
            return std::nullopt;
        }
        if (IsOpening(Peek()) || (IsX(Peek()) && xMayFollow)) {
            return read();
        }
        return false;
    }

    // A number, an x with its power, or a bracket, multiplying the term's factors before it.
    Step ReadFactor(std::size_t depth, TermState& term) {
        const std::size_t start = pos_;
        const bool afterFraction = term.lastDivides;
        WrittenNode node;
        unsigned degree = 0;
        if (AtNumber()) {
            if (Step refused = ReadNumber(node)) {
                return refused;
            }
            ++term.numbers;
        } else if (IsX(Peek())) {
            ++pos_;
            const PowerOutcome power = ReadPower();
            if (const auto* refused = std::get_if<Refusal>(&power)) {
                return *refused;
            }
            node = {Kind::X};
            degree = std::get<unsigned>(power);
            node.power = static_cast<unsigned char>(degree);
            ++term.xs;
        } else {
            if (Step refused = ReadBracket(depth, node, degree)) {
                return refused;
            }
            term.other = true;
        }
        if (term.degree + degree > 2) {
            return Refusal{RefusalReason::DegreeAboveTwo, start};
        }
        if (afterFraction && !written().factorAfterFraction) {
            written().factorAfterFraction = term.node;
        }
        term.degree += degree;
        term.last = node.kind;
        term.lastDivides = false;
        node.start = start;
        node.end = node.kind == Kind::Number ? node.end : pos_;
        gathered_.push_back(AddNode(node));
        return std::nullopt;
    }

    // A number at the cursor, its exponent within limits.
    Step ReadNumber(WrittenNode& node) {
        const std::size_t start = pos_;
        const std::u16string_view text = ScanNumber();
        if (const std::optional<std::size_t> e = ExponentBeyondLimit(text)) {
            return Refusal{RefusalReason::ExponentTooLarge, start + *e};
        }
        if (!SplitDecimal(text, separator_)) { // the scan follows SplitDecimal's grammar
            return Refusal{RefusalReason::UnexpectedCharacter, start};
        }
        node = {Kind::Number};
        node.end = pos_;
        return std::nullopt;
    }

    // "/" and the number after it, which divides the factors before it.
    Step ReadDenominator(std::size_t depth, TermState& term) {
        ++pos_;
        SkipBlanks();
        const std::size_t start = pos_;
        if (IsX(Peek())) {
            return Refusal{RefusalReason::XInDenominator, start};
        }
        if (IsOpening(Peek())) {
            WrittenNode bracket;
            unsigned degree = 0;
            if (Step refused = ReadBracket(depth, bracket, degree)) {
                return refused;
            }
            return Refusal{degree > 0 ? RefusalReason::XInDenominator
                                      : RefusalReason::DenominatorNotNumber,
                           start};
        }
        if (!AtNumber()) {
            return Refusal{RefusalReason::DenominatorNotNumber, start};
        }
        WrittenNode node;
        if (Step refused = ReadNumber(node)) {
            return refused;
        }
        if (IsZero(text_.substr(start, pos_ - start))) {
            return Refusal{RefusalReason::DivisionByZero, start};
        }
        node.start = start;
        node.divides = true;
        gathered_.push_back(AddNode(node));
        term.other = true;
        term.last = Kind::Number;
        term.lastDivides = true;
        return std::nullopt;
    }

    bool IsZero(std::u16string_view number) const {
        for (const char16_t c : number) {
            if (c == u'e' || c == u'E') {
                break;
            }
            if (IsDigit(c) && c != u'0') {
                return false;
            }
        }
        return true;
    }

    // A bracket at the cursor, the side inside it and its power: a Bracket node.
    Step ReadBracket(std::size_t depth, WrittenNode& node, unsigned& degree) {
        const std::size_t open = pos_;
        if (depth + 1 > kMaxBracketDepth) {
            return Refusal{RefusalReason::NestingTooDeep, open};
        }
        const char16_t closing = ClosingOf(Peek());
        ++pos_;
        std::size_t inner = 0;
        if (Step refused = ReadSide(false, depth + 1, inner, degree)) {
            return refused;
        }
        if (AtEnd() || Peek() == u'=') {
            return Refusal{RefusalReason::UnclosedBracket, open};
        }
        if (Peek() != closing) {
            return Refusal{RefusalReason::Bracket, pos_};
        }
        ++pos_;
        node = {Kind::Bracket};
        node.first = written().children.size();
        node.count = 1;
        written().children.push_back(inner);
        const PowerOutcome power = ReadBracketPower();
        if (const auto* refused = std::get_if<Refusal>(&power)) {
            return *refused;
        }
        node.power = static_cast<unsigned char>(std::get<unsigned>(power));
        degree *= node.power;
        if (degree > 2) {
            return Refusal{RefusalReason::DegreeAboveTwo, open};
        }
        return std::nullopt;
    }

    // The power after a closing bracket: 1 where none is written, otherwise 2.
    PowerOutcome ReadBracketPower() {
        const std::size_t after = pos_;
        SkipBlanks();
        PowerOutcome power = 1u;
        std::size_t at = pos_;
        if (Accept(u'^')) {
            SkipBlanks();
            at = pos_;
            power = ReadWrittenPower(false);
        } else if (SuperscriptDigit(Peek()) || IsSuperscriptSign(Peek())) {
            power = ReadSuperscriptPower(false);
        } else {
            pos_ = after;
            return 1u;
        }
        if (const auto* value = std::get_if<unsigned>(&power); value && *value != 2) {
            return Refusal{RefusalReason::BracketPowerNotTwo, at};
        }
        return power;
    }

    // The plain term's number, as a coefficient of its power of x.
    void AddPlainTerm(std::size_t mark, bool negative) {
        DecimalParts number{negative, u"1", {}, 0};
        unsigned power = 0;
        for (std::size_t i = mark; i < gathered_.size(); ++i) {
            const WrittenNode& node = written().nodes[gathered_[i]];
            if (node.kind == Kind::Number) {
                number = *SplitDecimal(text_.substr(node.start, node.end - node.start), separator_);
                number.negative = negative;
            } else {
                power = node.power;
            }
        }
        TermsOfPower(power).push_back(number);
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
            return ReadWrittenPower(true);
        }
        if (SuperscriptDigit(Peek()) || IsSuperscriptSign(Peek())) {
            return ReadSuperscriptPower(true);
        }
        pos_ = afterX;
        bareXEnd_ = afterX;
        return 1u;
    }

    // A power written with "^"; checked as a power of x where `ofX` is set, else left as read.
    PowerOutcome ReadWrittenPower(bool ofX) {
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
        return ofX ? Checked(value, negative, at) : (negative ? 0u : value);
    }

    PowerOutcome ReadSuperscriptPower(bool ofX) {
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
        return ofX ? Checked(value, negative, at) : (negative ? 0u : value);
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
    bool economical_;
    std::size_t pos_ = 0;
    std::size_t bareXEnd_ = kNowhere;
    Refusal refused_{RefusalReason::EmptySide, 0};
    // The children of the nodes being read, those of the innermost last: one stack for them
    // all, so that a term costs no allocation of its own.
    std::vector<std::size_t> gathered_;
    StudentEquation equation_;
};

} // namespace

StudentReadOutcome ReadStudentEquation(std::u16string_view text, char16_t separator) {
    return Reader(text, separator).Read();
}

} // namespace veltrix
