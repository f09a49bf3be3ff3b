#include "history/backtest_seeds.h"

#include "app/message_table.h"
#include "history/backtest_report.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <thread>

namespace {
using PrizeClasses::Class;

// The yardstick's counts without its chance side, whose binomial ranges cost more than
// a seed's back-test.
void fillFrom(SeedOutcome &outcome, const BacktestResult &result)
{
    PrizeClasses::ClassCounts settings;
    settings.add(result.sums);
    PrizeClasses::ClassCounts baseline;
    baseline.add(result.baselineSums);
    outcome.rows = settings.rows();
    outcome.settingsWinning = settings.winningRows();
    outcome.baselineWinning = baseline.winningRows();
    outcome.settingsWinnings = expectedWinningsDollars(settings, *result.format);
    outcome.baselineWinnings = expectedWinningsDollars(baseline, *result.format);
}

using Prizes = std::array<std::int64_t, PrizeClasses::PrizeClassCount>;

// Every seed asks after every pass; the prizes are looked up once per run.
void keepLargest(
    std::optional<SingleWin> &largest, qint32 seed, int pass, const HitClassTally &tally, const Prizes &prizes)
{
    PrizeClasses::ClassCounts counts;
    counts.add(tally);
    for (int k = 0; k < PrizeClasses::PrizeClassCount; ++k) {
        const auto c = Class(k);
        const std::int64_t dollars = prizes[size_t(k)];
        if (counts.at(c) > 0 && dollars > 0 && (!largest || dollars > largest->dollars))
            largest = SingleWin{seed, pass, c, dollars};
    }
}

// The highest of the seeds' largest wins, the first seed's on a tie.
std::optional<SingleWin> largestOf(const std::vector<SeedOutcome> &outcomes, bool settings)
{
    std::optional<SingleWin> largest;
    for (const SeedOutcome &o : outcomes) {
        const std::optional<SingleWin> &win = settings ? o.settingsLargest : o.baselineLargest;
        if (win && (!largest || win->dollars > largest->dollars))
            largest = win;
    }
    return largest;
}

double interpolated(const std::vector<double> &sorted, double q)
{
    const double at = q * double(sorted.size() - 1);
    const auto below = size_t(std::floor(at));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}
} // namespace

Spread Spread::of(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
    return {mean, interpolated(values, 0.5), interpolated(values, 0.025), interpolated(values, 0.975)};
}

SeedsRun BacktestSeeds::run(const BacktestInput &input, int count, const MessageTable &messages, int threads)
{
    SeedsRun result;
    result.outcomes.resize(size_t(std::max(count, 0)));
    // What no seed changes is worked out once, before the seeds share it.
    const auto plan = std::make_shared<const BacktestPlan>(input, messages);
    const Prizes prizes = expectedPrizes(*input.format);
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int k = next++; k < count; k = next++) {
            const qint32 seed = input.seed + k;
            SettingsBacktest backtest(plan, seed, messages);
            SeedOutcome &outcome = result.outcomes[size_t(k)];
            outcome.seed = seed;
            const BacktestResult &done = backtest.runToEnd([&](const BacktestPass &pass) {
                keepLargest(outcome.settingsLargest, seed, pass.number, pass.tally, prizes);
                keepLargest(outcome.baselineLargest, seed, pass.number, pass.baseline, prizes);
            });
            fillFrom(outcome, done);
            if (k == 0)
                result.first = done;
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < std::max(threads, 1); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();
    return result;
}

