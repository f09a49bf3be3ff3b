// A local draw-results service: answers the draw update's requests
// ("/zahlen/uslotto.asp?Programm=DevuDirurero&Datum=yyyymmdd") from a draw file, and can
// misbehave on purpose (slow, failing, redirecting, garbled) so the update's handling
// of a bad service can be tried out and tested in-process.
#pragma once

#include "app/result.h"
#include "draws/draw.h"

#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QUrl>

#include <map>
#include <vector>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class DelayingTcpServer;

struct DrawServiceFaults {
    int delayMs = 0; // each connection is served this much later
    bool internalError = false; // every request answered with status 500
    int redirectHops = 0; // every answer comes after this many redirects
    bool malformedBody = false; // every answer is a page that is no list of draws
    bool sixFieldBody = false; // the Megaplier is left out of every draw line
    // Every answer's body is sent one byte every this many ms (its header at once), so
    // each byte re-arms a client's read time-out; 0: off.
    int trickleMs = 0;
};

struct ServedRequest {
    QDate date; // invalid when the request named no valid date
    QByteArray userAgent;
    QByteArray accept;
    QByteArray cookie;
};

class DrawService : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 8787;
    // The most a client may send of one request before its head ends (a GET of the
    // update is some two hundred bytes); more is answered with status 431 and the
    // connection is closed.
    static constexpr qint64 MaxRequestBytes = 8 * 1024;

    explicit DrawService(QObject *parent = nullptr);
    ~DrawService() override;

    // A ".dat" draw file or a CSV like the published history; returns the draw count.
    Result<int> loadDraws(const QString &filePath);
    void setDraws(const std::vector<Draw> &draws);
    void setFaults(const DrawServiceFaults &faults);
    const DrawServiceFaults &faults() const { return m_faults; }
    // Answers `date` with exactly this body (status 200) instead of its draws.
    void setCannedBody(QDate date, const QByteArray &body);

    // Port 0 picks a free port; returns the port listened on.
    Result<quint16> listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = DefaultPort);
    // The base URL the update is given: scheme, host and port.
    QUrl url() const;

    // Every request that reached the service, first hop of a redirect chain only.
    const QList<ServedRequest> &requests() const { return m_requests; }
    QList<QDate> requestedDates() const;
    void clearRequests() { m_requests.clear(); }

signals:
    void requestServed(QDate date, int statusCode);

private:
    QHttpServerResponse answer(const QHttpServerRequest &request);
    QByteArray drawLines(QDate date) const;
    QByteArray trickleBody(const QUrl &url);

    QHttpServer *m_http = nullptr;
    DelayingTcpServer *m_tcp = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    std::multimap<QDate, Draw> m_draws;
    QMap<QDate, QByteArray> m_cannedBodies;
    DrawServiceFaults m_faults;
    QList<ServedRequest> m_requests;
    int m_sessionCounter = 0;
};
