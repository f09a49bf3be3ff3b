// What a generation run works out before its first attempt and that does not depend on
// the random generator: the reference draws, the candidate pool, the two Megaball
// statistics and the history's bits for the history tests. A back-test over many seeds
// works it out once per pass and hands it to the run of every seed; a run takes it only
// for the request it was made for (same history, window and options), and otherwise
// works out its own.
#pragma once

#include "generator/candidate_pool.h"
#include "generator/number_statistics.h"
#include "generator/reference_draws.h"
#include "generator/row_filters.h"

#include <QString>

#include <memory>
#include <optional>
#include <span>
#include <vector>

class MessageTable;

struct RunBasis {
    // What it was made from: a request with these is served by it.
    std::span<const Draw> draws;
    QDate start;
    QDate end; // the requested end, before the run moves it to reference 1
    GenerationSettings settings; // as the run starts, before it loosens any
    const Games::GameFormat *format = &Games::classic();

    ReferenceDraws references;
    CandidatePool pool;
    // What building the pool told its sinks, in order, for a run that has sinks.
    struct PoolReport {
        std::optional<QString> status;
        std::optional<DrawStatistics::ChartKind> chart;
    };
    std::vector<PoolReport> poolReports;
    NumberStatistic megaballOverdue;
    NumberStatistic megaballFrequency;
    std::shared_ptr<const DrawBits> bits;

    bool servesFor(std::span<const Draw> requestDraws, QDate requestStart, QDate requestEnd,
        const GenerationSettings &requestSettings, const Games::GameFormat &requestFormat = Games::classic()) const;
};

// Makes the bases of the runs over one history and statistics start whose end dates move
// forward, as the passes of a back-test do: the statistics of a pass go on from the
// previous pass's, and all share one set of history bits.
class RunBasisMaker {
public:
    RunBasisMaker(std::span<const Draw> draws, QDate start, const MessageTable &messages,
        const Games::GameFormat &format = Games::classic());

    RunBasis make(QDate end, const GenerationSettings &settings);

private:
    std::span<const Draw> m_draws;
    QDate m_start;
    const MessageTable &m_messages;
    const Games::GameFormat &m_format;
    MovingStatistics m_statistics;
    std::shared_ptr<const DrawBits> m_bits;
};
