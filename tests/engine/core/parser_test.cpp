#include "test_text.hpp"

#include <gtest/gtest.h>
#include <string>

namespace veltrix {
namespace {

using testing::U16;

Coefficient Text(const char* ascii) {
    return U16(ascii);
}
Coefficient Number(double value) {
    return value;
}

struct SplitCase {
    const char* equation;
    QuadraticCoefficients expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << '"' << c.equation << '"';
}

std::string SplitCaseName(const ::testing::TestParamInfo<SplitCase>& row) {
    return testing::RowName(row.index, {row.param.equation});
}

class ParseSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ParseSplitTest, SplitsIntoCoefficients) {
    const ParseOutcome got = ParseQuadratic(U16(GetParam().equation));
    const auto* coefficients = std::get_if<QuadraticCoefficients>(&got);
    ASSERT_NE(coefficients, nullptr) << GetParam().equation;
    EXPECT_EQ(*coefficients, GetParam().expected) << GetParam().equation;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseSplitTest,
    ::testing::Values(SplitCase{"10X^2-2X-3", {Text("10"), Text("-2"), Text("-3")}},
                      SplitCase{"x^2-x+1", {Number(1), Number(-1), Text("+1")}},
                      SplitCase{"X^2+X", {Number(1), Number(1), Number(0)}},
                      SplitCase{"2.5X^2+0X-7.25", {Text("2.5"), Text("+0"), Text("-7.25")}},
                      // The two characters after the first marker are skipped unread.
                      SplitCase{"10X^3-2X-3", {Text("10"), Text("-2"), Text("-3")}},
                      SplitCase{"10Xab-2X-3", {Text("10"), Text("-2"), Text("-3")}},
                      SplitCase{"X^2X+1", {Number(1), Text(""), Text("+1")}},
                      SplitCase{"-X^2+2X+3", {Text("-"), Text("+2"), Text("+3")}},
                      SplitCase{"y=X^2+2X+1", {Text("y="), Text("+2"), Text("+1")}},
                      SplitCase{"10X^2-2X-3 ", {Text("10"), Text("-2"), Text("-3 ")}},
                      // Only the exact one-character texts become numbers.
                      SplitCase{"X^2 -X", {Number(1), Text(" -"), Number(0)}},
                      SplitCase{"X^2+ X", {Number(1), Text("+ "), Number(0)}},
                      SplitCase{"10X^2 - 2X - 3", {Text("10"), Text(" - 2"), Text(" - 3")}}),
    SplitCaseName);

// Which passes find how many markers, and what comes of it.
INSTANTIATE_TEST_SUITE_P(MarkerTable, ParseSplitTest,
                         ::testing::Values(
                             // No "X", two "x": split at the lower-case markers.
                             SplitCase{"3x^2+4x+5", {Text("3"), Text("+4"), Text("+5")}},
                             // Two "X" split there, however many "x" there are.
                             SplitCase{"xX^2xX", {Text("x"), Text("x"), Number(0)}},
                             SplitCase{"X^2+2Xxxx", {Number(1), Text("+2"), Text("xxx")}},
                             // Three "X" and two "x": split at the "x".
                             SplitCase{"X1X1Xx^2+1x+2", {Text("X1X1X"), Text("+1"), Text("+2")}},
                             // The character right after a marker is skipped: "XX" counts the
                             // second X only when it stands at least two places on.
                             SplitCase{"XXaX", {Number(1), Text(""), Number(0)}}),
                         SplitCaseName);

TEST(ParseQuadratic, MarkerRightAfterTheFirstIsNotTheSecond) {
    // "XX" then nothing: p1 = 1 and no X from position 3 on.
    EXPECT_TRUE(std::holds_alternative<InvalidQuadratic>(ParseQuadratic(u"XX")));
}

class ParseInvalidTest : public ::testing::TestWithParam<const char*> {};

std::string InvalidEquationName(const ::testing::TestParamInfo<const char*>& row) {
    return testing::RowName(row.index, {row.param});
}

TEST_P(ParseInvalidTest, IsInvalidQuadratic) {
    EXPECT_TRUE(std::holds_alternative<InvalidQuadratic>(ParseQuadratic(U16(GetParam()))))
        << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Examples, ParseInvalidTest,
                         ::testing::Values("X^2-4", "4", "", "x^2-4", "10X^2-2x-3", "10x^2-2X-3",
                                           // none / three or more lower case
                                           "x^2+x+x", "3+4",
                                           // one X, however many x
                                           "X^2+2x+3x", "xxX",
                                           // three or more X with none, one or three x
                                           "XXXXX", "X^2+X+X", "X^2+X+Xx", "X^2+X+Xx^2+x+x"),
                         InvalidEquationName);

TEST(ParseQuadratic, SecondMarkerTwoPlacesOnIsMalformed) {
    EXPECT_TRUE(std::holds_alternative<MalformedTerm>(ParseQuadratic(u"XXX")));
    EXPECT_TRUE(std::holds_alternative<MalformedTerm>(ParseQuadratic(u"X^X+1")));
    EXPECT_TRUE(std::holds_alternative<MalformedTerm>(ParseQuadratic(u"5x^x")));
}

TEST(ParseQuadratic, SuperscriptTwoRightAfterTheFirstMarkerIsTheWholePower) {
    const struct {
        std::u16string_view equation;
        QuadraticCoefficients expected;
    } cases[] = {
        {u"10X\u00B2-2X-3", {Text("10"), Text("-2"), Text("-3")}},
        {u"x\u00B2-x+1", {Number(1), Number(-1), Text("+1")}},
        // The x term may follow at once: its coefficient is empty, not a malformed term.
        {u"X\u00B2X+1", {Number(1), Text(""), Text("+1")}},
        // After "^" it is the second of the two characters skipped; after the second marker it
        // is part of c.
        {u"10X^\u00B2-2X-3", {Text("10"), Text("-2"), Text("-3")}},
        {u"10X^2-2X\u00B2-3", {Text("10"), Text("-2"), Coefficient(u"\u00B2-3")}},
    };
    for (const auto& c : cases) {
        const ParseOutcome got = ParseQuadratic(c.equation);
        const auto* coefficients = std::get_if<QuadraticCoefficients>(&got);
        ASSERT_NE(coefficients, nullptr) << testing::Narrow(c.equation);
        EXPECT_EQ(*coefficients, c.expected) << testing::Narrow(c.equation);
    }
}

TEST(ParseQuadratic, KeepsCharactersOutsideTheBasicPlaneIntact) {
    // A surrogate pair in a is kept as typed, and does not shift the markers.
    const std::u16string equation = u"\U0001F600X^2+2X+1";
    const ParseOutcome got = ParseQuadratic(equation);
    const auto* coefficients = std::get_if<QuadraticCoefficients>(&got);
    ASSERT_NE(coefficients, nullptr);
    EXPECT_EQ(std::get<std::u16string>(coefficients->a), u"\U0001F600");
    EXPECT_EQ(coefficients->b, Text("+2"));
}

TEST(CoefficientValue, ConvertsTextsAndPassesNumbersThrough) {
    EXPECT_EQ(CoefficientValue(Number(-1)), -1.0);
    EXPECT_EQ(CoefficientValue(Text("-3 ")), -3.0);
    EXPECT_EQ(CoefficientValue(Text(" - 2")), -2.0);
    EXPECT_FALSE(CoefficientValue(Text("")));
    EXPECT_FALSE(CoefficientValue(Text("-")));
    EXPECT_FALSE(CoefficientValue(Text("y=")));
    EXPECT_FALSE(CoefficientValue(Text("2*")));
}

} // namespace
} // namespace veltrix
