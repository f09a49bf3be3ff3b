// The binomial distribution for the yardsticks of the analyses: how many of n rows fall
// into a class of probability p by chance, the central 95% range of that count, and the
// two-sided exact test of an observed count. Also the chance that two random rows of a
// game format share k numbers.
#pragma once

#include <cstdint>

namespace Binomial {
// P(X = k) for X ~ Binomial(n, p).
double probability(std::int64_t n, double p, std::int64_t k);
// The smallest k with P(X <= k) >= q (the q-quantile, as R's qbinom).
std::int64_t quantile(std::int64_t n, double p, double q);

struct Range {
    std::int64_t low = 0;
    std::int64_t high = 0;
};
// The 2.5% and 97.5% quantiles.
Range central95(std::int64_t n, double p);

// Two-sided exact binomial test of k successes in n trials against p: the total
// probability of every outcome no more likely than k (as R's binom.test, with its
// relative tolerance of 1e-7). 1 for n = 0.
double twoSidedPValue(std::int64_t n, double p, std::int64_t k);
} // namespace Binomial

namespace Hypergeometric {
// Two rows of `picked` different numbers out of 1..`population`, one fixed and one at
// random: the ways the random one can share exactly k numbers with the fixed one,
// C(picked, k) * C(population - picked, picked - k), out of C(population, picked).
struct Ways {
    std::int64_t favourable = 0;
    std::int64_t total = 1;
    double probability() const { return double(favourable) / double(total); }
};
Ways commonNumbers(int population, int picked, int k);
// n over k, exactly; 0 outside 0 <= k <= n.
std::int64_t choose(int n, int k);
} // namespace Hypergeometric
