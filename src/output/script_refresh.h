// The click-script refresh run when the dialog's OK is pressed: asks the maker's script
// service for a newer copy of the chosen script and replaces the local file when the
// answer is newer. Every failure is silent for the user; the outcome is reported for the
// window (which waits a bounded time) and for tests.
#pragma once

#include "app/http_client.h"
#include "output/click_script.h"

#include <QByteArray>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class ScriptRefresh : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Replaced, // the local script now holds the service's copy
        Unchanged, // answered, but not newer, no Last-Modified, or no local script
        Failed, // no answer, an HTTP error, a cut-off body, or the write failed
        Aborted, // abort() or the wait's time-out ended the request
    };
    Q_ENUM(Outcome)

    static inline const QByteArray UserAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
    static inline const QByteArray Accept = QByteArrayLiteral("text/html, */*");
    // The longest the window waits on OK; the request itself gives up no later.
    static constexpr int DefaultTimeoutMs = 10000;
    // A longer answer is no click script; it is cut off and so never replaces one.
    static constexpr qint64 MaxScriptBytes = ClickScript::MaxTemplateBytes;

    static QUrl defaultServiceUrl();
    // "<service>/scripts/<file name with extension>.txt": lotto.xrt asks for scripts/lotto.xrt.txt.
    static QUrl urlFor(const QUrl &service, const QString &scriptPath);
    // With the documented headers and no proxy.
    static HttpRequest requestFor(const QUrl &service, const QString &scriptPath);
    // Replace only with a whole 200 answer with a body, carrying a Last-Modified later
    // than the modification time of an existing local script.
    static bool replaces(const HttpResponse &response, const QFileInfo &local);

    // Asks through `http`, which must outlive the refresh.
    explicit ScriptRefresh(HttpClient &http, QObject *parent = nullptr);
    ~ScriptRefresh() override;

    void setServiceUrl(const QUrl &service) { m_service = service; }
    const QUrl &serviceUrl() const { return m_service; }

    // Starts the request; the outcome comes through `finished`, never from inside this
    // call. Returns false while a refresh is running.
    bool start(const QString &scriptPath);
    // Ends a running refresh with Outcome::Aborted; the local script stays as it was.
    void abort();
    bool isRunning() const { return m_reply != nullptr; }
    // Runs the event loop (the window stays responsive) until the refresh ends or
    // `timeoutMs` has passed, which aborts it. Returns the outcome.
    Outcome waitForFinished(int timeoutMs = DefaultTimeoutMs);

    Outcome outcome() const { return m_outcome; }
    // Why the outcome is what it is, for logs and tests; never shown to the user.
    const QString &detail() const { return m_detail; }

signals:
    void finished(ScriptRefresh::Outcome outcome);

private:
    void onReplyFinished();
    void finish(Outcome outcome, const QString &detail);

    HttpClient &m_http;
    QUrl m_service;
    QString m_scriptPath;
    std::unique_ptr<HttpReply> m_reply;
    Outcome m_outcome = Outcome::Unchanged;
    QString m_detail;
};
