#include "wheels/wheel_report.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

using namespace Wheels;

namespace {
// Played rows with the same five numbers, and the Megaballs they carry as a bit set.
struct Group {
    Mask mask = 0;
    int count = 0;
    std::uint64_t megaballs = 0;
};

std::vector<Group> groupsOf(const std::vector<int> &numbers, const std::vector<WheelRow> &rows, bool &withMegaball)
{
    std::map<Mask, Group> groups;
    withMegaball = !rows.empty();
    for (const WheelRow &row : rows) {
        Mask mask = 0;
        for (const int n : row.numbers) {
            const auto at = std::lower_bound(numbers.begin(), numbers.end(), n);
            if (at != numbers.end() && *at == n)
                mask |= Mask(1) << (at - numbers.begin());
        }
        Group &group = groups[mask];
        group.mask = mask;
        ++group.count;
        if (row.megaball > 0 && row.megaball < 64)
            group.megaballs |= std::uint64_t(1) << row.megaball;
        else
            withMegaball = false;
    }
    std::vector<Group> result;
    for (const auto &entry : groups)
        result.push_back(entry.second);
    return result;
}
} // namespace

WheelReport Wheels::reportOf(
    const std::vector<int> &chosen, const std::vector<WheelRow> &rows, const WheelFormat &format)
{
    std::vector<int> numbers = chosen;
    std::sort(numbers.begin(), numbers.end());
    const int v = int(numbers.size());
    WheelReport report;
    report.rows = int(rows.size());
    report.cost = double(rows.size()) * format.ticketPrice;
    const std::vector<Group> groups = groupsOf(numbers, rows, report.withMegaball);
    const int megaballs = format.largestMegaball;

    // Counted per class: draws (main numbers times Megaballs) in which some row falls into
    // it. A draw with m of its numbers among the chosen ones has C(largest - v, 5 - m)
    // ways to pick the others, none of which is on any row.
    std::array<std::int64_t, RowSize + 1> with{};
    std::array<std::int64_t, RowSize + 1> without{};
    for (auto &line : report.table)
        for (HitRange &range : line)
            range = {INT_MAX, 0};
    const Mask all = (Mask(1) << v) - 1;
    for (int m = 0; m <= std::min(RowSize, v); ++m) {
        const std::int64_t ways = binomial(format.largestMain - v, RowSize - m);
        forEachSubset(all, m, 0, [&](Mask drawn) {
            std::array<int, RowSize + 1> count{};
            std::array<std::uint64_t, RowSize + 1> balls{};
            for (const Group &group : groups) {
                const int hits = popcount(drawn & group.mask);
                count[size_t(hits)] += group.count;
                balls[size_t(hits)] |= group.megaballs;
            }
            for (int hits = FirstTableHits; hits <= RowSize; ++hits) {
                HitRange &range = report.table[size_t(m)][size_t(hits - FirstTableHits)];
                range.least = std::min(range.least, count[size_t(hits)]);
                range.most = std::max(range.most, count[size_t(hits)]);
            }
            for (size_t hits = 0; hits <= size_t(RowSize); ++hits) {
                if (count[hits] == 0)
                    continue;
                if (!report.withMegaball) {
                    without[hits] += ways;
                    continue;
                }
                // Drawn Megaballs some row of these hits carries, and those some row does not.
                const int carried = __builtin_popcountll(balls[hits]);
                with[hits] += ways * carried;
                without[hits] += ways * (carried >= 2 ? megaballs : megaballs - 1);
            }
        });
    }
    for (size_t m = size_t(v) + 1; m < report.table.size(); ++m)
        for (HitRange &range : report.table[m])
            range = {};

    const std::int64_t draws = binomial(format.largestMain, RowSize) * (report.withMegaball ? megaballs : 1);
    for (int hits = RowSize; hits >= 0; --hits) {
        const double main = double(binomial(RowSize, hits) * binomial(format.largestMain - RowSize, RowSize - hits))
            / double(binomial(format.largestMain, RowSize));
        const auto chance = [&](double single, std::int64_t numerator, bool megaball) {
            ClassChance c;
            c.hits = hits;
            c.megaball = megaball;
            c.numerator = numerator;
            c.denominator = draws;
            c.random = -std::expm1(double(report.rows) * std::log1p(-single));
            report.chances.push_back(c);
        };
        if (report.withMegaball) {
            chance(main / megaballs, with[size_t(hits)], true);
            chance(main * (megaballs - 1) / megaballs, without[size_t(hits)], false);
        } else {
            chance(main, without[size_t(hits)], false);
        }
    }
    return report;
}
