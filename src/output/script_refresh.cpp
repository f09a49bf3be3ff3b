#include "output/script_refresh.h"

#include "app/atomic_file.h"
#include "output/web_links.h"

#include <QEventLoop>
#include <QTimer>

QUrl ScriptRefresh::defaultServiceUrl()
{
    return WebLinks::url(WebLinks::ScriptService);
}

QUrl ScriptRefresh::urlFor(const QUrl &service, const QString &scriptPath)
{
    QUrl url = service.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    // Set decoded, so that a "#" or "?" in a file name stays part of the path.
    url.setPath(path + QStringLiteral("scripts/") + QFileInfo(scriptPath).fileName() + QStringLiteral(".txt"));
    return url;
}

HttpRequest ScriptRefresh::requestFor(const QUrl &service, const QString &scriptPath)
{
    HttpRequest request;
    request.url = urlFor(service, scriptPath);
    request.headers = {{QByteArrayLiteral("User-Agent"), UserAgent}, {QByteArrayLiteral("Accept"), Accept}};
    request.proxyHost.clear();
    request.deadlineMs = DefaultTimeoutMs;
    request.maxBodyBytes = MaxScriptBytes;
    return request;
}

bool ScriptRefresh::replaces(const HttpResponse &response, const QFileInfo &local)
{
    return response.statusCode == 200 && response.complete && !response.body.isEmpty()
        && response.lastModified.isValid() && local.isFile()
        && local.lastModified().toUTC() < response.lastModified.toUTC();
}

ScriptRefresh::ScriptRefresh(HttpClient &http, QObject *parent)
    : QObject(parent)
    , m_http(http)
    , m_service(defaultServiceUrl())
{ }

ScriptRefresh::~ScriptRefresh()
{
    if (m_reply)
        m_reply->abort();
}

bool ScriptRefresh::start(const QString &scriptPath)
{
    if (m_reply)
        return false;
    m_scriptPath = scriptPath;
    m_outcome = Outcome::Unchanged;
    m_detail.clear();
    m_reply = m_http.get(requestFor(m_service, scriptPath));
    connect(m_reply.get(), &HttpReply::finished, this, &ScriptRefresh::onReplyFinished);
    return true;
}

void ScriptRefresh::abort()
{
    if (!m_reply)
        return;
    m_reply->abort();
    finish(Outcome::Aborted, QStringLiteral("aborted"));
}

ScriptRefresh::Outcome ScriptRefresh::waitForFinished(int timeoutMs)
{
    if (!m_reply)
        return m_outcome;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &ScriptRefresh::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec();
    if (m_reply)
        abort();
    return m_outcome;
}

void ScriptRefresh::onReplyFinished()
{
    const HttpResponse response = m_reply->response();
    const QFileInfo local(m_scriptPath);
    if (response.statusCode != 200 || !response.complete) {
        finish(Outcome::Failed, response.error.isEmpty() ? response.statusLine : response.error);
        return;
    }
    if (!replaces(response, local)) {
        finish(Outcome::Unchanged, QStringLiteral("not newer than the local script"));
        return;
    }
    if (auto written = AtomicFile::write(m_scriptPath, response.body); !written) {
        finish(Outcome::Failed, written.error());
        return;
    }
    finish(Outcome::Replaced, response.statusLine);
}

void ScriptRefresh::finish(Outcome outcome, const QString &detail)
{
    // The reply may be the sender of the signal being handled: delete it later.
    if (m_reply)
        m_reply.release()->deleteLater();
    m_outcome = outcome;
    m_detail = detail;
    emit finished(outcome);
}
