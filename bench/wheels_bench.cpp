// The sizes of the wheels for 6 to 20 numbers and the guarantees 2 if 2, 3 if 3, 4 if 4,
// 3 if 4, 3 if 5 and 4 if 5, built as the command line builds them (seed 1, shipped
// designs included): the rows beside the plain greedy choice, the lower bound and the best
// size known where it is known, with the time of one build.
//   bench/wheels_bench --benchmark_filter='C\(12,3/3\)'
#include "wheels/known_wheels.h"
#include "wheels/wheel.h"

#include <benchmark/benchmark.h>

#include <map>
#include <numeric>

namespace {
using Wheels::Guarantee;

constexpr Guarantee Guarantees[] = {{2, 2}, {3, 3}, {4, 4}, {3, 4}, {3, 5}, {4, 5}};

// The best sizes known that this table can vouch for; 0 where none is given.
int bestKnown(int v, Guarantee g)
{
    static const std::map<std::pair<int, int>, int> known{
        {{11, 33}, 20},
        {{12, 33}, 29},
        {{17, 33}, 68},
        {{8, 44}, 20},
        {{9, 44}, 30},
        {{10, 44}, 51},
        {{11, 44}, 66},
        {{12, 44}, 113},
    };
    const auto it = known.find({v, g.hits * 10 + g.drawn});
    return it == known.end() ? 0 : it->second;
}

void BuildWheel(benchmark::State &state, int v, Guarantee g)
{
    WheelRequest request;
    request.numbers.resize(size_t(v));
    std::iota(request.numbers.begin(), request.numbers.end(), 1);
    request.guarantee = g;
    const WheelFormat format{Game::MaxMain, Game::MaxMegaball, 1.0};
    Wheel wheel;
    for (auto _ : state) {
        wheel = Wheels::build(request, format, Wheels::SearchOptions{});
        benchmark::DoNotOptimize(wheel.rows.data());
    }
    if (!wheel.verified) {
        state.SkipWithError("no verified wheel");
        return;
    }
    state.counters["rows"] = double(wheel.mainRows.size());
    state.counters["greedy"] = wheel.greedyRows;
    state.counters["lower"] = double(Wheels::lowerBound(v, g));
    state.counters["best"] = bestKnown(v, g);
    state.counters["shipped"] = wheel.fromKnownDesign ? 1 : 0;
    state.counters["budget"] = wheel.end == Wheels::SearchEnd::Budget ? 1 : 0;
}
} // namespace

int main(int argc, char **argv)
{
    for (int v = Wheels::MinNumbers; v <= 20; ++v)
        for (const Guarantee g : Guarantees) {
            const std::string name = QStringLiteral("C(%1,%2/%3)").arg(v).arg(g.hits).arg(g.drawn).toStdString();
            benchmark::RegisterBenchmark(name.c_str(), [v, g](benchmark::State &state) { BuildWheel(state, v, g); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
