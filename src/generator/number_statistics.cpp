#include "generator/number_statistics.h"

#include <algorithm>

NumberStatistic NumberStatistics::compute(
    DrawStatistics::ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window)
{
    const DrawStatistics::Counts counts = DrawStatistics::count(kind, draws, window);
    NumberStatistic result;
    result.first = counts.firstX;
    result.last = counts.firstX + int(counts.values.size()) - 1;
    if (counts.values.empty() || result.last > Game::MaxMain)
        return {};
    std::copy(counts.values.begin(), counts.values.end(), result.values.begin() + result.first);
    const auto [low, high] = std::minmax_element(counts.values.begin(), counts.values.end());
    result.low = kind == DrawStatistics::ChartKind::Quads ? 0 : *low;
    result.high = *high;
    return result;
}
