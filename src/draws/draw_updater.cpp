#include "draws/draw_updater.h"

#include "app/clock.h"
#include "draws/draw_download.h"
#include "draws/draw_store.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace {
const QByteArray UserAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
const QByteArray AcceptedTypes = QByteArrayLiteral("text/html, */*");

Result<QNetworkProxy> proxyFor(const DrawUpdateSettings &settings)
{
    const QString host = settings.proxyHost.trimmed();
    if (host.isEmpty())
        return QNetworkProxy(QNetworkProxy::NoProxy);
    bool ok = false;
    const int port = settings.proxyPort.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return fail(
            QStringLiteral("Der Proxy-Port \"%1\" ist keine ganze Zahl von 1 bis 65535.").arg(settings.proxyPort));
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port));
}

QNetworkRequest makeRequest(const DrawUpdateSettings &settings, QDate date)
{
    QNetworkRequest request(DrawDownload::requestUrl(settings.serviceUrl, date));
    request.setRawHeader(QByteArrayLiteral("Accept"), AcceptedTypes);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(settings.maxRedirects);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

// The answer's status line as the server sent it, or why there was none.
QString statusLine(const QNetworkReply &reply, int statusCode, bool timedOut, int timeoutMs)
{
    if (timedOut)
        return QStringLiteral("No response: timed out after %1 ms").arg(timeoutMs);
    if (statusCode == 0)
        return QStringLiteral("No response: %1").arg(reply.errorString());
    const bool http2 = reply.attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
    const QString reason
        = QString::fromLatin1(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    return QStringLiteral("HTTP/%1 %2 %3")
        .arg(http2 ? QStringLiteral("2") : QStringLiteral("1.1"))
        .arg(statusCode)
        .arg(reason)
        .trimmed();
}
} // namespace

DrawUpdateSettings::DrawUpdateSettings()
    : serviceUrl(DrawDownload::defaultServiceUrl())
{ }

QString DrawUpdater::loadingText()
{
    return QStringLiteral("Loading");
}

DrawUpdater::DrawUpdater(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    m_network->setCookieJar(new QNetworkCookieJar(m_network));
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &DrawUpdater::onWatchdog);
}

DrawUpdater::~DrawUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool DrawUpdater::start(const QString &storePath, const DrawUpdateSettings &settings)
{
    if (m_running)
        return false;
    m_running = true;
    m_stopRequested = false;
    m_storePath = storePath;
    m_settings = settings;
    m_summary = {};
    // Everything is reported from the event loop, so a caller can finish setting up its
    // window after start() before the first signal arrives.
    QMetaObject::invokeMethod(this, &DrawUpdater::begin, Qt::QueuedConnection);
    return true;
}

void DrawUpdater::stop()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    if (!m_reply)
        return; // the update stops at its next step
    // Abort without its finished signal: nothing of this answer may be stored, and the
    // end is reported from the event loop, not from inside this call.
    m_watchdog.stop();
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply.clear();
    QMetaObject::invokeMethod(this, &DrawUpdater::requestNext, Qt::QueuedConnection);
}

void DrawUpdater::begin()
{
    if (m_stopRequested)
        return finish(DrawUpdateSummary::Outcome::Stopped);
    const auto proxy = proxyFor(m_settings);
    if (!proxy)
        return finish(DrawUpdateSummary::Outcome::InvalidSettings, proxy.error());
    if (auto url = DrawDownload::checkServiceUrl(m_settings.serviceUrl); !url)
        return finish(DrawUpdateSummary::Outcome::InvalidSettings, url.error());
    m_network->setProxy(*proxy);

    const DrawStore store(m_storePath);
    if (auto created = store.createIfMissing(); !created)
        return finish(DrawUpdateSummary::Outcome::FileError, created.error());
    // A record cut short by an interrupted append would shift every record after it.
    if (auto cut = store.cutPartialRecord(); !cut)
        return finish(DrawUpdateSummary::Outcome::FileError, cut.error());
    const auto draws = store.readAll();
    if (!draws)
        return finish(DrawUpdateSummary::Outcome::FileError, draws.error());

    QDate cursor = DrawDownload::firstCursorDate();
    if (!draws->empty() && draws->back().date.isValid())
        cursor = std::max(cursor, draws->back().date);
    m_date = DrawDownload::nextDrawDate(cursor);
    emit dateChanged(m_date);
    requestNext();
}

