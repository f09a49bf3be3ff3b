#include "analysis/binomial.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// P(X = k) for every k = 0..n, built in logarithms so that neither end underflows early.
// (std::lgamma is avoided: it writes a global and the back-tests run on several threads.)
std::vector<double> distribution(std::int64_t n, double p)
{
    std::vector<double> result(size_t(n + 1), 0.0);
    if (p <= 0) {
        result.front() = 1;
        return result;
    }
    if (p >= 1) {
        result.back() = 1;
        return result;
    }
    const double logOdds = std::log(p) - std::log1p(-p);
    double logP = double(n) * std::log1p(-p);
    for (std::int64_t k = 0; k <= n; ++k) {
        result[size_t(k)] = std::exp(logP);
        logP += std::log(double(n - k)) - std::log(double(k + 1)) + logOdds;
    }
    return result;
}
} // namespace

double Binomial::probability(std::int64_t n, double p, std::int64_t k)
{
    if (k < 0 || k > n)
        return 0;
    return distribution(n, p)[size_t(k)];
}

std::int64_t Binomial::quantile(std::int64_t n, double p, double q)
{
    const std::vector<double> d = distribution(n, p);
    double cumulative = 0;
    for (std::int64_t k = 0; k < n; ++k) {
        cumulative += d[size_t(k)];
        // A small allowance for rounding: a sum that should reach q exactly may fall short.
        if (cumulative >= q * (1 - 64 * 2.2e-16))
            return k;
    }
    return n;
}

Binomial::Range Binomial::central95(std::int64_t n, double p)
{
    return {quantile(n, p, 0.025), quantile(n, p, 0.975)};
}

double Binomial::twoSidedPValue(std::int64_t n, double p, std::int64_t k)
{
    if (n <= 0 || k < 0 || k > n)
        return 1;
    const std::vector<double> d = distribution(n, p);
    const double observed = d[size_t(k)] * (1 + 1e-7);
    double total = 0;
    for (double value : d)
        if (value <= observed)
            total += value;
    return std::min(total, 1.0);
}

std::int64_t Hypergeometric::choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i; // exact: a product of i consecutive numbers divides by i!
    return result;
}

Hypergeometric::Ways Hypergeometric::commonNumbers(int population, int picked, int k)
{
    return {choose(picked, k) * choose(population - picked, picked - k), choose(population, picked)};
}
