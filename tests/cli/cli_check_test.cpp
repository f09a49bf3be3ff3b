// check: a tip row against the draw of a date, from the command line.
#include "cli_runner.h"
#include "test_data.h"

#include <QTest>

class CliCheckTest : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("exact draw, five and Megaball") << QStringList{"2017-10-27", "17", "27", "41", "51", "52",
            "13"} << QStringList{"draw: 2017-10-27 17 27 41 51 52 13 5", "hits: 5 + MB"};
        QTest::newRow("a date between draws takes the next") << QStringList{"2017-10-25", "17", "27", "1", "2", "3",
            "1"} << QStringList{"draw: 2017-10-27 17 27 41 51 52 13 5", "hits: 2"};
        QTest::newRow("after the newest takes the newest") << QStringList{"2030-01-01", "52", "51", "41", "27", "17",
            "13"} << QStringList{"draw: 2017-10-27 17 27 41 51 52 13 5", "hits: 5 + MB"};
        QTest::newRow("an out-of-range value is an empty field") << QStringList{"2017-10-27", "17", "27", "99", "51",
            "52", "13"} << QStringList{"draw: 2017-10-27 17 27 41 51 52 13 5", "hits: 1"};
        QTest::newRow("before the first") << QStringList{"2000-01-01", "2", "3", "19", "52", "71", "14"}
                                          << QStringList{"draw: 2013-10-22 2 3 19 52 71 14 5", "hits: 5 + MB"};
    }
    void check()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        const CliRun run = runCli(QStringList{"--dir", TestData::binDir(), "check"} + args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines(), lines);
    }

    void badInput()
    {
        QCOMPARE(
            runCli({"--dir", TestData::binDir(), "check", "27.10.2017", "1", "2", "3", "4", "5", "6"}).exitCode, 2);
        QCOMPARE(runCli({"--dir", TestData::binDir(), "check", "2017-10-27", "1", "2"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(CliCheckTest)
#include "cli_check_test.moc"
