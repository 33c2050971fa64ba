#include "engine/working/bounded_quadratic.hpp"
#include "test_text.hpp"
#include "tests/support/working_checks.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace veltrix {
namespace {

using testing::Narrow;
using testing::U16;

// The working's numbers in one list: each value's significant digits ("b~" for a coefficient
// they do not show exactly), and after "->" each root's rounded text.
std::vector<std::string> Listed(const BoundedWorking& w) {
    std::vector<std::string> list;
    const auto add = [&](std::string name, const ShownValue& v, bool rounded = false) {
        list.push_back(name + Narrow(v.significant) + (rounded ? " ->" + Narrow(v.rounded) : ""));
    };
    for (std::size_t i = 0; i < 3; ++i) {
        add(std::string(1, static_cast<char>('a' + i)) + (w.coefficients[i].exact ? "=" : "~"),
            w.coefficients[i].value);
    }
    if (const auto* line = std::get_if<BoundedLine>(&w.curve)) {
        line->root ? add("x=", *line->root, true) : list.push_back("no root");
        return list;
    }
    const auto& p = std::get<BoundedParabola>(w.curve);
    add(p.discriminantSign > 0 ? "D>0 " : (p.discriminantSign < 0 ? "D<0 " : "D=0 "),
        p.discriminant);
    if (const auto* r = std::get_if<BoundedRealRoots>(&p.roots)) {
        add("plus=", r->plus, true);
        add("minus=", r->minus, true);
    } else if (const auto* d = std::get_if<BoundedDoubleRoot>(&p.roots)) {
        add("x=", d->root, true);
    } else {
        add("re=", std::get<BoundedComplexRoots>(p.roots).real, true);
        add("im=", std::get<BoundedComplexRoots>(p.roots).imaginary, true);
    }
    add("h=", p.turningX);
    add("k=", p.turningY);
    return list;
}

struct LongCase {
    std::u16string equation;
    unsigned places;
    std::vector<std::string> listed;
};

void PrintTo(const LongCase& c, std::ostream* os) {
    *os << '"' << Narrow(c.equation.substr(0, 60)) << "\" at " << c.places;
}

class BoundedWorkingTest : public ::testing::TestWithParam<LongCase> {};

TEST_P(BoundedWorkingTest, ShowsEveryDigitRight) {
    const LongCase& c = GetParam();
    const BoundedOutcome outcome = WorkOutBounded(c.equation, c.places, u',');
    ASSERT_TRUE(std::holds_alternative<BoundedWorking>(outcome));
    EXPECT_EQ(Listed(std::get<BoundedWorking>(outcome)), c.listed);
}

const std::u16string kMegabyteOfThrees(1 << 20, u'3');

INSTANTIATE_TEST_SUITE_P(
    TooLongToWorkExactly, BoundedWorkingTest,
    ::testing::Values(
        // The roots are -1.000…0001… and -9.999…E+400.
        LongCase{u"1e-401x^2+x+1",
                 2,
                 {"a=1E-401", "b=1", "c=1", "D>0 1", "plus=-1 ->-1", "minus=-1E+401 ->-1E+401",
                  "h=-5E+400", "k=-2,5E+400"}},
        LongCase{u"x^2+" + kMegabyteOfThrees + u"x+1",
                 2,
                 {"a=1", "b~3,33333333333333E+1048575", "c=1", "D>0 1,11111111111111E+2097151",
                  "plus=-3E-1048576 ->0",
                  "minus=-3,33333333333333E+1048575 ->-3,33333333333333E+1048575",
                  "h=-1,66666666666667E+1048575", "k=-2,77777777777778E+2097150"}},
        // Exponents at their largest: complex roots whose imaginary part is √3/2·10^-1000000000.
        LongCase{u"1e1000000000x^2+x+1e-1000000000",
                 3,
                 {"a=1E+1000000000", "b=1", "c=1E-1000000000", "D<0 -3", "re=-5E-1000000001 ->0",
                  "im=8,66025403784439E-1000000001 ->0", "h=-5E-1000000001", "k=7,5E-1000000001"}},
        // A root halfway between two places, moved off the half by a term 10^-1000000000 in
        // size, the way a's sign says.
        LongCase{u"1e-1000000000x^2+x+0.125",
                 2,
                 {"a=1E-1000000000", "b=1", "c=0,125", "D>0 1", "plus=-0,125 ->-0,13",
                  "minus=-1E+1000000000 ->-1E+1000000000", "h=-5E+999999999", "k=-2,5E+999999999"}},
        LongCase{u"-1e-1000000000x^2+x+0.125",
                 2,
                 {"a=-1E-1000000000", "b=1", "c=0,125", "D>0 1", "plus=-0,125 ->-0,12",
                  "minus=1E+1000000000 ->1E+1000000000", "h=5E+999999999", "k=2,5E+999999999"}},
        // b² = 1000000531156225 is halfway between two 15-digit numbers; 4ac decides.
        LongCase{u"1e-1000000000x^2+31622785x+1",
                 0,
                 {"a=1E-1000000000", "b=31622785", "c=1", "D>0 1,00000053115622E+15",
                  "plus=-3,16227682033698E-08 ->0",
                  "minus=-3,1622785E+1000000007 ->-3,1622785E+1000000007",
                  "h=-1,58113925E+1000000007", "k=-2,50000132789056E+1000000014"}},
        LongCase{u"-1e-1000000000x^2+31622785x+1",
                 0,
                 {"a=-1E-1000000000", "b=31622785", "c=1", "D>0 1,00000053115623E+15",
                  "plus=-3,16227682033698E-08 ->0",
                  "minus=3,1622785E+1000000007 ->3,1622785E+1000000007", "h=1,58113925E+1000000007",
                  "k=2,50000132789056E+1000000014"}},
        // b = 2 + 10^-400: the discriminant 4.000…01E-400 cancels 400 digits.
        LongCase{
            u"x^2-2." + std::u16string(399, u'0') + u"1x+1",
            3,
            {"a=1", "b~-2", "c=1", "D>0 4E-400", "plus=1 ->1", "minus=1 ->1", "h=1", "k=-1E-400"}},
        LongCase{
            u"1e-500x^2+2x+1e500",
            1,
            {"a=1E-500", "b=2", "c=1E+500", "D=0 0", "x=-1E+500 ->-1E+500", "h=-1E+500", "k=0"}},
        LongCase{u"0x^2+3e-1000000000x+1",
                 3,
                 {"a=0", "b=3E-1000000000", "c=1",
                  "x=-3,33333333333333E+999999999 ->-3,33333333333333E+999999999"}},
        LongCase{u"0x^2+0x+1e-401", 3, {"a=0", "b=0", "c=1E-401", "no root"}}));

// For every equation short enough for the exact working, the bounded working shows its exact
// values rounded alike; and multiplying a, b and c by 10^±1000000000 moves only exponents.
class BoundedAgainstExactTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(BoundedAgainstExactTest, RoundsAsTheExactWorking) {
    const unsigned places = GetParam();
    // Halves at each of the places and at 15 digits (31622785², and h = 9.999999999999995 next
    // to 10), signs of every kind, and 0.
    const std::vector<std::string> numbers = {
        "-19.99999999999999", "-2.5",   "-0.125",           "0", "0.0625", "1",
        "31622785",           "1e-300", "1.000000000000025"};
    for (const std::string& a : numbers) {
        for (const std::string& b : numbers) {
            for (const std::string& c : numbers) {
                const std::u16string equation = U16(a + "x^2+" + b + "x+" + c);
                std::vector<std::string> faults = fuzz::BoundedFaults(equation, places);
                for (const std::int64_t power : {1'000'000'000, -1'000'000'000}) {
                    const auto scaled = fuzz::ScaledFaults(equation, places, power);
                    faults.insert(faults.end(), scaled.begin(), scaled.end());
                }
                EXPECT_EQ(faults, std::vector<std::string>{}) << Narrow(equation);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AtEachAccuracy, BoundedAgainstExactTest, ::testing::Values(0, 1, 2, 3));

} // namespace
} // namespace veltrix
