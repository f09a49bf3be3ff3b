// Whole generation runs as the command-line tool runs them (no window), on the bundled
// history with the end date 2017-10-27: five rows with the design defaults (also with
// reading the draw file first), twelve rows, a run whose every candidate fails (minimum
// even 3 and odd 3), and a budget of a million attempts whose candidates mostly fail at
// the history tests.
#include "app/message_table.h"
#include "draws/draw_store.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"

#include <benchmark/benchmark.h>

namespace {
const QDate Start(2013, 10, 22);
const QDate End(2017, 10, 27);

const std::vector<Draw> &bundledHistory()
{
    static const std::vector<Draw> draws = [] {
        auto read = DrawStore(QStringLiteral(DEVU_BUNDLED_STORE)).readAll();
        return read ? std::move(read).value() : std::vector<Draw>{};
    }();
    return draws;
}

// One run per iteration; the seed changes from run to run so that the time is an
// average over different rows, and the counters show the attempts a run made. With
// `readStore` each run first reads the draw file, as the command-line tool does.
void runGeneration(benchmark::State &state, const GenerationSettings &settings, bool readStore = false)
{
    if (bundledHistory().empty()) {
        state.SkipWithError("bundled history missing");
        return;
    }
    GenerationRequest request;
    request.draws = bundledHistory();
    request.start = Start;
    request.end = End;
    request.settings = settings;
    request.attemptLimit = settings.upDown(7) * 1000;
    const MessageTable messages;
    RandomSource random;
    qint32 seed = 0;
    qint64 attempts = 0;
    for (auto _ : state) {
        std::vector<Draw> read;
        if (readStore) {
            read = DrawStore(QStringLiteral(DEVU_BUNDLED_STORE)).readAll().value();
            request.draws = read;
        }
        random.setSeed(++seed);
        const GenerationOutcome outcome = GenerationRun(request, random, messages).run();
        attempts += outcome.attempts;
        benchmark::DoNotOptimize(outcome.rows);
    }
    state.counters["attempts/run"] = benchmark::Counter(double(attempts), benchmark::Counter::kAvgIterations);
    state.counters["attempts/s"] = benchmark::Counter(double(attempts), benchmark::Counter::kIsRate);
}

void FiveRowsDefaults(benchmark::State &state)
{
    runGeneration(state, GenerationSettings::defaults());
}

void FiveRowsDefaultsReadingTheStore(benchmark::State &state)
{
    runGeneration(state, GenerationSettings::defaults(), true);
}

void TwelveRowsDefaults(benchmark::State &state)
{
    GenerationSettings settings = GenerationSettings::defaults();
    settings.setUpDown(8, 12);
    runGeneration(state, settings);
}

void TwelveRowsBudgetExhausted(benchmark::State &state)
{
    GenerationSettings settings = GenerationSettings::defaults();
    settings.setUpDown(8, 12);
    settings.setCheckBox(25, true);
    settings.setCheckBox(26, true);
    settings.setUpDown(15, 3);
    settings.setUpDown(16, 3);
    runGeneration(state, settings);
}

// The whole-history test at 3 and the recent test at 2 over 128 weeks reject nearly
// every candidate after all cheaper tests have passed.
void MillionAttemptsLateRejects(benchmark::State &state)
{
    GenerationSettings settings = GenerationSettings::defaults();
    settings.setUpDown(7, 1000);
    settings.setUpDown(6, 3);
    settings.setUpDown(17, 2);
    settings.setUpDown(18, 128);
    runGeneration(state, settings);
}
} // namespace

BENCHMARK(FiveRowsDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(FiveRowsDefaultsReadingTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(TwelveRowsDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(TwelveRowsBudgetExhausted)->Unit(benchmark::kMillisecond);
BENCHMARK(MillionAttemptsLateRejects)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
