// The Internet draw update: asks the draw-results service for every draw date after
// the last stored draw, one request at a time, and appends each answered draw to the
// store. It runs on the event loop (no blocking call, no thread) and reports through
// signals, so a window and the command-line tool can both drive it.
#pragma once

#include "app/http_client.h"
#include "draws/draw.h"
#include "draws/draw_download.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

struct DrawUpdateSettings {
    QUrl serviceUrl; // scheme, host and port; defaults to the local service
    QString proxyHost; // empty: no proxy
    QString proxyPort = DrawDownload::DefaultProxyPort; // the field's text, checked only with a host
    int connectTimeoutMs = 5000;
    int readTimeoutMs = 5000;
    // The longest one request may take in all: a service that sends a byte now and then
    // re-arms the read time-out for ever, but not this.
    int deadlineMs = 20000;
    int maxRedirects = 15;
    // A draw line is some twenty bytes; a longer answer is cut off and counts as none.
    qint64 maxBodyBytes = 64 * 1024;

    DrawUpdateSettings();
};

struct DrawUpdateSummary {
    enum class Outcome {
        Completed, // walked every date up to today
        Stopped, // stop() was called
        Unparsable, // a line of an answer did not parse; `message` holds the body
        FileError, // the store could not be read or written; `message` says why
        InvalidSettings, // bad proxy port or service URL; nothing was touched
    };
    Outcome outcome = Outcome::Completed;
    QString message;
    QString reason; // Unparsable: which line failed and why
    int storedCount = 0; // draws appended by this run
    QDate lastDate; // the date of the last request made (invalid when none)
    // The store keeps one draw per date: of an answer with several draws only the first
    // is stored. The dates whose answers held more, and how many draws were left out.
    QList<QDate> severalDrawDates;
    int ignoredDraws = 0;
};

class DrawUpdater : public QObject {
    Q_OBJECT
public:
    // The longest part of an unparsable body the summary carries, in characters;
    // unprintable ones are escaped.
    static constexpr int MaxReportedBody = 2000;
    // The status text while a request waits.
    static QString loadingText();

    // Asks through `http`, which must outlive the updater.
    explicit DrawUpdater(HttpClient &http, QObject *parent = nullptr);
    ~DrawUpdater() override;

    // Starts an update of the store file at `storePath`; everything after this call is
    // reported through the signals, the first of them from the event loop. Returns false
    // (and does nothing) while an update is running.
    bool start(const QString &storePath, const DrawUpdateSettings &settings);
    // Ends the update before its next request. A request in flight is aborted and
    // nothing of it is stored. No effect when idle.
    void stop();
    bool isRunning() const { return m_running; }

signals:
    // The date cursor moved: to the first date to request, then on after each request.
    void dateChanged(QDate date);
    // A request for `date` is about to be sent.
    void requestStarted(QDate date);
    // The answer for `date`: `statusCode` 0 when there was no HTTP answer at all
    // (no connection, time-out, too many redirects); `statusLine` is the text to show,
    // e.g. "HTTP/1.1 200 OK" or "No response: Connection refused".
    void requestFinished(QDate date, int statusCode, const QString &statusLine);
    // One draw was appended to the store as its record `index` (0-based).
    void drawStored(const Draw &draw, int index);
    // The update is over; isRunning() is already false.
    void finished(const DrawUpdateSummary &summary);

private:
    void begin();
    void requestNext();
    void sendRequest();
    void onReplyFinished();
    bool storeBody(const QByteArray &bytes);
    void finish(DrawUpdateSummary::Outcome outcome, const QString &message = {});

    HttpClient &m_http;
    std::unique_ptr<HttpReply> m_reply;

    QString m_storePath;
    DrawUpdateSettings m_settings;
    quint16 m_proxyPort = 0;
    QDate m_date;
    bool m_running = false;
    bool m_stopRequested = false;
    DrawUpdateSummary m_summary;
};
