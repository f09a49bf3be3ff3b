// The settings back-test over many seeds (the command-line tool's --seeds K): one
// back-test per seed, spread over several threads, and how the share of winning rows and
// the return spread over the seeds, beside the random baseline and chance. One large win
// can lift the mean return above the range of all the others; the section then names it.
#pragma once

#include "history/backtest.h"

#include <QStringList>

#include <vector>

class MessageTable;

// The highest fixed prize one row won in a back-test (a jackpot is never summed, so it
// is never this).
struct SingleWin {
    qint32 seed = 0;
    int pass = 0;
    PrizeClasses::Class prizeClass = PrizeClasses::Class::NoPrize;
    std::int64_t dollars = 0;
};

struct SeedOutcome {
    qint32 seed = 0;
    std::int64_t rows = 0;
    std::int64_t settingsWinning = 0;
    std::int64_t baselineWinning = 0;
    std::int64_t settingsWinnings = 0; // dollars, without jackpots
    std::int64_t baselineWinnings = 0;
    std::optional<SingleWin> settingsLargest; // the first of the highest, by pass
    std::optional<SingleWin> baselineLargest;
};

// The mean, the median and the 2.5% and 97.5% points (linear between the sorted values,
// as R's default quantile).
struct Spread {
    double mean = 0;
    double median = 0;
    double low = 0;
    double high = 0;
    static Spread of(std::vector<double> values);
};

struct SeedsRun {
    BacktestResult first; // the whole result for the first seed, whose report comes first
    std::vector<SeedOutcome> outcomes; // in seed order
};

namespace BacktestSeeds {
// Back-tests `input` for the seeds input.seed .. input.seed + count - 1 on `threads`
// threads (at least one). Every back-test has its own state; the draws and the message
// table are only read.
SeedsRun run(const BacktestInput &input, int count, const MessageTable &messages, int threads);
// The spread section below the report.
QStringList spreadLines(const SeedsRun &run, const QString &ticketPrice, const MessageTable &messages);
} // namespace BacktestSeeds
