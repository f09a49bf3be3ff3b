// The wire format of the draw-results service: the request for one draw date, the
// answer lines "n1,n2,n3,n4,n5,MB,MP" and the calendar of draw dates the update walks.
#pragma once

#include "app/result.h"
#include "draws/draw.h"

#include <QDate>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

namespace DrawDownload {
inline const QString Path = QStringLiteral("/zahlen/uslotto.asp");
inline const QString ProgramKey = QStringLiteral("Programm");
inline const QString ProgramName = QStringLiteral("DevuDirurero");
inline const QString DateKey = QStringLiteral("Datum");
inline const QString DateFormat = QStringLiteral("yyyyMMdd");

QUrl defaultServiceUrl(); // http://127.0.0.1:8787
// The proxy port field's text when no proxy host is given.
inline const QString DefaultProxyPort = QStringLiteral("80");
// An http or https URL with a host, else a readable error.
Result<void> checkServiceUrl(const QUrl &url);
// The service address as the user typed it; blanks around it are ignored.
Result<QUrl> parseServiceUrl(const QString &text);
// The service path below the base URL's own path, with "Programm" and "Datum".
QUrl requestUrl(const QUrl &serviceUrl, QDate date);

// The date an empty store starts from; the first request is for the draw date after it.
inline QDate firstCursorDate()
{
    return Game::earliestDate();
}
// Draws fall on Tuesdays and Fridays: 3 days on from a Tuesday, else 4.
QDate nextDrawDate(QDate date);

// "n1,n2,n3,n4,n5,MB,MP" with the numbers as stored.
QString formatLine(const Draw &draw);
// One answer line: six fields up to the next comma, the seventh the rest of the line,
// each trimmed and a whole number within the game's ranges (main numbers 1..75 and
// distinct, Megaball 1..15, Megaplier 0..5, as the import takes them). The numbers keep the order received.
Result<Draw> parseLine(const QString &line, QDate date);

struct ParsedBody {
    std::vector<Draw> draws; // the lines before the first one that failed
    std::optional<QString> error; // "line N: reason" of that line
};
// Blank lines (a trailing line end included) are skipped; everything else must parse.
ParsedBody parseBody(const QString &body, QDate date);

// UTF-8 when the bytes are valid UTF-8, else Latin-1: the service's charset is not
// known, and a message box should show its text rather than replacement marks.
QString decodeBody(const QByteArray &bytes);
} // namespace DrawDownload
