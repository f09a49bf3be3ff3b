// The settings back-test over the whole bundled history from 2013-10-22, as the
// command-line tool runs it: with the design defaults (5 rows per pass) and with 12 rows
// per pass. Beside each, the generation runs it consists of, replayed alone in the same
// iteration (same end dates, same seed), so that the counters show what the back-test
// adds to its runs: `ratio` = back-test time / time of its runs (target at most 1.2).
// Also 50 seeds on two threads, the work of --seeds, and with 12 rows per pass one seed
// beside a thousand seeds on two threads: a thousand seeds should take at most 100 times
// one seed's wall time (`ratio`; `cpu_ratio` on CPU time) and under 2 s; `cpu_ms` is the
// CPU time of all threads. One seed is the mean over the first 50 seeds, each a back-test
// of its own as `backtest --seed N` makes it; `Separate` does the same with every pass's
// run working out its own statistics and pool, as the window's back-test does.
#include "app/message_table.h"
#include "draws/draw_store.h"
#include "history/backtest.h"
#include "history/backtest_seeds.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {
const QDate Start(2013, 10, 22);

const std::vector<Draw> &bundledHistory()
{
    static const std::vector<Draw> draws = [] {
        auto read = DrawStore(QStringLiteral(DEVU_BUNDLED_STORE)).readAll();
        return read ? std::move(read).value() : std::vector<Draw>{};
    }();
    return draws;
}

BacktestInput wholeHistory(int rowsPerPass)
{
    BacktestInput input;
    input.draws = bundledHistory();
    input.statisticsStart = Start;
    input.chosenDate = Start;
    input.today = QDate(2030, 1, 1);
    input.settings.setUpDown(8, rowsPerPass);
    return input;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void backtest(benchmark::State &state, int rowsPerPass)
{
    if (bundledHistory().empty()) {
        state.SkipWithError("bundled history missing");
        return;
    }
    BacktestInput input = wholeHistory(rowsPerPass);
    const MessageTable messages;
    qint32 seed = 0;
    double backtestSeconds = 0;
    double runSeconds = 0;
    qint64 passes = 0;
    for (auto _ : state) {
        input.seed = ++seed;
        std::vector<QDate> ends;
        ends.reserve(256);
        const Clock::time_point started = Clock::now();
        SettingsBacktest run(input, messages);
        const BacktestResult &result
            = run.runToEnd([&](const BacktestPass &pass) { ends.push_back(pass.request.end); });
        backtestSeconds += secondsSince(started);
        benchmark::DoNotOptimize(result.sums);
        passes += result.passes;

        // The same runs alone: what the back-test would cost without anything around them.
        state.PauseTiming();
        GenerationRequest request;
        request.draws = input.draws;
        request.start = input.statisticsStart;
        request.settings = input.settings;
        request.settings.setCheckBox(20, false);
        request.attemptLimit = input.settings.upDown(7) * 1000;
        RandomSource random;
        const Clock::time_point replayed = Clock::now();
        for (const QDate &end : ends) {
            request.end = end;
            random.setSeed(input.seed);
            benchmark::DoNotOptimize(GenerationRun(request, random, messages).run().rows);
        }
        runSeconds += secondsSince(replayed);
        state.ResumeTiming();
    }
    state.counters["passes"] = benchmark::Counter(double(passes), benchmark::Counter::kAvgIterations);
    state.counters["runs_ms"] = benchmark::Counter(1000 * runSeconds, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = backtestSeconds / runSeconds;
}

void BacktestWholeHistoryDefaults(benchmark::State &state)
{
    backtest(state, 5);
}

void BacktestWholeHistoryTwelveRows(benchmark::State &state)
{
    backtest(state, 12);
}

void BacktestFiftySeedsTwoThreads(benchmark::State &state)
{
    const BacktestInput input = wholeHistory(5);
    const MessageTable messages;
    for (auto _ : state)
        benchmark::DoNotOptimize(BacktestSeeds::run(input, 50, messages, 2).outcomes);
}
double cpuSecondsSince(std::clock_t start)
{
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

constexpr int OneSeedSamples = 50;

struct Seconds {
    double wall = 0;
    double cpu = 0;
};

// One seed's back-test, the mean over seeds 1..50.
Seconds oneSeed(const BacktestInput &twelveRows, const MessageTable &messages, bool separate)
{
    const Clock::time_point started = Clock::now();
    const std::clock_t cpuStarted = std::clock();
    for (qint32 seed = 1; seed <= OneSeedSamples; ++seed) {
        BacktestInput input = twelveRows;
        input.seed = seed;
        if (separate) {
            SettingsBacktest backtest(input, messages);
            benchmark::DoNotOptimize(backtest.runToEnd().sums);
        } else {
            benchmark::DoNotOptimize(BacktestSeeds::run(input, 1, messages, 1).outcomes);
        }
    }
    return {secondsSince(started) / OneSeedSamples, cpuSecondsSince(cpuStarted) / OneSeedSamples};
}

void oneSeedBacktest(benchmark::State &state, bool separate)
{
    const BacktestInput input = wholeHistory(12);
    const MessageTable messages;
    double cpu = 0;
    for (auto _ : state) {
        const Seconds taken = oneSeed(input, messages, separate);
        state.SetIterationTime(taken.wall);
        cpu += taken.cpu;
    }
    state.counters["cpu_ms"] = 1000 * cpu / double(state.iterations());
}

void BacktestOneSeedTwelveRows(benchmark::State &state)
{
    oneSeedBacktest(state, false);
}

void BacktestOneSeedSeparateTwelveRows(benchmark::State &state)
{
    oneSeedBacktest(state, true);
}

void BacktestThousandSeedsTwelveRowsTwoThreads(benchmark::State &state)
{
    BacktestInput input = wholeHistory(12);
    input.seed = 1;
    const MessageTable messages;
    const Seconds one = oneSeed(input, messages, false);
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        const Clock::time_point started = Clock::now();
        const std::clock_t cpuStarted = std::clock();
        benchmark::DoNotOptimize(BacktestSeeds::run(input, 1000, messages, 2).outcomes);
        cpu += cpuSecondsSince(cpuStarted);
        wall += secondsSince(started);
    }
    const auto iterations = double(state.iterations());
    state.counters["cpu_ms"] = 1000 * cpu / iterations;
    state.counters["one_seed_ms"] = 1000 * one.wall;
    state.counters["one_seed_cpu_ms"] = 1000 * one.cpu;
    state.counters["ratio"] = wall / iterations / one.wall;
    state.counters["cpu_ratio"] = cpu / iterations / one.cpu;
}
} // namespace

BENCHMARK(BacktestOneSeedTwelveRows)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BacktestOneSeedSeparateTwelveRows)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BacktestThousandSeedsTwelveRowsTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BacktestWholeHistoryDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BacktestWholeHistoryTwelveRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BacktestFiftySeedsTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
