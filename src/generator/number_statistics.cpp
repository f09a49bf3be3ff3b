#include "generator/number_statistics.h"

#include "analysis/draw_statistics.h"

#include <algorithm>

namespace {
using DrawStatistics::ChartKind;

enum class Range { MinimumToMaximum, ZeroToMaximum };

NumberStatistic statistic(ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window, Range range)
{
    const DrawStatistics::Counts counts = DrawStatistics::count(kind, draws, window);
    NumberStatistic result;
    result.first = counts.firstX;
    result.last = counts.firstX + int(counts.values.size()) - 1;
    std::copy(counts.values.begin(), counts.values.end(), result.values.begin() + result.first);
    const auto [low, high] = std::minmax_element(counts.values.begin(), counts.values.end());
    result.low = range == Range::ZeroToMaximum ? 0 : *low;
    result.high = *high;
    return result;
}
} // namespace

NumberStatistic NumberStatistics::frequency(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::NumberDistribution, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::overdue(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::Overdue, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::megaballFrequency(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::MegaballFrequency, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::megaballOverdue(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::MegaballOverdue, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::pairs(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::Pairs, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::triples(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::Triples, draws, window, Range::MinimumToMaximum);
}

NumberStatistic NumberStatistics::quads(std::span<const Draw> draws, const StatisticsWindow &window)
{
    return statistic(ChartKind::Quads, draws, window, Range::ZeroToMaximum);
}
