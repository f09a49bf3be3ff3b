#include "generator/candidate_pool.h"

#include "app/exact_rounding.h"
#include "app/message_table.h"

#include <algorithm>
#include <bitset>

void CandidatePool::clear()
{
    m_entries.clear();
    m_overflowed = false;
}

bool CandidatePool::append(int number)
{
    if (size() >= Capacity) {
        m_overflowed = true;
        return false;
    }
    m_entries.push_back(std::uint8_t(number));
    return true;
}

void CandidatePool::removeMarked(std::vector<bool> deleted)
{
    deleted.resize(m_entries.size(), false);
    for (size_t position = 0; position < m_entries.size(); ++position) {
        while (position < m_entries.size() && deleted[position]) {
            m_entries[position] = m_entries.back();
            deleted[position] = deleted[m_entries.size() - 1];
            m_entries.pop_back();
        }
    }
}

int CandidatePool::entryCount(int number) const
{
    return int(std::count(m_entries.begin(), m_entries.end(), number));
}

int CandidatePool::distinctCount() const
{
    // One bit per byte value: every run asks, and a set of up to 500 entries cost more
    // than the rest of a short run's preparation.
    std::bitset<256> seen;
    for (std::uint8_t entry : m_entries)
        seen.set(entry);
    return int(seen.count());
}

namespace {
int rounded(qint64 numerator, qint64 denominator)
{
    return int(ExactRounding::roundHalfEven(numerator, denominator));
}
} // namespace

BandBounds PoolBands::top(const NumberStatistic &s, int percent, int divisor)
{
    // R(H - p / divisor * (H - L)), in integers
    return {rounded(qint64(divisor) * s.high - qint64(percent) * (s.high - s.low), divisor), s.high};
}

BandBounds PoolBands::bottom(const NumberStatistic &s, int percent, int divisor)
{
    return {s.low, rounded(qint64(divisor) * s.low + qint64(percent) * (s.high - s.low), divisor)};
}

BandBounds PoolBands::frequentGroups(const NumberStatistic &s)
{
    return {rounded(10 * s.high - 3 * (s.high - s.low), 10), s.high};
}

BandBounds PoolBands::rareGroups(const NumberStatistic &s)
{
    return {0, rounded(10 * s.low + 3 * (s.high - s.low), 10)};
}

QString poolFullText()
{
    return CoreText::text(Msg::PoolFull).arg(CandidatePool::Capacity);
}

namespace {
using DrawStatistics::ChartKind;

struct GroupOption {
    CheckBoxField frequent;
    CheckBoxField rare;
    Msg message;
    int runLength;
    int lastStartBelowMax; // the highest start number scanned, below the largest number
    ChartKind chart;

    int lastStart(const Games::GameFormat &format) const { return format.mainMax - lastStartBelowMax; }
};
constexpr GroupOption GroupOptions[3] = {
    {&GenerationSettings::frequentPairs, &GenerationSettings::rarePairs, Msg::StatusPairs, 2, 2, ChartKind::Pairs},
    {&GenerationSettings::frequentTriples, &GenerationSettings::rareTriples, Msg::StatusTriples, 3, 4,
        ChartKind::Triples},
    {&GenerationSettings::frequentQuads, &GenerationSettings::rareQuads, Msg::StatusQuads, 4, 3, ChartKind::Quads},
};

class PoolBuilder {
public:
    PoolBuilder(const PoolSources &sources, const GenerationSettings &settings, const MessageTable &messages,
        const StatusSink &status, const ChartSink &chart)
        : m_sources(sources)
        , m_settings(settings)
        , m_messages(messages)
        , m_status(status)
        , m_chart(chart)
    { }

    CandidatePool build()
    {
        for (const GroupOption &option : GroupOptions)
            addGroupBands(option);
        addFrequencyBands();
        addOverdueBands();
        addNeighbours();
        if (!m_settings.onlyPreferredNumbers) {
            for (int n = 1; n <= mainMax(); ++n)
                append(n);
            append(1);
        }
        m_pool.removeMarked(removals());
        return m_pool;
    }

private:
    int mainMax() const { return m_sources.format->mainMax; }

    void say(const QString &text) const
    {
        if (m_status)
            m_status(text);
    }

    void append(int number)
    {
        const bool wasFull = m_pool.hasOverflowed();
        if (!m_pool.append(number) && !wasFull)
            say(poolFullText());
    }

    enum class MaxGap { One, Two };
    void sayBand(BandBounds band, MaxGap gap) const
    {
        const QLatin1StringView max(gap == MaxGap::One ? " Max: " : "  Max: ");
        say(QStringLiteral("Min: ") + QString::number(band.lower) + max + QString::number(band.upper)
            + QStringLiteral("  ") + QString::number(m_pool.size()));
    }

    NumberStatistic statistic(ChartKind kind) const
    {
        if (m_chart)
            m_chart(kind);
        if (m_sources.statistics)
            return m_sources.statistics(kind);
        return NumberStatistics::compute(kind, m_sources.draws, m_sources.window());
    }

    void addGroupBand(const GroupOption &option, const NumberStatistic &statistic, BandBounds band)
    {
        for (int start = 1; start <= option.lastStart(*m_sources.format); ++start) {
            const int value = statistic.value(start);
            if (band.lower < value && value <= band.upper)
                for (int n = start; n < start + option.runLength; ++n)
                    append(n);
        }
    }

