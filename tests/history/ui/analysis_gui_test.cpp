// The historical analyses from the Datenbank page: the report the window writes against
// the command-line tool's, CheckBox20 on every way out, the questions, the state the
// window is left in, the chart beside chance, a repaint for every pass, the locked rows
// said and reproduced by the tool, and the report's numbers in the chosen language.
#include "analysis/ui/chart_page.h"
#include "app/clock.h"
#include "app/text_formats.h"
#include "cli_runner.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "draws/ui/database_page.h"
#include "draws/ui/internet_page.h"
#include "generator/generation_settings_store.h"
#include "generator/ui/generation_page.h"
#include "history/analysis_report.h"
#include "history/backtest_report.h"
#include "history/repeat_analysis.h"
#include "history/ui/analysis_controller.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {
const QDate Today(2017, 10, 31);

QString reportPath(const WindowFixture &f)
{
    return f.directory.filePath(QStringLiteral("Test.rtf"));
}

// The report as the file holds it: UTF-8 after a byte-order mark, CR LF after each line.
QStringList reportLines(const WindowFixture &f)
{
    QFile file(reportPath(f));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no report>")};
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\xEF\xBB\xBF") || !bytes.endsWith("\r\n"))
        return {QStringLiteral("<no byte-order mark or no final CR LF>")};
    bytes.remove(0, 3);
    bytes.chop(2);
    return QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
}

QStringList cliLines(const CliRun &run)
{
    QStringList lines = run.out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::vector<Draw> bundledDraws()
{
    auto draws = DrawStore(TestData::bundledStorePath()).readAll();
    if (!draws || draws->empty())
        qFatal("bundled history missing");
    return std::move(draws).value();
}

// The shipped language files into the program folder, so that the menu can load them.
void copyShippedLanguages(const QString &programFolder)
{
    for (const QString &sub : {QStringLiteral("Land"), QStringLiteral("land")}) {
        const QDir from(TestData::sourceDir() + QStringLiteral("/resources/runtime/") + sub);
        QDir().mkpath(programFolder + u'/' + sub);
        for (const QString &name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), programFolder + u'/' + sub + u'/' + name);
    }
}

QCheckBox *preferredListBox(MainWindow &w)
{
    return w.generation()->checkBox(20);
}

// Starts the back-test from `start` with the seed as the answer to the input box.
void runBacktest(WindowFixture &f, QDate start, const QString &seed)
{
    MainWindow &w = f.window();
    w.database()->DateTimePicker1->setDate(start);
    f.dialogs.answers.push_back(true);
    f.dialogs.inputs.push_back(seed);
    click(w.database()->BitBtn9);
}

void runRepeats(WindowFixture &f, QDate start, const QString &stopLevel, std::initializer_list<bool> answers = {true})
{
    MainWindow &w = f.window();
    w.database()->DateTimePicker1->setDate(start);
    for (bool answer : answers)
        f.dialogs.answers.push_back(answer);
    f.dialogs.inputs.push_back(stopLevel);
    click(w.database()->BitBtn19);
}

