// The program's fixed text formats: German short dates "dd.mm.yyyy", two-letter German
// day names, the draw line shown on the Datenbank and tip pages, and numbers with the
// decimal comma and the thousands dot.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace TextFormats {
QString shortDate(QDate date); // 27.10.2017
QString shortDayName(QDate date); // Fr
QString dayAndShortDate(QDate date); // Fr 27.10.17 ("DDD dd.mm.yy")
QString isoDate(QDate date); // 2017-10-27
QString compactDate(QDate date); // 20171027
// 1234567.891 with 2 decimals: "1.234.567,89" (decimal comma, thousands dot, a minus
// sign in front; a value that rounds to zero has none).
QString number(double value, int decimals);
// 1234567: "1.234.567"
QString integer(qint64 value);
// Rounds half to even, as the averages of the chart titles do.
qint64 roundHalfEven(double value);
// A whole decimal number: an optional sign and ASCII digits, nothing else (no blanks).
// QString::toInt stops reading at a NUL and took "12\0junk" for 12.
std::optional<int> parseInteger(QStringView text);
} // namespace TextFormats
