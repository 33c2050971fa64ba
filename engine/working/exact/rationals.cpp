#include "engine/working/exact/rationals.hpp"

#include <algorithm>
#include <cstdint>

namespace veltrix {

mpz_class PowerOfTen(std::uint64_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

namespace {

// How many times `prime` divides n, which is divided by it as often.
std::uint64_t RemoveFactor(mpz_class& n, unsigned long prime) {
    const mpz_class factor(prime);
    return mpz_remove(n.get_mpz_t(), n.get_mpz_t(), factor.get_mpz_t());
}

std::u16string Widen(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// The i-th of the whole digits followed by the fraction digits.
char16_t DigitAt(const DecimalParts& parts, std::size_t i) {
    return i < parts.whole.size() ? parts.whole[i] : parts.fraction[i - parts.whole.size()];
}

} // namespace

SignificantDigits SignificantDigitsOf(const DecimalParts& parts) {
    const std::size_t count = parts.whole.size() + parts.fraction.size();
    std::size_t first = 0;
    while (first < count && DigitAt(parts, first) == u'0') {
        ++first;
    }
    if (first == count) {
        return {};
    }
    std::size_t last = count;
    while (DigitAt(parts, last - 1) == u'0') {
        --last;
    }
    return {first, last,
            parts.exponent - static_cast<std::int64_t>(parts.fraction.size()) +
                static_cast<std::int64_t>(count - last)};
}

bool FitsDigits(const SignificantDigits& digits, std::size_t maxDigits) {
    // Written out as a decimal, the value has its significant digits and the zeros its power
    // adds before the point, or as many places after it as the power takes away.
    const std::size_t significant = digits.last - digits.first;
    const auto zeros = static_cast<std::uint64_t>(digits.power < 0 ? -digits.power : digits.power);
    return significant <= maxDigits &&
           (digits.power < 0 ? zeros <= maxDigits : zeros <= maxDigits - significant);
}

mpz_class Significand(const DecimalParts& parts, const SignificantDigits& digits) {
    // Most numbers are short: up to 19 digits they fit a machine word, and need no text.
    constexpr std::size_t kWordDigits = 19;
    if (digits.last - digits.first <= kWordDigits) {
        unsigned long word = 0;
        for (std::size_t i = digits.first; i < digits.last; ++i) {
            word = word * 10 + static_cast<unsigned long>(DigitAt(parts, i) - u'0');
        }
        return word;
    }
    std::string ascii;
    ascii.reserve(digits.last - digits.first);
    for (std::size_t i = digits.first; i < digits.last; ++i) {
        ascii.push_back(static_cast<char>(DigitAt(parts, i)));
    }
    return mpz_class(ascii, 10);
}

ExactOutcome ExactValueOf(const DecimalParts& parts, std::size_t maxDigits) {
    const SignificantDigits significant = SignificantDigitsOf(parts);
    if (!FitsDigits(significant, maxDigits)) {
        return TooLong{};
    }
    const mpz_class mantissa = Significand(parts, significant);
    const auto zeros =
        static_cast<std::uint64_t>(significant.power < 0 ? -significant.power : significant.power);
    mpq_class value = significant.power >= 0 ? mpq_class(mantissa * PowerOfTen(zeros))
                                             : mpq_class(mantissa, PowerOfTen(zeros));
    value.canonicalize();
    return parts.negative ? mpq_class(-value) : value;
}

mpq_class Ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class ratio(n, d);
    ratio.canonicalize();
    return ratio;
}

bool EndsAsDecimal(const mpq_class& value) {
    mpz_class rest = value.get_den();
    RemoveFactor(rest, 2);
    RemoveFactor(rest, 5);
    return rest == 1;
}

std::u16string RationalText(const mpq_class& value, char16_t separator) {
    if (!EndsAsDecimal(value)) {
        return Widen(value.get_num().get_str() + '/' + value.get_den().get_str());
    }
    // n/(2^i·5^j) is n·2^(k-i)·5^(k-j) / 10^k with k the larger of i and j.
    mpz_class rest = value.get_den();
    const std::uint64_t twos = RemoveFactor(rest, 2);
    const std::uint64_t fives = RemoveFactor(rest, 5);
    const std::uint64_t places = std::max(twos, fives);
    const mpz_class scaled = value.get_num() * PowerOfTen(places) / value.get_den();
    return ScaledText(scaled, static_cast<unsigned>(places), separator);
}

std::u16string ScaledText(const mpz_class& n, unsigned places, char16_t separator) {
    std::string digits = mpz_class(abs(n)).get_str();
    if (places > 0) {
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - places, 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    std::u16string text = Widen(digits);
    std::replace(text.begin(), text.end(), u'.', separator);
    if (n < 0 && text != u"0") {
        text.insert(text.begin(), u'-');
    }
    return text;
}

mpz_class RoundScaled(const mpq_class& value, unsigned places) {
    const mpq_class scaled = value * mpq_class(PowerOfTen(places));
    mpz_class whole, remainder;
    mpz_fdiv_qr(whole.get_mpz_t(), remainder.get_mpz_t(), scaled.get_num_mpz_t(),
                scaled.get_den_mpz_t());
    const int half = cmp(2 * remainder, scaled.get_den());
    if (half > 0 || (half == 0 && mpz_odd_p(whole.get_mpz_t()))) {
        ++whole;
    }
    return whole;
}

bool EndsWithin(const mpq_class& value, unsigned places) {
    // value·10^places is whole where the denominator, in lowest terms, divides 10^places.
    const mpz_class power = PowerOfTen(places);
    return mpz_divisible_p(power.get_mpz_t(), value.get_den_mpz_t()) != 0;
}

mpz_class RoundScaledSurd(const mpz_class& p, const mpz_class& t, const mpz_class& d,
                          const mpz_class& r, unsigned places) {
    // floor(value·10^k + 1/2) = floor((A + S) / 2r) with A = 2p·10^k + r and S = 2t·10^k·√d.
    // S is irrational, so this is floor((A + floor(S)) / 2r), and floor(S) follows from the
    // integer square root of S².
    const mpz_class power = PowerOfTen(places);
    const mpz_class a = 2 * p * power + r;
    const mpz_class twice = 2 * t * power;
    mpz_class root;
    const mpz_class square = twice * twice * d;
    mpz_sqrt(root.get_mpz_t(), square.get_mpz_t());
    const mpz_class floorS = t >= 0 ? mpz_class(root) : mpz_class(-root - 1);
    mpz_class result;
    const mpz_class numerator = a + floorS;
    const mpz_class denominator = 2 * r;
    mpz_fdiv_q(result.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    return result;
}

} // namespace veltrix
