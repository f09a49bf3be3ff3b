// wheel of devudirurero-cli: rows a script can read, the same rows for the same seed, the
// tip file with every row and its check, a broken wheel named by its uncovered set, and
// refused command lines.
#include "cli_runner.h"
#include "test_data.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class WheelCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // With the settings store of the run inside the test folder: the price is the default.
    CliRun wheel(const QString &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.start(TestData::binDir() + QStringLiteral("/devudirurero-cli"),
            QStringList{QStringLiteral("wheel")} + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        CliRun result;
        if (!process.waitForFinished(60000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static const inline QString Twelve = QStringLiteral("--numbers 3,7,12,15,19,22,28,33,41,50,61,70 ");

private slots:
    void rowsOutFileAndCheck()
    {
        const QString file = m_dir.filePath(QStringLiteral("wheel.hlt"));
        const CliRun run
            = wheel(Twelve + QStringLiteral("--guarantee 3/3 --key 7 --megaball 4,9 --seed 3 --out ") + file);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList lines = run.outLines();
        static const QRegularExpression numbersOnly(QStringLiteral("^[0-9]+( [0-9]+){5}$"));
        static const QRegularExpression word(QStringLiteral("[a-z]"));
        qsizetype rows = 0;
        for (const QString &line : lines) {
            QVERIFY2(numbersOnly.match(line).hasMatch() || word.match(line).hasMatch(), qPrintable(line));
            if (numbersOnly.match(line).hasMatch()) {
                QVERIFY2(line.split(QLatin1Char(' ')).contains(QStringLiteral("7")), qPrintable(line));
                QCOMPARE(line.section(QLatin1Char(' '), 5), rows % 2 == 0 ? QStringLiteral("4") : QStringLiteral("9"));
                ++rows;
            }
        }
        QVERIFY(rows > 12);
        QVERIFY(lines.contains(QStringLiteral("rows: %1").arg(rows)));
        QVERIFY(lines.contains(QStringLiteral("guarantee: 3 if 3 verified for all 220 sets of 3 of the 12 numbers")));
        QVERIFY(lines.contains(QStringLiteral("cost: %1,00 $ (%1 rows at 1,00 $)").arg(rows)));
        QCOMPARE(wheel(Twelve + QStringLiteral("--guarantee 3/3 --key 7 --megaball 4,9 --seed 3")).out, run.out);

        // The file holds every row; the check proves it, and fails once a row is gone.
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.count("\r\n"), rows);
        const CliRun checked
            = wheel(QStringLiteral("--check ") + file + QLatin1Char(' ') + Twelve + QStringLiteral("--guarantee 3/3"));
        QVERIFY2(checked.exitCode == 0, qPrintable(checked.err));
        QVERIFY(checked.outLines().contains(QStringLiteral("rows: %1").arg(rows)));
        const QString broken = m_dir.filePath(QStringLiteral("broken.hlt"));
        QFile cut(broken);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.mid(bytes.indexOf("\r\n") + 2));
        cut.close();
        const CliRun failed = wheel(
            QStringLiteral("--check ") + broken + QLatin1Char(' ') + Twelve + QStringLiteral("--guarantee 3/3"));
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.out.contains(QStringLiteral("not covered: ")), qPrintable(failed.out));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no guarantee") << "--numbers 1,2,3,4,5,6" << 2 << "required";
        QTest::newRow("guarantee not T/P") << "--numbers 1,2,3,4,5,6 --guarantee 3" << 2 << "T/P";
        QTest::newRow("a word among the numbers") << "--numbers 1,2,x,4,5,6 --guarantee 2/2" << 2 << "whole numbers";
        QTest::newRow("check with a seed")
            << "--check a.hlt --numbers 1,2,3,4,5,6 --guarantee 2/2 --seed 1" << 2 << "--check takes only";
        QTest::newRow("too few numbers") << "--numbers 1,2,3,4,5 --guarantee 2/2" << 1 << "6 to 30";
        QTest::newRow("too big to check, with an offer") << "--numbers 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,"
                                                            "19,20 --guarantee 5/5"
                                                         << 1 << "possible: --guarantee 4/5";
        QTest::newRow("a file that is not there")
            << "--check missing.hlt --numbers 1,2,3,4,5,6 --guarantee 2/2" << 1 << "missing.hlt";
    }
    void refused()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CliRun run = wheel(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(WheelCommandTest)
#include "wheel_command_test.moc"
