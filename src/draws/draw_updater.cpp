#include "draws/draw_updater.h"

#include "app/clock.h"
#include "app/message_table.h"
#include "app/text_excerpt.h"
#include "app/text_formats.h"
#include "draws/draw_download.h"
#include "draws/draw_store.h"

#include <algorithm>

namespace {
const QByteArray UserAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
const QByteArray AcceptedTypes = QByteArrayLiteral("text/html, */*");

// The proxy port as a number, checked only when a proxy host is given.
Result<quint16> proxyPortFor(const DrawUpdateSettings &settings)
{
    if (settings.proxyHost.trimmed().isEmpty())
        return quint16(0);
    const int port = TextFormats::parseInteger(settings.proxyPort.trimmed()).value_or(0);
    if (port < 1 || port > 65535)
        return fail(CoreText::text(Msg::ProxyPortInvalid).arg(TextExcerpt::field(settings.proxyPort)));
    return quint16(port);
}
} // namespace

DrawUpdateSettings::DrawUpdateSettings()
    : serviceUrl(DrawDownload::defaultServiceUrl())
{ }

QString DrawUpdater::loadingText()
{
    return QStringLiteral("Loading");
}

DrawUpdater::DrawUpdater(HttpClient &http, QObject *parent)
    : QObject(parent)
    , m_http(http)
{ }

DrawUpdater::~DrawUpdater() = default;

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
    m_reply->abort();
    m_reply.reset();
    QMetaObject::invokeMethod(this, &DrawUpdater::requestNext, Qt::QueuedConnection);
}

void DrawUpdater::begin()
{
    if (m_stopRequested)
        return finish(DrawUpdateSummary::Outcome::Stopped);
    const auto proxyPort = proxyPortFor(m_settings);
    if (!proxyPort)
        return finish(DrawUpdateSummary::Outcome::InvalidSettings, proxyPort.error());
    if (auto url = DrawDownload::checkServiceUrl(m_settings.serviceUrl); !url)
        return finish(DrawUpdateSummary::Outcome::InvalidSettings, url.error());
    m_proxyPort = *proxyPort;

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
    emit requestStarted(m_date);
    HttpRequest request;
    request.url = DrawDownload::requestUrl(m_settings.serviceUrl, m_date);
    request.headers = {{QByteArrayLiteral("Accept"), AcceptedTypes}, {QByteArrayLiteral("User-Agent"), UserAgent}};
    request.proxyHost = m_settings.proxyHost.trimmed();
    request.proxyPort = m_proxyPort;
    request.connectTimeoutMs = m_settings.connectTimeoutMs;
    request.readTimeoutMs = m_settings.readTimeoutMs;
    request.deadlineMs = m_settings.deadlineMs;
    request.maxRedirects = m_settings.maxRedirects;
    request.maxBodyBytes = m_settings.maxBodyBytes;
    m_reply = m_http.get(request);
    connect(m_reply.get(), &HttpReply::finished, this, &DrawUpdater::onReplyFinished);
}

void DrawUpdater::onReplyFinished()
{
    if (!m_reply)
        return;
    const HttpResponse response = m_reply->response();
    // Deleted later: this runs inside the reply's own signal.
    m_reply.release()->deleteLater();

    const bool httpError = response.statusCode >= 400;
    // Anything short of a whole answer (no connection, a time-out, the redirect limit, a
    // body cut off) leaves no status worth showing, even when a redirect had one.
    const bool answered = response.complete || (httpError && response.statusCode > 0);
    const int shownStatus = answered ? response.statusCode : 0;
    const QString line
        = answered ? response.statusLine : CoreText::text(Msg::NoResponse, u"No response: %1").arg(response.error);
    emit requestFinished(m_date, shownStatus, line);

    if (shownStatus > 0 && !httpError && !storeBody(response.body))
        return; // finish() has run
    m_date = DrawDownload::nextDrawDate(m_date);
    emit dateChanged(m_date);
    requestNext();
}

bool DrawUpdater::storeBody(const QByteArray &bytes)
{
    const QString body = DrawDownload::decodeBody(bytes);
    const DrawDownload::ParsedBody parsed = DrawDownload::parseBody(body, m_date);
    if (!parsed.draws.empty()) {
        const Draw &draw = parsed.draws.front();
        const auto appended = DrawStore(m_storePath).appendNewest(draw);
        if (!appended) {
            finish(DrawUpdateSummary::Outcome::FileError, appended.error());
            return false;
        }
        if (!appended->appended) {
            // Another writer got there first: go on after what it stored.
            m_date = std::max(m_date, appended->lastDate);
        } else {
            ++m_summary.storedCount;
            emit drawStored(draw, appended->index);
            if (parsed.draws.size() > 1) {
                m_summary.severalDrawDates.append(draw.date);
                m_summary.ignoredDraws += int(parsed.draws.size()) - 1;
            }
        }
    }
    if (parsed.error) {
        m_summary.reason = *parsed.error;
        finish(DrawUpdateSummary::Outcome::Unparsable, TextExcerpt::block(body, MaxReportedBody));
        return false;
    }
    return true;
}

void DrawUpdater::finish(DrawUpdateSummary::Outcome outcome, const QString &message)
{
    m_running = false;
    m_summary.outcome = outcome;
    m_summary.message = message;
    emit finished(m_summary);
}
