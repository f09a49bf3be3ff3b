// Candidate rows per second through the acceptance tests on the bundled history: the
// whole-history test alone with UpDown6 = 3, and all tests with the design defaults.
#include "draws/draw_store.h"
#include "generator/random_source.h"
#include "generator/row_filters.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {
std::vector<Draw> bundledHistory()
{
    auto draws = DrawStore(QStringLiteral(DEVU_BUNDLED_STORE)).readAll();
    return draws ? std::move(draws).value() : std::vector<Draw>{};
}

// Random sorted candidates, drawn ahead so that the loop measures the tests only.
std::vector<CandidateRow> candidates(size_t count)
{
    RandomSource random(12345);
    std::vector<CandidateRow> rows(count);
    for (CandidateRow &row : rows) {
        for (size_t slot = 0; slot < row.numbers.size();) {
            const int n = int(random.below(75)) + 1;
            if (std::find(row.numbers.begin(), row.numbers.begin() + slot, n) == row.numbers.begin() + slot)
                row.numbers[slot++] = n;
        }
        std::sort(row.numbers.begin(), row.numbers.end());
        row.megaball = int(random.below(15)) + 1;
    }
    return rows;
}

void runFilters(benchmark::State &state, const GenerationSettings &settings)
{
    const std::vector<Draw> draws = bundledHistory();
    if (draws.empty()) {
        state.SkipWithError("bundled history missing");
        return;
    }
    const ReferenceDraws references = findReferenceDraws(draws, draws.back().date);
    RowFilters filters(draws, draws.front().date, references);
    const std::vector<CandidateRow> rows = candidates(4096);
    const std::vector<MainNumberSet> placed{MainNumberSet::of(std::vector<int>{3, 14, 25, 36, 47})};
    size_t next = 0;
    int accepted = 0;
    for (auto _ : state) {
        accepted += filters.check(rows[next], placed, settings) == FilterTest::Accepted;
        next = (next + 1) % rows.size();
    }
    benchmark::DoNotOptimize(accepted);
    state.SetItemsProcessed(state.iterations());
}

void WholeHistoryOnly(benchmark::State &state)
{
    GenerationSettings settings = GenerationSettings::defaults();
    for (int box : {3, 4, 5, 8, 18, 22, 23, 24, 25, 26, 27, 28})
        settings.setCheckBox(box, false);
    settings.setUpDown(1, 21);
    settings.setUpDown(2, 239);
    settings.setUpDown(6, 3);
    runFilters(state, settings);
}

void DesignDefaults(benchmark::State &state)
{
    runFilters(state, GenerationSettings::defaults());
}
} // namespace

BENCHMARK(WholeHistoryOnly);
BENCHMARK(DesignDefaults);
BENCHMARK_MAIN();