void DrawUpdater::requestNext()
{
    if (!m_running)
        return;
    if (m_stopRequested)
        return finish(DrawUpdateSummary::Outcome::Stopped);
    if (m_date > Clock::today())
        return finish(DrawUpdateSummary::Outcome::Completed);
    sendRequest();
}

void DrawUpdater::sendRequest()
{
    m_summary.lastDate = m_date;
    m_timedOut = false;
    emit requestStarted(m_date);
    m_reply = m_network->get(makeRequest(m_settings, m_date));
    armWatchdog(m_settings.connectTimeoutMs);
    m_waitingForConnection = true;
    const auto connected = [this] {
        m_waitingForConnection = false;
        armWatchdog(m_settings.readTimeoutMs);
    };
    // Every sign of life restarts the read time-out; a new connection (a redirect to
    // another host) gets the connect time-out again.
    connect(m_reply, &QNetworkReply::socketStartedConnecting, this, [this] {
        m_waitingForConnection = true;
        armWatchdog(m_settings.connectTimeoutMs);
    });
    connect(m_reply, &QNetworkReply::requestSent, this, connected);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, connected);
    connect(m_reply, &QNetworkReply::redirected, this, connected);
    connect(m_reply, &QNetworkReply::downloadProgress, this, connected);
    connect(m_reply, &QNetworkReply::finished, this, &DrawUpdater::onReplyFinished);
}

void DrawUpdater::armWatchdog(int timeoutMs)
{
    m_watchdog.start(std::max(timeoutMs, 1));
}

void DrawUpdater::onWatchdog()
{
    if (!m_reply)
        return;
    m_timedOut = true;
    m_reply->abort();
}

void DrawUpdater::onReplyFinished()
{
    m_watchdog.stop();
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    reply->deleteLater();
    m_reply.clear();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool httpError = status >= 400;
    // A failure below the HTTP level (connection, time-out, redirect limit) leaves no
    // status worth showing, even when a redirect answer had one.
    const int shownStatus = reply->error() != QNetworkReply::NoError && !httpError ? 0 : status;
    const int timeoutMs = m_waitingForConnection ? m_settings.connectTimeoutMs : m_settings.readTimeoutMs;
    emit requestFinished(m_date, shownStatus, statusLine(*reply, shownStatus, m_timedOut, timeoutMs));

    if (shownStatus > 0 && !httpError && !storeBody(reply->readAll()))
        return; // finish() has run
    m_date = DrawDownload::nextDrawDate(m_date);
    emit dateChanged(m_date);
    requestNext();
}

bool DrawUpdater::storeBody(const QByteArray &bytes)
{
    const QString body = DrawDownload::decodeBody(bytes);
    const DrawDownload::ParsedBody parsed = DrawDownload::parseBody(body, m_date);
    const DrawStore store(m_storePath);
    for (const Draw &draw : parsed.draws) {
        if (auto appended = store.append(draw); !appended) {
            finish(DrawUpdateSummary::Outcome::FileError, appended.error());
            return false;
        }
        ++m_summary.storedCount;
        emit drawStored(draw);
    }
    if (parsed.error) {
        m_summary.reason = *parsed.error;
        finish(DrawUpdateSummary::Outcome::Unparsable, body.left(MaxReportedBody));
        return false;
    }
    return true;
}

void DrawUpdater::finish(DrawUpdateSummary::Outcome outcome, const QString &message)
{
    m_watchdog.stop();
    m_running = false;
    m_summary.outcome = outcome;
    m_summary.message = message;
    emit finished(m_summary);
}
