// The candidate pool of a generation run: an ordered list of main numbers in which a
// number may stand several times; rows are drawn from it by index, so a number's
// weight is its entry count and the order decides which rows a seed gives. Built from
// the statistics bands chosen in the generation settings, the base fill and the
// removal steps.
#pragma once

#include "analysis/draw_statistics.h"
#include "generator/generation_options.h"
#include "generator/number_statistics.h"
#include "generator/reference_draws.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class MessageTable;

class CandidatePool {
public:
    static constexpr int Capacity = 500;

    void clear();
    // Appends one entry (a main number); a full pool drops it and returns false.
    bool append(int number);
    // Deletes the entries marked in `deleted` (one flag per entry): walking from the
    // first position, a deleted entry is replaced by the current last entry and the
    // list shortened, until the position holds a kept entry; so kept entries from the
    // end move forward into the gaps.
    void removeMarked(std::vector<bool> deleted);

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    int at(int index) const { return m_entries.at(size_t(index)); }
    const std::vector<std::uint8_t> &entries() const { return m_entries; }
    int entryCount(int number) const;
    int distinctCount() const;
    // Some append was dropped because the pool was full (since the last clear).
    bool hasOverflowed() const { return m_overflowed; }

private:
    std::vector<std::uint8_t> m_entries;
    bool m_overflowed = false;
};

// Inclusive bounds a..b of a band of one statistic (group bands use a < value <= b).
struct BandBounds {
    int lower = 0;
    int upper = 0;
    friend bool operator==(const BandBounds &, const BandBounds &) = default;
};

// The band bounds, computed exactly and rounded half to even. `divisor` is 100 for the
// wide percent band and 200 for the narrow one.
namespace PoolBands {
BandBounds top(const NumberStatistic &statistic, int percent, int divisor);
BandBounds bottom(const NumberStatistic &statistic, int percent, int divisor);
BandBounds frequentGroups(const NumberStatistic &statistic);
BandBounds rareGroups(const NumberStatistic &statistic);
} // namespace PoolBands

// Where the statistics come from: the history in store order (the draws of one format),
// the start date S and the reference draws, whose first date is the end date E of every
// statistic, and the format whose numbers the pool holds.
struct PoolSources {
    std::span<const Draw> draws;
    QDate start;
    const ReferenceDraws &references;
    // The statistic of a kind over that window when someone keeps it at hand; counted
    // from the draws when empty.
    std::function<NumberStatistic(DrawStatistics::ChartKind)> statistics = {};
    const Games::GameFormat *format = &Games::classic();

    StatisticsWindow window() const { return {start, references.endDate, format}; }
};

using StatusSink = std::function<void(const QString &)>;
// Told each time a statistic is computed, so that a window can show its chart.
using ChartSink = std::function<void(DrawStatistics::ChartKind)>;

// The status text shown when an addition would pass the pool's capacity.
QString poolFullText();

// Builds the pool in the documented order: pair, run-of-three and run-of-four bands,
// frequency bands, overdue band, neighbours of reference 1, base fill, removals and
// compaction. Status texts go to `status` as the window's status bar would show them.
CandidatePool buildCandidatePool(const PoolSources &sources, const GenerationSettings &settings,
    const MessageTable &messages, const StatusSink &status = {}, const ChartSink &chart = {});

// The chart the pool building computed last (the chart page shows it after a run);
// nullopt when no statistics option is on.
std::optional<DrawStatistics::ChartKind> lastPoolChart(const GenerationSettings &settings);