QStringList BacktestSeeds::spreadLines(const SeedsRun &run, const QString &ticketPrice, const MessageTable &messages)
{
    const auto m = [&](Msg entry) { return messages.text(entry); };
    const QString tab = QStringLiteral("\t");
    const QString none = QStringLiteral("–");
    const auto percent = [](double value) { return BacktestReport::percent(value); };
    const std::optional<double> price = parseTicketPrice(ticketPrice);
    const bool priced = price && *price > 0;
    std::vector<double> settingsShares, baselineShares, settingsReturns, baselineReturns;
    for (const SeedOutcome &o : run.outcomes) {
        settingsShares.push_back(100.0 * Yardstick::share(o.settingsWinning, o.rows));
        baselineShares.push_back(100.0 * Yardstick::share(o.baselineWinning, o.rows));
        if (priced && o.rows > 0) {
            settingsReturns.push_back(100.0 * double(o.settingsWinnings) / (double(o.rows) * *price));
            baselineReturns.push_back(100.0 * double(o.baselineWinnings) / (double(o.rows) * *price));
        }
    }
    const auto spreadRow = [&](Msg name, const std::vector<double> &values) {
        if (values.empty())
            return QStringList{m(name), none, none, none}.join(tab);
        const Spread s = Spread::of(values);
        return QStringList{
            m(name), percent(s.mean), percent(s.median), percent(s.low) + QStringLiteral(" – ") + percent(s.high)}
            .join(tab);
    };
    // One win that lifts the mean return above the range of the seeds: which one it was,
    // and the mean without it.
    const auto largestWinRow = [&](Msg name, const std::vector<double> &returns, bool settings) -> QStringList {
        const std::optional<SingleWin> win = largestOf(run.outcomes, settings);
        if (returns.empty() || !win)
            return {};
        const Spread s = Spread::of(returns);
        if (!(s.mean > s.high))
            return {};
        const auto seed = std::find_if(
            run.outcomes.begin(), run.outcomes.end(), [&](const SeedOutcome &o) { return o.seed == win->seed; });
        const double without
            = s.mean - 100.0 * double(win->dollars) / (double(seed->rows) * *price) / double(returns.size());
        return {m(name) + tab
            + m(Msg::LargestWinLiftsMean)
                  .arg(BacktestReport::amount(double(win->dollars)), PrizeClasses::label(win->prizeClass),
                      QString::number(win->seed), QString::number(win->pass), percent(without))
            + QLatin1Char('.')};
    };
    // Chance for the rows of the first seed.
    const Yardstick first = run.first.yardstick();
    const auto chanceShare = [&](std::int64_t n) { return percent(100.0 * Yardstick::share(n, first.rows)); };
    const double anyPrize = PrizeClasses::anyPrize(*run.first.format).probability();

    QStringList lines;
    const qint32 firstSeed = run.outcomes.empty() ? 0 : run.outcomes.front().seed;
    const qint32 lastSeed = run.outcomes.empty() ? 0 : run.outcomes.back().seed;
    lines << QString()
          << m(Msg::SeedSpread) + QLatin1Char(' ') + QString::number(firstSeed) + QStringLiteral(" – ")
            + QString::number(lastSeed);
    lines << tab + m(Msg::Mean) + tab + m(Msg::Median) + tab + m(Msg::Range95);
    lines << m(Msg::WinningShare);
    lines << spreadRow(Msg::SettingsRows, settingsShares);
    lines << spreadRow(Msg::RandomRows, baselineShares);
    lines << m(Msg::ChanceExpected) + tab + percent(100.0 * anyPrize) + tab
            + chanceShare(Binomial::quantile(first.rows, anyPrize, 0.5)) + tab + chanceShare(first.winningRange.low)
            + QStringLiteral(" – ") + chanceShare(first.winningRange.high);
    lines << m(Msg::ReturnShare);
    lines << spreadRow(Msg::SettingsRows, settingsReturns);
    lines << spreadRow(Msg::RandomRows, baselineReturns);
    const std::optional<double> expectedReturn = first.returnPercent(first.expectedWinnings);
    lines << m(Msg::ChanceExpected) + tab + (expectedReturn ? percent(*expectedReturn) : none) + tab + none + tab
            + none;
    lines << largestWinRow(Msg::SettingsRows, settingsReturns, true);
    lines << largestWinRow(Msg::RandomRows, baselineReturns, false);
    return lines;
}
