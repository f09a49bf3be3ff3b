// generate of devudirurero-cli on a copy of the bundled history: the printed sheet with
// locked rows, an exhausted budget counting the rows asked for, and the refused command
// lines (options that exclude each other among them).
#include "cli_runner.h"
#include "test_data.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class GenerateCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    CliRun generate(const QString &options) const
    {
        return runCli(QStringList{QStringLiteral("--dir"), m_dir.path(), QStringLiteral("generate"),
                          QStringLiteral("--defaults"), QStringLiteral("--end"), QStringLiteral("2017-10-27")}
            + options.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(TestData::bundledStorePath(), m_dir.filePath(QStringLiteral("Devudirurero.dat"))));
    }

    // The newest record's date is NaN: the run takes it as reference 1 and must still end.
    void aStoreWithAnUnreadableNewestDate()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("Devudirurero.dat"));
        QVERIFY(QFile::copy(TestData::bundledStorePath(), store));
        QFile file(store);
        QVERIFY(file.open(QIODevice::Append));
        QByteArray record(32, '\0');
        record.replace(0, 8, QByteArray::fromHex("000000000000f87f")); // a quiet NaN
        record.replace(8, 7, QByteArray::fromHex("0a141e28320009"));
        file.write(record);
        file.close();
        const CliRun run = runCli({QStringLiteral("--dir"), dir.path(), QStringLiteral("generate"),
            QStringLiteral("--defaults"), QStringLiteral("--seed"), QStringLiteral("2")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.outLines().size(), 14);
    }

    void lockedRowsAndRowCount()
    {
        const CliRun run = generate(QStringLiteral("--seed 5 --rows 2 --lock 4=1,2,3,4,5 --lock 12=70,60,50,40,30,9"));
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.outLines();
        QCOMPARE(lines.size(), 14);
        for (int row : {1, 2}) {
            QVERIFY(lines[row - 1].startsWith(QStringLiteral("%1: ").arg(row)));
            QVERIFY(!lines[row - 1].contains(QLatin1Char('-')));
        }
        QCOMPARE(lines[2], QStringLiteral("3: - - - - - -"));
        QCOMPARE(lines[3], QStringLiteral("4: 1 2 3 4 5 -"));
        // Printed as the closing evaluation leaves the sheet: locked rows sorted too.
        QCOMPARE(lines[11], QStringLiteral("12: 30 40 50 60 70 9"));
        QCOMPARE(lines[12], QStringLiteral("status: Tipps wurden neu berechnet"));
        QVERIFY(lines[13].startsWith(QStringLiteral("attempts: ")));
        QCOMPARE(
            generate(QStringLiteral("--seed 5 --rows 2 --lock 4=1,2,3,4,5 --lock 12=70,60,50,40,30,9")).out, run.out);
    }

    void lockedRowReadsAsTheSheetAfterTheRun()
    {
        const CliRun run = runCli({QStringLiteral("--dir"), m_dir.path(), QStringLiteral("generate"),
            QStringLiteral("--defaults"), QStringLiteral("--seed"), QStringLiteral("29"), QStringLiteral("--end"),
            QStringLiteral("2016-04-01"), QStringLiteral("--rows"), QStringLiteral("12"), QStringLiteral("--lock"),
            QStringLiteral("3=40,3,75,12,8,7")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines().value(2), QStringLiteral("3: 3 8 12 40 75 7"));
        for (const QString &line : run.outLines().mid(0, 12)) {
            const QStringList fields = line.section(QStringLiteral(": "), 1).split(QLatin1Char(' '));
            for (int k = 1; k < 5; ++k)
                QVERIFY2(fields[k - 1].toInt() < fields[k].toInt(), qPrintable(line));
        }
    }

    // A sum of exactly 21 is possible but almost never drawn: the budget runs out, and the
    // status counts the rows asked for (the table's own text for twelve).
    void exhaustedBudget_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("status");
        QTest::newRow("five") << 5 << "Ändern Sie die Parameter, um 5 Tipps zu berechnen";
        QTest::newRow("one") << 1 << "Ändern Sie die Parameter, um einen Tipp zu berechnen";
        QTest::newRow("twelve") << 12 << "Ändern Sie die Parameter um 12 Tipps zuberechnen";
    }
    void exhaustedBudget()
    {
        QFETCH(int, rows);
        QFETCH(QString, status);
        const CliRun run = generate(
            QStringLiteral("--seed 1 --set UpDown1=21 --set UpDown2=21 --set UpDown7=2 --rows %1").arg(rows));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines().first(), QStringLiteral("1: - - - - - -"));
        QCOMPARE(run.outLines().value(12), QStringLiteral("status: ") + status);
        QCOMPARE(run.outLines().value(13), QStringLiteral("attempts: 2000"));
    }

    void refusedCommandLines_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("rows 13") << "--rows 13" << 2;
        QTest::newRow("seed abc") << "--seed abc" << 2;
        QTest::newRow("seed beyond 32 bits") << "--seed 4294967296" << 2;
        QTest::newRow("lock row 13") << "--lock 13=1,2,3,4,5" << 2;
        QTest::newRow("lock with three numbers") << "--lock 1=1,2,3" << 2;
        QTest::newRow("lock with 76") << "--lock 1=76,2,3,4,5" << 2;
        QTest::newRow("lock with Megaball 16") << "--lock 1=1,2,3,4,5,16" << 2;
        QTest::newRow("lock with a number twice") << "--lock 1=1,2,3,3,5" << 2;
        QTest::newRow("row locked twice") << "--lock 1=1,2,3,4,5 --lock 1=6,7,8,9,10" << 2;
        QTest::newRow("bad date") << "--from 2017-13-01" << 2;
        QTest::newRow("stray argument") << "foo" << 2;
        QTest::newRow("budget out of range") << "--set UpDown7=0" << 1;
        QTest::newRow("sum from above sum to") << "--set UpDown1=279 --set UpDown2=239" << 1;
        QTest::newRow("three even and three odd")
            << "--set Chekcbox25=1 --set Chekcbox26=1 --set UpDown15=3 --set UpDown16=3" << 1;
    }
    void refusedCommandLines()
    {
        QFETCH(QString, options);
        QFETCH(int, exitCode);
        const CliRun run = generate(options);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(GenerateCommandTest)
#include "generate_command_test.moc"
