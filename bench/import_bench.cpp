// Importing draws as `devudirurero-cli import` does: parsing the text, then storing the
// draws into a store in one rewrite. The argument is the number of draws; their dates
// are shuffled, so each one has to be placed, and the store holds the bundled history.
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "generator/random_source.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {
QString csvText(int count)
{
    RandomSource random(4711);
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[size_t(i)] = i;
    for (int i = count - 1; i > 0; --i)
        std::swap(order[size_t(i)], order[random.below(quint32(i + 1))]);
    const QDate first(1900, 1, 1);
    QString text = QStringLiteral("date,n1,n2,n3,n4,n5,megaball,megaplier\n");
    for (int day : order) {
        text += first.addDays(day).toString(Qt::ISODate);
        for (int n = 1; n <= 5; ++n)
            text += QLatin1Char(',') + QString::number(n * 15 - int(random.below(15)));
        text += QLatin1Char(',') + QString::number(1 + random.below(15)) + QStringLiteral(",2\n");
    }
    return text;
}

void importDraws(benchmark::State &state)
{
    const QString text = csvText(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Devudirurero.dat"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        if (!QFile::copy(QStringLiteral(DEVU_BUNDLED_STORE), path)) {
            state.SkipWithError("bundled history missing");
            return;
        }
        state.ResumeTiming();
        DrawText::ParsedDraws parsed = DrawText::parse(text);
        for (Draw &draw : parsed.draws)
            std::sort(draw.numbers.begin(), draw.numbers.end());
        const auto counts = DrawStore(path).import(parsed.draws);
        if (!counts || !parsed.errors.isEmpty()) {
            state.SkipWithError("import failed");
            return;
        }
        benchmark::DoNotOptimize(counts->added);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(importDraws)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
