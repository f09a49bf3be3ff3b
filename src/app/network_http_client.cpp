// The HTTP client on Qt Network: one QNetworkAccessManager with a cookie jar, HTTP/1.1,
// redirects followed up to the request's limit, and three clocks per request: the
// connect time-out (again for each new connection), the read time-out (restarted by
// every sign of life) and the overall deadline, which no trickle of bytes can re-arm.
#include "app/http_client.h"

#include "app/message_table.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <algorithm>

QByteArray HttpResponse::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

namespace {
class NetworkHttpReply : public HttpReply {
public:
    NetworkHttpReply(QNetworkAccessManager &network, const HttpRequest &request)
        : m_request(request)
    {
        QNetworkRequest wire(request.url);
        for (const auto &[name, value] : request.headers)
            wire.setRawHeader(name, value);
        wire.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        wire.setMaximumRedirectsAllowed(request.maxRedirects);
        wire.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        wire.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        network.setProxy(request.proxyHost.isEmpty()
                ? QNetworkProxy(QNetworkProxy::NoProxy)
                : QNetworkProxy(QNetworkProxy::HttpProxy, request.proxyHost, request.proxyPort));

        m_watchdog.setSingleShot(true);
        connect(&m_watchdog, &QTimer::timeout, this, [this] { fail(timeoutText(m_watchdogMs)); });
        if (request.deadlineMs > 0) {
            m_deadline.setSingleShot(true);
            connect(&m_deadline, &QTimer::timeout, this, [this] {
                fail(CoreText::text(Msg::NoCompleteAnswer, u"no complete answer within %1 ms")
                         .arg(m_request.deadlineMs));
            });
            m_deadline.start(request.deadlineMs);
        }

        m_reply = network.get(wire);
        arm(request.connectTimeoutMs);
        const auto alive = [this] { arm(m_request.readTimeoutMs); };
        connect(m_reply, &QNetworkReply::socketStartedConnecting, this, [this] { arm(m_request.connectTimeoutMs); });
        connect(m_reply, &QNetworkReply::requestSent, this, alive);
        connect(m_reply, &QNetworkReply::metaDataChanged, this, alive);
        connect(m_reply, &QNetworkReply::redirected, this, alive);
        connect(m_reply, &QNetworkReply::downloadProgress, this, [this, alive](qint64 received, qint64) {
            alive();
            if (m_request.maxBodyBytes > 0 && received > m_request.maxBodyBytes)
                fail(CoreText::text(Msg::AnswerTooLong, u"answer longer than %1 bytes").arg(m_request.maxBodyBytes));
        });
        connect(m_reply, &QNetworkReply::finished, this, &NetworkHttpReply::onFinished);
    }

    ~NetworkHttpReply() override { abort(); }

    void abort() override
    {
        m_watchdog.stop();
        m_deadline.stop();
        if (!m_reply)
            return;
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply.clear();
    }

private:
    static QString timeoutText(int ms) { return CoreText::text(Msg::AnswerTimedOut, u"timed out after %1 ms").arg(ms); }

    void arm(int ms)
    {
        m_watchdogMs = ms;
        m_watchdog.start(std::max(ms, 1));
    }

    // A clock struck or the answer grew too long: the reply ends with what it has.
    void fail(const QString &why)
    {
        m_failure = why;
        if (m_reply)
            m_reply->abort(); // finishes the reply with OperationCanceledError
    }

    void onFinished()
    {
        m_watchdog.stop();
        m_deadline.stop();
        QNetworkReply *reply = m_reply.data();
        if (!reply)
            return;
        reply->deleteLater();
        m_reply.clear();

        HttpResponse &r = m_response;
        r.statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QString reason
            = QString::fromLatin1(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
        r.statusLine = r.statusCode > 0 ? QStringLiteral("HTTP/1.1 %1 %2").arg(r.statusCode).arg(reason).trimmed()
                                        : CoreText::text(Msg::NoResponse, u"No response: %1")
                                              .arg(m_failure.isEmpty() ? reply->errorString() : m_failure);
        for (const auto &[name, value] : reply->rawHeaderPairs())
            r.headers.emplace_back(name, value);
        r.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
        // An aborted reply is closed: nothing of it is readable any more.
        if (reply->isOpen())
            r.body = reply->readAll();

        // An HTTP error status is a whole answer too (its body is the server's page);
        // below that level, anything but a normal end leaves the body incomplete. A body
        // shorter than its Content-Length ends with RemoteHostClosedError.
        const QNetworkReply::NetworkError error = reply->error();
        const bool httpLevel = error == QNetworkReply::NoError || int(error) >= QNetworkReply::ContentAccessDenied;
        const bool complete = m_failure.isEmpty() && r.statusCode > 0 && httpLevel;
        const QString why = !m_failure.isEmpty() ? m_failure : complete ? QString() : reply->errorString();
        r.complete = complete;
        r.error = why;
        emit finished();
    }

    HttpRequest m_request;
    QPointer<QNetworkReply> m_reply;
    QTimer m_watchdog;
    QTimer m_deadline;
    int m_watchdogMs = 0;
    QString m_failure;
};

class NetworkHttpClient : public HttpClient {
public:
    NetworkHttpClient() { m_network.setCookieJar(new QNetworkCookieJar(&m_network)); }

    std::unique_ptr<HttpReply> get(const HttpRequest &request) override
    {
        return std::make_unique<NetworkHttpReply>(m_network, request);
    }

private:
    QNetworkAccessManager m_network;
};
} // namespace

std::unique_ptr<HttpClient> makeNetworkHttpClient()
{
    return std::make_unique<NetworkHttpClient>();
}
