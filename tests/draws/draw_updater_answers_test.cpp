// How the draw update takes each kind of answer, on a fake HTTP client: which statuses
// store a draw, what a missing or cut-off answer shows, and what the requests carry.
#include "fake_http_client.h"

#include "app/clock.h"
#include "draws/draw_store.h"
#include "draws/draw_updater.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(HttpResponse)

namespace {
const QDate Tuesday(2015, 3, 3);
const QDate Friday(2015, 3, 6);
} // namespace

class DrawUpdaterAnswersTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeHttpClient m_http;

    QString storePath() const { return m_dir.filePath(QStringLiteral("Devudirurero.dat")); }

    // Updates a store that ends on Tuesday up to Friday: exactly one request.
    DrawUpdateSummary updateOnce(const HttpResponse &answer, QList<QVariantList> *finishedRequests = nullptr)
    {
        QFile::remove(storePath());
        Draw tuesday;
        tuesday.date = Tuesday;
        tuesday.numbers = {1, 2, 3, 4, 5};
        tuesday.megaball = 1;
        if (!DrawStore(storePath()).append(tuesday))
            qFatal("cannot seed the store");
        m_http = FakeHttpClient();
        m_http.answers.push_back(answer);
        DrawUpdater updater(m_http);
        QSignalSpy finished(&updater, &DrawUpdater::finished);
        QSignalSpy requests(&updater, &DrawUpdater::requestFinished);
        DrawUpdateSettings settings;
        settings.proxyHost = QStringLiteral("proxy.example");
        settings.proxyPort = QStringLiteral("3128");
        settings.connectTimeoutMs = 1234;
        settings.readTimeoutMs = 4321;
        updater.start(storePath(), settings);
        if (!finished.wait(5000))
            qFatal("the update did not finish");
        if (finishedRequests)
            *finishedRequests = requests;
        return finished.first().first().value<DrawUpdateSummary>();
    }

    int storedCount() const { return int(DrawStore(storePath()).readAll()->size()); }

private slots:
    void initTestCase() { Clock::setToday(Friday); }
    void cleanupTestCase() { Clock::setToday(std::nullopt); }

    void statuses_data()
    {
        QTest::addColumn<HttpResponse>("answer");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shownStatus");
        QTest::addColumn<QString>("shownLine");
        const QByteArray line = "3,8,12,40,75,7,2\r\n";
        QTest::newRow("200") << FakeHttpClient::answer(200, line) << 1 << 200 << "HTTP/1.1 200 OK";
        QTest::newRow("399 still counts") << FakeHttpClient::answer(399, line) << 1 << 399 << "HTTP/1.1 399";
        QTest::newRow("400 does not") << FakeHttpClient::answer(400, line) << 0 << 400 << "HTTP/1.1 400";
        QTest::newRow("404") << FakeHttpClient::answer(404, line) << 0 << 404 << "HTTP/1.1 404 Not Found";
        QTest::newRow("500") << FakeHttpClient::answer(500, line) << 0 << 500 << "HTTP/1.1 500 Internal Server Error";
        QTest::newRow("empty body") << FakeHttpClient::answer(200) << 0 << 200 << "HTTP/1.1 200 OK";
        QTest::newRow("no answer") << FakeHttpClient::noAnswer(QStringLiteral("Connection refused")) << 0 << 0
                                   << "No response: Connection refused";
        QTest::newRow("cut off mid-body") << FakeHttpClient::cutOff(200, "3,8,12,40,75,7,2") << 0 << 0
                                          << "No response: Remote host closed the connection";
    }
    void statuses()
    {
        QFETCH(HttpResponse, answer);
        QFETCH(int, stored);
        QFETCH(int, shownStatus);
        QFETCH(QString, shownLine);
        QList<QVariantList> requests;
        const DrawUpdateSummary summary = updateOnce(answer, &requests);
        QCOMPARE(summary.outcome, DrawUpdateSummary::Outcome::Completed);
        QCOMPARE(summary.storedCount, stored);
        QCOMPARE(storedCount(), 1 + stored);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0][1].toInt(), shownStatus);
        QCOMPARE(requests[0][2].toString(), shownLine);
    }

    void theRequestCarriesTheClientSettings()
    {
        updateOnce(FakeHttpClient::answer(200));
        QCOMPARE(m_http.requests.size(), size_t(1));
        const HttpRequest &request = m_http.requests.front();
        QCOMPARE(request.url.toString(),
            QStringLiteral("http://127.0.0.1:8787/zahlen/uslotto.asp?Programm=DevuDirurero&Datum=20150306"));
        QCOMPARE(request.proxyHost, QStringLiteral("proxy.example"));
        QCOMPARE(request.proxyPort, quint16(3128));
        QCOMPARE(request.connectTimeoutMs, 1234);
        QCOMPARE(request.readTimeoutMs, 4321);
        QCOMPARE(request.maxRedirects, 15);
        HttpResponse sent;
        sent.headers = request.headers;
        QCOMPARE(sent.header("accept"), QByteArray("text/html, */*"));
        QCOMPARE(sent.header("User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
    }

    void stopAbortsTheWaitingRequest()
    {
        QFile::remove(storePath());
        m_http = FakeHttpClient();
        m_http.hang = [](const HttpRequest &) { return true; };
        DrawUpdater updater(m_http);
        QSignalSpy started(&updater, &DrawUpdater::requestStarted);
        QSignalSpy finished(&updater, &DrawUpdater::finished);
        updater.start(storePath(), DrawUpdateSettings());
        QVERIFY(started.wait(5000));
        updater.stop();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().value<DrawUpdateSummary>().outcome, DrawUpdateSummary::Outcome::Stopped);
        QCOMPARE(m_http.aborted, 1);
        QCOMPARE(m_http.requests.size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(DrawUpdaterAnswersTest)
#include "draw_updater_answers_test.moc"
