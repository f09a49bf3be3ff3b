// The nine chart operations of the "Diagramm" page as plain computations: what they
// count in the draw history (or the tip sheet), the bars in point order with their
// colours, the left-axis setting and the bottom-axis title. The same counts are the
// statistics the tip generation works from (generator/number_statistics.h), so the
// counting lives here once.
#pragma once

#include "analysis/statistics_window.h"
#include "draws/draw.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

class MessageTable;

namespace DrawStatistics {

enum class ChartKind {
    // Over the main numbers 1..N and Megaballs 1..M of the window's format (N = 75 and
    // M = 15 in the classic one).
    NumberDistribution, // draws of each main number, 1..N
    Pairs, // draws holding n and n+1, 1..N-1
    Triples, // draws holding n..n+2, 1..N-2
    Quads, // draws holding n..n+3, 1..N (the last three always 0)
    Overdue, // draws since n was last drawn, 1..N
    TipDistribution, // tip fields holding n, 1..N (no draws)
    SumDistribution, // draws whose main numbers sum to s, lowest to highest sum
    MegaballOverdue, // draws since Megaball m was last drawn, 1..M
    MegaballFrequency, // draws of each Megaball, 1..M
};

// Whether a draw dated exactly on the start date counts; the end date always counts.
bool startIncluded(ChartKind kind);

// Raw counts of one operation: values[k] belongs to X = firstX + k.
struct Counts {
    int firstX = 1;
    std::vector<int> values;
    int drawCount = 0; // draws inside the window
    // Number and sum charts: the sum of all main numbers of the counted draws;
    // group charts: the runs found; otherwise 0.
    qint64 total = 0;
};

// The counts of a draw chart over the draws in `window` (in the form the kind uses),
// taken in the given order as the file holds them. Not for TipDistribution.
Counts count(ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window);
// The counts of two windows one after the other, as one count over both would give
// them: `later` counts the draws that follow `earlier`'s in store order (the draws of one
// more week). Sums add up; an overdue counter is the later one where the later draws
// hold the value, else the earlier one plus the later draws. Not for the sum and tip
// charts, whose points depend on the values found.
Counts joined(ChartKind kind, const Counts &earlier, const Counts &later);
// Rows 1..12 with their five main-number field texts each, row by row (60 texts); the
// count stops at the first empty or non-numeric field.
Counts countTips(std::span<const QString> mainFieldTexts, const Games::GameFormat &format = Games::classic());

enum class BarColour {
    Series, // the series colour, green
    Prime, // pure red, RGB 255, 0, 0
    NonPrime, // green, RGB 0, 128, 0
};
struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};
constexpr Rgb SeriesRgb{0, 128, 0};
constexpr Rgb PrimeRgb{255, 0, 0};
constexpr Rgb NonPrimeRgb{0, 128, 0};
Rgb rgb(BarColour colour);

struct ChartPoint {
    int x;
    int y;
    BarColour colour;
    friend bool operator==(const ChartPoint &, const ChartPoint &) = default;
};

struct LeftAxis {
    enum class Mode {
        SmallestToLargest, // fixed range, automatic scaling off
        Automatic, // both axes scale automatically
    };
    Mode mode = Mode::Automatic;
    // SmallestToLargest only: the minimum set before the maximum (0, or -100 for the two
    // Megaball charts), then the final range minimum..maximum = smallest..largest Y.
    int presetMinimum = 0;
    int minimum = 0;
    int maximum = 0;
};

enum class PageSwitch { Never, Always, UnlessGenerating };

struct ChartResult {
    ChartKind kind = ChartKind::NumberDistribution;
    // Ascending X; point k holds X = k + 1 except for the sum chart (lowest sum first).
    std::vector<ChartPoint> points;
    LeftAxis leftAxis;
    // nullopt: the chart keeps its previous bottom-axis title (no draw in the range for
    // the number and sum distributions).
    std::optional<QString> bottomTitle;
    int drawCount = 0;
    PageSwitch pageSwitch = PageSwitch::Never;

    int y(int index) const { return points.at(size_t(index)).y; }
};

constexpr bool isPrime(int number)
{
    if (number < 2)
        return false;
    for (int divisor = 2; divisor * divisor <= number; ++divisor)
        if (number % divisor == 0)
            return false;
    return true;
}

ChartResult chart(
    ChartKind kind, std::span<const Draw> draws, const StatisticsWindow &window, const MessageTable &messages);
ChartResult tipChart(std::span<const QString> mainFieldTexts, const MessageTable &messages,
    const Games::GameFormat &format = Games::classic());

} // namespace DrawStatistics
