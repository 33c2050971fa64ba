#include "engine/working/exact/rounded.hpp"

#include "engine/working/exact/rationals.hpp"

namespace veltrix {

RoundedValue RoundRational(const mpq_class& value, unsigned places, char16_t separator) {
    return {ScaledText(RoundScaled(value, places), places, separator), EndsWithin(value, places)};
}

RoundedValue RoundSurd(const mpz_class& p, const mpz_class& t, const mpz_class& d,
                       const mpz_class& r, unsigned places, char16_t separator) {
    return {ScaledText(RoundScaledSurd(p, t, d, r, places), places, separator), false};
}

RoundedComplexPair RoundComplexPair(const ExactRoots& roots, unsigned places, char16_t separator) {
    // The real part p/r; the imaginary part q·√-d/r, rational where d is -1.
    const mpq_class real = Ratio(roots.p, roots.r), imaginary = Ratio(roots.q, roots.r);
    const RoundedValue realPart = RoundRational(real, places, separator);
    const RoundedValue imaginaryPart =
        roots.d == -1 ? RoundRational(imaginary, places, separator)
                      : RoundSurd(0, roots.q, -roots.d, roots.r, places, separator);
    return {realPart.text, imaginaryPart.text, realPart.exact && imaginaryPart.exact,
            imaginaryPart.text == u"0"};
}

} // namespace veltrix
