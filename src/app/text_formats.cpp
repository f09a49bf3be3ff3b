#include "app/text_formats.h"

#include <array>
#include <cmath>

QString TextFormats::shortDate(QDate date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString TextFormats::shortDayName(QDate date)
{
    static const std::array<const char *, 7> names{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    const int day = date.dayOfWeek();
    return day >= 1 && day <= 7 ? QString::fromLatin1(names[size_t(day - 1)]) : QString();
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
