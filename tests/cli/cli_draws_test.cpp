// The command-line tool's draw commands: listing, importing and exporting the store.
#include "cli_runner.h"
#include "draws/draw_store.h"
#include "test_data.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// `count` draws on consecutive days from `first`, as CSV lines.
// Numbers that fit every format of the game, whatever the date.
QByteArray csvDraws(QDate first, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += first.addDays(i).toString(Qt::ISODate).toLatin1() + ',' + QByteArray::number(1 + i % 47)
            + ",48,49,50,51," + QByteArray::number(1 + i % 15) + ",2\n";
    return text;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class CliDrawsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString dir() const { return m_dir.path(); }
    QString store() const { return m_dir.filePath(QStringLiteral("Devudirurero.dat")); }
    QString writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        file.write(content);
        return file.fileName();
    }

private slots:
    void init() { QFile::remove(store()); }

    void drawsListsEveryRecordAsStored()
    {
        QFile::copy(TestData::bundledStorePath(), store());
        const CliRun run = runCli({"--dir", dir(), "draws"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.outLines();
        QCOMPARE(lines.size(), 420);
        QCOMPARE(lines.first(), QStringLiteral("2013-10-22 2 3 19 52 71 14 5"));
        QCOMPARE(lines.last(), QStringLiteral("2017-10-27 17 27 41 51 52 13 5"));
    }

    void importSortsPlacesAndCounts()
    {
        TestData::writeStore(store(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-10 7 8 9 10 11 12 3"}));
        const QString csv = writeFile(QStringLiteral("new.csv"),
            "date,n1,n2,n3,n4,n5,megaball,megaplier\n"
            "2015-03-06,40,3,75,12,8,7,5\n"
            "2015-03-10,1,2,3,4,5,6,4\n"
            "20150313;9;8;7;6;5;4;3;\n");
        const CliRun run = runCli({"--dir", dir(), "import", csv});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), QStringLiteral("imported 3 draws (2 added, 1 replaced)"));
        const QStringList lines = runCli({"--dir", dir(), "draws"}).outLines();
        QCOMPARE(lines,
            (QStringList{"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 3 8 12 40 75 7 5", "2015-03-10 1 2 3 4 5 6 4",
                "2015-03-13 5 6 7 8 9 4 3"}));
    }

    void importWritesNothingWhenAnyLineIsBad()
    {
        TestData::writeStore(store(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        const QString csv
            = writeFile(QStringLiteral("bad.csv"), "2015-03-06,40,3,75,12,8,7,5\n2015-03-10,1,1,3,4,5,6,4\n");
        const CliRun run = runCli({"--dir", dir(), "import", csv});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(QStringLiteral("line 2: ")));
        QCOMPARE(QFileInfo(store()).size(), qint64(32));
    }

    void importCreatesAMissingStore()
    {
        const QString csv = writeFile(QStringLiteral("one.csv"), "2015-03-06,40,3,75,12,8,7,5\n");
        QCOMPARE(runCli({"--dir", dir(), "import", csv}).exitCode, 0);
        QCOMPARE(QFileInfo(store()).size(), qint64(32));
    }

    void exportWritesTheTextFormat()
    {
        TestData::writeStore(store(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        const QString target = m_dir.filePath(QStringLiteral("Zahlen.txt"));
        QCOMPARE(runCli({"--dir", dir(), "export", target}).exitCode, 0);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("20150303;1;2;3;4;5;6;2;\r\n"));
    }

    void importOfNoDrawsFails_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a single line that is no draw") << QByteArray("Ziehungen vom Oktober\r\n");
        QTest::newRow("only the header") << QByteArray("date,n1,n2,n3,n4,n5,megaball,megaplier\n");
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void importOfNoDrawsFails()
    {
        QFETCH(QByteArray, content);
        QFile::copy(TestData::bundledStorePath(), store());
        const QByteArray before = fileBytes(store());
        const CliRun run = runCli({"--dir", dir(), "import", writeFile(QStringLiteral("none.csv"), content)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("no draws found")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(fileBytes(store()), before);
    }

    void manyBadLinesAreReportedInBrief()
    {
        QByteArray content;
        for (int i = 0; i < 1000; ++i)
            content += "2015-03-06,1,1,3,4,5,6,2\n";
        const CliRun run = runCli({"--dir", dir(), "import", writeFile(QStringLiteral("bad.csv"), content)});
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[100], QStringLiteral("... and 900 more bad lines"));
        QVERIFY(!QFile::exists(store()));
    }

    // Both imports read the store, add their draws and replace it: without the lock the
    // second replacement threw away the first one's draws.
    void twoImportsAtOnceKeepBothFilesDraws()
    {
        const QString a = writeFile(QStringLiteral("a.csv"), csvDraws(QDate(1900, 1, 1), 30000));
        const QString b = writeFile(QStringLiteral("b.csv"), csvDraws(QDate(2050, 1, 1), 30000));
        for (int trial = 0; trial < 3; ++trial) {
            QFile::remove(store());
            QVERIFY(QFile::copy(TestData::bundledStorePath(), store()));
            QProcess first;
            QProcess second;
            const QString cli = TestData::binDir() + QStringLiteral("/devudirurero-cli");
            first.start(cli, {"--dir", dir(), "import", a});
            second.start(cli, {"--dir", dir(), "import", b});
            QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
            QCOMPARE(first.exitCode(), 0);
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(QFileInfo(store()).size(), qint64(420 + 60000) * 32);
        }
    }

    void anImportWaitsForAnotherWriter()
    {
        QFile::copy(TestData::bundledStorePath(), store());
        QLockFile other(DrawStore(store()).lockPath());
        QVERIFY(other.tryLock());
        QProcess import;
        import.start(TestData::binDir() + QStringLiteral("/devudirurero-cli"),
            {"--dir", dir(), "import", writeFile(QStringLiteral("one.csv"), csvDraws(QDate(2018, 1, 2), 1))});
        QVERIFY(import.waitForStarted());
        QVERIFY(!import.waitForFinished(1500)); // waiting for the lock
        QCOMPARE(QFileInfo(store()).size(), qint64(420 * 32));
        other.unlock();
        QVERIFY(import.waitForFinished(10000));
        QCOMPARE(import.exitCode(), 0);
        QCOMPARE(QFileInfo(store()).size(), qint64(421 * 32));
    }

    void exportReportsAFailedWrite()
    {
        TestData::writeStore(store(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        const CliRun run = runCli({"--dir", dir(), "export", m_dir.filePath(QStringLiteral("missing/Zahlen.txt"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("missing/Zahlen.txt: ")), qPrintable(run.err));
    }

    void usageAndFailureExitCodes()
    {
        QCOMPARE(runCli({}).exitCode, 2);
        QCOMPARE(runCli({"--dir", dir(), "frobnicate"}).exitCode, 2);
        QCOMPARE(runCli({"--dir", dir(), "import"}).exitCode, 2);
        QCOMPARE(runCli({"--dir", dir(), "draws", "--bogus"}).exitCode, 2);
        QCOMPARE(runCli({"--dir", dir(), "draws"}).exitCode, 1); // no store in the folder
        QCOMPARE(runCli({"--dir", m_dir.filePath(QStringLiteral("missing")), "draws"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(CliDrawsTest)
#include "cli_draws_test.moc"
