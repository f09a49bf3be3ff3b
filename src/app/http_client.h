// HTTP GET behind a small interface: the draw update and the click-script refresh ask
// through it, the program uses the Qt Network implementation, and tests answer with any
// status, header and body they like. Requests run on the event loop; a reply reports
// once, through `finished`, never from inside `get`.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <utility>
#include <vector>

using HttpHeaders = std::vector<std::pair<QByteArray, QByteArray>>;

struct HttpRequest {
    QUrl url;
    HttpHeaders headers; // sent as given, e.g. Accept, User-Agent, If-Modified-Since
    QString proxyHost; // empty: no proxy
    quint16 proxyPort = 0;
    int connectTimeoutMs = 5000; // for each connection, also one a redirect opens
    int readTimeoutMs = 5000; // the longest silence once connected
    int deadlineMs = 0; // the longest the whole request may take; 0: no limit
    int maxRedirects = 15;
    qint64 maxBodyBytes = 0; // a longer answer is cut off and reported; 0: no limit
};

struct HttpResponse {
    // 0 when there was no HTTP answer at all: no connection, a time-out before the
    // status line, too many redirects.
    int statusCode = 0;
    // "HTTP/1.1 200 OK" as the server sent it, or "No response: <reason>".
    QString statusLine;
    HttpHeaders headers;
    QDateTime lastModified; // invalid when the answer had none
    QByteArray body;
    // The body arrived whole: the transfer ended normally and matched its declared
    // length. False with a status code when the connection broke, a time-out or the
    // deadline struck mid-body, or the body passed `maxBodyBytes`.
    bool complete = false;
    QString error; // why not complete; empty when complete

    QByteArray header(const QByteArray &name) const;
};

class HttpReply : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Ends the request without `finished`.
    virtual void abort() = 0;
    const HttpResponse &response() const { return m_response; }

signals:
    void finished();

protected:
    HttpResponse m_response;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual std::unique_ptr<HttpReply> get(const HttpRequest &request) = 0;
};

// Qt Network with a cookie jar shared by all its requests.
std::unique_ptr<HttpClient> makeNetworkHttpClient();
