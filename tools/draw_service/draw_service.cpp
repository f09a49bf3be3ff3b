#include "draw_service.h"

#include "draws/draw_download.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <functional>

namespace {
const QString HopKey = QStringLiteral("Umleitung");
const QByteArray PlainText = QByteArrayLiteral("text/plain; charset=utf-8");
const QByteArray Html = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray MalformedPage = QByteArrayLiteral("<html><body><h1>Wartungsarbeiten</h1></body></html>\r\n");

QHttpServerResponse redirectTo(const QHttpServerRequest &request, int hop)
{
    QUrlQuery query = request.query();
    query.removeAllQueryItems(HopKey);
    query.addQueryItem(HopKey, QString::number(hop));
    QUrl target;
    target.setPath(request.url().path());
    target.setQuery(query);
    QHttpServerResponse response(QHttpServerResponse::StatusCode::Found);
    response.setHeader(QByteArrayLiteral("Location"), target.toEncoded());
    return response;
}
} // namespace

// Refuses a client that sends more than a request can hold before the end of its head:
// Qt's HTTP server would keep an endless header line in memory. A GET has no body, so
// the bytes since the last blank line are what the server holds of the next request.
// Qt's server reads everything that arrived in its own readyRead handler, which runs
// after this one, so what is available here is what just arrived.
class RequestSizeGuard : public QObject {
public:
    RequestSizeGuard(QTcpSocket *socket, qint64 limit)
        : QObject(socket)
        , m_socket(socket)
        , m_limit(limit)
    {
        connect(socket, &QTcpSocket::readyRead, this, &RequestSizeGuard::onReadyRead);
    }

    static QByteArray refusal()
    {
        return QByteArrayLiteral("HTTP/1.1 431 Request Header Fields Too Large\r\nContent-Type: text/plain\r\n"
                                 "Content-Length: 19\r\nConnection: close\r\n\r\nrequest too large\r\n");
    }

private:
    void onReadyRead()
    {
        if (m_refused) {
            m_socket->read(m_socket->bytesAvailable()); // the rest is thrown away until closed
            return;
        }
        const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
        const QByteArray seen = m_tail + fresh;
        const qsizetype headEnd = seen.lastIndexOf("\r\n\r\n");
        m_pending = headEnd < 0 ? m_pending + fresh.size() : seen.size() - (headEnd + 4);
        m_tail = seen.right(3);
        if (m_pending <= m_limit)
            return;
        m_refused = true;
        m_socket->read(m_socket->bytesAvailable());
        m_socket->write(refusal());
        m_socket->disconnectFromHost();
    }

    QTcpSocket *m_socket;
    qint64 m_limit;
    qint64 m_pending = 0;
    QByteArray m_tail; // the last bytes seen, for a blank line split across two reads
    bool m_refused = false;
};

