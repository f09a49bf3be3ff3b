// A grid of settings back-tested side by side: one or two generation options, each over
// a range of values, every combination back-tested over the same seeds and the same
// passes. Comparing many settings on one history flatters the best of them, so the
// comparison is made honest in three ways: a split date divides the passes into an
// in-sample period, which ranks the settings and picks one, and an out-of-sample period,
// where only that one is back-tested; the in-sample p-values are Holm-adjusted over the
// combinations; and the report's last sentence says what remains after both.
//
// The p-value of a share of winning rows counts passes, not rows: every row of a pass
// (and every seed's rows) meets the same draw, so rows are not independent of each other,
// but under chance each pass's winning rows exceed their expectation by a centred amount
// independent of the other passes' (the rows are made before the draw). The test divides
// the sum of those excesses by the root of their sum of squares (a two-sided normal test).
#pragma once

#include "app/result.h"
#include "history/backtest.h"
#include "history/report_format.h"

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class MessageTable;

// One varied option, "UpDown8=4..12:4": its stored value name and the values it takes.
struct GridAxis {
    QString name;
    int from = 0;
    int to = 0;
    int step = 1;

    std::vector<int> values() const; // from, from + step, ... up to to
    QString text() const; // "UpDown8=4..12:4" ("UpDown8=4..12" with step 1)
};

// One combination of the grid: each axis's value, and the options they give.
struct GridSetting {
    std::vector<std::pair<QString, int>> values; // in axis order
    GenerationSettings settings;
    QString label() const; // "UpDown8=4 Chekcbox2=1"
};

// The figures of one setting over one period: its yardstick (the rows of every seed
// added up, beside chance) and the p-value of its share of winning rows.
struct GridFigures {
    int passes = 0;
    Yardstick yardstick;
    double pValue = 1;
    // The spread of the winning rows about chance's expectation, counted by pass: the
    // standard error of the test. 95% of chance's counts lie within 1.96 of it.
    double standardError = 0;
};

struct GridCombination {
    GridSetting setting;
    GridFigures inSample;
    double adjustedPValue = 1; // Holm, over the finished combinations
};

struct GridRequest {
    BacktestInput input; // the base settings; its seed is the first of `seeds`
    std::vector<GridAxis> axes;
    int seeds = 1;
    QDate split; // invalid: the default split
};

struct GridProgress {
    int combination = 0; // 1-based; the out-of-sample run of the picked setting is combinations + 1
    int combinations = 0;
    int seedsDone = 0;
    int seeds = 0;
};

struct GridResult {
    std::vector<GridAxis> axes;
    int combinations = 0; // planned
    int seeds = 0;
    qint32 firstSeed = 0;
    QDate split;
    int inSamplePasses = 0;
    int outOfSamplePasses = 0;
    std::vector<GridCombination> finished; // in grid order
    std::optional<size_t> best; // into finished: the highest in-sample share of winning rows
    std::optional<GridFigures> outOfSample; // the picked setting alone
    std::optional<GridFigures> bothPeriods; // the picked setting over every pass
    bool stopped = false;

    int significantAfterAdjustment() const; // adjusted p below 0.05
};

namespace BacktestGrid {
constexpr int MaxAxes = 2;
constexpr std::int64_t MaxBacktests = 10000;

// "NAME=FROM..TO[:STEP]" for a check box ("Chekcbox2", 0 and 1) or a spin value
// ("UpDown8", within its range).
Result<GridAxis> parseAxis(const QString &text);
// Every combination, the first axis outermost, each applied over `base`; refused when a
// combination sets a value outside its option's range under the other values, when its
// options contradict each other, or when an option is varied twice.
Result<std::vector<GridSetting>> combinations(const GenerationSettings &base, const std::vector<GridAxis> &axes,
    const std::array<SheetRow, TipRows::RowCount> &sheet, const MessageTable &messages);
// Refuses more than two axes and more than MaxBacktests back-tests, before any work.
Result<void> checkSize(const std::vector<GridAxis> &axes, int seeds);

// The middle between the first pass's date (the chosen date, or the oldest draw when that
// is later) and the newest draw; with a chosen date at the start of the history, the
// middle of the history.
QDate defaultSplit(const BacktestInput &input);
// The passes whose evaluated draw lies before `split`: the in-sample ones come first.
int passesBefore(const BacktestPlan &plan, QDate split);

// Holm's step-down adjustment: the i-th smallest of m p-values times (m - i + 1), never
// below the one before it, at most 1; in the order given.
std::vector<double> holmAdjusted(const std::vector<double> &pValues);
// The two-sided test of winning rows against chance, counted by pass (see above);
// `winning[t]` of `rows[t]` rows in pass t, each winning with probability `chance`.
struct PassTest {
    double pValue = 1;
    double standardError = 0;
};
PassTest passTest(const std::vector<std::int64_t> &winning, const std::vector<std::int64_t> &rows, double chance);

// Runs the grid: every combination over the in-sample passes, then the picked one over
// every pass. `progress` is called from the worker threads, one at a time, after each
// seed; `stop` is read before every pass, and a stopped grid keeps the combinations it
// finished. The request must have passed checkSize and combinations.
GridResult run(const GridRequest &request, const std::vector<GridSetting> &settings, const MessageTable &messages,
    int threads, const std::function<void(const GridProgress &)> &progress = {},
    const std::atomic<bool> *stop = nullptr);

QStringList reportLines(const GridResult &result, const ReportFormat &format = {});
} // namespace BacktestGrid
