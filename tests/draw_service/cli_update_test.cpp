// devudirurero-cli update, run as a process against the local draw-results service in
// this test's event loop. The tool knows only the real today, so the draws are placed
// in the last days before it.
#include "draw_service.h"

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
    std::unique_ptr<DrawService> m_service;
    Draw m_stored, m_first, m_second;

    QString storePath() const { return m_dir.filePath(QString::fromLatin1(DrawStore::FileName)); }

    Run runCli(const QStringList &args)
    {
        QProcess process;
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

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
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

    void rejectsAnUnknownArgument()
    {
        const Run run = runCli({QStringLiteral("--later")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QLatin1String("update [--url URL] [--proxy HOST:PORT]")));
    }
};

QTEST_GUILESS_MAIN(CliUpdateTest)
#include "cli_update_test.moc"
