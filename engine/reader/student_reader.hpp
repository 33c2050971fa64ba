// Reads an equation in the notation students write it in: "y = x² − 5x + 6", "x^2 = 3x - 2",
// "6 - 5x + x^2", "2,5x^2". This is the working's reader; Calculate, Plot and Find a value keep
// their own fixed split of "aX^2+bX+c" (parser.hpp).
//
// Grammar, with blanks (space, tab) allowed between any two tokens:
//   text  := [("y" | "Y" | "f(x)" | "f(X)") "="] side ["=" side]   (one "=" in all)
//   side  := [sign] term {sign term}      sign := "+" | "-" | "−" (U+2212)
//   term  := number [times] x [power] | x [power] | number          times := "*" | "·" (U+00B7)
//            and, as textbooks print them, terms with brackets and fractions: a factor
//            (number, x [power] or bracket) followed by more factors and by "/" number, as in
//            2(x+1)^2, x(x-3), (x+2)(x-3), -(x-2), x^2/2, (x+1)/2, 1/2x^2 (read as (1/2)x²).
//            Two numbers or two x's side by side stay refused, as "*" between them does.
//   bracket := ("(" side ")" | "[" side "]") ["^2" | "²"]
//   x     := "x" | "X"
//   power := "^" [sign] digits | "²" and the other superscript digits, "⁻" before them for a
//            negative power; its value is 0, 1 or 2
//   number := TextToNumber's grammar without sign or blanks: digits with "." or `separator`,
//             an optional exponent ("1e-401", ".5", "5.").
#pragma once

#include "engine/core/conversions.hpp"

#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrix {

// The equation a·x² + b·x + c = 0 as read: every term of each power, in the order the text
// writes them, each number as SplitDecimal takes it apart with its sign once every term stands
// on one side of "= 0". Their sums are the coefficients; an empty list is 0. An x written without
// a number has the number 1. The views point into the text read and live as long as it does.
//
// The terms are moved to the left of "=" (x^2 = 3x - 2 is x² − 3x + 2 = 0), unless the left side
// holds only numbers: then they are moved to the right, so that 6 = x^2 + x reads as x² + x − 6,
// the function the student meant. Terms are kept as written, not summed, because a number may be
// too long for an exact value (exact/rationals.hpp): exact/student_sums.hpp sums them where it is
// not.
// The equation as written, for the working's first lines: a tree of nodes, each child a node
// index in `children`. A Sum's children are Terms; a Term's are its factors in the order written
// (Number, X, Bracket), a Number with `divides` set dividing what stands before it; a Bracket's
// one child is the Sum inside it. Numbers are the text's characters from `start` to `end`.
struct WrittenNode {
    enum class Kind : unsigned char { Number, X, Bracket, Sum, Term };
    Kind kind = Kind::Sum;
    bool negative = false;   // Term: a minus before it, as written
    bool divides = false;    // Number: a denominator
    unsigned char power = 1; // X: 0, 1 or 2; Bracket: 1, or 2 where it is squared
    std::size_t start = 0, end = 0;
    std::size_t first = 0, count = 0; // the node's children: children[first, first + count)
};

struct WrittenEquation {
    enum class Name : unsigned char { None, Y, F }; // nothing, "y =" or "f(x) ="
    std::u16string_view text;
    std::vector<WrittenNode> nodes;
    std::vector<std::size_t> children;
    std::size_t left = 0;             // the Sum on the left of "="
    std::optional<std::size_t> right; // the one on its right, if any
    Name name = Name::None;
    bool plain = true; // no brackets and no fractions: the terms a, b and c hold it all
    // Whether every term is here: a plain text of more than kMaxWrittenNodes nodes keeps its
    // terms in a, b and c alone, so that a pasted megabyte is read quickly.
    bool whole = true;
    unsigned leftDegree = 0;
    // The first term with a factor right after a denominator (1/2x^2), which is read as the
    // fraction times that factor.
    std::optional<std::size_t> factorAfterFraction;
};

struct StudentEquation {
    std::vector<DecimalParts> a, b, c; // only where the text is plain (written.plain)
    WrittenEquation written;
};

// Why a text is not read. Each refusal names the first place where the text stops making sense.
enum class RefusalReason {
    EmptySide,            // nothing on one side of "=", or no text at all: "", "= x", "y ="
    MissingTerm,          // a sign with no term after it: "x^2 +", "++x"
    MissingOperator,      // a term right after another without a sign between: "2x 3", "x x"
    NumberAfterX,         // a number right after x, where x^2 was probably meant: "x2"
    PowerAboveTwo,        // "x^3", "x³"
    NegativePower,        // "x^-1", "x⁻¹"
    PowerNotWhole,        // "^" with no whole number after it: "x^", "x^2.5", "x^a"
    MisplacedTimes,       // "*" or "·" not between a number and x: "2*3", "x*2"
    SecondEquals,         // a second "=", which includes one after "y =": "x^2=1=2"
    OtherLetter,          // a letter other than x, as a variable or a name: "2y", "a", "f(x)+1"
    Bracket,              // a brace, or a bracket that closes none or another kind: "{x}",
                          // "x)", "(x]"
    UnclosedBracket,      // a bracket never closed, at its opening: "(x+1"
    EmptyBracket,         // "()"
    BracketPowerNotTwo,   // a bracket raised to a power other than 2: "(x-1)^3"
    DegreeAboveTwo,       // a product whose power of x is above 2: "x(x-1)(x-2)", "x^2(x+1)"
    XInDenominator,       // "1/x", "x/(x+1)"
    DenominatorNotNumber, // a denominator other than a number: "x/(2)", "x/"
    DivisionByZero,       // "x/0"
    NestingTooDeep,       // brackets within brackets beyond kMaxBracketDepth
    UnexpectedCharacter,  // a character that belongs to no number or operator, or a power that
                          // follows no x: "2 & 3", "2^2", "x.", an emoji
    ExponentTooLarge,     // an exponent beyond ±1000000000, which SplitDecimal would hold there
                          // and so change the number: "1e-2000000000"
};

struct Refusal {
    RefusalReason reason;
    std::size_t position; // 0-based, in UTF-16 units; the text's length where the text ended early
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The most nodes a plain text's written equation keeps; beyond it, its terms are in a, b and c.
inline constexpr std::size_t kMaxWrittenNodes = 400;

// The deepest brackets within brackets the reader takes; no textbook goes near it.
inline constexpr std::size_t kMaxBracketDepth = 20;

using StudentReadOutcome = std::variant<StudentEquation, Refusal>;

// Reads `text` by the grammar above. Time and memory are linear in its length. `separator` is the
// locale's decimal separator, read beside "."; it must not be a sign, a blank or a letter.
StudentReadOutcome ReadStudentEquation(std::u16string_view text, char16_t separator = kPoint);

} // namespace veltrix
