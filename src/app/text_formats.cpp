#include "app/text_formats.h"

#include "app/message_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

QString TextFormats::shortDate(QDate date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString TextFormats::shortDayName(QDate date)
{
    const int day = date.dayOfWeek();
    return day >= 1 && day <= 7 ? CoreText::text(Msg(int(Msg::Monday) + day - 1)) : QString();
}

QString TextFormats::dayAndShortDate(QDate date)
{
    return shortDayName(date) + QLatin1Char(' ') + date.toString(QStringLiteral("dd.MM.yy"));
}

QString TextFormats::isoDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString TextFormats::compactDate(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

qint64 TextFormats::roundHalfEven(double value)
{
    return qint64(std::nearbyint(value));
}

namespace {
// Puts a dot between each group of three digits of a run of digits.
QString grouped(const QString &digits)
{
    QString result;
    const qsizetype length = digits.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            result += QLatin1Char('.');
        result += digits.at(i);
    }
    return result;
}
} // namespace

QString TextFormats::number(double value, int decimals)
{
    QString text = QString::number(std::abs(value), 'f', decimals);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString result = grouped(point < 0 ? text : text.left(point));
    if (point >= 0)
        result += QLatin1Char(',') + text.mid(point + 1);
    const bool zero = std::all_of(
        text.cbegin(), text.cend(), [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); });
    return value < 0 && !zero ? QLatin1Char('-') + result : result;
}

QString TextFormats::integer(qint64 value)
{
    const QString digits = QString::number(value < 0 ? -quint64(value) : quint64(value));
    return value < 0 ? QLatin1Char('-') + grouped(digits) : grouped(digits);
}

std::optional<int> TextFormats::parseInteger(QStringView text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}
