// Filling a click script grows with the template: n "[" before one "]" (the case that
// once took time in the square of n) and n placeholders of twelve rows, from 40,000 to
// 640,000; the time per character should stay flat.
#include "output/click_script.h"

#include <benchmark/benchmark.h>

namespace {
const ClickScript::Placeholders &values()
{
    static const ClickScript::Placeholders filled = ClickScript::placeholders(
        QStringList(12, QStringLiteral("5,12,23,34,45,10,")), ScriptOptions{}, QStringLiteral("/t/20150317.hlt"));
    return filled;
}

void fill(benchmark::State &state, const QString &text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ClickScript::substitute(text, values()));
    state.SetItemsProcessed(int64_t(state.iterations()) * text.size());
}

void openBrackets(benchmark::State &state)
{
    fill(state, QString(qsizetype(state.range(0)), QLatin1Char('[')) + QLatin1Char(']'));
}

void placeholders(benchmark::State &state)
{
    QString text;
    for (int64_t i = 0; i < state.range(0); ++i)
        text += QStringLiteral("[Z%1_%2] ").arg(i % 5 + 1).arg(i % 12 + 1);
    fill(state, text);
}
} // namespace

BENCHMARK(openBrackets)->RangeMultiplier(2)->Range(40000, 640000)->Unit(benchmark::kMillisecond);
BENCHMARK(placeholders)->RangeMultiplier(2)->Range(40000, 640000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
