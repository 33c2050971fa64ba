// The students' reader on any text, with `separator` chosen by the second text's first unit:
// a refusal names a place where its reason stands; an equation read does not change when x and X
// swap or "= 0" is added, and reads back the same from its own writing;
// its exact sums are its terms' exact values added up; and the Calculate form reads, in
// Calculate's split, to the doubles nearest to those values.

#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact/written_expansion.hpp"
#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

// Longer exact values than the engine's limit, to check it against, still quick to reach. Only
// an exponent can make a longer one out of a fuzzer's few kilobytes.
constexpr std::size_t kCheckedDigits = 5000;

using Terms = std::vector<DecimalParts>;

// What may stand at a refusal's place ("\0" for the text's end), for the reasons that say.
constexpr std::pair<RefusalReason, std::u16string_view> kAllowedAt[] = {
    {RefusalReason::SecondEquals, u"="},
    {RefusalReason::Bracket, u"()[]{}"},
    {RefusalReason::MisplacedTimes, u"*\u00B7"},
    {RefusalReason::OtherLetter, u"abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ"},
    {RefusalReason::EmptySide, {u"=\0", 2}},
    {RefusalReason::MissingTerm, {u"=+-\u2212)]\0", 7}},
    {RefusalReason::NumberAfterX, u"0123456789."},
    {RefusalReason::UnclosedBracket, u"(["},
    {RefusalReason::NestingTooDeep, u"(["},
    {RefusalReason::EmptyBracket, u")]"},
    {RefusalReason::DegreeAboveTwo, u"xX([\u00B2"},
    {RefusalReason::XInDenominator, u"xX(["},
    {RefusalReason::DivisionByZero, u"0.,\u066B"}};

void CheckPlace(std::u16string_view text, const Refusal& refusal, char16_t separator) {
    FUZZ_CHECK(refusal.position <= text.size());
    const char16_t at = refusal.position < text.size() ? text[refusal.position] : u'\0';
    for (const auto& [reason, allowed] : kAllowedAt) {
        FUZZ_CHECK(reason != refusal.reason || allowed.find(at) != allowed.npos ||
                   (reason == RefusalReason::NumberAfterX && at == separator));
    }
    if (refusal.reason == RefusalReason::NumberAfterX) {
        const char16_t before = refusal.position > 0 ? text[refusal.position - 1] : u'\0';
        FUZZ_CHECK(before == u'x' || before == u'X');
    }
}

// The sum of the terms' values, up to a longer limit than the engine's; nothing beyond it.
std::optional<mpq_class> Reference(const Terms& terms) {
    mpq_class sum;
    for (const DecimalParts& term : terms) {
        const ExactOutcome value = ExactValueOf(term, kCheckedDigits);
        if (!std::holds_alternative<mpq_class>(value)) {
            return std::nullopt;
        }
        sum += std::get<mpq_class>(value);
    }
    return sum;
}

// The same coefficients, wherever their sums can be checked.
void CheckSameEquation(const StudentEquation& equation, const StudentReadOutcome& again) {
    const auto* other = std::get_if<StudentEquation>(&again);
    FUZZ_CHECK(other != nullptr);
    for (const auto& [one, another] :
         {std::pair{&equation.a, &other->a}, std::pair{&equation.b, &other->b},
          std::pair{&equation.c, &other->c}}) {
        const std::optional<mpq_class> sum = Reference(*one), otherSum = Reference(*another);
        FUZZ_CHECK(!sum || !otherSum || *sum == *otherSum);
    }
}

// No other double lies nearer to `exact`, and of two as near, `value`'s last bit is 0.
void CheckNearest(const mpq_class& exact, double value) {
    FUZZ_CHECK(std::isfinite(value));
    const mpq_class distance = abs(exact - mpq_class(value));
    for (const double next : {std::nextafter(value, -INFINITY), std::nextafter(value, INFINITY)}) {
        if (std::isfinite(next)) {
            const int nearer = cmp(distance, abs(exact - mpq_class(next)));
            FUZZ_CHECK(nearer < 0 ||
                       (nearer == 0 && (std::bit_cast<std::uint64_t>(value) & 1) == 0));
        }
    }
}

