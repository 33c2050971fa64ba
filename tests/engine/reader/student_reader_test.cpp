#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact/written_expansion.hpp"
#include "test_text.hpp"

#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace veltrix {
namespace {

using Abc = std::array<const char*, 3>; // a, b and c, by TextToNumber's grammar

// How Calculate reads the text, and for an accepted one, the text to type for it.
struct Facts {
    std::optional<DoubleCoefficients> calculateReads;
    std::optional<std::u16string_view> form = std::nullopt;
    bool same = false;
};

struct ReadCase {
    std::u16string_view text;
    std::variant<Abc, Refusal> expected;
    std::optional<Facts> facts = std::nullopt;
    char16_t separator = u'.';
};

void PrintTo(const ReadCase& row, std::ostream* os) {
    *os << '"' << testing::Narrow(row.text) << '"';
}

// A number's value through GMP's own reading of its digits, apart from the engine's.
mpq_class ValueOf(const DecimalParts& number) {
    const auto shift = number.exponent - static_cast<std::int64_t>(number.fraction.size());
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(shift < 0 ? -shift : shift));
    const mpq_class digits(
        mpz_class(testing::Narrow(number.whole) + testing::Narrow(number.fraction)));
    const mpq_class value = shift < 0 ? mpq_class(digits / power) : mpq_class(digits * power);
    return number.negative ? mpq_class(-value) : value;
}

class StudentReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StudentReadTest, ReadsTheEquationOrNamesWhatAndWhere) {
    const ReadCase& row = GetParam();
    if (row.facts) {
        EXPECT_EQ(CalculateReading(row.text, row.separator), row.facts->calculateReads);
    }
    const StudentReadOutcome got = ReadStudentEquation(row.text, row.separator);
    if (const auto* refusal = std::get_if<Refusal>(&row.expected)) {
        ASSERT_TRUE(std::holds_alternative<Refusal>(got));
        EXPECT_EQ(std::get<Refusal>(got), *refusal)
            << static_cast<int>(std::get<Refusal>(got).reason) << " at "
            << std::get<Refusal>(got).position;
        return;
    }
    ASSERT_TRUE(std::holds_alternative<StudentEquation>(got)) << std::get<Refusal>(got).position;
    const StudentEquation& equation = std::get<StudentEquation>(got);
    std::array<mpq_class, 3> expected, read;
    const std::array<const std::vector<DecimalParts>*, 3> terms = {&equation.a, &equation.b,
                                                                   &equation.c};
    for (std::size_t i = 0; i < terms.size(); ++i) {
        expected[i] = ValueOf(*SplitDecimal(testing::U16(std::get<Abc>(row.expected)[i])));
        for (const DecimalParts& term : *terms[i]) {
            read[i] += ValueOf(term);
        }
    }
    // Brackets and fractions are multiplied out, fractions cleared where the text is an equation.
    const auto expanded = ExpandWritten(equation.written, row.separator);
    if (const auto* e = std::get_if<ExpandedEquation>(&expanded)) {
        EXPECT_EQ((std::array{e->standard.a, e->standard.b, e->standard.c}), expected);
    }
    if (!equation.written.plain) {
        ASSERT_TRUE(std::holds_alternative<ExpandedEquation>(expanded));
        EXPECT_TRUE(equation.a.empty() && equation.b.empty() && equation.c.empty());
        return;
    }
    EXPECT_EQ(read, expected);
    // Where each coefficient fits the exact working, these are its exact values.
    const auto exact = ExactStudentQuadratic(equation);
    if (const auto* quadratic = std::get_if<ExactQuadratic>(&exact)) {
        EXPECT_EQ((std::array{quadratic->a, quadratic->b, quadratic->c}), expected);
    }
    if (row.facts) {
        const CalculateFacts facts = CompareWithCalculate(row.text, equation, row.separator);
        EXPECT_EQ(facts.calculateForm, row.facts->form);
        EXPECT_EQ(facts.readsTheSame, row.facts->same);
    }
}

using Why = RefusalReason;

