// The formula tree's pieces of school notation, written as plain text and as LaTeX.
#include "engine/formula/formula.hpp"
#include "test_text.hpp"

#include <gtest/gtest.h>

namespace veltrix::math {
namespace {

Formula N(const char16_t* text) {
    return {Number{text}};
}
Formula L(char16_t name, std::u16string subscript = {}, unsigned primes = 0) {
    return {Variable{name, std::move(subscript), primes}};
}
Formula Braces(std::vector<Part> items) {
    return {Group{Formula{List{std::move(items), ListSeparator::Semicolon}}, Bracket::Brace}};
}

using Row = std::tuple<Formula, std::string, std::string>;

class NotationTest : public ::testing::TestWithParam<Row> {};

TEST_P(NotationTest, WritesItInBothForms) {
    const auto& [formula, plain, latex] = GetParam();
    EXPECT_EQ(testing::Utf8(PlainText(formula)), plain);
    EXPECT_EQ(testing::Utf8(Latex(formula)), latex);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, NotationTest,
    ::testing::Values(
        Row{L(u'D', u"1,10"), "D₁,₁₀", "D_{1,10}"},
        Row{Formula{List{{L(u'x', {}, 1), L(u'x', {}, 2)}}}, "x′, x″", "x', x''"},
        Row{Formula{Power{L(u'b', {}, 1), N(u"2")}}, "b′²", "b'^{2}"},
        Row{Formula{Chain{L(u'Δ'), {{Relation::Less, N(u"0")}}}}, "Δ < 0", "\\Delta < 0"},
        Row{Formula{Product{{L(u'Δ'), L(u'x')}}}, "Δx", "\\Delta x"},
        Row{Formula{Product{{L(u'S'), Formula{Group{Formula{
                                          List{{N(u"2,5"), N(u"-0,25")}, ListSeparator::Bar}}}}}}},
            "S(2,5 | -0,25)", "S(2{,}5 \\mid -0{,}25)"},
        Row{Braces({N(u"2"), N(u"3")}), "{2; 3}", "\\{2; 3\\}"},
        Row{Braces({Formula{Fraction{N(u"1"), N(u"3")}}}), "{1/3}",
            "\\left\\{\\frac{1}{3}\\right\\}"},
        Row{Braces({}), "{ }", "\\{\\,\\}"}));

} // namespace
} // namespace veltrix::math