// What the window hands the back-test when nothing is locked and it holds the defaults.
BacktestInput backtestInput(const std::vector<Draw> &draws, QDate start, qint32 seed)
{
    BacktestInput input;
    input.draws = draws;
    input.statisticsStart = Game::firstFormatDraw();
    input.chosenDate = start;
    input.today = Today;
    input.seed = seed;
    return input;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

class AnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setToday(Today); }

    void buttonsAreEnabledWithTheirCaptions()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        QVERIFY(w.database()->BitBtn9->isEnabled());
        QVERIFY(w.database()->BitBtn19->isEnabled());
        QCOMPARE(w.database()->BitBtn9->text(),
            QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
        QCOMPARE(w.database()->BitBtn19->text(),
            QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"));
    }

    // The whole history from the first draw of the format: the window's report equals
    // the command-line tool's for the same seed and start date, line for line.
    void backtestReportEqualsTheCli()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        QCOMPARE(w.generationSettings(), GenerationSettings::defaults());
        // The back-test never shows the preferred list, so the box does not change the report.
        preferredListBox(w)->setChecked(true);
        runBacktest(f, QDate(2013, 10, 22), QStringLiteral("7"));

        const QStringList window = reportLines(f);
        const CliRun cli = runCli({QStringLiteral("--dir"), f.directory.path(), QStringLiteral("backtest"),
            QStringLiteral("--start"), QStringLiteral("2013-10-22"), QStringLiteral("--seed"), QStringLiteral("7"),
            QStringLiteral("--defaults")});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(window, cliLines(cli));
        QCOMPARE(window.first(), QStringLiteral("Aktuelle Einstellung brachten"));
        QVERIFY(window.contains(QStringLiteral("Ziehungen: 211mit je 5Tipp => 1055 Reihen")));
        QCOMPARE(f.shell.opened, QStringList{reportPath(f)});
        QVERIFY(preferredListBox(w)->isChecked());
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void backtestAsksItsQuestionsAndSetsTheSeed()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        f.random.setState(4711);
        runBacktest(f, QDate(2017, 6, 1), QStringLiteral("5"));
        QCOMPARE(f.dialogs.questions,
            QStringList{QStringLiteral("aktuellen Tipps werden dabei gelöscht?|Soll die Analyse der Einstellungen "
                                       "jetzt ab dem 01.06.2017 durchgeführt werden??")});
        QCOMPARE(f.dialogs.inputPrompts,
            QStringList{QStringLiteral("Ihre Glückszahl (1-99999999)?|Geben Sie Ihre Glückszahl für den "
                                       "Zufallsgenerator ein!|4711")});
        // The report for this seed, and the generator as the last run left it.
        BacktestInput input = backtestInput(bundledDraws(), QDate(2017, 6, 1), 5);
        SettingsBacktest expected(input, w.messages());
        expected.runToEnd();
        QCOMPARE(reportLines(f), BacktestReport::linesFor(input, w.messages()));
        QCOMPARE(f.random.state(), expected.result().randomState);
        QVERIFY(f.random.state() != quint32(-5));
    }

    // The preferred list is off while the back-test runs and back afterwards.
    void preferredListOffForTheRunAndRestored()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        preferredListBox(w)->setChecked(true);
        QSignalSpy toggled(preferredListBox(w), &QCheckBox::toggled);
        bool offDuringPasses = true;
        // Every pass writes the sheet: the box must be off then.
        connect(w.tipSheet()->field(1, 0), &QLineEdit::textChanged, this,
            [&] { offDuringPasses = offDuringPasses && !preferredListBox(w)->isChecked(); });
        runBacktest(f, QDate(2017, 9, 1), QStringLiteral("3"));
        QVERIFY(offDuringPasses);
        QCOMPARE(toggled.size(), 2);
        QCOMPARE(toggled[0][0].toBool(), false);
        QCOMPARE(toggled[1][0].toBool(), true);
        QVERIFY(preferredListBox(w)->isChecked());
        QVERIFY(QFile::exists(reportPath(f)));
    }

    void badSeedShowsEntry16WithoutReport()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        preferredListBox(w)->setChecked(true);
        const quint32 before = f.random.state();
        runBacktest(f, QDate(2017, 6, 1), QStringLiteral("zwölf"));
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Fehler bei Eingabe der ZufallsZahl")});
        QVERIFY(!QFile::exists(reportPath(f)));
        QVERIFY(f.shell.opened.isEmpty());
        QVERIFY(preferredListBox(w)->isChecked());
        QCOMPARE(f.random.state(), before);
        QVERIFY(w.database()->BitBtn9->isEnabled());
        QVERIFY(w.tipSheet()->generateButton()->isEnabled());
    }

    void cancelledSeedEndsWithoutReport()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        preferredListBox(w)->setChecked(true);
        f.dialogs.answers.push_back(true);
        click(w.database()->BitBtn9);
        QCOMPARE(f.dialogs.inputPrompts.size(), 1);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(reportPath(f)));
        QVERIFY(preferredListBox(w)->isChecked());
    }

    void noToTheQuestionChangesNothing()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        preferredListBox(w)->setChecked(true);
        QSignalSpy toggled(preferredListBox(w), &QCheckBox::toggled);
        w.database()->DateTimePicker1->setDate(QDate(2017, 6, 1));
        f.dialogs.answers.push_back(false);
        click(w.database()->BitBtn9);
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.inputPrompts.isEmpty());
        QCOMPARE(toggled.size(), 0);
        QVERIFY(preferredListBox(w)->isChecked());
        QCOMPARE(w.database()->DateTimePicker1->date(), QDate(2017, 6, 1));
        QVERIFY(!QFile::exists(reportPath(f)));
    }

    // Closing the window during a pass saves the settings with CheckBox20 as the user
    // had it and ends the analysis without a report.
    void closingDuringTheRunSavesTheBoxAsItWas()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        preferredListBox(w)->setChecked(true);
        bool closed = false;
        connect(w.tipSheet()->field(1, 0), &QLineEdit::textChanged, &w, [&] {
            if (!closed && w.analyses()->isRunning()) {
                closed = true;
                w.close();
            }
        });
        runBacktest(f, QDate(2016, 1, 5), QStringLiteral("7"));
        QVERIFY(closed);
        QVERIFY(GenerationSettingsStore::read(*f.settings).settings.checkBox(20));
        QVERIFY(preferredListBox(w)->isChecked());
        QVERIFY(!QFile::exists(reportPath(f)));
        QVERIFY(f.shell.opened.isEmpty());
    }

    // The end state: the sheet, its colours and labels from the last pass, the newest
    // draw shown and the draw date on it, the run's status text.
    void backtestLeavesTheLastPassOnTheWindow()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        TipSheetPage *sheet = w.tipSheet();
        // A locked row stays as it is, sorted by the evaluation.
        sheet->setRowTexts(7, {"40", "3", "75", "12", "8", "9", ""});
        sheet->setLocked(7, true);
        runBacktest(f, QDate(2017, 3, 1), QStringLiteral("11"));

        const std::vector<Draw> draws = bundledDraws();
        BacktestInput input = backtestInput(draws, QDate(2017, 3, 1), 11);
        input.sheet[6] = {{"40", "3", "75", "12", "8", "9", ""}, true};
        SettingsBacktest expected(input, w.messages());
        expected.runToEnd();
        const BacktestPass &last = expected.lastPass();
        QCOMPARE(reportLines(f), BacktestReport::lines(expected.result(), w.messages()));
        // The question and the report say which row every pass kept, and the command-line
        // tool, given the same lock, writes the same report.
        QCOMPARE(f.dialogs.questions.first(),
            QStringLiteral("aktuellen Tipps werden dabei gelöscht?|Soll die Analyse der Einstellungen jetzt ab dem "
                           "01.03.2017 durchgeführt werden??\n\nGesperrte Reihen, in jedem Durchlauf behalten und "
                           "mitgezählt:\n7: 40 3 75 12 8 9"));
        QVERIFY(reportLines(f).contains(QStringLiteral("7: 3 8 12 40 75 9")));
        const CliRun cli = runCli({QStringLiteral("--dir"), f.directory.path(), QStringLiteral("backtest"),
            QStringLiteral("--start"), QStringLiteral("2017-03-01"), QStringLiteral("--seed"), QStringLiteral("11"),
            QStringLiteral("--defaults"), QStringLiteral("--lock"), QStringLiteral("7=40,3,75,12,8,9")});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(reportLines(f), cliLines(cli));

        QCOMPARE(w.shownDraw().draw(), draws.back());
        QCOMPARE(w.shownDraw().index(), int(draws.size()) - 1);
        QCOMPARE(w.database()->DateTimePicker1->date(), draws.back().date);
        QCOMPARE(w.database()->Label29->text(), DrawDisplay::text(draws.back(), last.evaluated.style));
        QCOMPARE(sheet->drawLabel()->text(), w.database()->Label29->text());
        QCOMPARE(sheet->sheetTexts(), last.sheetTexts());
        QCOMPARE(sheet->rowTexts(7), (TipRowTexts{"3", "8", "12", "40", "75", "9", ""}));
        const SheetEvaluation evaluation = last.sheetEvaluation();
        for (int row = 1; row <= TipRows::RowCount; ++row) {
            const HitRule::RowEvaluation &e = evaluation.rows[size_t(row - 1)];
            QCOMPARE(sheet->hitLabel(row)->text(), e.evaluated ? e.hitText : QString());
            if (!e.evaluated)
                continue;
            for (int slot = 0; slot < TipRows::MainFields; ++slot)
                QCOMPARE(sheet->fieldColour(row, slot),
                    e.hit.fieldHits[size_t(slot)] ? TipSheetPage::FieldColour::Hit : TipSheetPage::FieldColour::Window);
        }
        QCOMPARE(w.shownDraw().tally().cells, evaluation.tally.cells);
        QCOMPARE(w.statusText(1), w.messages().text(last.generation.status));
        QCOMPARE(w.pageControl()->currentIndex(), 0);
    }

    // In another language the report's own sections write numbers as that language does;
    // the documented lines stay as they are.
    void reportsInTheChosenLanguagesFormats()
    {
        WindowFixture f;
        const auto history = TestData::draws({"2017-10-03 1 2 3 4 5 6 2", "2017-10-06 10 20 30 40 50 7 3",
            "2017-10-10 1 2 3 4 60 8 4", "2017-10-13 11 21 31 41 51 9 5"});
        f.useHistory(history);
        copyShippedLanguages(f.programFolder());
        MainWindow &w = f.create();
        w.afterCreation();
        w.menuAction(QStringLiteral("Englich1"))->trigger();
        const ReportFormat english = ReportFormat::forLanguage(QStringLiteral("en"));

        runBacktest(f, QDate(2017, 10, 3), QStringLiteral("7"));
        BacktestInput input = backtestInput(history, QDate(2017, 10, 3), 7);
        input.statisticsStart = w.charts()->DateTimePicker2->date();
        SettingsBacktest expected(input, w.messages());
        const QStringList backtest = reportLines(f);
        QCOMPARE(backtest, BacktestReport::lines(expected.runToEnd(), w.messages(), english));
        QVERIFY(backtest.contains(QStringLiteral("5\t$1,000,000.00\t0\t0\t0.00\t0 – 0\t1 in 18,492,204")));

        runRepeats(f, QDate(2017, 10, 3), QStringLiteral("6"));
        const QStringList repeats = reportLines(f);
        RepeatAnalysisInput repeatInput{history, QDate(2017, 10, 3), w.charts()->DateTimePicker2->date(), 6, {}, {}};
        RepeatAnalysis analysis(repeatInput);
        QCOMPARE(repeats, RepeatReport::lines(analysis.runToEnd(), w.messages(), english));
    }

    void chartShowsTheSettingsBesideChance()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        ChartPage *chart = w.charts();
        QVERIFY(!chart->comparisonShown());
        QVERIFY(!chart->Chart1->chart()->legend()->isVisible());
        runBacktest(f, QDate(2016, 1, 5), QStringLiteral("7"));

        BacktestInput input = backtestInput(bundledDraws(), QDate(2016, 1, 5), 7);
        SettingsBacktest expected(input, w.messages());
        const PrizeClassChart bars = PrizeClassChart::of(expected.runToEnd().yardstick(), w.messages());
        QVERIFY(chart->comparisonShown());
        QCOMPARE(chart->Chart1->chart(), chart->comparisonChart());
        QVERIFY(chart->Chart1->chart()->legend()->isVisible());
        QCOMPARE(
            chart->comparisonLabels(), (QStringList{"5+MB", "5", "4+MB", "4", "3+MB", "3", "2+MB", "1+MB", "0+MB"}));
        QCOMPARE(chart->settingsBars()->label(), QStringLiteral("Einstellungen"));
        QCOMPARE(chart->chanceBars()->label(), QStringLiteral("Zufall erwartet"));
        QCOMPARE(chart->settingsBars()->count(), 9);
        double settingsRows = 0;
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(chart->settingsBars()->at(i), qreal(bars.bars[size_t(i)].settings));
            QCOMPARE(chart->chanceBars()->at(i), bars.bars[size_t(i)].expected);
            settingsRows += chart->settingsBars()->at(i);
        }
        QVERIFY(settingsRows > 0);
        // 1 + MB is 1 in 56.47: the expected count is the rows over that.
        const qint64 rows = qint64(expected.result().passes) * 5;
        QVERIFY(qAbs(chart->chanceBars()->at(7) - double(rows) / 56.47) < 0.01 * double(rows) / 56.47);

        // The next statistics chart is the single series again, without a legend.
        click(w.database()->Button2);
        QVERIFY(!chart->comparisonShown());
        QVERIFY(!chart->Chart1->chart()->legend()->isVisible());
        QCOMPARE(chart->Chart1->chart()->series().size(), 1);
        QCOMPARE(chart->points().size(), size_t(74));
    }

    void reportWriteFailureShowsItsError()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        QVERIFY(QDir(f.directory.path()).mkdir(QStringLiteral("Test.rtf")));
        runBacktest(f, QDate(2017, 9, 1), QStringLiteral("3"));
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.shell.opened.isEmpty());
        runRepeats(f, QDate(2017, 9, 1), QStringLiteral("6"));
        QCOMPARE(f.dialogs.errors.size(), 2);
        QVERIFY(f.shell.opened.isEmpty());
    }

    // Every pass paints the sheet, not only when the throttled event processing comes by.
    void everyPassRepaints()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PaintCounter counter(w.tipSheet());
        runBacktest(f, QDate(2013, 10, 22), QStringLiteral("7"));
        QVERIFY2(counter.paints >= 211, qPrintable(QString::number(counter.paints)));

        PaintCounter repeats(w.tipSheet());
        runRepeats(f, QDate(2016, 1, 1), QStringLiteral("6"));
        const std::vector<Draw> draws = bundledDraws();
        const int passes
            = int(std::count_if(draws.begin(), draws.end(), [](const Draw &d) { return d.date >= QDate(2016, 1, 1); }))
            - 1;
        QVERIFY2(repeats.paints >= passes, qPrintable(QString::number(repeats.paints)));
    }

    void repeatReportEqualsTheCli()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        w.charts()->DateTimePicker2->setDate(QDate(2015, 1, 1));
        runRepeats(f, QDate(2016, 1, 1), QStringLiteral("6"));
        QCOMPARE(f.dialogs.questions.size(), 1); // stop level 6 never asks
        QCOMPARE(f.dialogs.questions.first(),
            QStringLiteral(
                "aktuellen Tipps werden dabei gelöscht?|Soll die Analyse der Datenbank jetzt ab dem 01.01.2016 "
                "durchgeführt werden??"));
        QCOMPARE(f.dialogs.inputPrompts,
            QStringList{
                QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?|Ziehungsergebnis vergleichen|5")});
        const CliRun cli
            = runCli({QStringLiteral("--dir"), f.directory.path(), QStringLiteral("repeats"), QStringLiteral("--start"),
                QStringLiteral("2016-01-01"), QStringLiteral("--from"), QStringLiteral("2015-01-01")});
        QCOMPARE(cli.exitCode, 0);
        const QStringList report = reportLines(f);
        QCOMPARE(report, cliLines(cli));
        QCOMPARE(report.size(), 15 + 23); // the documented lines, then both beside chance
        QCOMPARE(report.first(), QStringLiteral("Treffer von Ziehungen in der Datenbank"));
        QCOMPARE(f.shell.opened, QStringList{reportPath(f)});

        // The end state: the newest draw shown and evaluated against row 1, which holds
        // the draw before it.
        const std::vector<Draw> draws = bundledDraws();
        QCOMPARE(w.shownDraw().draw(), draws.back());
        QCOMPARE(w.database()->DateTimePicker1->date(), draws.back().date);
        const Draw &previous = draws[draws.size() - 2];
        TipRowTexts row1;
        std::array<int, 5> sorted{};
        std::copy(previous.numbers.begin(), previous.numbers.end(), sorted.begin());
        std::sort(sorted.begin(), sorted.end());
        for (size_t i = 0; i < 5; ++i)
            row1[i] = QString::number(sorted[i]);
        row1[5] = QString::number(previous.megaball);
        row1[6] = QString::number(previous.megaplier);
        QCOMPARE(w.tipSheet()->rowTexts(1), row1);
        const HitResult hit = HitRule::zettelcheck(row1, draws.back());
        QCOMPARE(w.tipSheet()->hitLabel(1)->text().left(1), QString::number(hit.hitCount));
        QCOMPARE(w.statusText(1), TextFormats::shortDate(previous.date));
        QCOMPARE(w.pageControl()->currentIndex(), 0);
    }

    // A draw that repeats an earlier one: at stop level 3 the scan asks, and No ends the
    // analysis without a report, with ShownDraw on the draw of the question.
    void repeatStopsWithoutReportOnNo()
    {
        WindowFixture f;
        f.useHistory(TestData::draws({"2017-10-03 1 2 3 4 5 6 2", "2017-10-06 10 20 30 40 50 7 3",
            "2017-10-10 1 2 3 4 60 8 4", "2017-10-13 11 21 31 41 51 9 5"}));
        MainWindow &w = f.create();
        w.afterCreation();
        w.charts()->DateTimePicker2->setDate(QDate(2017, 10, 1));
        runRepeats(f, QDate(2017, 10, 3), QStringLiteral("3"), {true, false});
        QCOMPARE(f.dialogs.questions.size(), 2);
        QCOMPARE(f.dialogs.questions.last(),
            QStringLiteral("Ziehung gefunden|Ein Treffer am  03.10.2017 gefunden. Weiter?"));
        QVERIFY(!QFile::exists(reportPath(f)));
        QVERIFY(f.shell.opened.isEmpty());
        QCOMPARE(w.shownDraw().draw().date, QDate(2017, 10, 3));
        QCOMPARE(w.shownDraw().lastHit().hitCount, 4);
        // Row 1 holds the draw of the pass that asked.
        QCOMPARE(w.tipSheet()->rowTexts(1), (TipRowTexts{"1", "2", "3", "4", "60", "8", "4"}));
        QVERIFY(w.database()->BitBtn19->isEnabled());
    }

    void repeatYesGoesOnAndCounts()
    {
        WindowFixture f;
        const auto history = TestData::draws({"2017-10-03 1 2 3 4 5 6 2", "2017-10-06 10 20 30 40 50 7 3",
            "2017-10-10 1 2 3 4 60 8 4", "2017-10-13 11 21 31 41 51 9 5"});
        f.useHistory(history);
        MainWindow &w = f.create();
        w.afterCreation();
        w.charts()->DateTimePicker2->setDate(QDate(2017, 10, 1));
        runRepeats(f, QDate(2017, 10, 3), QStringLiteral("3"), {true, true});
        QCOMPARE(f.dialogs.questions.size(), 2);
        RepeatAnalysisInput input{history, QDate(2017, 10, 3), QDate(2017, 10, 1), 6, {}, {}};
        const QStringList expected = RepeatReport::linesFor(input, w.messages());
        QCOMPARE(reportLines(f), expected);
        // Pass 1 compares with nothing; pass 2 finds 0 hits in the first draw, pass 3 finds
        // 4 there (the question) and 0 in the second.
        QCOMPARE(expected[1], QStringLiteral("0    =>2"));
        QCOMPARE(expected[5], QStringLiteral("4    =>1"));
    }

    // While an analysis runs, the commands that would rewrite the sheet or the history
    // are held back, and they come back afterwards.
    void otherCommandsWaitDuringTheRun()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        bool heldBack = true;
        int checks = 0;
        connect(w.tipSheet()->field(1, 0), &QLineEdit::textChanged, &w, [&] {
            ++checks;
            heldBack = heldBack && !w.tipSheet()->generateButton()->isEnabled()
                && !w.tipSheet()->searchButton()->isEnabled() && !w.database()->BitBtn9->isEnabled()
                && !w.database()->BitBtn19->isEnabled() && !w.database()->BitBtn1->isEnabled();
        });
        runRepeats(f, QDate(2017, 6, 1), QStringLiteral("6"));
        QVERIFY(checks > 0);
        QVERIFY(heldBack);
        QVERIFY(w.tipSheet()->generateButton()->isEnabled());
        QVERIFY(w.database()->BitBtn9->isEnabled());
        QVERIFY(w.database()->BitBtn1->isEnabled());
    }
};

QTEST_MAIN(AnalysisTest)
#include "analysis_gui_test.moc"
