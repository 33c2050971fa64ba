// Engine-internal: an equation as written (student_reader.hpp), brackets and fractions and all,
// multiplied out exactly, term by term, for the working's first lines and for the quadratic it
// comes to.
#pragma once

#include "engine/reader/student_reader.hpp"
#include "engine/working/exact/quadratic.hpp"

#include <array>
#include <cstddef>
#include <gmpxx.h>
#include <optional>
#include <variant>
#include <vector>

namespace veltrix {

// c₀ + c₁x + c₂x², indexed by the power.
using Polynomial = std::array<mpq_class, 3>;

// coefficient·x^power, a term of a side multiplied out. `fraction` where a written denominator
// gave it, so that it is shown as a fraction (x/2) rather than a decimal (0.5x).
struct Monomial {
    mpq_class coefficient;
    unsigned power = 0;
    bool fraction = false;
};

// A term of a side as written: its sign, numbers and denominators in one coefficient, and its
// x's and brackets (nodes of the written equation), in the order written.
struct ExactTerm {
    std::size_t node = 0;
    mpq_class coefficient;
    bool divided = false;
    std::vector<std::size_t> factors;
    std::vector<Monomial> expanded; // the term multiplied out, like powers of one product kept;
                                    // empty where the terms were not to be multiplied out
};

struct ExactSide {
    std::vector<ExactTerm> terms;
    Polynomial sum;
};

struct ExpandedEquation {
    ExactSide left;
    std::optional<ExactSide> right;
    // ax² + bx + c, the right side taken from the left; or the left from the right where the
    // left has no x (6 = x² + x is x² + x − 6).
    // Where the text is an equation, both sides multiplied by the common denominator of the
    // terms written with one, as a student clears the fractions (x²/2 − 3 = 0 is x² − 6 = 0).
    ExactQuadratic standard;
    mpz_class denominator = 1;
    bool movedRight = false;
};

// The written equation multiplied out; TooLong where a number, or a product or a sum of them,
// would take more than a few times kMaxExactDigits digits, or a coefficient more than the exact
// working takes. Without `withTerms`, the terms are not multiplied out one by one, for a text too
// long to show its steps.
std::variant<ExpandedEquation, TooLong>
ExpandWritten(const WrittenEquation& written, char16_t separator = kPoint, bool withTerms = true);

// The polynomial of a node of the written equation (a Sum, a Term or a factor); nothing where
// it is too long. For the working's lines about brackets.
std::optional<Polynomial> PolynomialOfNode(const WrittenEquation& written, std::size_t node,
                                           char16_t separator = kPoint);

// The exact value of a Number node, without sign.
std::optional<mpq_class> NumberOfNode(const WrittenEquation& written, std::size_t node,
                                      char16_t separator = kPoint);

} // namespace veltrix
