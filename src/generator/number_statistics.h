// The per-number statistics the candidate pool and the Megaball choice are built from:
// frequency F, overdue O, pairs P, runs of three T and four Q, Megaball frequency MF and
// Megaball overdue MO, each with its range L..H. They are the chart counts of
// analysis/draw_statistics.h over the same windows, so chart and generation agree.
#pragma once

#include "analysis/draw_statistics.h"
#include "analysis/statistics_window.h"
#include "draws/draw.h"

#include <array>
#include <span>

struct NumberStatistic {
    int first = 1; // entries first..last, index = number
    int last = 0;
    std::array<int, Game::MaxMain + 1> values{};
    int low = 0; // L
    int high = 0; // H

    int value(int number) const { return values.at(size_t(number)); }
};

namespace NumberStatistics {
// The statistic behind a chart: F (NumberDistribution) and O (Overdue) over 1..75, MF
// (MegaballFrequency) and MO (MegaballOverdue) over 1..15, all in the closed window;
// P (Pairs, 1..74), T (Triples, 1..73) and Q (Quads, 1..75 with 73..75 always 0) in the
// half-open window. L and H are the lowest and highest entry, except for Q, whose range
// is the chart's automatic one: L = 0 and H = the largest entry. Not for the tip and sum
// charts.
NumberStatistic compute(DrawStatistics::ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window);
} // namespace NumberStatistics
