// A grid of settings over the whole bundled history from 2013-10-22, as backtest-grid
// runs it on two threads: two options of three values each (UpDown8 = 4, 8, 12 rows and
// UpDown12 = 20, 30, 40 % frequent numbers with Chekcbox2 on), 100 seeds each, the split
// in the middle. Reports the wall time of the whole grid, the back-tests it made (every
// setting in sample, the picked one over every pass), the wall time per back-test and
// the time one setting's plan takes before its seeds start.
#include "app/message_table.h"
#include "draws/draw_store.h"
#include "history/backtest_grid.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {
const QDate Start(2013, 10, 22);

void BacktestGridTwoOptionsThreeValuesHundredSeeds(benchmark::State &state)
{
    auto draws = DrawStore(QStringLiteral(DEVU_BUNDLED_STORE)).readAll();
    if (!draws || draws->empty()) {
        state.SkipWithError("bundled history missing");
        return;
    }
    GridRequest request;
    request.input.draws = std::move(draws).value();
    request.input.statisticsStart = Start;
    request.input.chosenDate = Start;
    request.input.today = QDate(2030, 1, 1);
    request.input.seed = 1;
    request.input.settings.frequentNumbers = true;
    request.axes = {*BacktestGrid::parseAxis(QStringLiteral("UpDown8=4..12:4")),
        *BacktestGrid::parseAxis(QStringLiteral("UpDown12=20..40:10"))};
    request.seeds = 100;
    const MessageTable messages;
    const auto grid = BacktestGrid::combinations(request.input.settings, request.axes, request.input.sheet, messages);
    if (!grid) {
        state.SkipWithError(qPrintable(grid.error()));
        return;
    }
    double wall = 0;
    GridResult result;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        result = BacktestGrid::run(request, *grid, messages, 2);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        benchmark::DoNotOptimize(result.finished);
    }
    const auto iterations = double(state.iterations());
    const int passes = result.inSamplePasses + result.outOfSamplePasses;
    // In-sample passes of every setting, then every pass of the picked one, in whole back-tests.
    const double backtests
        = double(request.seeds) * (double(grid->size()) * result.inSamplePasses / std::max(passes, 1) + 1.0);
    state.counters["settings"] = double(grid->size());
    state.counters["backtests"] = backtests;
    state.counters["wall_ms"] = 1000 * wall / iterations;
    state.counters["ms_per_backtest"] = 1000 * wall / iterations / backtests;
    // What one setting prepares before its seeds start: the plan of every pass.
    const auto planned = std::chrono::steady_clock::now();
    BacktestInput input = request.input;
    input.settings = grid->front().settings;
    benchmark::DoNotOptimize(BacktestPlan(input, messages).passes().size());
    state.counters["plan_ms"]
        = 1000 * std::chrono::duration<double>(std::chrono::steady_clock::now() - planned).count();
}
} // namespace

BENCHMARK(BacktestGridTwoOptionsThreeValuesHundredSeeds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK_MAIN();
