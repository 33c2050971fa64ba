#include "test_text.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace veltrix {
namespace {

using testing::U16;

struct NumberCase {
    const char* text;
    std::optional<double> expected;
    char16_t separator = kPoint; // the locale's decimal separator
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
    if (c.separator != kPoint) {
        *os << " with \"" << static_cast<char>(c.separator) << '"';
    }
}

std::string NumberCaseName(const ::testing::TestParamInfo<NumberCase>& row) {
    return testing::RowName(row.index, {row.param.text});
}

class TextToNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTest, ConvertsOrRejects) {
    const NumberCase& c = GetParam();
    const std::optional<double> got = TextToNumber(U16(c.text), c.separator);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << "text: \"" << c.text << "\"";
    if (got) {
        EXPECT_EQ(*got, *c.expected) << "text: \"" << c.text << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, TextToNumberTest,
    ::testing::Values(NumberCase{"10", 10.0}, NumberCase{"-2", -2.0}, NumberCase{"+1", 1.0},
                      NumberCase{"-3 ", -3.0}, NumberCase{" \t7\t ", 7.0}, NumberCase{" - 2", -2.0},
                      NumberCase{"+ 0", 0.0}, NumberCase{"5.", 5.0}, NumberCase{".5", 0.5},
                      NumberCase{"2.5", 2.5}, NumberCase{"-7.25", -7.25}, NumberCase{"1e3", 1000.0},
                      NumberCase{"1E+3", 1000.0}, NumberCase{"2.5e-1", 0.25},
                      NumberCase{"007", 7.0}, NumberCase{"0e999999999999", 0.0},
                      NumberCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                      NumberCase{"4.9e-324", std::numeric_limits<double>::denorm_min()},
                      NumberCase{"1e-400", 0.0}, NumberCase{"-1e-99999999999999999999", -0.0},
                      NumberCase{"0.000000000000000000001e-320", 0.0}),
    NumberCaseName);

INSTANTIATE_TEST_SUITE_P(
    Rejected, TextToNumberTest,
    ::testing::Values(NumberCase{"", std::nullopt}, NumberCase{" ", std::nullopt},
                      NumberCase{"-", std::nullopt}, NumberCase{"+", std::nullopt},
                      NumberCase{".", std::nullopt}, NumberCase{"-.", std::nullopt},
                      NumberCase{"y=10", std::nullopt}, NumberCase{"2*", std::nullopt},
                      NumberCase{"inf", std::nullopt}, NumberCase{"-infinity", std::nullopt},
                      NumberCase{"nan", std::nullopt}, NumberCase{"0x1A", std::nullopt},
                      NumberCase{"1,000", std::nullopt}, NumberCase{"1,5", std::nullopt},
                      NumberCase{"1 000", std::nullopt}, NumberCase{"1e", std::nullopt},
                      NumberCase{"1e+", std::nullopt}, NumberCase{"e5", std::nullopt},
                      NumberCase{"--1", std::nullopt}, NumberCase{"+-1", std::nullopt},
                      NumberCase{"1.2.3", std::nullopt}, NumberCase{"1e400", std::nullopt},
                      NumberCase{"-1e400", std::nullopt},
                      NumberCase{"1.7976931348623159e308", std::nullopt},
                      NumberCase{"100000e99999999999999999", std::nullopt},
                      NumberCase{"0.0001e313", std::nullopt}, NumberCase{"1\n", std::nullopt},
                      // The exponent's sign, and the first digit of an unsigned one, decide
                      // between overflow (a failure) and underflow (zero).
                      NumberCase{"1e+400", std::nullopt}, NumberCase{"1e+400  ", std::nullopt},
                      NumberCase{"0.00001e400", std::nullopt},
                      NumberCase{"0.00001e400 ", std::nullopt}),
    NumberCaseName);

// With a locale that writes "0,66", its separator is read, and "." still is: no digit grouping.
INSTANTIATE_TEST_SUITE_P(
    CommaLocale, TextToNumberTest,
    ::testing::Values(NumberCase{"2,5", 2.5, u','}, NumberCase{"2.5", 2.5, u','},
                      NumberCase{" - 1,5e3 ", -1500.0, u','}, NumberCase{",5", 0.5, u','},
                      NumberCase{"5,", 5.0, u','}, NumberCase{"1,5e-400", 0.0, u','},
                      NumberCase{"1,2,3", std::nullopt, u','},
                      NumberCase{"1.000,5", std::nullopt, u','},
                      NumberCase{"1,5.", std::nullopt, u','}, NumberCase{",", std::nullopt, u','},
                      NumberCase{"1,5e400", std::nullopt, u','}),
    NumberCaseName);

TEST(TextToNumber, RejectsNonAsciiDigitsAndSpaces) {
    // Full-width digit one, Arabic-Indic digit, no-break space and NUL are not blanks or digits.
    EXPECT_FALSE(TextToNumber(u"\uFF11"));
    EXPECT_FALSE(TextToNumber(u"\u0661"));
    EXPECT_FALSE(TextToNumber(u"\u00A01"));
    EXPECT_FALSE(TextToNumber(std::u16string(u"1\0", 2)));
    // A UTF-16 unit whose low byte is an ASCII digit must not pass for that digit.
    EXPECT_FALSE(TextToNumber(u"\u0131"));
}

TEST(TextToNumber, KeepsTheSignOfAnUnderflowedZero) {
    const std::optional<double> got = TextToNumber(u"-1e-400");
    ASSERT_TRUE(got);
    EXPECT_TRUE(std::signbit(*got));
}

struct TextCase {
    double value;
    const char* expected;
    char16_t separator = kPoint;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.value;
}

std::string TextCaseName(const ::testing::TestParamInfo<TextCase>& row) {
    return testing::RowName(row.index, {testing::NumberName(row.param.value)});
}

class NumberToTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, WritesShortestFifteenDigitForm) {
    EXPECT_EQ(NumberToText(GetParam().value, GetParam().separator), U16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberToTextTest,
    ::testing::Values(TextCase{0.66, "0.66"}, TextCase{-0.46, "-0.46"}, TextCase{2.5, "2.5"},
                      TextCase{33.0, "33"}, TextCase{0.5, "0.5"}, TextCase{-1.5, "-1.5"},
                      TextCase{3.0, "3"}, TextCase{0.0, "0"}, TextCase{-0.0, "0"},
                      TextCase{1.5e20, "1.5E+20"}, TextCase{1e-7, "1E-07"},
                      TextCase{0.0001, "0.0001"}, TextCase{-32768.0, "-32768"},
                      TextCase{0.1 + 0.2, "0.3"}, TextCase{123456789012345.0, "123456789012345"},
                      TextCase{1234567890123456.0, "1.23456789012346E+15"},
                      TextCase{9.99999999999999e14, "999999999999999"},
                      // A locale's own separator; nothing else changes.
                      TextCase{0.66, "0,66", u','}, TextCase{-0.46, "-0,46", u','},
                      TextCase{1.5e20, "1,5E+20", u','}, TextCase{32767.0, "32767", u','}),
    TextCaseName);

struct RoundCase {
    double value;
    double factor;
    std::optional<double> expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.value << " x " << c.factor;
}

std::string RoundCaseName(const ::testing::TestParamInfo<RoundCase>& row) {
    return testing::RowName(row.index, {testing::NumberName(row.param.value), "times",
                                        testing::NumberName(row.param.factor)});
}

class RoundToAccuracyTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToAccuracyTest, RoundsHalfToEvenWithinSixteenBits) {
    const RoundCase& c = GetParam();
    const std::optional<double> got = RoundToAccuracy(c.value, c.factor);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.value << " at " << c.factor;
    if (got) {
        EXPECT_EQ(*got, *c.expected) << c.value << " at " << c.factor;
    }
}

