// The per-number statistics the candidate pool and the Megaball choice are built from:
// frequency F, overdue O, pairs P, runs of three T and four Q, Megaball frequency MF and
// Megaball overdue MO, each with its range L..H. They are the chart counts of
// analysis/draw_statistics.h over the same windows, so chart and generation agree.
#pragma once

#include "analysis/statistics_window.h"
#include "draws/draw.h"

#include <array>
#include <span>

struct NumberStatistic {
    int first = 1; // entries first..last, index = number
    int last = 0;
    std::array<int, Game::MaxMain + 1> values{};
    int low = 0;  // L
    int high = 0; // H

    int value(int number) const { return values.at(size_t(number)); }
};

namespace NumberStatistics {
// Closed window S <= date <= E.
NumberStatistic frequency(std::span<const Draw> draws, const StatisticsWindow &window);
NumberStatistic overdue(std::span<const Draw> draws, const StatisticsWindow &window);
NumberStatistic megaballFrequency(std::span<const Draw> draws, const StatisticsWindow &window);
NumberStatistic megaballOverdue(std::span<const Draw> draws, const StatisticsWindow &window);
// Half-open window S < date <= E.
NumberStatistic pairs(std::span<const Draw> draws, const StatisticsWindow &window);   // 1..74
NumberStatistic triples(std::span<const Draw> draws, const StatisticsWindow &window); // 1..73
// 1..75 (73..75 always 0); its range is the chart's automatic one: L = 0, H = the
// largest entry.
NumberStatistic quads(std::span<const Draw> draws, const StatisticsWindow &window);
} // namespace NumberStatistics