// One connection of a trickling service: reads the request, sends the status line and
// headers at once, then the body one byte at a time. Qt's HTTP server sends an answer
// whole, so this speaks HTTP/1.1 itself, as much of it as a GET needs.
class TrickleConnection : public QObject {
public:
    TrickleConnection(qintptr descriptor, int intervalMs, std::function<QByteArray(const QUrl &)> body, QObject *parent)
        : QObject(parent)
        , m_body(std::move(body))
    {
        m_socket.setSocketDescriptor(descriptor);
        connect(&m_socket, &QTcpSocket::readyRead, this, &TrickleConnection::onReadyRead);
        connect(&m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        connect(&m_timer, &QTimer::timeout, this, &TrickleConnection::sendNextByte);
        m_timer.setInterval(intervalMs);
    }

private:
    void onReadyRead()
    {
        if (m_timer.isActive() || m_refused) {
            m_socket.readAll(); // one answer per connection; more requests are not kept
            return;
        }
        m_request += m_socket.readAll();
        if (!m_request.contains("\r\n\r\n")) {
            if (m_request.size() > DrawService::MaxRequestBytes) {
                m_refused = true;
                m_request.clear();
                m_socket.write(RequestSizeGuard::refusal());
                m_socket.disconnectFromHost();
            }
            return;
        }
        const QList<QByteArray> requestLine = m_request.left(m_request.indexOf("\r\n")).split(' ');
        const QUrl url = QUrl::fromEncoded(requestLine.value(1));
        m_pending = m_body(url);
        m_socket.write("HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
            + QByteArray::number(m_pending.size()) + "\r\nConnection: close\r\n\r\n");
        m_timer.start();
    }

    void sendNextByte()
    {
        if (m_pending.isEmpty()) {
            m_timer.stop();
            m_socket.disconnectFromHost();
            return;
        }
        m_socket.write(m_pending.left(1));
        m_pending.remove(0, 1);
    }

    std::function<QByteArray(const QUrl &)> m_body;
    QTcpSocket m_socket;
    QTimer m_timer;
    QByteArray m_request;
    QByteArray m_pending;
    bool m_refused = false;
};

// Hands each accepted connection to the HTTP server only after the configured delay,
// so a slow service can be imitated without ever blocking the event loop. The socket
// is created after the delay: Qt's HTTP server then reads the waiting request as usual,
// and a client that gave up meanwhile simply finds its connection gone. A trickling
// service serves the connection itself.
class DelayingTcpServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

    void setTrickle(int intervalMs, std::function<QByteArray(const QUrl &)> body)
    {
        m_trickleMs = intervalMs;
        m_trickleBody = std::move(body);
    }

    ~DelayingTcpServer() override
    {
        for (const qintptr descriptor : std::as_const(m_waiting)) {
            QTcpSocket socket;
            if (socket.setSocketDescriptor(descriptor))
                socket.abort();
        }
    }

    void setDelay(int ms) { m_delayMs = ms; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (m_trickleMs > 0) {
            new TrickleConnection(descriptor, m_trickleMs, m_trickleBody, this);
            return;
        }
        if (m_delayMs <= 0)
            return serve(descriptor);
        m_waiting.insert(descriptor);
        QTimer::singleShot(m_delayMs, this, [this, descriptor] {
            m_waiting.remove(descriptor);
            serve(descriptor);
            emit newConnection();
        });
    }

private:
    // The socket goes to the HTTP server with its guard already listening.
    void serve(qintptr descriptor)
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        new RequestSizeGuard(socket, DrawService::MaxRequestBytes);
        addPendingConnection(socket);
    }

    int m_delayMs = 0;
    QSet<qintptr> m_waiting;
    int m_trickleMs = 0;
    std::function<QByteArray(const QUrl &)> m_trickleBody;
};

DrawService::DrawService(QObject *parent)
    : QObject(parent)
    , m_http(new QHttpServer(this))
{
    m_http->route(DrawDownload::Path, QHttpServerRequest::Method::Get,
        [this](const QHttpServerRequest &request) { return answer(request); });
}

DrawService::~DrawService() = default;

Result<int> DrawService::loadDraws(const QString &filePath)
{
    if (QFileInfo(filePath).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0) {
        auto draws = DrawStore(filePath).readAll();
        if (!draws)
            return fail(draws.error());
        setDraws(*draws);
        return int(draws->size());
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(filePath, file.errorString()));
    const DrawText::ParsedDraws parsed = DrawText::parse(QString::fromUtf8(file.readAll()));
    if (!parsed.errors.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(filePath, parsed.errors.join(QStringLiteral("; "))));
    setDraws(parsed.draws);
    return int(parsed.draws.size());
}

void DrawService::setDraws(const std::vector<Draw> &draws)
{
    m_draws.clear();
    for (const Draw &draw : draws)
        m_draws.emplace(draw.date, draw);
}