void CheckExactAndNearest(const StudentEquation& equation, const CalculateFacts& facts) {
    const auto exact = ExactStudentQuadratic(equation);
    const auto* quadratic = std::get_if<ExactQuadratic>(&exact);
    const std::array<const Terms*, 3> terms = {&equation.a, &equation.b, &equation.c};
    const auto exactValues = quadratic == nullptr
                                 ? std::array<const mpq_class*, 3>{}
                                 : std::array{&quadratic->a, &quadratic->b, &quadratic->c};
    bool fits = true; // every sum within the working's digit limit
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const ExactOutcome sum = ExactSum(*terms[i]);
        const auto* exactSum = std::get_if<mpq_class>(&sum);
        const std::optional<mpq_class> reference = Reference(*terms[i]);
        FUZZ_CHECK(exactSum == nullptr || (reference && *exactSum == *reference));
        fits = fits && exactSum != nullptr &&
               FitsDigits(SignificantDigitsOf(*SplitDecimal(RationalText(*reference))));
        if (facts.nearest && reference) {
            CheckNearest(*reference,
                         std::array{facts.nearest->a, facts.nearest->b, facts.nearest->c}[i]);
        }
        FUZZ_CHECK(quadratic == nullptr || (reference && *reference == *exactValues[i]));
    }
    FUZZ_CHECK((quadratic != nullptr) == fits);
}

// Brackets and fractions: the text multiplied out, where its numbers allow, is the same
// equation with x and X swapped, and as a function it is the equation "= 0" gives, but for the
// common denominator that the equation is multiplied by.
void CheckWritten(std::u16string_view text, const StudentEquation& equation, char16_t separator) {
    FUZZ_CHECK(equation.a.empty() && equation.b.empty() && equation.c.empty());
    const auto expanded = ExpandWritten(equation.written, separator);
    const auto* e = std::get_if<ExpandedEquation>(&expanded);
    if (e == nullptr) {
        return;
    }
    std::u16string swapped(text);
    std::ranges::transform(swapped, swapped.begin(), [](char16_t c) -> char16_t {
        return c == u'x' ? u'X' : (c == u'X' ? u'x' : c);
    });
    const StudentReadOutcome again = ReadStudentEquation(swapped, separator);
    const auto* other = std::get_if<StudentEquation>(&again);
    FUZZ_CHECK(other != nullptr);
    const auto otherExpanded = ExpandWritten(other->written, separator);
    const auto* o = std::get_if<ExpandedEquation>(&otherExpanded);
    FUZZ_CHECK(o != nullptr && o->standard.a == e->standard.a && o->standard.b == e->standard.b &&
               o->standard.c == e->standard.c);
    // A side of numbers alone would move over to the other.
    if (text.find(u'=') != text.npos || equation.written.leftDegree == 0) {
        return;
    }
    const std::u16string equated = std::u16string(text) + u" = 0";
    const StudentReadOutcome zero = ReadStudentEquation(equated, separator);
    FUZZ_CHECK(std::holds_alternative<StudentEquation>(zero));
    const auto zeroExpanded = ExpandWritten(std::get<StudentEquation>(zero).written, separator);
    if (const auto* z = std::get_if<ExpandedEquation>(&zeroExpanded)) {
        const mpq_class l(z->denominator);
        FUZZ_CHECK(z->standard.a == l * e->standard.a && z->standard.b == l * e->standard.b &&
                   z->standard.c == l * e->standard.c);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> texts = InputTexts(data, size, 2);
    const std::u16string& text = texts[0];
    constexpr std::array<char16_t, 3> kSeparators = {u'.', u',', u'\u066B'};
    const char16_t separator = texts[1].empty() ? u'.' : kSeparators[texts[1][0] % 3];
    const Context context{{"text", text}, {"separator", std::u16string(1, separator)}};

    const StudentReadOutcome outcome = ReadStudentEquation(text, separator);
    CheckKind(outcome);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        CheckPlace(text, *refusal, separator);
        return 0;
    }
    const StudentEquation& equation = std::get<StudentEquation>(outcome);
    if (!equation.written.plain) {
        CheckWritten(text, equation, separator);
        return 0;
    }
    std::u16string swapped = text;
    std::ranges::transform(swapped, swapped.begin(), [](char16_t c) -> char16_t {
        return c == u'x' ? u'X' : (c == u'X' ? u'x' : c);
    });
    CheckSameEquation(equation, ReadStudentEquation(swapped, separator));
    // A side of numbers alone would move over to the other.
    if (text.find(u'=') == text.npos && (!equation.a.empty() || !equation.b.empty())) {
        CheckSameEquation(equation, ReadStudentEquation(text + u" = 0", separator));
    }

    // Read again, its own writing is the same equation, and writes the same again.
    const std::u16string written = WriteStudentEquation(equation, separator);
    Context::Add("written", written);
    const StudentReadOutcome again = ReadStudentEquation(written, separator);
    CheckSameEquation(equation, again);
    FUZZ_CHECK(WriteStudentEquation(std::get<StudentEquation>(again), separator) == written);

    const CalculateFacts facts = CompareWithCalculate(text, equation, separator);
    CheckExactAndNearest(equation, facts);
    FUZZ_CHECK(facts.nearest.has_value() == facts.calculateForm.has_value());
    if (facts.calculateForm) {
        FUZZ_CHECK(*facts.calculateForm == written);
        FUZZ_CHECK(CalculateReading(written, separator) == facts.nearest);
    }
    return 0;
}
