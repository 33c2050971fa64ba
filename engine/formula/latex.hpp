// How the program writes LaTeX: its numbers in math mode, for the working's formulas and the
// sketch's TikZ picture, and the words of the working's lines in text mode.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veltrix::math {

// The decimal comma in braces, so that math mode does not space it as a punctuation mark: 0{,}5.
inline constexpr std::u16string_view kLatexDecimalComma = u"{,}";

// A power of ten as a number's text writes it after its digits: "E+401", "E-07".
struct PowerOfTen {
    bool negative = false;
    std::u16string_view digits; // without leading zeros: "401", "7"
    std::size_t length = 0;     // of its text, from the E to the last digit
};

// The power of ten that begins at `at`: an E after a digit, then a sign and digits.
std::optional<PowerOfTen> PowerOfTenAt(std::u16string_view text, std::size_t at);

// The power as a factor: \times 10^{401}, \times 10^{-7}.
std::u16string LatexPowerOfTen(const PowerOfTen& power);

// The power alone: 10^{401}, 10^{-7}.
std::u16string LatexTenTo(const PowerOfTen& power);

// Whether the digits before a power of ten are a bare 1, with or without a minus: a textbook
// writes 1E-401 as the power alone, 10 to the -401.
bool IsUnitMantissa(std::u16string_view mantissa);

// A number as the working writes it (digits, a leading minus, the decimal point or comma, and
// NumberToText's power of ten), in math mode: "-0,5" as -0{,}5, "1.5E-07" as
// 1.5 \times 10^{-7}, "-1E+401" as -10^{401}. The minus sign U+2212 is written as "-".
std::u16string LatexNumber(std::u16string_view number);

// Words in text mode: LaTeX's special characters as what they are, so that a text to type such
// as X^2+0X-4 reads as typed; "%" followed by a digit (the place of a formula) stays, and so does
// every other character, the words of every language with it, for a document in UTF-8.
std::u16string LatexWords(std::u16string_view words);

} // namespace veltrix::math
