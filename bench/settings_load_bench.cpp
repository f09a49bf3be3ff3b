// Loading and saving a settings file with many values: the file store keeps its values in
// memory by name, so both must grow with n log n or better, not with the square of the
// value count. The argument is the number of values.
#include "app/reg_file_settings_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
const QString Section = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero");

// A file as the program writes it: integers, texts and dates mixed.
QByteArray settingsFile(int count)
{
    QByteArray text = "Windows Registry Editor Version 5.00\r\n\r\n[" + Section.toUtf8() + "]\r\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "\"Wert" + QByteArray::number(i) + "\"=";
        switch (i % 3) {
        case 0:
            text += name + "dword:" + QByteArray::number(i, 16).rightJustified(8, '0') + "\r\n";
            break;
        case 1:
            text += name + "\"Text " + QByteArray::number(i) + "\"\r\n";
            break;
        default:
            text += name + "hex:00,00,00,00,00,50,e4,40\r\n";
            break;
        }
    }
    return text + "\r\n";
}

void loadSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DevuDirurero.reg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(settingsFile(int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    for (auto _ : state) {
        auto store = RegFileSettingsStore::load(path, Section, RegFileSettingsStore::Access::ReadWrite);
        benchmark::DoNotOptimize(store->valueNames().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(loadSettings)->Arg(1000)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);

void saveSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DevuDirurero.reg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(settingsFile(int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    auto store = RegFileSettingsStore::load(path, Section, RegFileSettingsStore::Access::ReadWrite);
    for (auto _ : state) {
        const auto saved = store->save();
        if (!saved.ok()) {
            state.SkipWithError(qPrintable(saved.error()));
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(saveSettings)->Arg(1000)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
