#include "wheels/wheel_design.h"

#include <algorithm>

QString Wheels::Guarantee::text() const
{
    return QStringLiteral("%1 if %2").arg(hits).arg(drawn);
}

std::int64_t Wheels::binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i; // exact: a product of i consecutive numbers divides by i!
    return result;
}

Wheels::SubsetRanks::SubsetRanks(int v, int k)
    : m_v(v)
    , m_k(k)
    , m_count(binomial(v, k))
    , m_table(size_t(std::max(v, 1)) * TableWidth)
{
    for (int n = 0; n < v; ++n)
        for (int i = 0; i < int(TableWidth); ++i)
            m_table[size_t(n) * TableWidth + size_t(i)] = binomial(n, i);
}

Wheels::Mask Wheels::SubsetRanks::unrank(std::int64_t rank) const
{
    // The largest element first: the k-th element is the largest n with C(n, k) <= rank.
    Mask m = 0;
    int n = m_v - 1;
    for (int i = m_k; i >= 1; --i) {
        while (binomial(n, i) > rank)
            --n;
        m |= Mask(1) << n;
        rank -= binomial(n, i);
        --n;
    }
    return m;
}

std::optional<Wheels::Mask> Wheels::firstUncovered(int v, const std::vector<Mask> &rows, Guarantee g)
{
    const SubsetRanks ranks(v, g.drawn);
    std::vector<bool> covered(size_t(ranks.count()), false);
    for (const Mask row : rows)
        forEachCovered(v, row, g, [&](Mask s) { covered[size_t(ranks.rank(s))] = true; });
    const auto gap = std::find(covered.begin(), covered.end(), false);
    if (gap == covered.end())
        return std::nullopt;
    return ranks.unrank(gap - covered.begin());
}

std::int64_t Wheels::verificationWork(int v, Guarantee g, std::int64_t rows)
{
    return binomial(v, g.drawn) * rows;
}

std::int64_t Wheels::setsPerRow(int v, Guarantee g)
{
    std::int64_t sets = 0;
    for (int inRow = g.hits; inRow <= std::min(g.drawn, RowSize); ++inRow)
        sets += binomial(RowSize, inRow) * binomial(v - RowSize, g.drawn - inRow);
    return sets;
}

std::int64_t Wheels::greedyWork(int v, int keys, Guarantee g)
{
    return binomial(v - keys, RowSize - keys) * setsPerRow(v, g);
}

std::int64_t Wheels::schoenheimBound(int v, int k, int t)
{
    std::int64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        // ceil((v - i) / (k - i) * bound)
        const std::int64_t numerator = std::int64_t(v - i) * bound;
        bound = (numerator + (k - i) - 1) / (k - i);
    }
    return bound;
}

namespace {
// Edges of the complete (parts)-partite graph on n vertices with parts as equal as can be.
std::int64_t turanEdges(int n, int parts)
{
    std::int64_t inside = 0;
    for (int part = 0; part < parts; ++part) {
        const int size = n / parts + (part < n % parts ? 1 : 0);
        inside += Wheels::binomial(size, 2);
    }
    return Wheels::binomial(n, 2) - inside;
}
} // namespace

std::int64_t Wheels::lowerBound(int v, Guarantee g)
{
    if (g.hits == g.drawn)
        return schoenheimBound(v, RowSize, g.hits);
    const std::int64_t perRow = setsPerRow(v, g);
    const std::int64_t sets = binomial(v, g.drawn);
    std::int64_t bound = (sets + perRow - 1) / perRow;
    if (g.hits == 2) {
        // The pairs that share a row form a graph without an independent set of `drawn`
        // numbers, so its complement has at most Turán's number of edges.
        const std::int64_t pairs = binomial(v, 2) - turanEdges(v, g.drawn - 1);
        const std::int64_t perRowPairs = binomial(RowSize, 2);
        bound = std::max(bound, (pairs + perRowPairs - 1) / perRowPairs);
    }
    return std::max<std::int64_t>(bound, 1);
}
