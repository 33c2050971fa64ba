#include "engine/working/exact/square_factors.hpp"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace veltrix {
namespace {

struct SquareCase {
    const char* n;
    const char* root;
    const char* rest;
};

void PrintTo(const SquareCase& c, std::ostream* os) {
    *os << c.n;
}

class SquareFactorsTest : public ::testing::TestWithParam<SquareCase> {};

TEST_P(SquareFactorsTest, TakesTheSquaresOut) {
    const SquareSplit split = SplitSquareFactors(mpz_class(GetParam().n));
    EXPECT_EQ(split.root.get_str(), GetParam().root);
    EXPECT_EQ(split.rest.get_str(), GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(
    Radicands, SquareFactorsTest,
    ::testing::Values(SquareCase{"124", "2", "31"}, SquareCase{"1", "1", "1"},
                      SquareCase{"1400", "10", "14"},              // 2³·5²·7
                      SquareCase{"1000006000009", "1000003", "1"}, // a prime above 10^6, squared
                      SquareCase{"49000147", "7", "1000003"}, // 7², a prime 6k + 1, beside one
                      SquareCase{"999999999999999989", "1", "999999999999999989"}, // a prime
                      SquareCase{"1000000000000000000", "1000000000", "1"},        // 10^18
                      // Beyond 10^18: the small primes divided out, and a square left over.
                      SquareCase{"3802974618429718878825498750626107754545152",
                                 "1125903284542344527872", "3"},
                      SquareCase{"1000072001494007128009801", "1000036000099", "1"},
                      // A square of a large prime beside two other large primes stays inside.
                      SquareCase{"1000076001650007956010989", "1", "1000076001650007956010989"}),
    [](const auto& row) { return std::to_string(row.index); });

} // namespace
} // namespace veltrix