void DrawService::setFaults(const DrawServiceFaults &faults)
{
    m_faults = faults;
    if (m_tcp) {
        m_tcp->setDelay(faults.delayMs);
        m_tcp->setTrickle(faults.trickleMs, [this](const QUrl &url) { return trickleBody(url); });
    }
}

QByteArray DrawService::trickleBody(const QUrl &url)
{
    const QDate date
        = QDate::fromString(QUrlQuery(url).queryItemValue(DrawDownload::DateKey), DrawDownload::DateFormat);
    m_requests.append({date, {}, {}, {}});
    emit requestServed(date, 200);
    const auto canned = m_cannedBodies.constFind(date);
    return canned != m_cannedBodies.cend() ? *canned : drawLines(date);
}

void DrawService::setCannedBody(QDate date, const QByteArray &body)
{
    m_cannedBodies.insert(date, body);
}

Result<quint16> DrawService::listen(const QHostAddress &address, quint16 port)
{
    auto *tcp = new DelayingTcpServer(this);
    if (!tcp->listen(address, port)) {
        const QString error = tcp->errorString();
        delete tcp;
        return fail(QStringLiteral("cannot listen on %1:%2: %3").arg(address.toString()).arg(port).arg(error));
    }
    m_http->bind(tcp);
    m_tcp = tcp;
    setFaults(m_faults);
    m_address = address;
    m_port = tcp->serverPort();
    return m_port;
}

QUrl DrawService::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    const bool anyAddress = m_address == QHostAddress::Any || m_address == QHostAddress::AnyIPv4;
    url.setHost(anyAddress ? QStringLiteral("127.0.0.1") : m_address.toString());
    url.setPort(m_port);
    return url;
}

QList<QDate> DrawService::requestedDates() const
{
    QList<QDate> dates;
    for (const ServedRequest &request : m_requests)
        dates.append(request.date);
    return dates;
}

QByteArray DrawService::drawLines(QDate date) const
{
    QByteArray body;
    const auto [first, last] = m_draws.equal_range(date);
    for (auto it = first; it != last; ++it) {
        QString line = DrawDownload::formatLine(it->second);
        if (m_faults.sixFieldBody)
            line.truncate(line.lastIndexOf(QLatin1Char(',')));
        body += line.toUtf8() + "\r\n";
    }
    return body;
}

QHttpServerResponse DrawService::answer(const QHttpServerRequest &request)
{
    const QUrlQuery query = request.query();
    const int hop = query.queryItemValue(HopKey).toInt();
    const QDate date = QDate::fromString(query.queryItemValue(DrawDownload::DateKey), DrawDownload::DateFormat);
    if (hop == 0)
        m_requests.append({date, request.value("User-Agent"), request.value("Accept"), request.value("Cookie")});

    const auto respond = [&](QHttpServerResponse response) {
        response.setHeader(
            QByteArrayLiteral("Set-Cookie"), "Sitzung=" + QByteArray::number(++m_sessionCounter) + "; Path=/");
        // A delay works per connection, so a slow service has to close each one.
        if (m_faults.delayMs > 0)
            response.setHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
        emit requestServed(date, int(response.statusCode()));
        return response;
    };
    if (query.queryItemValue(DrawDownload::ProgramKey) != DrawDownload::ProgramName || !date.isValid())
        return respond(QHttpServerResponse(
            PlainText, QByteArrayLiteral("unknown program or date\r\n"), QHttpServerResponse::StatusCode::BadRequest));
    if (hop < m_faults.redirectHops)
        return respond(redirectTo(request, hop + 1));
    if (m_faults.internalError)
        return respond(QHttpServerResponse(
            PlainText, QByteArrayLiteral("internal error\r\n"), QHttpServerResponse::StatusCode::InternalServerError));
    if (m_faults.malformedBody)
        return respond(QHttpServerResponse(Html, MalformedPage));
    const auto canned = m_cannedBodies.constFind(date);
    return respond(QHttpServerResponse(PlainText, canned != m_cannedBodies.cend() ? *canned : drawLines(date)));
}
