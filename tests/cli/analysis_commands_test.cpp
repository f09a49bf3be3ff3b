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
