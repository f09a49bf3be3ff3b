// backtest and repeats of devudirurero-cli on a copy of the bundled history: the printed
// report is the core's report for the same inputs, line for line; --seeds adds the
// spread; refused command lines.
#include "app/clock.h"
#include "app/message_table.h"
#include "cli_runner.h"
#include "draws/draw_store.h"
#include "history/backtest_report.h"
#include "history/repeat_analysis.h"
#include "test_data.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDate Start(2013, 10, 22);

QString printed(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
} // namespace

class AnalysisCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::vector<Draw> m_draws;

    CliRun cli(const QString &arguments) const
    {
        return runCli(
            QStringList{QStringLiteral("--dir"), m_dir.path()} + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

    BacktestInput backtestInput(QDate chosen, qint32 seed) const
    {
        BacktestInput in;
        in.draws = m_draws;
        in.statisticsStart = Start;
        in.chosenDate = chosen;
        in.today = Clock::today();
        in.seed = seed;
        return in;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(TestData::bundledStorePath(), m_dir.filePath(QStringLiteral("Devudirurero.dat"))));
        m_draws = DrawStore(TestData::bundledStorePath()).readAll().value();
    }

    void backtestPrintsTheCoreReport()
    {
        const CliRun run = cli(QStringLiteral("backtest --start 2017-01-03 --seed 7 --defaults"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QStringList lines = BacktestReport::linesFor(backtestInput(QDate(2017, 1, 3), 7), MessageTable());
        QCOMPARE(run.out, printed(lines));
        QCOMPARE(lines.first(), QStringLiteral("Aktuelle Einstellung brachten"));
        QCOMPARE(lines.value(10), QStringLiteral("Ziehungen: 44mit je 5Tipp => 220 Reihen"));
    }

    void backtestTakesTheOptions()
    {
        const CliRun run = cli(QStringLiteral("backtest --start 2016-06-01 --seed -3 --from 2015-01-01 --defaults "
                                              "--set UpDown8=12 --set Chekcbox9=0"));
        QCOMPARE(run.exitCode, 0);
        BacktestInput in = backtestInput(QDate(2016, 6, 1), -3);
        in.statisticsStart = QDate(2015, 1, 1);
        in.settings.setUpDown(8, 12);
        in.settings.setCheckBox(9, false);
        QCOMPARE(run.out, printed(BacktestReport::linesFor(in, MessageTable())));
        QVERIFY(run.out.contains(QStringLiteral("mit je 12Tipp")));
    }

    void manySeeds()
    {
        const CliRun run = cli(QStringLiteral("backtest --start 2017-03-01 --seed 7 --seeds 3 --defaults"));
        QCOMPARE(run.exitCode, 0);
        const QStringList report = BacktestReport::linesFor(backtestInput(QDate(2017, 3, 1), 7), MessageTable());
        QVERIFY(run.out.startsWith(printed(report)));
        const QStringList spread = run.out.mid(printed(report).size()).split(QLatin1Char('\n'));
        QCOMPARE(spread.value(0), QString());
        QCOMPARE(spread.value(1), QStringLiteral("Streuung über die Glückszahlen 7 – 9"));
        QCOMPARE(spread.value(3), QStringLiteral("Anteil der Gewinnreihen"));
        QVERIFY(spread.value(4).startsWith(QStringLiteral("Einstellungen\t")));
        QCOMPARE(spread.value(7), QStringLiteral("Rückfluss"));
    }

    // One setting over both periods is the plain back-test; a 2 x 2 grid ranks four settings twice; too many
    // back-tests are refused with their count before any work.
    void backtestGrid()
    {
        const QString common = QStringLiteral(" --start 2016-01-05 --seed 7 --defaults");
        const QStringList plain = cli(QStringLiteral("backtest") + common + QStringLiteral(" --set UpDown8=5"))
                                      .out.split(QLatin1Char('\n'));
        const auto cellsOf = [](const QStringList &lines, const QString &name) {
            const auto line = std::find_if(
                lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(name + QLatin1Char('\t')); });
            return line == lines.end() ? QStringList() : line->split(QLatin1Char('\t'));
        };
        const CliRun one = cli(QStringLiteral("backtest-grid") + common + QStringLiteral(" --vary UpDown8=5..5"));
        QCOMPARE(one.exitCode, 0);
        const QStringList share = cellsOf(plain, QStringLiteral("Anteil der Gewinnreihen"));
        // Rows, winning rows, share and return; chance's range is counted by pass in the grid.
        QStringList both = cellsOf(one.out.split(QLatin1Char('\n')), QStringLiteral("Both periods"));
        QCOMPARE(both.size(), 6);
        both.removeAt(4);
        QCOMPARE(both.mid(1),
            QStringList({cellsOf(plain, QStringLiteral("Reihen")).value(2),
                cellsOf(plain, QStringLiteral("Gewinnreihen")).value(2), share.value(2),
                cellsOf(plain, QStringLiteral("Rückfluss")).value(2)}));

        const CliRun grid = cli(QStringLiteral("backtest-grid") + common
            + QStringLiteral(" --seeds 2 --vary UpDown8=4..5 --vary Chekcbox2=0..1 --split 2016-09-01"));
        QCOMPARE(grid.exitCode, 0);
        const QStringList report = grid.out.trimmed().split(QLatin1Char('\n'));
        QVERIFY(report.first().startsWith(QStringLiteral("Grid of settings: 4 settings")));
        QVERIFY(report.value(1).startsWith(QStringLiteral("Split 2016-09-01: ")));
        for (const QString &title : {QStringLiteral("In sample, by share of winning rows"),
                 QStringLiteral("In sample, by return (winnings without the jackpot per stake)")}) {
            const qsizetype at = report.indexOf(title);
            QVERIFY2(at > 0, qPrintable(title));
            for (int rank = 1; rank <= 4; ++rank)
                QVERIFY(report.value(at + 1 + rank).startsWith(QString::number(rank) + QLatin1Char('\t')));
            QVERIFY(report.value(at + 6).startsWith(QStringLiteral("Chance\t")));
        }
        QVERIFY(report.last().startsWith(QStringLiteral("The best of 4 settings looks better than it is: ")));
        QCOMPARE(cli(QStringLiteral("backtest-grid") + common
                     + QStringLiteral(" --seeds 2 --vary UpDown8=4..5 --vary Chekcbox2=0..1 --split 2016-09-01"))
                     .out,
            grid.out);

        const CliRun tooLarge
            = cli(QStringLiteral("backtest-grid --start 2016-01-05 --seed 7 --seeds 5000 --vary Chekcbox2=0..1 "
                                 "--vary Chekcbox3=0..1"));
        QCOMPARE(tooLarge.exitCode, 2);
        QVERIFY(tooLarge.err.contains(QStringLiteral("20000 back-tests")));
    }

    void repeatsPrintsTheCoreReport()
    {
        const CliRun run = cli(QStringLiteral("repeats --start 2017-01-03"));
        QCOMPARE(run.exitCode, 0);
        RepeatAnalysisInput in;
        in.draws = m_draws;
        in.chosenDate = QDate(2017, 1, 3);
        in.statisticsStart = Start;
        in.stopLevel = 6;
        QCOMPARE(run.out, printed(RepeatReport::linesFor(in, MessageTable())));
        QCOMPARE(run.out.split(QLatin1Char('\n')).value(7), QStringLiteral(" "));

        const CliRun from = cli(QStringLiteral("repeats --start 2017-01-03 --from 2016-01-01"));
        in.statisticsStart = QDate(2016, 1, 1);
        QCOMPARE(from.out, printed(RepeatReport::linesFor(in, MessageTable())));
        QVERIFY(from.out != run.out);
    }

    void refusedCommandLines_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("backtest without start") << "backtest --seed 7 --defaults";
        QTest::newRow("backtest without seed") << "backtest --start 2017-01-03 --defaults";
        QTest::newRow("backtest bad date") << "backtest --start 2017-02-30 --seed 7";
        QTest::newRow("backtest bad seed") << "backtest --start 2017-01-03 --seed sieben";
        QTest::newRow("backtest no seeds") << "backtest --start 2017-01-03 --seed 7 --seeds 0";
        QTest::newRow("backtest seeds past 32 bits") << "backtest --start 2017-01-03 --seed 2147483647 --seeds 2";
        QTest::newRow("backtest --end") << "backtest --start 2017-01-03 --seed 7 --end 2017-02-01";
        QTest::newRow("backtest stray") << "backtest --start 2017-01-03 --seed 7 foo";
        QTest::newRow("backtest bad lock") << "backtest --start 2017-01-03 --seed 7 --lock 1=1,2,3";
        QTest::newRow("grid without vary") << "backtest-grid --start 2017-01-03 --seed 7";
        QTest::newRow("grid bad vary") << "backtest-grid --start 2017-01-03 --seed 7 --vary UpDown8=4-12";
        QTest::newRow("grid three options")
            << "backtest-grid --start 2017-01-03 --seed 7 --vary UpDown8=4..5 --vary Chekcbox2=0..1 "
               "--vary Chekcbox3=0..1";
        QTest::newRow("repeats without start") << "repeats";
        QTest::newRow("repeats with settings") << "repeats --start 2017-01-03 --defaults";
        QTest::newRow("repeats bad from") << "repeats --start 2017-01-03 --from 03.01.2017";
    }
    void refusedCommandLines()
    {
        QFETCH(QString, arguments);
        const CliRun run = cli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains(QStringLiteral("usage: devudirurero-cli")));
    }

    void usageListsTheCommands()
    {
        const CliRun run = runCli({});
        QVERIFY(run.err.contains(QStringLiteral(" backtest repeats")));
    }
};

QTEST_GUILESS_MAIN(AnalysisCommandsTest)
#include "analysis_commands_test.moc"
