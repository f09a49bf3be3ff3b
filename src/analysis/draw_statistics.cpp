#include "analysis/draw_statistics.h"

#include "app/exact_rounding.h"
#include "app/message_table.h"
#include "app/text_formats.h"

#include <algorithm>
#include <array>

namespace DrawStatistics {
namespace {
// Counters are sized for the largest format; a format's own range is sliced out.
constexpr int MainSlots = Games::MainCapacity + 1;
constexpr int MaxSum = Games::MainCapacity * 5; // past any sum of five numbers of a format
constexpr int NoSumYet = 500;

// Counters are indexed by the stored value; anything outside a counter's range is
// simply not counted.
template <size_t N> void addIfInRange(std::array<int, N> &counters, int value, int amount = 1)
{
    if (value >= 0 && size_t(value) < N)
        counters[size_t(value)] += amount;
}

template <size_t N> std::vector<int> slice(const std::array<int, N> &counters, int first, int last)
{
    return std::vector<int>(counters.begin() + first, counters.begin() + last + 1);
}

// The draws and the window of one count, with the window form of its chart.
struct Window {
    std::span<const Draw> draws;
    const StatisticsWindow &dates;
    bool startIncluded;

    int mainMax() const { return dates.format->mainMax; }
    int megaballMax() const { return dates.format->megaballMax; }
};

template <typename PerDraw> int forEachInWindow(const Window &window, PerDraw perDraw)
{
    int inside = 0;
    for (const Draw &draw : window.draws) {
        if (!window.dates.contains(draw.date, window.startIncluded))
            continue;
        ++inside;
        perDraw(draw);
    }
    return inside;
}

Counts numberDistribution(const Window &window)
{
    std::array<int, MainSlots> counters{};
    Counts counts;
    counts.drawCount = forEachInWindow(window, [&](const Draw &draw) {
        for (int n : draw.numbers)
            addIfInRange(counters, n);
        counts.total += draw.sum();
    });
    counts.values = slice(counters, 1, window.mainMax());
    return counts;
}

// A run counts for a draw when all its numbers are among the draw's main numbers. The
// points run from 1 to the largest number less `shorter` (Quads: 0, its last starts
// always 0).
Counts groups(const Window &window, int runLength, int shorter)
{
    std::vector<int> counters(size_t(window.mainMax() - shorter), 0);
    const int lastStart = window.mainMax() - runLength + 1;
    Counts counts;
    counts.drawCount = forEachInWindow(window, [&](const Draw &draw) {
        std::array<bool, MainSlots> present{};
        for (int n : draw.numbers)
            if (n >= 1 && n <= window.mainMax())
                present[size_t(n)] = true;
        for (int start = 1; start <= lastStart; ++start) {
            const auto first = present.begin() + start;
            if (std::all_of(first, first + runLength, [](bool p) { return p; })) {
                ++counters[size_t(start - 1)];
                ++counts.total;
            }
        }
    });
    counts.values = std::move(counters);
    return counts;
}

// Every counter grows by one per draw, then the counters of the draw's values (its main
// numbers or its Megaball) go back to 0; a value outside 1..Last resets nothing. So a
// counter ends as the number of draws after the last one holding its value, or as the
// number of draws when none did: computed that way, every generation run asks for it.
template <typename Values> Counts overdueCounts(const Window &window, int last, Values valuesOf)
{
    std::array<int, MainSlots> lastHeldIn{}; // 1-based number of the draw, 0 for none
    int drawn = 0;
    Counts counts;
    counts.drawCount = forEachInWindow(window, [&](const Draw &draw) {
        ++drawn;
        for (int value : valuesOf(draw))
            if (value >= 1 && value <= last)
                lastHeldIn[size_t(value)] = drawn;
    });
    std::array<int, MainSlots> counters{};
    for (size_t value = 1; value <= size_t(last); ++value)
        counters[value] = drawn - lastHeldIn[value];
    counts.values = slice(counters, 1, last);
    return counts;
}

Counts sumDistribution(const Window &window)
{
    std::array<int, MaxSum + 1> counters{};
    int lowest = NoSumYet;
    int highest = 0;
    Counts counts;
    counts.drawCount = forEachInWindow(window, [&](const Draw &draw) {
        const int sum = draw.sum();
        counts.total += sum;
        // A sum past the counters (only a damaged record can have one) is not counted
        // and does not widen the points either.
        if (sum > MaxSum)
            return;
        ++counters[size_t(sum)];
        lowest = std::min(lowest, sum);
        highest = std::max(highest, sum);
    });
    counts.firstX = lowest;
    if (lowest <= highest)
        counts.values = slice(counters, lowest, highest);
    return counts;
}

Counts megaballFrequency(const Window &window)
{
    std::array<int, MainSlots> counters{};
    Counts counts;
    counts.drawCount = forEachInWindow(window, [&](const Draw &draw) { addIfInRange(counters, draw.megaball); });
    counts.values = slice(counters, 1, window.megaballMax());
    return counts;
}

bool colouredByPrimes(ChartKind kind)
{
    return kind == ChartKind::NumberDistribution || kind == ChartKind::Overdue || kind == ChartKind::TipDistribution;
}

bool isMegaballChart(ChartKind kind)
{
    return kind == ChartKind::MegaballOverdue || kind == ChartKind::MegaballFrequency;
}

LeftAxis leftAxisFor(ChartKind kind, const std::vector<ChartPoint> &points)
{
    LeftAxis axis;
    if (kind == ChartKind::Quads || kind == ChartKind::SumDistribution || points.empty())
        return axis;
    const auto [smallest, largest]
        = std::minmax_element(points.begin(), points.end(), [](const auto &a, const auto &b) { return a.y < b.y; });
    axis.mode = LeftAxis::Mode::SmallestToLargest;
    axis.presetMinimum = isMegaballChart(kind) ? -100 : 0;
    axis.minimum = smallest->y;
    axis.maximum = largest->y;
    return axis;
}

PageSwitch pageSwitchFor(ChartKind kind)
{
    switch (kind) {
    case ChartKind::NumberDistribution:
    case ChartKind::SumDistribution:
    case ChartKind::MegaballFrequency:
        return PageSwitch::Never;
    case ChartKind::MegaballOverdue:
        return PageSwitch::UnlessGenerating;
    default:
        return PageSwitch::Always;
    }
}

QString averageText(const Counts &counts)
{
    return QString::number(ExactRounding::roundHalfEven(counts.total, counts.drawCount));
}

std::optional<QString> titleFor(ChartKind kind, const Counts &counts, const MessageTable &messages)
{
    const auto entry = [&](Msg index) { return messages.text(index); };
    const QString draws = QString::number(counts.drawCount);
    const auto groupTitle = [&](Msg foundEntry) -> QString {
        return entry(Msg::ChartDraws) + QStringLiteral(": ") + draws + QStringLiteral("   ") + entry(foundEntry)
            + QLatin1Char(':') + QString::number(counts.total);
    };
    switch (kind) {
    case ChartKind::NumberDistribution:
        if (counts.drawCount == 0)
            return std::nullopt;
        return entry(Msg::DistributionTitle) + QStringLiteral("     ") + entry(Msg::Ziehungen) + QStringLiteral(": ")
            + draws + QStringLiteral("    ") + entry(Msg::Quersumme) + QStringLiteral(": ") + averageText(counts);
    case ChartKind::Pairs:
        return groupTitle(Msg::PairsFound);
    case ChartKind::Triples:
        return groupTitle(Msg::TriplesFound);
    case ChartKind::Quads:
        return groupTitle(Msg::QuadsFound);
    case ChartKind::Overdue:
        return entry(Msg::OverdueTitle);
    case ChartKind::TipDistribution:
        return entry(Msg::TipDistributionTitle);
    case ChartKind::SumDistribution:
        if (counts.drawCount == 0)
            return std::nullopt;
        return entry(Msg::SumDistributionTitle) + QStringLiteral("     ") + entry(Msg::ChartDraws) + draws
            + QStringLiteral("    ") + entry(Msg::Quersumme) + QStringLiteral(": ") + averageText(counts);
    case ChartKind::MegaballOverdue:
        return entry(Msg::MegaballOverdueTitle);
    case ChartKind::MegaballFrequency:
        return entry(Msg::MegaballFrequencyTitle);
    }
    return std::nullopt;
}

ChartResult chartFromCounts(ChartKind kind, const Counts &counts, const MessageTable &messages)
{
    ChartResult result;
    result.kind = kind;
    result.drawCount = counts.drawCount;
    result.points.reserve(counts.values.size());
    for (size_t k = 0; k < counts.values.size(); ++k) {
        const int x = counts.firstX + int(k);
        BarColour colour = BarColour::Series;
        if (colouredByPrimes(kind))
            colour = isPrime(x) ? BarColour::Prime : BarColour::NonPrime;
        result.points.push_back({x, counts.values[k], colour});
    }
    result.leftAxis = leftAxisFor(kind, result.points);
    result.bottomTitle = titleFor(kind, counts, messages);
    result.pageSwitch = pageSwitchFor(kind);
    return result;
}
} // namespace

bool startIncluded(ChartKind kind)
{
    switch (kind) {
    case ChartKind::Pairs:
    case ChartKind::Triples:
    case ChartKind::Quads:
    case ChartKind::SumDistribution:
        return false;
    default:
        return true;
    }
}

Counts count(ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &dates)
{
    const Window window{draws, dates, startIncluded(kind)};
    switch (kind) {
    case ChartKind::NumberDistribution:
        return numberDistribution(window);
    case ChartKind::Pairs:
        return groups(window, 2, 1);
    case ChartKind::Triples:
        return groups(window, 3, 2);
    case ChartKind::Quads:
        return groups(window, 4, 0);
    case ChartKind::Overdue:
        return overdueCounts(window, window.mainMax(), [](const Draw &draw) { return draw.numbers; });
    case ChartKind::SumDistribution:
        return sumDistribution(window);
    case ChartKind::MegaballOverdue:
        return overdueCounts(window, window.megaballMax(), [](const Draw &draw) { return std::array{draw.megaball}; });
    case ChartKind::MegaballFrequency:
        return megaballFrequency(window);
    case ChartKind::TipDistribution:
        break;
    }
    return {};
}

Counts joined(ChartKind kind, const Counts &earlier, const Counts &later)
{
    Counts both = earlier;
    both.drawCount += later.drawCount;
    both.total += later.total;
    const bool overdue = kind == ChartKind::Overdue || kind == ChartKind::MegaballOverdue;
    for (size_t k = 0; k < both.values.size() && k < later.values.size(); ++k) {
        // A later counter below its draw count was reset by one of the later draws.
        if (!overdue)
            both.values[k] += later.values[k];
        else if (later.values[k] < later.drawCount)
            both.values[k] = later.values[k];
        else
            both.values[k] += later.drawCount;
    }
    return both;
}

Counts countTips(std::span<const QString> mainFieldTexts, const Games::GameFormat &format)
{
    std::array<int, MainSlots> counters{};
    for (const QString &text : mainFieldTexts) {
        const std::optional<int> number = TextFormats::parseInteger(text.trimmed());
        if (!number)
            break;
        addIfInRange(counters, *number);
    }
    Counts counts;
    counts.values = slice(counters, 1, format.mainMax);
    return counts;
}

Rgb rgb(BarColour colour)
{
    switch (colour) {
    case BarColour::Prime:
        return PrimeRgb;
    case BarColour::NonPrime:
        return NonPrimeRgb;
    case BarColour::Series:
        break;
    }
    return SeriesRgb;
}

ChartResult chart(
    ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window, const MessageTable &messages)
{
    return chartFromCounts(kind, count(kind, draws, window), messages);
}

ChartResult tipChart(
    std::span<const QString> mainFieldTexts, const MessageTable &messages, const Games::GameFormat &format)
{
    return chartFromCounts(ChartKind::TipDistribution, countTips(mainFieldTexts, format), messages);
}

} // namespace DrawStatistics
