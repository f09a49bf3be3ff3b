// tiplist and script of devudirurero-cli on the bundled history: the list with the draw
// shown for a date, the rows sorted by the evaluation, the conversion message, and the
// filled script with stored or given options.
#include "cli_runner.h"
#include "test_data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class OutputCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    // With the settings store of the run inside the test folder.
    CliRun run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.start(TestData::binDir() + QStringLiteral("/devudirurero-cli"),
            QStringList{QStringLiteral("--dir"), TestData::binDir()} + arguments);
        CliRun result;
        if (!process.waitForFinished(30000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

private slots:
    void initTestCase()
    {
        // Rows as typed, unsorted; the third line holds no Megaball.
        writeFile(QStringLiteral("tips.hlt"), "45,12,23,34,5,10,\r\n7,1,75,33,2,15,\r\n");
        writeFile(QStringLiteral("broken.hlt"), "1,2,3,4,5,6,\r\n7,8,9,10,11,,\r\n");
        writeFile(QStringLiteral("empty.hlt"), "");
    }

    void tiplist_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("header");
        QTest::newRow("a Friday draw, played the Tuesday after") << "2017-10-27"
                                                                 << "31.10.2017";
        QTest::newRow("between draws: the next one, a Tuesday") << "2017-10-23"
                                                                << "27.10.2017";
        QTest::newRow("between draws: the next one, a Friday") << "2017-10-18"
                                                               << "24.10.2017";
        QTest::newRow("after the newest: the newest") << "2030-01-01"
                                                      << "31.10.2017";
    }
    void tiplist()
    {
        QFETCH(QString, date);
        QFETCH(QString, header);
        const CliRun result
            = run({QStringLiteral("tiplist"), path(QStringLiteral("tips.hlt")), QStringLiteral("--date"), date});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out.split(QLatin1Char('\n')),
            (QStringList{
                QStringLiteral("Morvaks Lotto-Tipp für  ") + header,
                QStringLiteral("~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"),
                QString(),
                QStringLiteral(" 1. Morvaks Lotto-Tipp für :  5   12   23   34   45   MegaBall: 10"),
                QStringLiteral(" 2. Morvaks Lotto-Tipp für :  1    2    7   33   75   MegaBall: 15"),
                QString(),
            }));
    }

    void tiplistOfAnEmptyFile()
    {
        const CliRun result = run({QStringLiteral("tiplist"), path(QStringLiteral("empty.hlt")),
            QStringLiteral("--date"), QStringLiteral("2017-10-24")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.outLines().size(), 2); // header and rule; the empty line is skipped here
        QCOMPARE(result.out.count(QLatin1Char('\n')), 3);
    }

    void tiplistFailures()
    {
        const CliRun broken = run({QStringLiteral("tiplist"), path(QStringLiteral("broken.hlt"))});
        QCOMPARE(broken.exitCode, 1);
        QCOMPARE(broken.out, QString());
        QCOMPARE(broken.err.trimmed(), QStringLiteral("'''' ist kein gültiger Integer-Wert"));
        QCOMPARE(run({QStringLiteral("tiplist"), path(QStringLiteral("none.hlt"))}).exitCode, 1);
        QCOMPARE(run({QStringLiteral("tiplist")}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("tiplist"), path(QStringLiteral("tips.hlt")), QStringLiteral("--date"),
                         QStringLiteral("27.10.2017")})
                     .exitCode,
            2);
    }

    // Neither command passes on what is no tip file or a row with a number twice.
    void refusedTipFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1: the file
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n", 8)
                                << "%1 ist keine Tippdatei: sie enthält Binärdaten. Die Tipps bleiben, wie sie waren.";
        QTest::newRow("a repeat") << QByteArray("1,2,3,4,5,6,\r\n3,5,12,12,12,1,\r\n")
                                  << "%1, Zeile 2: die Zahl 12 steht mehrfach in der Reihe.";
    }
    void refusedTipFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        writeFile(QStringLiteral("refused.hlt"), bytes);
        writeFile(QStringLiteral("plain.xrt"), "[Z1_1]");
        const QString tips = path(QStringLiteral("refused.hlt"));
        for (const QStringList &command : {QStringList{QStringLiteral("tiplist"), tips},
                 QStringList{QStringLiteral("script"), path(QStringLiteral("plain.xrt")), tips,
                     QStringLiteral("--defaults")}}) {
            const CliRun result = run(command);
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.out, QString());
            QCOMPARE(result.err.trimmed(), message.arg(tips));
        }
    }

    void script_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("flags");
        // The design defaults: CheckBox3 on, 1 and 2 off.
        QTest::newRow("defaults") << QStringList{"--defaults"} << "NEIN NEIN JA NEIN";
        QTest::newRow("set") << QStringList{"--defaults", "--set", "Chekcbox2=1", "--set", "Chekcbox3=0"}
                             << "NEIN JA NEIN NEIN";
        QTest::newRow("stored, nothing stored yet") << QStringList{} << "NEIN NEIN JA NEIN";
        QTest::newRow("stored with a change")
            << QStringList{"--set", "Chekcbox1=1", "--set", "Chekcbox2=1"} << "JA JA JA JA";
    }
    void script()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, flags);
        writeFile(
            QStringLiteral("t.xrt"), "[Z1_1] [Z5_2] [S1_2] [Z1_3]|\r\n[DAUER] [DI] [FR] [DIFR]\r\n[TIPPDATEI]\r\n");
        QDir::setCurrent(m_dir.path());
        const CliRun result
            = run(QStringList{QStringLiteral("script"), QStringLiteral("t.xrt"), QStringLiteral("tips.hlt")} + options);
        QCOMPARE(result.exitCode, 0);
        // Fields as the tip file holds them, not sorted; the path made absolute.
        QCOMPARE(result.outLines(),
            (QStringList{
                QStringLiteral("45 2 15 |"), flags, QDir::toNativeSeparators(path(QStringLiteral("tips.hlt")))}));
    }

    void scriptWithStoredOptions()
    {
        const QString store = path(QStringLiteral("config/Morvak/DevuDirurero.reg"));
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero]\r\n"
                   "\"Chekcbox2\"=dword:00000001\r\n\"Chekcbox3\"=dword:00000000\r\n");
        file.close();
        writeFile(QStringLiteral("flags.xrt"), "[DAUER] [DI] [FR] [DIFR]");
        const CliRun stored
            = run({QStringLiteral("script"), path(QStringLiteral("flags.xrt")), path(QStringLiteral("tips.hlt"))});
        const CliRun defaults = run({QStringLiteral("script"), path(QStringLiteral("flags.xrt")),
            path(QStringLiteral("tips.hlt")), QStringLiteral("--defaults")});
        QVERIFY(QFile::remove(store));
        QCOMPARE(stored.outLines(), QStringList{QStringLiteral("NEIN JA NEIN NEIN")});
        QCOMPARE(defaults.outLines(), QStringList{QStringLiteral("NEIN NEIN JA NEIN")});
    }

    void scriptFailures()
    {
        QCOMPARE(run({QStringLiteral("script"), path(QStringLiteral("none.xrt")), path(QStringLiteral("tips.hlt"))})
                     .exitCode,
            1);
        QCOMPARE(run({QStringLiteral("script"), path(QStringLiteral("tips.hlt"))}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("script"), path(QStringLiteral("t.xrt")), path(QStringLiteral("tips.hlt")),
                         QStringLiteral("--set"), QStringLiteral("Chekcbox17=1")})
                     .exitCode,
            1);
    }
};

QTEST_GUILESS_MAIN(OutputCommandsTest)
#include "output_commands_test.moc"
