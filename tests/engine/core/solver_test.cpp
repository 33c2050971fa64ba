#include "test_text.hpp"

#include <gtest/gtest.h>
#include <string>

namespace veltrix {
namespace {

using testing::U16;

struct SolveCase {
    const char* equation;
    const char* accuracy;
    SolveOutcome expected;
    char16_t separator = u'.'; // the locale's decimal separator
};

void PrintTo(const SolveCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" at \"" << c.accuracy << '"';
}

std::string SolveCaseName(const ::testing::TestParamInfo<SolveCase>& row) {
    return testing::RowName(row.index, {row.param.equation, "at", row.param.accuracy});
}

class SolveQuadraticTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveQuadraticTest, GivesTheOutcome) {
    const SolveCase& c = GetParam();
    EXPECT_EQ(SolveQuadratic(U16(c.equation), U16(c.accuracy), c.separator), c.expected)
        << c.equation << " at accuracy \"" << c.accuracy << "\"";
}

Roots R(const char* plus, const char* minus) {
    return {U16(plus), U16(minus)};
}

INSTANTIATE_TEST_SUITE_P(
    RoundedRoots, SolveQuadraticTest,
    ::testing::Values(
        SolveCase{"10X^2-2X-3", "2", R("0.66", "-0.46")},
        SolveCase{"10X^2-2X-3", "3", R("0.657", "-0.457")},
        SolveCase{"10X^2-2X-3", "0", R("1", "0")}, SolveCase{"10x^2-2x-3", "2", R("0.66", "-0.46")},
        SolveCase{"X^2-2X+1", "2", R("1", "1")}, SolveCase{"2X^2-3X-2", "2", R("2", "-0.5")},
        // With a negative a the plus root is the smaller one; never sorted.
        SolveCase{"-2X^2+3X+2", "2", R("-0.5", "2")},
        SolveCase{"X^2-100X+1", "2", R("99.99", "0.01")},
        SolveCase{"X^2-400X+1", "1", R("400", "0")}, SolveCase{"X^2-5X+6.25", "0", R("2", "2")},
        SolveCase{"X^2-26X+25", "-1", R("20", "0")},
        SolveCase{"10X^2 - 2X - 3", "2", R("0.66", "-0.46")},
        SolveCase{"10X^2-2X-3 ", "2", R("0.66", "-0.46")},
        // The accuracy need not be whole: 1 × 10^2.5 rounds to 316, and
        // 316 / 316.2277… is not 1.
        SolveCase{"X^2-2X+1", "2.5", R("0.999279740613208", "0.999279740613208")},
        // Where the locale writes "0,66", both separators are read.
        SolveCase{"2,5X^2-2X-3", "2", R("1,57", "-0,77"), u','},
        SolveCase{"2.5X^2-2X-3", "2", R("1,57", "-0,77"), u','},
        SolveCase{"10X^2-2X-3", "0", R("1", "0"), u','}),
    SolveCaseName);

INSTANTIATE_TEST_SUITE_P(
    Failures, SolveQuadraticTest,
    ::testing::Values(
        SolveCase{"X^2+1", "2", InvalidQuadratic{}}, SolveCase{"X^2-4", "2", InvalidQuadratic{}},
        SolveCase{"X^2+0X+1", "2", NoRealRoots{}}, SolveCase{"0X^2+2X+1", "2", EvaluationFailed{}},
        SolveCase{"-X^2+2X+3", "2", EvaluationFailed{}}, SolveCase{"XXX", "2", EvaluationFailed{}},
        SolveCase{"X^2X+1", "2", EvaluationFailed{}},
        // The plus root 99.98999… needs 99990 at 3 places: beyond 16 bits.
        SolveCase{"X^2-100X+1", "3", EvaluationFailed{}},
        SolveCase{"X^2-400X+1", "2", EvaluationFailed{}},
        // Overflow in 4ac, in b², and inf - inf in the discriminant.
        SolveCase{"1e300X^2+0X+1e300", "2", EvaluationFailed{}},
        SolveCase{"X^2+1e200X+0", "2", EvaluationFailed{}},
        SolveCase{"-1e300X^2+1e200X+1e300", "2", EvaluationFailed{}},
        SolveCase{"X^2+1e+400X-4", "2", EvaluationFailed{}}),
    SolveCaseName);

// The accuracy is converted before the equation is looked at: a bad accuracy fails even an
// equation that does not split.
INSTANTIATE_TEST_SUITE_P(Accuracy, SolveQuadraticTest,
                         ::testing::Values(SolveCase{"10X^2-2X-3", "abc", EvaluationFailed{}},
                                           SolveCase{"10X^2-2X-3", "", EvaluationFailed{}},
                                           SolveCase{"X^2-4", "abc", EvaluationFailed{}},
                                           SolveCase{"X^2-4", "", EvaluationFailed{}},
                                           SolveCase{"10X^2-2X-3", "400", EvaluationFailed{}},
                                           SolveCase{"10X^2-2X-3", "-400", EvaluationFailed{}},
                                           SolveCase{"10X^2-2X-3", "-1", R("0", "0")}),
                         SolveCaseName);

// Any whole accuracy is taken, not only 0 to 3. A value of five digits that fills the rounding
// range keeps exactly those digits, so a power of ten one step off shows at any accuracy: below,
// at and above 10^22, the largest a double holds exactly.
TEST(ValueOfYAtX, KeepsFiveDigitsAtEveryWholeAccuracy) {
    for (int places = -4; places <= 40; ++places) {
        const std::string c = "1.2345E" + std::to_string(4 - places);
        const ValueOutcome got =
            ValueOfYAtX(U16("0X^2+0X+" + c), u"0", U16(std::to_string(places)));
        const auto* found = std::get_if<ValueFound>(&got);
        ASSERT_NE(found, nullptr) << "accuracy " << places;
        EXPECT_EQ(TextToNumber(found->text), TextToNumber(U16(c))) << "accuracy " << places;
    }
}

struct ValueCase {
    const char* equation;
    const char* x;
    const char* accuracy;
    ValueOutcome expected;
    char16_t separator = u'.';
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" x=\"" << c.x << "\" at \"" << c.accuracy << '"';
}

std::string ValueCaseName(const ::testing::TestParamInfo<ValueCase>& row) {
    return testing::RowName(row.index,
                            {row.param.equation, "x", row.param.x, "at", row.param.accuracy});
}

class ValueOfYAtXTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfYAtXTest, GivesTheOutcome) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(ValueOfYAtX(U16(c.equation), U16(c.x), U16(c.accuracy), c.separator), c.expected)
        << c.equation << " at x = \"" << c.x << "\", accuracy \"" << c.accuracy << "\"";
}

