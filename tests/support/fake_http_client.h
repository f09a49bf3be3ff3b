// An HTTP client for tests: every request is recorded and answered, on the next turn of
// the event loop, by whatever the test says: any status, headers and body, a cut-off
// body, or no answer at all.
#pragma once

#include "app/http_client.h"

#include <deque>
#include <functional>
#include <optional>

class FakeHttpClient : public HttpClient {
public:
    // An answer with a status line built from the code ("HTTP/1.1 404 Not Found").
    static HttpResponse answer(int statusCode, const QByteArray &body = {}, HttpHeaders headers = {});
    // No HTTP answer: statusCode 0, "No response: <why>".
    static HttpResponse noAnswer(const QString &why = QStringLiteral("Connection refused"));
    // A status and part of a body, then the connection broke.
    static HttpResponse cutOff(int statusCode, const QByteArray &part);

    // Answers in order; when they run out, `fallback` answers (no answer by default).
    std::deque<HttpResponse> answers;
    std::function<HttpResponse(const HttpRequest &)> fallback;
    // Requests whose answer never comes (until aborted): their URLs match this.
    std::function<bool(const HttpRequest &)> hang;

    std::vector<HttpRequest> requests;
    int aborted = 0;

    std::unique_ptr<HttpReply> get(const HttpRequest &request) override;
};
