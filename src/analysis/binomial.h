// The binomial distribution for the yardstick of the back-test: how many of n rows fall
// into a class of probability p by chance, the central 95% range of that count, and the
// two-sided exact test of an observed count.
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
