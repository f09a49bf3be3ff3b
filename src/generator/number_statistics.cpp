#include "generator/number_statistics.h"

#include <algorithm>

NumberStatistic NumberStatistics::compute(
    DrawStatistics::ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window)
{
    return of(kind, DrawStatistics::count(kind, draws, window));
}

NumberStatistic NumberStatistics::of(DrawStatistics::ChartKind kind, const DrawStatistics::Counts &counts)
{
    NumberStatistic result;
    result.first = counts.firstX;
    result.last = counts.firstX + int(counts.values.size()) - 1;
    if (counts.values.empty() || result.last > Games::MainCapacity)
        return {};
    std::copy(counts.values.begin(), counts.values.end(), result.values.begin() + result.first);
    const auto [low, high] = std::minmax_element(counts.values.begin(), counts.values.end());
    result.low = kind == DrawStatistics::ChartKind::Quads ? 0 : *low;
    result.high = *high;
    return result;
}

MovingStatistics::MovingStatistics(std::span<const Draw> draws, QDate start, const Games::GameFormat &format)
    : m_draws(draws)
    , m_start(start)
    , m_format(&format)
    , m_inDateOrder(
          std::is_sorted(draws.begin(), draws.end(), [](const Draw &a, const Draw &b) { return a.date < b.date; }))
{ }

NumberStatistic MovingStatistics::at(DrawStatistics::ChartKind kind, QDate end)
{
    std::optional<Moving> &moving = m_kinds.at(size_t(kind));
    const StatisticsWindow window{m_start, end, m_format};
    const bool joinable
        = kind != DrawStatistics::ChartKind::SumDistribution && kind != DrawStatistics::ChartKind::TipDistribution;
    if (!m_inDateOrder || !joinable)
        return NumberStatistics::compute(kind, m_draws, window);
    // In date order every draw up to an end comes before every later one: the draws up to
    // the new end are those up to the old end and the ones after them.
    const auto after = [&](size_t from) {
        size_t next = from;
        while (next < m_draws.size() && !(end < m_draws[next].date))
            ++next;
        return next;
    };
    if (!moving || end < moving->end) {
        const size_t next = after(0);
        moving = Moving{end, next, DrawStatistics::count(kind, m_draws.first(next), window)};
    } else {
        const size_t next = after(moving->next);
        const std::span<const Draw> week = m_draws.subspan(moving->next, next - moving->next);
        moving->counts = DrawStatistics::joined(kind, moving->counts, DrawStatistics::count(kind, week, window));
        moving->end = end;
        moving->next = next;
    }
    return NumberStatistics::of(kind, moving->counts);
}