INSTANTIATE_TEST_SUITE_P(
    Texts, StudentReadTest,
    ::testing::Values(
        ReadCase{u"x^2-4", Abc{"1", "0", "-4"}, Facts{std::nullopt, u"X^2+0X-4"}},
        ReadCase{u"2x^2", Abc{"2", "0", "0"}},
        ReadCase{u"-x^2+4x-4", Abc{"-1", "4", "-4"}, Facts{std::nullopt, u"-1X^2+4X-4"}},
        ReadCase{u"y=x^2-5x+6", Abc{"1", "-5", "6"}}, ReadCase{u"x^2-5x+6=0", Abc{"1", "-5", "6"}},
        ReadCase{u"6-5x+x^2", Abc{"1", "-5", "6"}}, ReadCase{u" x^2+2x-3", Abc{"1", "2", "-3"}},
        ReadCase{u"x^2 + x + 1", Abc{"1", "1", "1"}},
        ReadCase{u"10x\u00B2 \u2212 2x \u2212 3", Abc{"10", "-2", "-3"}},
        ReadCase{u"x^2 = 3x - 2", Abc{"1", "-3", "2"}}, ReadCase{u"f(x) = x^2", Abc{"1", "0", "0"}},
        ReadCase{u"10X^2-2X-3", Abc{"10", "-2", "-3"},
                 Facts{DoubleCoefficients{10, -2, -3}, u"10X^2-2X-3", true}},
        ReadCase{u"2,5x^2", Abc{"2.5", "0", "0"}, Facts{std::nullopt, u"2,5X^2+0X+0"}, u','},
        // 10^-401 is 0 to the nearest double, as Calculate reads it too.
        ReadCase{u"1e-401x^2+x+1", Abc{"1e-401", "1", "1"},
                 Facts{DoubleCoefficients{0, 1, 1}, u"1E-401X^2+1X+1", true}},
        // Where the left side holds only numbers, the terms move to the right.
        ReadCase{u"6 = x^2 + x", Abc{"1", "1", "-6"}},
        // Brackets and fractions as textbooks print them.
        ReadCase{u"(x-1)^2=4", Abc{"1", "-2", "-3"}},
        ReadCase{u"(x+2)(x-3)=0", Abc{"1", "-1", "-6"}}, ReadCase{u"x(x-3)=0", Abc{"1", "-3", "0"}},
        ReadCase{u"2(x+1)^2-8=0", Abc{"2", "4", "-6"}},
        ReadCase{u"x^2/2 - 3 = 0", Abc{"1", "0", "-6"}},
        ReadCase{u"1/2x^2 - 2", Abc{"0.5", "0", "-2"}},
        ReadCase{u"(x+1)/2 = x^2", Abc{"-2", "1", "1"}},
        ReadCase{u"x^2 - 3/4", Abc{"1", "0", "-7.5e-1"}},
        ReadCase{u"-(x-2) = x^2", Abc{"-1", "-1", "2"}},
        ReadCase{u"[2x-1](x+4)", Abc{"2", "7", "-4"}},
        ReadCase{u"(x − 1)² = 4", Abc{"1", "-2", "-3"}},
        ReadCase{u"3 = (x+1)^2", Abc{"1", "2", "-2"}},
        ReadCase{u"2 * (x + 1) * x", Abc{"2", "2", "0"}},
        ReadCase{u"x/2 + x/3 = 1", Abc{"0", "5", "-6"}},
        ReadCase{u"((x+1))^2 = 0,5", Abc{"1", "2", "0.5"}, std::nullopt, u','},
        ReadCase{u"x + x - 3x^2 + x^2 = 2x^0", Abc{"-2", "2", "-2"}},
        ReadCase{u"2*x^2 + 3\u00B7x - 1E+2 + .9 + 2.", Abc{"2", "3", "-97.1"}},
        ReadCase{u"x^2 + 0.1 + 0.2 + 99999999999999999999x",
                 Abc{"1", "99999999999999999999", "0.3"},
                 Facts{std::nullopt, u"X^2+99999999999999999999X+0.3"}},
        ReadCase{u"f( X ) = X ^ 2 - x^1", Abc{"1", "-1", "0"}},
        ReadCase{u"y = \u2212x\u00B2", Abc{"-1", "0", "0"}},
        ReadCase{u"1e7x^2 - 0.0000001x + 1000000", Abc{"1e7", "-1e-7", "1e6"},
                 Facts{DoubleCoefficients{1e7, -1e-7, 1e6}, u"1E7X^2-1E-7X+1000000", true}},
        ReadCase{u"5x+1+3x+4", Abc{"0", "8", "5"},
                 Facts{DoubleCoefficients{5, 3, 4}, u"0X^2+8X+5"}},
        // No Calculate form: beyond the double range, or a sum with a term too long to add up.
        ReadCase{u"x^2 + 1e308x + 1e308x", Abc{"1", "2e308", "0"}, Facts{}},
        ReadCase{u"1e-401x^2 + 1e-401x^2", Abc{"2e-401", "0", "0"}, Facts{}},
        ReadCase{u"x2-5x+6", Refusal{Why::NumberAfterX, 1}, Facts{DoubleCoefficients{1, 5, 6}}},
        ReadCase{u"x^3+1", Refusal{Why::PowerAboveTwo, 2}},
        ReadCase{u"x^12+1", Refusal{Why::PowerAboveTwo, 2}},
        ReadCase{u"x\u00B9\u00B2+1", Refusal{Why::PowerAboveTwo, 1}},
        ReadCase{u"x\u00B3", Refusal{Why::PowerAboveTwo, 1}},
        ReadCase{u"x^-1", Refusal{Why::NegativePower, 2}},
        ReadCase{u"x\u207B\u00B9", Refusal{Why::NegativePower, 1}},
        ReadCase{u"x^2.5", Refusal{Why::PowerNotWhole, 2}},
        ReadCase{u"x^2=1=2", Refusal{Why::SecondEquals, 5}},
        ReadCase{u"y = x^2 = 0", Refusal{Why::SecondEquals, 8}},
        ReadCase{u"2y+1", Refusal{Why::OtherLetter, 1}},
        ReadCase{u"2ex", Refusal{Why::OtherLetter, 1}},
        ReadCase{u"{x+1}", Refusal{Why::Bracket, 0}}, ReadCase{u"x)", Refusal{Why::Bracket, 1}},
        ReadCase{u"(x+1]", Refusal{Why::Bracket, 4}},
        ReadCase{u"(x+1 = 2", Refusal{Why::UnclosedBracket, 0}},
        ReadCase{u"2 + ( )", Refusal{Why::EmptyBracket, 6}},
        ReadCase{u"(x+1)2", Refusal{Why::MissingOperator, 5}},
        ReadCase{u"x(x-1)(x-2)=0", Refusal{Why::DegreeAboveTwo, 6}},
        ReadCase{u"x^2(x+1)", Refusal{Why::DegreeAboveTwo, 3}},
        ReadCase{u"(x^2+1)^2", Refusal{Why::DegreeAboveTwo, 0}},
        ReadCase{u"(x-1)^3=2", Refusal{Why::BracketPowerNotTwo, 6}},
        ReadCase{u"(x-1)¹", Refusal{Why::BracketPowerNotTwo, 5}},
        ReadCase{u"1/x = x", Refusal{Why::XInDenominator, 2}},
        ReadCase{u"x/(x+1)", Refusal{Why::XInDenominator, 2}},
        ReadCase{u"x/(2)", Refusal{Why::DenominatorNotNumber, 2}},
        ReadCase{u"x^2/ ", Refusal{Why::DenominatorNotNumber, 5}},
        ReadCase{u"x^2/0.0", Refusal{Why::DivisionByZero, 4}},
        ReadCase{u"((((((((((((((((((((((x))))))))))))))))))))))",
                 Refusal{Why::NestingTooDeep, 20}},
        ReadCase{u"x^2 +", Refusal{Why::MissingTerm, 5}},
        ReadCase{u"++x", Refusal{Why::MissingTerm, 1}},
        ReadCase{u"2x 3", Refusal{Why::MissingOperator, 3}},
        ReadCase{u"2 * 3", Refusal{Why::MisplacedTimes, 2}},
        ReadCase{u"", Refusal{Why::EmptySide, 0}}, ReadCase{u"= x", Refusal{Why::EmptySide, 0}},
        ReadCase{u"x = ", Refusal{Why::EmptySide, 4}},
        ReadCase{u"x & 1", Refusal{Why::UnexpectedCharacter, 2}},
        // An exponent that SplitDecimal would hold at ±10^9, changing the number.
        ReadCase{u"x^2+1e-0001000000001x", Refusal{Why::ExponentTooLarge, 5}}));

} // namespace
} // namespace veltrix
