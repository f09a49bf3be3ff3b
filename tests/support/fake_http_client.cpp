#include "fake_http_client.h"

#include <QTimer>

namespace {
QString reasonFor(int status)
{
    switch (status) {
    case 200:
        return QStringLiteral("OK");
    case 301:
        return QStringLiteral("Moved Permanently");
    case 304:
        return QStringLiteral("Not Modified");
    case 404:
        return QStringLiteral("Not Found");
    case 500:
        return QStringLiteral("Internal Server Error");
    default:
        return {};
    }
}

class FakeReply : public HttpReply {
public:
    FakeReply(FakeHttpClient &client, std::optional<HttpResponse> response)
        : m_client(client)
    {
        if (!response)
            return; // hangs
        m_response = std::move(*response);
        QTimer::singleShot(0, this, [this] {
            if (!m_aborted)
                emit finished();
        });
    }
    void abort() override
    {
        if (!m_aborted)
            ++m_client.aborted;
        m_aborted = true;
    }

private:
    FakeHttpClient &m_client;
    bool m_aborted = false;
};
} // namespace

HttpResponse FakeHttpClient::answer(int statusCode, const QByteArray &body, HttpHeaders headers)
{
    HttpResponse response;
    response.statusCode = statusCode;
    response.statusLine = QStringLiteral("HTTP/1.1 %1 %2").arg(statusCode).arg(reasonFor(statusCode)).trimmed();
    response.headers = std::move(headers);
    response.lastModified
        = QDateTime::fromString(QString::fromLatin1(response.header("Last-Modified")), Qt::RFC2822Date);
    response.body = body;
    response.complete = true;
    return response;
}

HttpResponse FakeHttpClient::noAnswer(const QString &why)
{
    HttpResponse response;
    response.statusLine = QStringLiteral("No response: ") + why;
    response.error = why;
    return response;
}

HttpResponse FakeHttpClient::cutOff(int statusCode, const QByteArray &part)
{
    HttpResponse response = answer(statusCode, part);
    response.complete = false;
    response.error = QStringLiteral("Remote host closed the connection");
    return response;
}

std::unique_ptr<HttpReply> FakeHttpClient::get(const HttpRequest &request)
{
    requests.push_back(request);
    if (hang && hang(request))
        return std::make_unique<FakeReply>(*this, std::nullopt);
    HttpResponse response;
    if (!answers.empty()) {
        response = std::move(answers.front());
        answers.pop_front();
    } else {
        response = fallback ? fallback(request) : noAnswer();
    }
    return std::make_unique<FakeReply>(*this, std::move(response));
}