INSTANTIATE_TEST_SUITE_P(HalvesToEven, RoundToAccuracyTest,
                         ::testing::Values(RoundCase{2.5, 1, 2.0}, RoundCase{3.5, 1, 4.0},
                                           RoundCase{-2.5, 1, -2.0}, RoundCase{0.5, 1, 0.0},
                                           RoundCase{0.25, 10, 0.2}, RoundCase{2.25, 10, 2.2},
                                           RoundCase{0.65678, 100, 0.66},
                                           RoundCase{-0.45678, 100, -0.46},
                                           RoundCase{25.0, 0.1, 20.0}, RoundCase{1.0, 0.1, 0.0}),
                         RoundCaseName);

// The whole number must fit -32768..32767 at every accuracy: 32767.5 itself rounds up to 32768.
INSTANTIATE_TEST_SUITE_P(
    SixteenBitLimit, RoundToAccuracyTest,
    ::testing::Values(RoundCase{32767.5, 1, std::nullopt}, RoundCase{32767.4, 1, 32767.0},
                      RoundCase{-32768.5, 1, -32768.0}, RoundCase{-32768.6, 1, std::nullopt},
                      RoundCase{3276.7, 10, 3276.7}, RoundCase{3276.8, 10, std::nullopt},
                      RoundCase{327.67, 100, 327.67}, RoundCase{327.68, 100, std::nullopt},
                      RoundCase{-327.68, 100, -327.68}, RoundCase{-327.69, 100, std::nullopt},
                      RoundCase{32.767, 1000, 32.767}, RoundCase{32.768, 1000, std::nullopt},
                      RoundCase{327670.0, 0.1, 327670.0}, RoundCase{327680.0, 0.1, std::nullopt}),
    RoundCaseName);

INSTANTIATE_TEST_SUITE_P(RangeFailures, RoundToAccuracyTest,
                         ::testing::Values(RoundCase{1.0, 0.0,
                                                     std::nullopt}, // 10^d underflowed: 0 / 0
                                           RoundCase{0.0, 0.0, std::nullopt},
                                           RoundCase{1e300, 1e300, std::nullopt}, // v × m overflows
                                           RoundCase{1.0, 5e-324, 0.0}),
                         RoundCaseName);

TEST(RoundToAccuracy, SmallNegativeValueShowsAsZero) {
    const std::optional<double> rounded = RoundToAccuracy(-0.004, 100);
    ASSERT_TRUE(rounded);
    EXPECT_EQ(NumberToText(*rounded), u"0");
}

} // namespace
} // namespace veltrix
