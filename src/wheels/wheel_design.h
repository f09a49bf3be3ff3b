// The combinatorics under every wheel: rows as bit sets over the positions of the chosen
// numbers, the ranking of all p-sets of them, the exhaustive check of a guarantee "t if
// p" and the lower bounds on the number of rows. Knows nothing of the game format.
#pragma once

#include "draws/draw.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace Wheels {
// The numbers of one row.
constexpr int RowSize = Game::MainCount;
constexpr int MinNumbers = RowSize + 1;
// A row is a bit set over the chosen numbers, which therefore fit one 32-bit word.
constexpr int MaxNumbers = 30;

// Bit i stands for the i-th smallest chosen number.
using Mask = std::uint32_t;

// "hits if drawn": every `drawn` of the chosen numbers that are drawn meet some row in at
// least `hits` numbers.
struct Guarantee {
    int hits = 0;
    int drawn = 0;

    bool isValid() const { return hits >= 1 && hits <= drawn && drawn <= RowSize; }
    QString text() const; // "3 if 4"
    friend bool operator==(const Guarantee &, const Guarantee &) = default;
};

// n over k, exactly; 0 outside 0 <= k <= n.
std::int64_t binomial(int n, int k);

inline int popcount(Mask m)
{
    return __builtin_popcount(m);
}

// The k-sets of 0..v-1 in colex order: rank(m) is the number of k-sets that come before
// m, so the ranks fill 0..C(v,k)-1 without gaps and index plain arrays.
class SubsetRanks {
public:
    SubsetRanks(int v, int k);
    std::int64_t count() const { return m_count; }
    std::int64_t rank(Mask m) const
    {
        std::int64_t r = 0;
        for (int i = 0; m != 0; ++i, m &= m - 1)
            r += m_table[size_t(__builtin_ctz(m)) * TableWidth + size_t(i + 1)];
        return r;
    }
    Mask unrank(std::int64_t rank) const;

private:
    static constexpr size_t TableWidth = RowSize + 2;
    int m_v;
    int m_k;
    std::int64_t m_count;
    std::vector<std::int64_t> m_table; // C(n, i) for n < v, i <= k + 1
};

// Calls f(mask) for every k-subset of `from`, each or-ed with `base`, in colex order.
template <typename F> void forEachSubset(Mask from, int k, Mask base, F &&f)
{
    if (k == 0) {
        f(base);
        return;
    }
    int elements[MaxNumbers];
    int n = 0;
    for (Mask m = from; m != 0; m &= m - 1)
        elements[n++] = __builtin_ctz(m);
    if (k < 0 || k > n)
        return;
    int at[RowSize + 1];
    for (int i = 0; i < k; ++i)
        at[i] = i;
    for (;;) {
        Mask m = base;
        for (int i = 0; i < k; ++i)
            m |= Mask(1) << elements[at[i]];
        f(m);
        int i = 0;
        while (i < k - 1 && at[i] + 1 == at[i + 1]) {
            at[i] = i;
            ++i;
        }
        if (++at[i] > n - k + i)
            return;
    }
}

// Every `drawn`-set of the v numbers that meets `row` in at least `hits` numbers.
template <typename F> void forEachCovered(int v, Mask row, Guarantee g, F &&f)
{
    const Mask all = v >= 32 ? ~Mask(0) : (Mask(1) << v) - 1;
    const int size = popcount(row);
    for (int inRow = g.hits; inRow <= std::min(g.drawn, size); ++inRow)
        forEachSubset(row, inRow, 0, [&](Mask part) { forEachSubset(all & ~row, g.drawn - inRow, part, f); });
}

// The first `drawn`-set (in colex order) that no row meets in `hits` numbers, none when
// the rows keep the guarantee. Rows may hold fewer than five of the numbers.
std::optional<Mask> firstUncovered(int v, const std::vector<Mask> &rows, Guarantee g);

// What the exhaustive check costs in the plain count: C(v, drawn) times the rows.
std::int64_t verificationWork(int v, Guarantee g, std::int64_t rows);
// The p-sets one row meets in at least t numbers.
std::int64_t setsPerRow(int v, Guarantee g);
// What the greedy start costs: every candidate row (five numbers holding `keys` of them)
// times the p-sets it meets.
std::int64_t greedyWork(int v, int keys, Guarantee g);

// The Schönheim bound on C(v, k, t): ceil(v/k ceil((v-1)/(k-1) ... ceil((v-t+1)/(k-t+1)))).
std::int64_t schoenheimBound(int v, int k, int t);
// A lower bound on the rows of five from v numbers for the guarantee: Schönheim's for
// "t if t", for "t if p" with p > t the larger of the counting bound (every row covers at
// most so many p-sets) and, for t = 2, the bound from Turán's theorem.
std::int64_t lowerBound(int v, Guarantee g);
} // namespace Wheels
