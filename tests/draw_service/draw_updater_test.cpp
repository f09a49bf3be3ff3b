// The draw update against the local draw-results service, run in-process on a free
// loopback port.
#include "draw_service.h"

#include "app/clock.h"
#include "draws/draw_store.h"
#include "draws/draw_updater.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr int Patience = 20000; // ms; a generous upper bound, normally reached in milliseconds

Draw makeDraw(QDate date, std::array<std::uint8_t, 5> numbers, int megaball = 7, int megaplier = 2)
{
    Draw draw;
    draw.date = date;
    draw.numbers = numbers;
    draw.megaball = std::uint8_t(megaball);
    draw.megaplier = std::uint8_t(megaplier);
    return draw;
}

QList<QDate> datesOf(const std::vector<Draw> &draws)
{
    QList<QDate> dates;
    for (const Draw &draw : draws)
        dates.append(draw.date);
    return dates;
}

const QDate Tuesday(2015, 3, 3);
const QDate Friday(2015, 3, 6);
const QDate NextTuesday(2015, 3, 10);
const QDate NextFriday(2015, 3, 13);
} // namespace

class DrawUpdaterTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DrawService> m_service;
    std::unique_ptr<HttpClient> m_http;
    std::unique_ptr<DrawUpdater> m_updater;
    DrawUpdateSettings m_settings;

    QString storePath() const { return m_dir.filePath(QString::fromLatin1(DrawStore::FileName)); }
    DrawStore store() const { return DrawStore(storePath()); }
    std::vector<Draw> storedDraws() const
    {
        auto draws = store().readAll();
        return draws ? *draws : std::vector<Draw>{};
    }

    // A store holding one draw on Tuesday 2015-03-03; the service knows the next three.
    void seedTuesdayStore()
    {
        QVERIFY(store().append(makeDraw(Tuesday, {1, 2, 3, 4, 5})).ok());
        m_service->setDraws({makeDraw(Friday, {10, 20, 30, 40, 50}, 5, 3),
            makeDraw(NextTuesday, {11, 21, 31, 41, 51}, 6, 4), makeDraw(NextFriday, {12, 22, 32, 42, 52}, 8, 5)});
    }

    DrawUpdateSummary runUpdate()
    {
        QSignalSpy finished(m_updater.get(), &DrawUpdater::finished);
        if (!m_updater->start(storePath(), m_settings))
            qFatal("the update did not start");
        if (!finished.wait(Patience))
            qFatal("the update did not finish");
        return finished.first().first().value<DrawUpdateSummary>();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(storePath());
        m_service = std::make_unique<DrawService>();
        const auto port = m_service->listen(QHostAddress::LocalHost, 0);
        QVERIFY2(port.ok(), qPrintable(port.error()));
        m_http = makeNetworkHttpClient();
        m_updater = std::make_unique<DrawUpdater>(*m_http);
        m_settings = DrawUpdateSettings();
        m_settings.serviceUrl = m_service->url();
        Clock::setToday(NextFriday);
    }
    void cleanup()
    {
        m_updater.reset();
        m_service.reset();
        Clock::setToday(std::nullopt);
    }

    void emptyStoreStartsAfterTheMinimumDate()
    {
        Clock::setToday(QDate(2000, 6, 10));
        QSignalSpy moves(m_updater.get(), &DrawUpdater::dateChanged);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QVERIFY(store().exists());
        QCOMPARE(QFile(storePath()).size(), 0);
        const QList<QDate> expected{
            {2000, 5, 21}, {2000, 5, 25}, {2000, 5, 29}, {2000, 6, 2}, {2000, 6, 6}, {2000, 6, 9}};
        QCOMPARE(m_service->requestedDates(), expected);
        QCOMPARE(moves.size(), expected.size() + 1);
        QCOMPARE(moves.last().first().toDate(), QDate(2000, 6, 13)); // the step past today ends the walk
    }

    void requestsDrawDatesUpToToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<QDate>>("requested");
        QTest::newRow("before the next draw date") << QDate(2015, 3, 5) << QList<QDate>{};
        QTest::newRow("the day before a draw date") << QDate(2015, 3, 9) << QList<QDate>{Friday};
        QTest::newRow("on a draw date") << NextTuesday << QList<QDate>{Friday, NextTuesday};
    }
    void requestsDrawDatesUpToToday()
    {
        QFETCH(QDate, today);
        QFETCH(QList<QDate>, requested);
        seedTuesdayStore();
        Clock::setToday(today);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(m_service->requestedDates(), requested);
        QCOMPARE(summary.storedCount, int(requested.size()));
        QCOMPARE(datesOf(storedDraws()), QList<QDate>{Tuesday} + requested);
    }

    void storesAnswersAsReceived()
    {
        seedTuesdayStore();
        Clock::setToday(NextTuesday);
        m_service->setCannedBody(Friday, " 3 , 8,12 ,40,  75 ,7 , 2 \r\n");
        // One draw per date: of an answer with several lines only the first is stored.
        m_service->setCannedBody(NextTuesday, "40,3,75,12,8,15,5\r\n9,10,11,12,13,1,0\r\n1,2,3,4,5,6,1\r\n");
        QSignalSpy stored(m_updater.get(), &DrawUpdater::drawStored);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(summary.storedCount, 2);
        QCOMPARE(summary.severalDrawDates, QList<QDate>{NextTuesday});
        QCOMPARE(summary.ignoredDraws, 2);
        const std::vector<Draw> expected{makeDraw(Tuesday, {1, 2, 3, 4, 5}), makeDraw(Friday, {3, 8, 12, 40, 75}, 7, 2),
            makeDraw(NextTuesday, {40, 3, 75, 12, 8}, 15, 5)};
        QCOMPARE(storedDraws(), expected);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.at(0).first().value<Draw>(), expected[1]);
        // Whole records: the sixth slot and the reserved bytes are zero.
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 3 * DrawRecord::Size);
        QCOMPARE(bytes.mid(DrawRecord::Size + 13, 1), QByteArray(1, '\0'));
        QCOMPARE(bytes.mid(DrawRecord::Size + 16, 16), QByteArray(16, '\0'));
    }

    void sendsTheClientHeadersAndKeepsCookies()
    {
        seedTuesdayStore();
        runUpdate();
        const auto requests = m_service->requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests.first().userAgent, QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
        QCOMPARE(requests.first().accept, QByteArray("text/html, */*"));
        QVERIFY(requests.first().cookie.isEmpty());
        QVERIFY(requests.last().cookie.contains("Sitzung="));
    }

    void unparsableAnswerEndsTheUpdate_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("keptFromBody");
        QTest::newRow("six fields") << QByteArray("3,8,12,40,75,7\r\n") << 0;
        QTest::newRow("not a number") << QByteArray("3,8,12,40,75,7,x\r\n") << 0;
        QTest::newRow("main number 76") << QByteArray("3,8,12,40,76,7,2\r\n") << 0;
        QTest::newRow("main number 259") << QByteArray("3,8,12,40,259,7,2\r\n") << 0;
        QTest::newRow("Megaball 16") << QByteArray("3,8,12,40,75,16,2\r\n") << 0;
        QTest::newRow("Megaplier 256") << QByteArray("3,8,12,40,75,7,256\r\n") << 0;
        QTest::newRow("repeated number") << QByteArray("3,8,12,8,75,7,2\r\n") << 0;
        QTest::newRow("good line, then a bad one") << QByteArray("3,8,12,40,75,7,2\r\nFehler\r\n") << 1;
        QTest::newRow("an error page") << QByteArray("<html><body>Wartung</body></html>") << 0;
    }
    void unparsableAnswerEndsTheUpdate()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, keptFromBody);
        seedTuesdayStore();
        m_service->setCannedBody(NextTuesday, body);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Unparsable);
        QCOMPARE(summary.message, QString::fromUtf8(body));
        QVERIFY(!summary.reason.isEmpty());
        QCOMPARE(summary.lastDate, NextTuesday);
        QCOMPARE(m_service->requestedDates(), (QList<QDate>{Friday, NextTuesday}));
        const auto draws = storedDraws();
        QCOMPARE(int(draws.size()), 2 + keptFromBody);
        QCOMPARE(draws[1].date, Friday);
    }

    void reportsOnlyTheStartOfALongBody()
    {
        seedTuesdayStore();
        m_service->setCannedBody(Friday, QByteArray(5000, 'x'));
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Unparsable);
        QCOMPARE(summary.message,
            QString(DrawUpdater::MaxReportedBody, QLatin1Char('x')) + QStringLiteral("... (3000 more characters)"));
    }

    void showsABinaryAnswerEscaped()
    {
        seedTuesdayStore();
        QByteArray body("\x1b[2J\x00\x07 Fehler\r\n\xff\xfe", 17);
        m_service->setCannedBody(Friday, body);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Unparsable);
        QCOMPARE(summary.message, QStringLiteral("\\x1b[2J\\x00\\x07 Fehler\r\nÿþ"));
    }

    // A service that sends a byte now and then re-arms the read time-out for ever; the
    // deadline of each request ends it, and nothing of the answer is stored.
    void aTricklingAnswerMeetsTheDeadline()
    {
        seedTuesdayStore();
        Clock::setToday(Friday);
        DrawServiceFaults faults;
        faults.trickleMs = 200; // the draw line takes some four seconds
        m_service->setFaults(faults);
        m_settings.readTimeoutMs = 2000;
        m_settings.deadlineMs = 1000;
        QSignalSpy answers(m_updater.get(), &DrawUpdater::requestFinished);
        QElapsedTimer clock;
        clock.start();
        const auto summary = runUpdate();
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().at(1).toInt(), 0);
        QCOMPARE(answers.first().at(2).toString(), QStringLiteral("No response: no complete answer within 1000 ms"));
        QCOMPARE(storedDraws().size(), size_t(1));
    }

    // ... and the same service, given the time, delivers the draw whole.
    void aTricklingAnswerWithinTheDeadlineIsStored()
    {
        seedTuesdayStore();
        Clock::setToday(Friday);
        DrawServiceFaults faults;
        faults.trickleMs = 10;
        m_service->setFaults(faults);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday}));
    }

    void aTooLongAnswerCountsAsNone()
    {
        seedTuesdayStore();
        Clock::setToday(NextTuesday);
        QByteArray lines;
        while (lines.size() <= m_settings.maxBodyBytes)
            lines += "3,8,12,40,75,7,2\r\n";
        m_service->setCannedBody(Friday, lines);
        QSignalSpy answers(m_updater.get(), &DrawUpdater::requestFinished);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(answers.first().at(1).toInt(), 0);
        QVERIFY(answers.first().at(2).toString().contains(QLatin1String("longer than")));
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, NextTuesday}));
    }

    // The first request fails in some way; the update stores nothing for it and goes on.
    void skipsAFailedRequest_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("statusLine");
        QTest::newRow("status 500") << "500" << 500 << "HTTP/1.1 500 Internal Server Error";
        QTest::newRow("empty body") << "empty" << 200 << "HTTP/1.1 200 OK";
        QTest::newRow("time-out") << "slow" << 0 << "No response: timed out after 300 ms";
        QTest::newRow("16 redirects") << "redirects" << 0 << "No response: Too many redirects";
    }
    void skipsAFailedRequest()
    {
        QFETCH(QString, failure);
        QFETCH(int, status);
        QFETCH(QString, statusLine);
        // An aborted request is not read any more: Qt has nothing to warn about.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QIODevice")));
        seedTuesdayStore();
        Clock::setToday(NextTuesday);
        DrawServiceFaults faults;
        faults.internalError = failure == QLatin1String("500");
        faults.delayMs = failure == QLatin1String("slow") ? 3000 : 0;
        faults.redirectHops = failure == QLatin1String("redirects") ? 16 : 0;
        m_service->setFaults(faults);
        if (failure == QLatin1String("empty"))
            m_service->setCannedBody(Friday, {});
        m_settings.readTimeoutMs = 300;
        QSignalSpy answers(m_updater.get(), &DrawUpdater::requestFinished);
        // The service behaves again once the first answer is in.
        connect(m_updater.get(), &DrawUpdater::requestFinished, m_service.get(), [this] { m_service->setFaults({}); });
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(answers.size(), 2);
        QCOMPARE(answers.first().at(0).toDate(), Friday);
        QCOMPARE(answers.first().at(1).toInt(), status);
        QCOMPARE(answers.first().at(2).toString(), statusLine);
        QCOMPARE(answers.last().at(2).toString(), QStringLiteral("HTTP/1.1 200 OK"));
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, NextTuesday}));
    }

    void goesOnWhenTheServiceIsUnreachable()
    {
        seedTuesdayStore();
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        m_settings.serviceUrl.setPort(closed.serverPort());
        closed.close();
        QSignalSpy answers(m_updater.get(), &DrawUpdater::requestFinished);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(answers.size(), 3);
        for (const auto &answer : answers) {
            QCOMPARE(answer.at(1).toInt(), 0);
            QVERIFY(answer.at(2).toString().startsWith(QLatin1String("No response: ")));
        }
        QCOMPARE(storedDraws().size(), size_t(1));
    }

    void followsRedirects_data()
    {
        QTest::addColumn<int>("hops");
        QTest::newRow("one") << 1;
        QTest::newRow("fifteen") << 15;
    }
    void followsRedirects()
    {
        QFETCH(int, hops);
        seedTuesdayStore();
        Clock::setToday(Friday);
        DrawServiceFaults faults;
        faults.redirectHops = hops;
        m_service->setFaults(faults);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday}));
    }

    // The test service keeps no endless request in memory: past its limit the client
    // gets status 431 and the connection is closed; the next client is served.
    void theServiceRefusesAnEndlessHeader()
    {
        seedTuesdayStore();
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, quint16(m_service->url().port()));
        QVERIFY(client.waitForConnected(Patience));
        QSignalSpy closed(&client, &QTcpSocket::disconnected);
        QByteArray answer;
        connect(&client, &QTcpSocket::readyRead, this, [&] { answer += client.readAll(); });
        client.write("GET /zahlen/uslotto.asp?Programm=DevuDirurero&Datum=20150306 HTTP/1.1\r\nX-Long: ");
        for (int i = 0; i < 16 && client.state() == QAbstractSocket::ConnectedState; ++i) {
            client.write(QByteArray(1024, 'a'));
            QVERIFY(client.waitForBytesWritten(Patience));
        }
        QVERIFY(closed.size() == 1 || closed.wait(Patience));
        QVERIFY2(answer.startsWith("HTTP/1.1 431 "), answer.constData());
        QCOMPARE(runUpdate().storedCount, 3);
    }

    void usesTheProxy()
    {
        seedTuesdayStore();
        Clock::setToday(Friday);
        // The service answers absolute-form requests too, so it can stand in for a proxy
        // in front of a host that does not exist.
        m_settings.proxyHost = QStringLiteral("127.0.0.1");
        m_settings.proxyPort = QString::number(m_service->url().port());
        m_settings.serviceUrl = QUrl(QStringLiteral("http://draws.invalid:1"));
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday}));
    }

    void stopAfterAStoredDrawKeepsIt()
    {
        seedTuesdayStore();
        connect(m_updater.get(), &DrawUpdater::drawStored, m_updater.get(), &DrawUpdater::stop);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Stopped);
        QCOMPARE(summary.storedCount, 1);
        QCOMPARE(m_service->requestedDates(), QList<QDate>{Friday});
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday}));
    }

    void stopAbortsAWaitingRequest()
    {
        seedTuesdayStore();
        DrawServiceFaults faults;
        faults.delayMs = 60000; // far longer than the test may take: only the stop can end it
        m_service->setFaults(faults);
        m_settings.connectTimeoutMs = m_settings.readTimeoutMs = 60000;
        connect(m_updater.get(), &DrawUpdater::requestStarted, m_updater.get(),
            [this] { QTimer::singleShot(50, m_updater.get(), &DrawUpdater::stop); });
        QSignalSpy answers(m_updater.get(), &DrawUpdater::requestFinished);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Stopped);
        QCOMPARE(summary.storedCount, 0);
        QCOMPARE(answers.size(), 0);
        QCOMPARE(storedDraws().size(), size_t(1));
    }

    void cannotRunTwiceAtOnce()
    {
        seedTuesdayStore();
        QSignalSpy finished(m_updater.get(), &DrawUpdater::finished);
        QVERIFY(m_updater->start(storePath(), m_settings));
        QVERIFY(m_updater->isRunning());
        QVERIFY(!m_updater->start(storePath(), m_settings));
        QVERIFY(finished.wait(Patience));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!m_updater->isRunning());
        QCOMPARE(m_service->requestedDates().size(), 3);
        QCOMPARE(runUpdate().outcome, DrawUpdateSummary::Outcome::Completed); // and once more afterwards
    }

    // Two updates at once (the window beside the command-line tool) store each date once.
    void twoUpdatesAtOnceNeverStoreADateTwice()
    {
        seedTuesdayStore();
        const std::unique_ptr<HttpClient> otherHttp = makeNetworkHttpClient();
        DrawUpdater other(*otherHttp);
        QSignalSpy otherFinished(&other, &DrawUpdater::finished);
        QVERIFY(other.start(storePath(), m_settings));
        const int stored = runUpdate().storedCount;
        QVERIFY(otherFinished.size() == 1 || otherFinished.wait(Patience));
        QCOMPARE(stored + otherFinished.first().first().value<DrawUpdateSummary>().storedCount, 3);
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday, NextTuesday, NextFriday}));
    }

    void cutsATrailingPartialRecordFirst()
    {
        seedTuesdayStore();
        Clock::setToday(Friday);
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(7, '\x55'));
        file.close();
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(QFile(storePath()).size(), 2 * DrawRecord::Size);
        QCOMPARE(datesOf(storedDraws()), (QList<QDate>{Tuesday, Friday}));
    }

    void rejectsBadSettings_data()
    {
        QTest::addColumn<QString>("proxyHost");
        QTest::addColumn<QString>("proxyPort");
        QTest::addColumn<QString>("url");
        const QString service = QStringLiteral("service");
        QTest::newRow("port not a number") << "proxy.example"
                                           << "acht" << service;
        QTest::newRow("port empty") << "proxy.example"
                                    << "" << service;
        QTest::newRow("port with letters") << "proxy.example"
                                           << "80x" << service;
        QTest::newRow("port 0") << "proxy.example"
                                << "0" << service;
        QTest::newRow("port 65536") << "proxy.example"
                                    << "65536" << service;
        QTest::newRow("not http") << ""
                                  << "80"
                                  << "ftp://127.0.0.1:8787";
        QTest::newRow("no host") << ""
                                 << "80"
                                 << "zahlen";
    }
    void rejectsBadSettings()
    {
        QFETCH(QString, proxyHost);
        QFETCH(QString, proxyPort);
        QFETCH(QString, url);
        m_settings.proxyHost = proxyHost;
        m_settings.proxyPort = proxyPort;
        if (url != QLatin1String("service"))
            m_settings.serviceUrl = QUrl(url);
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::InvalidSettings);
        QVERIFY(!summary.message.isEmpty());
        QVERIFY(!store().exists());
        QVERIFY(m_service->requests().isEmpty());
    }

    void ignoresThePortWithoutAProxyHost()
    {
        m_settings.proxyPort = QStringLiteral("acht");
        Clock::setToday(QDate(2000, 5, 21));
        QCOMPARE(runUpdate().outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(m_service->requestedDates(), QList<QDate>{QDate(2000, 5, 21)});
    }

    void reportsAFileError()
    {
        m_updater->start(m_dir.filePath(QStringLiteral("missing/Devudirurero.dat")), m_settings);
        QSignalSpy finished(m_updater.get(), &DrawUpdater::finished);
        QVERIFY(finished.wait(Patience));
        const auto summary = finished.first().first().value<DrawUpdateSummary>();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::FileError);
        QVERIFY(summary.message.contains(QLatin1String("missing")));
    }

    void rebuildsTheBundledHistory_data()
    {
        QTest::addColumn<QString>("served");
        QTest::newRow("from the draw file") << QStringLiteral(DEVU_BUNDLED_STORE);
        QTest::newRow("from the CSV") << QStringLiteral(DEVU_SOURCE_DIR "/resources/draws.csv");
    }
    void rebuildsTheBundledHistory()
    {
        QFETCH(QString, served);
        const auto count = m_service->loadDraws(served);
        QVERIFY2(count.ok(), qPrintable(count.error()));
        QCOMPARE(*count, 420);
        Clock::setToday(QDate(2017, 10, 27));
        const auto summary = runUpdate();
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(summary.storedCount, 420);
        QFile rebuilt(storePath());
        QFile bundled(QStringLiteral(DEVU_BUNDLED_STORE));
        QVERIFY(rebuilt.open(QIODevice::ReadOnly) && bundled.open(QIODevice::ReadOnly));
        QVERIFY(rebuilt.readAll() == bundled.readAll());
    }
};

QTEST_GUILESS_MAIN(DrawUpdaterTest)
#include "draw_updater_test.moc"