ValueFound V(const char* text) {
    return {U16(text)};
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueOfYAtXTest,
    ::testing::Values(
        ValueCase{"10X^2-2X-3", "1", "2", V("5")}, ValueCase{"10X^2-2X-3", "0.5", "2", V("-1.5")},
        ValueCase{"10X^2-2X-3", "-0.5", "2", V("0.5")},
        ValueCase{"10X^2-2X-3", "1.234", "2", V("9.76")},
        ValueCase{"10X^2-2X-3", "2", "2", V("33")}, ValueCase{"10X^2-2X-3", "10", "0", V("977")},
        ValueCase{"10X^2-2X-3", "10", "-1", V("980")}, ValueCase{"X^2+0X+0", "0.5", "1", V("0.2")},
        ValueCase{"X^2+0X+0", "1.5", "1", V("2.2")},
        ValueCase{"10x^2-2x-3", "1.234", "2", V("9.76")}, ValueCase{"10X^3-2X-3", "1", "2", V("5")},
        ValueCase{"X^2+0X-4", "2", "2", V("0")}, ValueCase{"X^2+X", " - 2 ", "2", V("2")},
        ValueCase{"10X^2-2X-3", "1,234", "2", V("9,76"), u','},
        ValueCase{"2,5X^2-2X-3", "-0.5", "2", V("-1,38"), u','},
        ValueCase{"10X^2-2X-3", "1,234", "2", EvaluationFailed{}}),
    ValueCaseName);

INSTANTIATE_TEST_SUITE_P(
    Failures, ValueOfYAtXTest,
    ::testing::Values(ValueCase{"10X^2-2X-3", "2", "3", EvaluationFailed{}},
                      ValueCase{"10X^2-2X-3", "6", "2", EvaluationFailed{}},
                      ValueCase{"10X^2-2X-3", "", "2", EvaluationFailed{}},
                      ValueCase{"10X^2-2X-3", "abc", "2", EvaluationFailed{}},
                      ValueCase{"10X^2-2x-3", "1", "2", InvalidQuadratic{}},
                      ValueCase{"X^2-4", "2", "2", InvalidQuadratic{}},
                      ValueCase{"-X^2+2X+3", "1", "2", EvaluationFailed{}},
                      ValueCase{"XXX", "1", "2", EvaluationFailed{}},
                      ValueCase{"X^2-4", "1", "abc", EvaluationFailed{}},
                      ValueCase{"10X^2-2X-3", "1", "400", EvaluationFailed{}},
                      ValueCase{"10X^2-2X-3", "1", "-400", EvaluationFailed{}},
                      // x² overflows although y would be representable after cancelling.
                      ValueCase{"X^2-1e300X+0", "1e200", "2", EvaluationFailed{}},
                      ValueCase{"1e300X^2+0X+0", "1e10", "2", EvaluationFailed{}}),
    ValueCaseName);

} // namespace
} // namespace veltrix
