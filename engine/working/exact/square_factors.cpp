#include "engine/working/exact/square_factors.hpp"

#include <climits>
#include <cstdint>
#include <vector>

namespace veltrix {
namespace {

constexpr std::uint32_t kPrimeLimit = 1'000'000;

// GMP's own conversions go through unsigned long, which is 32 bits wide on some systems.
mpz_class FromWord(std::uint64_t n) {
    mpz_class value;
    mpz_import(value.get_mpz_t(), 1, 1, sizeof n, 0, 0, &n);
    return value;
}

std::uint64_t ToWord(const mpz_class& n) {
    std::uint64_t word = 0;
    mpz_export(&word, nullptr, 1, sizeof word, 0, 0, n.get_mpz_t());
    return word;
}

// Counts a prime found `count` times in the number being split.
void Take(SquareSplit& split, const mpz_class& prime, unsigned long count) {
    mpz_class power;
    mpz_pow_ui(power.get_mpz_t(), prime.get_mpz_t(), count / 2);
    split.root *= power;
    if (count % 2 == 1) {
        split.rest *= prime;
    }
}

// What is left once no prime below some bound divides it: under the root, or out of it where it
// is a perfect square.
void TakeRest(SquareSplit& split, const mpz_class& left) {
    if (mpz_perfect_square_p(left.get_mpz_t()) != 0) {
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), left.get_mpz_t());
        split.root *= root;
    } else {
        split.rest *= left;
    }
}

// Up to 10^18, in machine words, by 2, 3 and the numbers 6k ± 1 (a composite among them divides
// nothing, its primes being gone already). Once d³ exceeds what is left, what is left has no
// prime factor below d, so it is 1, a prime, a product of two primes or the square of one, which
// TakeRest tells apart. Every number up to 10^18 gets there by 10^6.
void SplitWord(SquareSplit& split, std::uint64_t n) {
    const auto divideOut = [&](std::uint64_t d) {
        unsigned long count = 0;
        while (n % d == 0) {
            n /= d;
            ++count;
        }
        if (count > 0) {
            Take(split, FromWord(d), count);
        }
    };
    divideOut(2);
    divideOut(3);
    for (std::uint64_t d = 5; d * d * d <= n; d += 6) {
        divideOut(d);
        divideOut(d + 2);
    }
    TakeRest(split, FromWord(n));
}

// The primes below 10^6, in runs whose product fits in an unsigned long: one division of a large
// number by a run's product tells which of its primes divide it. Made at their first use.
struct PrimeRun {
    unsigned long product;
    std::size_t end; // one past the run's last prime in Primes
};

struct PrimeTable {
    std::vector<std::uint32_t> primes;
    std::vector<PrimeRun> runs;
};

const PrimeTable& Primes() {
    static const PrimeTable table = [] {
        PrimeTable made;
        made.primes.reserve(78'498);
        std::vector<bool> composite(kPrimeLimit, false);
        unsigned long product = 1;
        for (std::uint32_t p = 2; p < kPrimeLimit; ++p) {
            if (composite[p]) {
                continue;
            }
            for (std::uint64_t j = std::uint64_t{p} * p; j < kPrimeLimit; j += p) {
                composite[j] = true;
            }
            if (product > ULONG_MAX / p) {
                made.runs.push_back({product, made.primes.size()});
                product = 1;
            }
            product *= p;
            made.primes.push_back(p);
        }
        made.runs.push_back({product, made.primes.size()});
        return made;
    }();
    return table;
}

// Divides out of `left` every prime below 10^6, while it stays above 10^18.
void SplitLarge(SquareSplit& split, mpz_class& left, const mpz_class& wordLimit) {
    const PrimeTable& table = Primes();
    std::size_t begin = 0;
    for (const PrimeRun& run : table.runs) {
        if (left <= wordLimit) {
            return;
        }
        const unsigned long remainder = mpz_tdiv_ui(left.get_mpz_t(), run.product);
        for (std::size_t i = begin; i < run.end; ++i) {
            if (remainder % table.primes[i] == 0) {
                const mpz_class prime(static_cast<unsigned long>(table.primes[i]));
                Take(split, prime,
                     mpz_remove(left.get_mpz_t(), left.get_mpz_t(), prime.get_mpz_t()));
            }
        }
        begin = run.end;
    }
}

} // namespace

SquareSplit SplitSquareFactors(const mpz_class& n) {
    static const mpz_class kWordLimit("1000000000000000000");
    SquareSplit split{1, 1};
    mpz_class left = n;
    if (left > kWordLimit) {
        SplitLarge(split, left, kWordLimit);
    }
    if (left <= kWordLimit) {
        SplitWord(split, ToWord(left));
    } else {
        TakeRest(split, left);
    }
    return split;
}

} // namespace veltrix
