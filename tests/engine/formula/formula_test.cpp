// The formula tree's pieces of school notation, written as plain text and as LaTeX.
#include "engine/formula/formula.hpp"
#include "test_text.hpp"

#include <gtest/gtest.h>

namespace veltrix::math {
namespace {

using testing::Utf8;

Formula N(const char16_t* text) {
    return {Number{text}};
}
Formula L(char16_t name, std::u16string subscript = {}, unsigned primes = 0) {
    return {Variable{name, std::move(subscript), primes}};
}
Formula Less(Formula left) {
    return {Chain{std::move(left), {{Relation::Less, N(u"0")}}}};
}
Formula Braces(std::vector<Part> items) {
    return {Group{Formula{List{std::move(items), ListSeparator::Semicolon}}, Bracket::Brace}};
}

struct NotationCase {
    const char* name;
    Formula formula;
    std::string plain, latex;
};

class NotationTest : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationTest, WritesItInBothForms) {
    EXPECT_EQ(Utf8(PlainText(GetParam().formula)), GetParam().plain);
    EXPECT_EQ(Utf8(Latex(GetParam().formula)), GetParam().latex);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, NotationTest,
    ::testing::Values(
        NotationCase{"BothRoots", L(u'x', u"1,2"), "x₁,₂", "x_{1,2}"},
        NotationCase{"Primes", {List{{L(u'x', {}, 1), L(u'x', {}, 2)}}}, "x′, x″", "x', x''"},
        NotationCase{"PrimedSquare", {Power{L(u'b', {}, 1), N(u"2")}}, "b′²", "b'^{2}"},
        NotationCase{"SubscriptSquared", {Power{L(u'D', u"10"), N(u"2")}}, "D₁₀²", "D_{10}^2"},
        NotationCase{"Delta", Less(L(u'Δ')), "Δ < 0", "\\Delta < 0"},
        NotationCase{"DeltaTimesX", {Product{{L(u'Δ'), L(u'x')}}}, "Δx", "\\Delta x"},
        NotationCase{"NamedPoint",
                     {Product{{L(u'S'), Formula{Group{Formula{List{{N(u"2,5"), N(u"-0,25")},
                                                                   ListSeparator::Bar}}}}}}},
                     "S(2,5 | -0,25)",
                     "S(2{,}5 \\mid -0{,}25)"},
        NotationCase{"Set", Braces({N(u"2"), N(u"3")}), "{2; 3}", "\\{2; 3\\}"},
        NotationCase{"SetOfAFraction", Braces({Formula{Fraction{N(u"1"), N(u"3")}}}), "{1/3}",
                     "\\left\\{\\frac{1}{3}\\right\\}"},
        NotationCase{"EmptySet", Braces({}), "{ }", "\\{\\,\\}"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace veltrix::math
