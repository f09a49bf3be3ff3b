#include "analysis/backtest_seeds.h"

#include "analysis/backtest_report.h"
#include "app/message_table.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <thread>

namespace {
SeedOutcome outcomeOf(qint32 seed, const BacktestResult &result)
{
    const Yardstick y = result.yardstick();
    return {seed, y.rows, y.settingsWinning, y.baselineWinning, y.settingsWinnings, y.baselineWinnings};
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
    return {mean, interpolated(values, 0.025), interpolated(values, 0.975)};
}

SeedsRun BacktestSeeds::run(const BacktestInput &input, int count, const MessageTable &messages, int threads)
{
    SeedsRun result;
    result.outcomes.resize(size_t(std::max(count, 0)));
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int k = next++; k < count; k = next++) {
            BacktestInput copy = input;
            copy.seed = input.seed + k;
            SettingsBacktest backtest(std::move(copy), messages);
            const BacktestResult &done = backtest.runToEnd();
            result.outcomes[size_t(k)] = outcomeOf(input.seed + k, done);
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
    const std::optional<double> price = parseTicketPrice(ticketPrice);
    std::vector<double> settingsShares, baselineShares, settingsReturns, baselineReturns;
    for (const SeedOutcome &o : run.outcomes) {
        settingsShares.push_back(100.0 * Yardstick::share(o.settingsWinning, o.rows));
        baselineShares.push_back(100.0 * Yardstick::share(o.baselineWinning, o.rows));
        if (price && *price > 0 && o.rows > 0) {
            settingsReturns.push_back(100.0 * double(o.settingsWinnings) / (double(o.rows) * *price));
            baselineReturns.push_back(100.0 * double(o.baselineWinnings) / (double(o.rows) * *price));
        }
    }
    const auto spreadRow = [&](Msg name, const std::vector<double> &values) {
        if (values.empty())
            return QStringList{m(name), QStringLiteral("–"), QStringLiteral("–")}.join(QLatin1Char('\t'));
        const Spread s = Spread::of(values);
        return QStringList{m(name), BacktestReport::percent(s.mean),
            BacktestReport::percent(s.low) + QStringLiteral(" – ") + BacktestReport::percent(s.high)}
            .join(QLatin1Char('\t'));
    };
    // Chance for the rows of the first seed.
    const Yardstick first = run.first.yardstick();
    const auto chanceShare
        = [&](std::int64_t n) { return BacktestReport::percent(100.0 * Yardstick::share(n, first.rows)); };

    QStringList lines;
    const qint32 firstSeed = run.outcomes.empty() ? 0 : run.outcomes.front().seed;
    const qint32 lastSeed = run.outcomes.empty() ? 0 : run.outcomes.back().seed;
    lines << QString()
          << m(Msg::SeedSpread) + QLatin1Char(' ') + QString::number(firstSeed) + QStringLiteral(" – ")
            + QString::number(lastSeed);
    lines << QLatin1Char('\t') + m(Msg::Mean) + QLatin1Char('\t') + m(Msg::Range95);
    lines << m(Msg::WinningShare);
    lines << spreadRow(Msg::SettingsRows, settingsShares);
    lines << spreadRow(Msg::RandomRows, baselineShares);
    lines << m(Msg::ChanceExpected) + QLatin1Char('\t')
            + BacktestReport::percent(100.0 * PrizeClasses::anyPrize().probability()) + QLatin1Char('\t')
            + chanceShare(first.winningRange.low) + QStringLiteral(" – ") + chanceShare(first.winningRange.high);
    lines << m(Msg::ReturnShare);
    lines << spreadRow(Msg::SettingsRows, settingsReturns);
    lines << spreadRow(Msg::RandomRows, baselineReturns);
    const std::optional<double> expectedReturn = first.returnPercent(first.expectedWinnings);
    lines << m(Msg::ChanceExpected) + QLatin1Char('\t')
            + (expectedReturn ? BacktestReport::percent(*expectedReturn) : QStringLiteral("–")) + QLatin1Char('\t')
            + QStringLiteral("–");
    return lines;
}
