// The per-number statistics the candidate pool and the Megaball choice are built from:
// frequency F, overdue O, pairs P, runs of three T and four Q, Megaball frequency MF and
// Megaball overdue MO, each with its range L..H. They are the chart counts of
// analysis/draw_statistics.h over the same windows, so chart and generation agree.
#pragma once

#include "analysis/draw_statistics.h"
#include "analysis/statistics_window.h"
#include "draws/draw.h"

#include <array>
#include <optional>
#include <span>

struct NumberStatistic {
    int first = 1; // entries first..last, index = number
    int last = 0;
    std::array<int, Games::MainCapacity + 1> values{};
    int low = 0; // L
    int high = 0; // H

    int value(int number) const { return values.at(size_t(number)); }
};

namespace NumberStatistics {
// The statistic behind a chart, over the numbers of the window's format (N main numbers,
// M Megaballs): F (NumberDistribution) and O (Overdue) over 1..N, MF (MegaballFrequency)
// and MO (MegaballOverdue) over 1..M, all in the closed window; P (Pairs, 1..N-1), T
// (Triples, 1..N-2) and Q (Quads, 1..N with the last three always 0) in the half-open
// window. L and H are the lowest and highest entry, except for Q, whose range
// is the chart's automatic one: L = 0 and H = the largest entry. Not for the tip and sum
// charts.
NumberStatistic compute(DrawStatistics::ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window);
// The statistic of the chart counts `counts` of that kind.
NumberStatistic of(DrawStatistics::ChartKind kind, const DrawStatistics::Counts &counts);
} // namespace NumberStatistics

// The statistics of one window whose start stays and whose end moves on pass by pass, as
// a back-test asks for them: a later end counts only the draws after the previous one
// and joins them to the previous counts. That gives the numbers of a recount when the
// history is in date order; otherwise, and for an end before the previous one, it
// recounts.
class MovingStatistics {
public:
    MovingStatistics(std::span<const Draw> draws, QDate start, const Games::GameFormat &format = Games::classic());

    NumberStatistic at(DrawStatistics::ChartKind kind, QDate end);

private:
    struct Moving {
        QDate end;
        size_t next = 0; // the first draw dated after `end`
        DrawStatistics::Counts counts;
    };
    std::span<const Draw> m_draws;
    QDate m_start;
    const Games::GameFormat *m_format;
    bool m_inDateOrder = false;
    std::array<std::optional<Moving>, 9> m_kinds; // by ChartKind
};