    void addGroupBands(const GroupOption &option)
    {
        const bool frequent = m_settings.*option.frequent;
        const bool rare = m_settings.*option.rare;
        if (!frequent && !rare)
            return;
        say(m_messages.text(option.message));
        const NumberStatistic groups = statistic(option.chart);
        if (frequent) {
            const BandBounds band = PoolBands::frequentGroups(groups);
            addGroupBand(option, groups, band);
            sayBand(band, MaxGap::Two);
        }
        if (rare) {
            const BandBounds band = PoolBands::rareGroups(groups);
            addGroupBand(option, groups, band);
            sayBand(band, option.chart == ChartKind::Quads ? MaxGap::One : MaxGap::Two);
        }
    }

    // One ascending walk over the statistic's numbers; each inside the band gets `copies` entries.
    void addPercentWalk(const NumberStatistic &statistic, BandBounds band, int copies, MaxGap gap)
    {
        for (int n = statistic.first; n <= statistic.last; ++n) {
            const int value = statistic.value(n);
            if (band.lower <= value && value <= band.upper)
                for (int copy = 0; copy < copies; ++copy)
                    append(n);
        }
        sayBand(band, gap);
    }

    enum class Side { Top, Bottom };
    void addPercentBand(const NumberStatistic &statistic, Side side, int percent, MaxGap firstGap)
    {
        const auto bounds = side == Side::Top ? &PoolBands::top : &PoolBands::bottom;
        addPercentWalk(statistic, bounds(statistic, percent, 100), 2, firstGap);
        addPercentWalk(statistic, bounds(statistic, percent, 200), 1, MaxGap::Two);
    }

    void addFrequencyBands()
    {
        const bool often = m_settings.frequentNumbers;
        const bool seldom = m_settings.rareNumbers;
        if (!often && !seldom)
            return;
        say(m_messages.text(Msg::StatusDistribution));
        const NumberStatistic frequency = statistic(ChartKind::NumberDistribution);
        if (often)
            addPercentBand(frequency, Side::Top, m_settings.frequentNumbersPercent, MaxGap::Two);
        if (seldom)
            addPercentBand(frequency, Side::Bottom, m_settings.rareNumbersPercent, MaxGap::Two);
    }

    void addOverdueBands()
    {
        if (!m_settings.overdueNumbers)
            return;
        say(m_messages.text(Msg::StatusOverdue));
        addPercentBand(statistic(ChartKind::Overdue), Side::Top, m_settings.overdueNumbersPercent, MaxGap::One);
    }

    void addNeighbours()
    {
        if (!m_settings.lastDrawNeighbours)
            return;
        say(m_messages.text(Msg::StatusNeighbours));
        for (const int m : m_sources.references.reference(1).numbers) {
            // The all-zero draw of an empty history (or a damaged record) has no neighbours.
            if (m < 1 || m > mainMax())
                continue;
            for (int copy = 0; m > 1 && copy < 4; ++copy)
                append(m - 1);
            for (int copy = 0; m < mainMax() && copy < 4; ++copy)
                append(m + 1);
        }
    }

    std::vector<bool> removals() const
    {
        const std::vector<std::uint8_t> &entries = m_pool.entries();
        std::vector<bool> deleted(entries.size(), false);
        const auto markWhere = [&](auto predicate) {
            for (size_t i = 0; i < entries.size(); ++i)
                if (predicate(int(entries[i])))
                    deleted[i] = true;
        };
        for (int k = 1; k <= 3; ++k) {
            if (const auto [on, limit] = m_settings.referenceDrawLimit(k); !on || limit != 0)
                continue;
            const Draw &draw = m_sources.references.reference(k);
            markWhere([&](int entry) { return draw.contains(entry); });
        }
        if (m_settings.avoidMonths)
            markWhere([](int entry) { return entry < 13; });
        if (m_settings.lowerDayWeight) {
            for (int n = 1; n <= 31; ++n) {
                for (size_t i = 0; i < entries.size(); ++i) {
                    if (entries[i] == n && !deleted[i]) {
                        deleted[i] = true;
                        break;
                    }
                }
            }
        }
        return deleted;
    }

    const PoolSources &m_sources;
    const GenerationSettings &m_settings;
    const MessageTable &m_messages;
    const StatusSink &m_status;
    const ChartSink &m_chart;
    CandidatePool m_pool;
};
} // namespace

CandidatePool buildCandidatePool(const PoolSources &sources, const GenerationSettings &settings,
    const MessageTable &messages, const StatusSink &status, const ChartSink &chart)
{
    return PoolBuilder(sources, settings, messages, status, chart).build();
}

std::optional<DrawStatistics::ChartKind> lastPoolChart(const GenerationSettings &settings)
{
    if (settings.overdueNumbers)
        return ChartKind::Overdue;
    if (settings.frequentNumbers || settings.rareNumbers)
        return ChartKind::NumberDistribution;
    for (int k = 2; k >= 0; --k)
        if (settings.*GroupOptions[k].frequent || settings.*GroupOptions[k].rare)
            return GroupOptions[k].chart;
    return std::nullopt;
}
