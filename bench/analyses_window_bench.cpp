// The historical analyses as the window runs them, on the offscreen platform with the
// main window shown: the settings back-test over the whole bundled history from
// 2013-10-22 with the defaults, and the repeat analysis from 2016-01-01. Beside each,
// `core_ms` is the same analysis without a window (the report from the inputs), so the
// difference is what showing the passes costs; `passes` and `sheet_paints` show that
// the sheet paints at least once per pass. Target: the back-test within a second.
#include "app/http_client.h"
#include "app/message_table.h"
#include "app/ui/main_window.h"
#include "draws/draw_store.h"
#include "draws/ui/database_page.h"
#include "generator/random_source.h"
#include "history/backtest_report.h"
#include "history/repeat_analysis.h"
#include "history/ui/analysis_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/platform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <deque>

namespace {
const QDate BacktestStart(2013, 10, 22);
const QDate RepeatStart(2016, 1, 1);

// Answers every question with Yes and every input box from a queue.
class AnsweringDialogs : public UserDialogs {
public:
    std::deque<QString> inputs;
    int messages = 0;

    void showMessage(const QString &) override { ++messages; }
    void showError(const QString &) override { ++messages; }
    bool askYesNo(const QString &, const QString &) override { return true; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &proposal) override
    {
        if (inputs.empty())
            return proposal;
        QString answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
    QString openFileName(const FileDialogOptions &) override { return {}; }
    QString saveFileName(const FileDialogOptions &) override { return {}; }
    int exec(QDialog &) override { return 0; }
};

class SilentSound : public SoundPlayer {
public:
    void play(const QString &) override { }
};

class NoShell : public DesktopShell {
public:
    int opened = 0;
    void open(const QString &, const QObject *, Outcome) override { ++opened; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A main window on a program folder holding the bundled history, shown.
struct Window {
    QTemporaryDir directory;
    AnsweringDialogs dialogs;
    SilentSound sound;
    NoShell shell;
    RandomSource random{12345};
    std::unique_ptr<HttpClient> http = makeNetworkHttpClient();
    std::unique_ptr<MainWindow> window;
    PaintCounter counter;
    std::vector<Draw> draws;

    bool open()
    {
        const QString store = directory.filePath(QString::fromLatin1(DrawStore::FileName));
        if (!QFile::copy(QStringLiteral(DEVU_BUNDLED_STORE), store))
            return false;
        QFile(store).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        auto read = DrawStore(store).readAll();
        if (!read || read->empty())
            return false;
        draws = std::move(read).value();
        MainWindow::Services services;
        services.dialogs = &dialogs;
        services.sound = &sound;
        services.shell = &shell;
        services.random = &random;
        services.http = http.get();
        window = std::make_unique<MainWindow>(directory.path(), services);
        window->afterCreation();
        window->show();
        window->tipSheet()->installEventFilter(&counter);
        QApplication::processEvents();
        return true;
    }
};

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One analysis through the window per iteration (timed) and, untimed beside it, the same
// computation on the core alone, so that the window's own share shows in core_ms.
// `runCore` returns the number of passes.
template <typename StartInWindow, typename RunCore>
void measure(benchmark::State &state, QDate start, const QString &answer, StartInWindow startInWindow, RunCore runCore,
    const char *failure)
{
    Window w;
    if (!w.open()) {
        state.SkipWithError("bundled history missing");
        return;
    }
    double coreMs = 0;
    int passes = 0;
    int paints = 0;
    for (auto _ : state) {
        w.window->database()->DateTimePicker1->setDate(start);
        w.dialogs.inputs.push_back(answer);
        w.counter.paints = 0;
        startInWindow(*w.window->analyses());
        paints = w.counter.paints;

        state.PauseTiming();
        const auto coreStart = Clock::now();
        passes = runCore(w.draws);
        coreMs += millisecondsSince(coreStart);
        state.ResumeTiming();
    }
    state.counters["core_ms"] = coreMs / double(state.iterations());
    state.counters["passes"] = passes;
    state.counters["sheet_paints"] = paints;
    if (w.shell.opened != int(state.iterations()) || w.dialogs.messages != 0)
        state.SkipWithError(failure);
}

void windowBacktest(benchmark::State &state)
{
    const MessageTable messages;
    measure(
        state, BacktestStart, QStringLiteral("7"), [](AnalysisController &window) { window.settingsBacktest(); },
        [&](const std::vector<Draw> &draws) {
            BacktestInput input;
            input.draws = draws;
            input.chosenDate = BacktestStart;
            input.statisticsStart = BacktestStart;
            input.today = QDate(2030, 1, 1);
            input.seed = 7;
            SettingsBacktest core(input, messages);
            benchmark::DoNotOptimize(BacktestReport::lines(core.runToEnd(), messages));
            return core.result().passes;
        },
        "the back-test did not write its report");
}

void windowRepeatAnalysis(benchmark::State &state)
{
    const MessageTable messages;
    measure(
        state, RepeatStart, QStringLiteral("6"), [](AnalysisController &window) { window.repeatAnalysis(); },
        [&](const std::vector<Draw> &draws) {
            RepeatAnalysisInput input{draws, RepeatStart, BacktestStart, 6, {}, {}};
            RepeatAnalysis core(input);
            benchmark::DoNotOptimize(RepeatReport::lines(core.runToEnd(), messages));
            return core.result().passes;
        },
        "the repeat analysis did not write its report");
}

BENCHMARK(windowBacktest)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(windowRepeatAnalysis)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

int main(int argc, char **argv)
{
    // Offscreen unless a display is chosen on purpose (QT_QPA_PLATFORM=xcb under xvfb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
