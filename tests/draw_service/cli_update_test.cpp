// devudirurero-cli update, run as a process against the local draw-results service in
// this test's event loop. The tool knows only the real today, so the draws are placed
// in the last days before it. Its settings folder is a temporary one.
#include "draw_service.h"

#include "app/settings_store.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int Patience = 30000; // ms

struct Run {
    int exitCode = -1;
    QStringList out;
    QString err;
};

Draw makeDraw(QDate date, std::uint8_t first)
{
    Draw draw;
    draw.date = date;
    draw.numbers = {
        first, std::uint8_t(first + 10), std::uint8_t(first + 20), std::uint8_t(first + 30), std::uint8_t(first + 40)};
    draw.megaball = 9;
    draw.megaplier = 3;
    return draw;
}
} // namespace

class CliUpdateTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_config;
    std::unique_ptr<DrawService> m_service;
    Draw m_stored, m_first, m_second;

    QString storePath() const { return m_dir.filePath(QString::fromLatin1(DrawStore::FileName)); }

    Run runCli(const QStringList &args)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        process.setProcessEnvironment(environment);
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(DEVU_BIN_DIR "/devudirurero-cli"),
            QStringList{QStringLiteral("--dir"), m_dir.path(), QStringLiteral("update")} + args);
        // Waiting through the event loop lets the in-process service answer meanwhile.
        if (!finished.wait(Patience))
            qFatal("devudirurero-cli did not finish");
        Run run;
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QStringList urlArgs() const { return {QStringLiteral("--url"), m_service->url().toString()}; }

    // The window's settings as the tool finds them; "URL" and "PORT" stand for the service's.
    void storeSettings(const QStringList &namesAndValues)
    {
        SettingsLocation::setRootOverride(SettingsLocation::Scope::CurrentUser, m_config.path());
        const auto store = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::Program, true);
        QVERIFY(store);
        for (qsizetype i = 0; i + 1 < namesAndValues.size(); i += 2)
            store->writeString(namesAndValues[i], withService(namesAndValues[i + 1]));
        QVERIFY(store->save().ok());
        SettingsLocation::setRootOverride(SettingsLocation::Scope::CurrentUser, QString());
    }
    QString withService(QString text) const
    {
        return text.replace(QLatin1String("URL"), m_service->url().toString())
            .replace(QLatin1String("PORT"), QString::number(m_service->url().port()));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid() && m_config.isValid());
        QDir(m_config.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_config.path()));
        QDir(storePath()).removeRecursively();
        QFile::remove(storePath());
        // A Tuesday at least ten days back, and the Friday and Tuesday after it.
        QDate tuesday = QDate::currentDate().addDays(-10);
        while (tuesday.dayOfWeek() != Qt::Tuesday)
            tuesday = tuesday.addDays(-1);
        m_stored = makeDraw(tuesday, 1);
        m_first = makeDraw(tuesday.addDays(3), 2);
        m_second = makeDraw(tuesday.addDays(7), 3);
        QVERIFY(DrawStore(storePath()).append(m_stored).ok());

        m_service = std::make_unique<DrawService>();
        m_service->setDraws({m_first, m_second});
        QVERIFY(m_service->listen(QHostAddress::LocalHost, 0).ok());
    }
    void cleanup() { m_service.reset(); }

    void printsEachStoredDraw()
    {
        const Run run = runCli(urlArgs());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
            (QStringList{
                DrawText::listLine(m_first), DrawText::listLine(m_second), QStringLiteral("updated: 2 draws")}));
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        const auto draws = DrawStore(storePath()).readAll();
        QVERIFY(draws.ok());
        QCOMPARE(*draws, (std::vector<Draw>{m_stored, m_first, m_second}));
    }

    void saysThatOnlyOneDrawPerDateIsStored()
    {
        m_service->setDraws({m_first, makeDraw(m_first.date, 4), makeDraw(m_first.date, 5), m_second});
        const Run run = runCli(urlArgs());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
            (QStringList{
                DrawText::listLine(m_first), DrawText::listLine(m_second), QStringLiteral("updated: 2 draws")}));
        QCOMPARE(run.err.trimmed(),
            QStringLiteral("note: only one draw per date is stored; 2 further draws in the answers were left out (%1)")
                .arg(m_first.date.toString(Qt::ISODate)));
        QCOMPARE(DrawStore(storePath()).readAll().value(), (std::vector<Draw>{m_stored, m_first, m_second}));
    }

    void failsOnAnUnparsableAnswer()
    {
        DrawServiceFaults faults;
        faults.sixFieldBody = true;
        m_service->setFaults(faults);
        const Run run = runCli(urlArgs());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QStringList{QStringLiteral("updated: 0 draws")});
        QVERIFY2(run.err.contains(QStringLiteral("2,12,22,32,42,9\r\n")), qPrintable(run.err));
        QCOMPARE(m_service->requests().size(), 1);
    }

    void failsOnABadProxyPort()
    {
        const Run run = runCli(urlArgs() + QStringList{QStringLiteral("--proxy"), QStringLiteral("127.0.0.1:acht")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(QLatin1String("acht")), qPrintable(run.err));
        QVERIFY(m_service->requests().isEmpty());
    }

    void failsOnAFileError()
    {
        QFile::remove(storePath());
        QVERIFY(QDir(m_dir.path()).mkdir(QString::fromLatin1(DrawStore::FileName)));
        const Run run = runCli(urlArgs());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QString::fromLatin1(DrawStore::FileName)), qPrintable(run.err));
    }

    void warnsWhenNoRequestWasAnswered()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QString url = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        const Run run = runCli({QStringLiteral("--url"), url});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringList{QStringLiteral("updated: 0 draws")});
        QVERIFY2(run.err.startsWith(QLatin1String("warning: ")), qPrintable(run.err));
    }

    void takesTheServiceFromTheSettings_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QStringList none;
        QTest::newRow("stored address") << QStringList{"DrawServiceUrl", "URL"} << none << 0 << "";
        QTest::newRow("stored proxy") << QStringList{"ProxyHostEdit", "127.0.0.1", "ProxyPortEdit", "PORT",
            "DrawServiceUrl", "http://draws.invalid:1"}
                                      << none << 0 << "";
        QTest::newRow("empty proxy host: no proxy")
            << QStringList{"ProxyHostEdit", "", "ProxyPortEdit", "acht", "DrawServiceUrl", "URL"} << none << 0 << "";
        QTest::newRow("stored proxy port not a number")
            << QStringList{"ProxyHostEdit", "127.0.0.1", "ProxyPortEdit", "acht", "DrawServiceUrl", "URL"} << none << 1
            << "\"acht\"";
        QTest::newRow("stored address not http")
            << QStringList{"DrawServiceUrl", "Ziehungsdienst"} << none << 1 << "\"Ziehungsdienst\"";
        QTest::newRow("options win over the settings")
            << QStringList{"ProxyHostEdit", "127.0.0.1", "ProxyPortEdit", "acht", "DrawServiceUrl", "Ziehungsdienst"}
            << QStringList{"--url", "http://draws.invalid:1", "--proxy", "127.0.0.1:PORT"} << 0 << "";
    }
    void takesTheServiceFromTheSettings()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        storeSettings(settings);
        for (QString &arg : args)
            arg = withService(arg);
        const Run run = runCli(args);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(run.out.last(), QStringLiteral("updated: 2 draws"));
            QCOMPARE(DrawStore(storePath()).readAll().value(), (std::vector<Draw>{m_stored, m_first, m_second}));
        } else {
            QVERIFY2(run.err.contains(error), qPrintable(run.err));
            QVERIFY(m_service->requests().isEmpty());
        }
    }

    void rejectsAnUnknownArgument()
    {
        const Run run = runCli({QStringLiteral("--later")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QLatin1String("update [--url URL] [--proxy HOST:PORT]")));
    }
};

QTEST_GUILESS_MAIN(CliUpdateTest)
#include "cli_update_test.moc"
