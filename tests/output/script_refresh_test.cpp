// The script refresh on OK: the request it sends, the Last-Modified rule, and that no
// failure (404, no answer, a cut-off body, a hanging service) touches the local script.
#include "fake_http_client.h"
#include "output/script_refresh.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray LocalScript = "alt\r\n";
const QByteArray ServiceScript = "neu\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

HttpHeaders lastModified(const QDateTime &time)
{
    return {{"Last-Modified", time.toUTC().toString(Qt::RFC2822Date).toLatin1()}};
}
} // namespace

class ScriptRefreshTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_script;
    QDateTime m_localTime;

    ScriptRefresh::Outcome refresh(FakeHttpClient &http)
    {
        ScriptRefresh refresh(http);
        QSignalSpy finished(&refresh, &ScriptRefresh::finished);
        if (!refresh.start(m_script))
            return ScriptRefresh::Outcome::Failed;
        const ScriptRefresh::Outcome outcome = refresh.waitForFinished(2000);
        if (finished.count() != 1)
            qWarning("finished was emitted %lld times", qlonglong(finished.count()));
        return outcome;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_script = m_dir->filePath(QStringLiteral("lotto.xrt"));
        QFile file(m_script);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(LocalScript) == LocalScript.size());
        file.close();
        // Whole seconds, as Last-Modified carries them.
        m_localTime = QDateTime(QDate(2020, 5, 1), QTime(12, 0), Qt::UTC);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(m_localTime, QFileDevice::FileModificationTime));
    }

    void request()
    {
        const HttpRequest request
            = ScriptRefresh::requestFor(QUrl(QStringLiteral("http://dienst.example:81/basis")), m_script);
        QCOMPARE(request.url.toString(), QStringLiteral("http://dienst.example:81/basis/scripts/lotto.xrt.txt"));
        QCOMPARE(request.headers,
            (HttpHeaders{{"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}, {"Accept", "text/html, */*"}}));
        QVERIFY(request.proxyHost.isEmpty());
        QVERIFY(request.deadlineMs > 0);
        QVERIFY(request.maxBodyBytes > 0);
        // A name that looks like a query stays part of the path.
        QCOMPARE(
            ScriptRefresh::urlFor(QUrl(QStringLiteral("https://s.example/")), QStringLiteral("/x/a#b?.xrt")).path(),
            QStringLiteral("/scripts/a#b?.xrt.txt"));
        QVERIFY(ScriptRefresh::defaultServiceUrl().isValid());
    }

    void lastModifiedRule_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("dated"); // Last-Modified sent
        QTest::addColumn<int>("secondsAfterLocal"); // of Last-Modified
        QTest::addColumn<bool>("cutOff");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("replaced");
        using O = ScriptRefresh::Outcome;
        QTest::newRow("newer") << 200 << true << 3600 << false << int(O::Replaced) << true;
        QTest::newRow("one second newer") << 200 << true << 1 << false << int(O::Replaced) << true;
        QTest::newRow("as old") << 200 << true << 0 << false << int(O::Unchanged) << false;
        QTest::newRow("older") << 200 << true << -3600 << false << int(O::Unchanged) << false;
        QTest::newRow("no Last-Modified") << 200 << false << 0 << false << int(O::Unchanged) << false;
        QTest::newRow("404 with a newer date") << 404 << true << 3600 << false << int(O::Failed) << false;
        QTest::newRow("cut-off body") << 200 << true << 3600 << true << int(O::Failed) << false;
    }
    void lastModifiedRule()
    {
        QFETCH(int, status);
        QFETCH(bool, dated);
        QFETCH(int, secondsAfterLocal);
        QFETCH(bool, cutOff);
        QFETCH(int, outcome);
        QFETCH(bool, replaced);
        FakeHttpClient http;
        const HttpHeaders headers = dated ? lastModified(m_localTime.addSecs(secondsAfterLocal)) : HttpHeaders{};
        HttpResponse response = FakeHttpClient::answer(status, ServiceScript, headers);
        if (cutOff) {
            response.body = ServiceScript.left(2);
            response.complete = false;
        }
        http.answers.push_back(response);
        QCOMPARE(int(refresh(http)), outcome);
        QCOMPARE(http.requests.size(), size_t(1));
        QCOMPARE(readAll(m_script), replaced ? ServiceScript : LocalScript);
    }

    void noAnswerAndEmptyBody()
    {
        FakeHttpClient http;
        http.answers.push_back(FakeHttpClient::noAnswer());
        QCOMPARE(refresh(http), ScriptRefresh::Outcome::Failed);
        http.answers.push_back(FakeHttpClient::answer(200, QByteArray(), lastModified(m_localTime.addDays(1))));
        QCOMPARE(refresh(http), ScriptRefresh::Outcome::Unchanged);
        QCOMPARE(readAll(m_script), LocalScript);
    }

    void missingLocalScriptIsNotCreated()
    {
        QVERIFY(QFile::remove(m_script));
        FakeHttpClient http;
        http.answers.push_back(FakeHttpClient::answer(200, ServiceScript, lastModified(m_localTime.addDays(1))));
        QCOMPARE(refresh(http), ScriptRefresh::Outcome::Unchanged);
        QVERIFY(!QFileInfo::exists(m_script));
    }

    void hangingServiceIsGivenUp()
    {
        FakeHttpClient http;
        http.hang = [](const HttpRequest &) { return true; };
        ScriptRefresh refresh(http);
        QVERIFY(refresh.start(m_script));
        QVERIFY(refresh.isRunning());
        QVERIFY(!refresh.start(m_script)); // one at a time
        QCOMPARE(refresh.waitForFinished(50), ScriptRefresh::Outcome::Aborted);
        QVERIFY(!refresh.isRunning());
        QCOMPARE(http.aborted, 1);
        QCOMPARE(readAll(m_script), LocalScript);
    }
};

QTEST_GUILESS_MAIN(ScriptRefreshTest)
#include "script_refresh_test.moc"
