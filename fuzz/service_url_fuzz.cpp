// The draw service's address as a user may type it: either refused with a short
// printable message, or an http(s) address whose request URL asks the service's path.
#include "draws/draw_download.h"
#include "fuzz_support.h"

#include <QUrlQuery>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const auto url = DrawDownload::parseServiceUrl(QString::fromUtf8(Fuzz::bytes(data, size)));
    if (!url) {
        Fuzz::require(url.error().size() < 300, "a bad address is named briefly", url.error());
        Fuzz::require(Fuzz::isPrintable(url.error()), "a bad address is named printably", url.error());
        return 0;
    }
    Fuzz::require(DrawDownload::checkServiceUrl(*url).ok(), "an accepted address passes the check");
    const QUrl request = DrawDownload::requestUrl(*url, QDate(2015, 3, 6));
    Fuzz::require(request.isValid() && request.host() == url->host(), "the request goes to the service");
    Fuzz::require(request.path().endsWith(DrawDownload::Path), "the request asks the service's path", request.path());
    Fuzz::require(QUrlQuery(request).queryItemValue(DrawDownload::DateKey) == QStringLiteral("20150306"),
        "the request names the date", request.toString());
    return 0;
}
