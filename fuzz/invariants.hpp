// The checks the fuzz targets share. A broken invariant prints what broke, with the texts of the
// current input, and traps, which libFuzzer records as a crash with its input.
#pragma once

#include "engine/core/engine.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            ::veltrix::fuzz::Fail(#condition, __FILE__, __LINE__);                                 \
        }                                                                                          \
    } while (false)

namespace veltrix::fuzz {

// The named texts of the input being run, printed when a check fails. One per input: the
// constructor replaces what the previous input left.
class Context {
  public:
    Context(std::initializer_list<std::pair<const char*, std::u16string_view>> texts);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    // Adds a text found while running, such as the engine's result.
    static void Add(const char* name, std::u16string_view text);
};

[[noreturn]] void Fail(const char* condition, const char* file, int line);

// The same double, the sign of zero included.
bool SameDouble(double a, double b);

// Every alternative of an outcome is one of the kinds the engine defines; a variant left empty by
// an exception is not.
template <typename... Kinds> void CheckKind(const std::variant<Kinds...>& outcome) {
    FUZZ_CHECK(!outcome.valueless_by_exception());
    FUZZ_CHECK(outcome.index() < sizeof...(Kinds));
}

// A shown number: no blank, no "-0", no trailing "." and no trailing zero after ".", a digit before
// any ".", at most 15 significant digits.
void CheckNumberFormat(std::u16string_view text);

// `text` is what NumberToText wrote for `value`: shaped as above, what C's "%.15G" writes, and
// read back by TextToNumber to within 15 significant digits.
void CheckNumberText(double value, std::u16string_view text);

// A rounded result shown at the accuracy whose power of ten is `powerOfTen`: it reads back as a
// value v for which v × powerOfTen is (within the text's 15 digits) a whole number that fits a
// signed 16-bit integer.
void CheckRoundedText(std::u16string_view text, double powerOfTen);

// What CoefficientValue gives for a coefficient: the number itself, or the text's value.
void CheckCoefficientValue(const Coefficient& coefficient);

// 10 to the accuracy as the engine computes it, for an accuracy text that converts.
double PowerOfTenUsed(std::u16string_view accuracy);

} // namespace veltrix::fuzz
