#include "draws/draw_text.h"

#include "app/text_excerpt.h"
#include "app/text_formats.h"

#include <QRegularExpression>

QByteArray DrawText::exportText(const std::vector<Draw> &draws)
{
    QByteArray out;
    for (const Draw &draw : draws) {
        out += TextFormats::compactDate(draw.date).toLatin1();
        for (auto n : draw.numbers)
            out += ';' + QByteArray::number(n);
        out += ';' + QByteArray::number(draw.megaball) + ';' + QByteArray::number(draw.megaplier) + ";\r\n";
    }
    return out;
}

QString DrawText::listLine(const Draw &draw)
{
    QString line = TextFormats::isoDate(draw.date);
    for (auto n : draw.numbers)
        line += QLatin1Char(' ') + QString::number(n);
    line += QLatin1Char(' ') + QString::number(draw.megaball) + QLatin1Char(' ') + QString::number(draw.megaplier);
    return line;
}

namespace {
QString validate(const QStringList &fields, Draw &draw)
{
    if (fields.size() != 8)
        return QStringLiteral("expected 8 fields (date, five numbers, Megaball, Megaplier), found %1")
            .arg(fields.size());
    const QString dateText = fields[0].trimmed();
    QDate date = QDate::fromString(dateText, Qt::ISODate);
    if (!date.isValid() && dateText.size() == 8)
        date = QDate::fromString(dateText, QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return QStringLiteral("invalid date '%1'").arg(TextExcerpt::field(dateText));
    draw.date = date;
    int values[7];
    for (int i = 0; i < 7; ++i) {
        const std::optional<int> value = TextFormats::parseInteger(fields[i + 1].trimmed());
        values[i] = value.value_or(0);
        if (!value)
            return QStringLiteral("'%1' is not a whole number").arg(TextExcerpt::field(fields[i + 1].trimmed()));
    }
    for (int i = 0; i < 5; ++i) {
        if (values[i] < 1 || values[i] > Game::MaxMain)
            return QStringLiteral("main number %1 is outside 1 to 75").arg(values[i]);
        for (int k = 0; k < i; ++k)
            if (values[k] == values[i])
                return QStringLiteral("main number %1 is repeated").arg(values[i]);
        draw.numbers[size_t(i)] = std::uint8_t(values[i]);
    }
    if (values[5] < 1 || values[5] > Game::MaxMegaball)
        return QStringLiteral("Megaball %1 is outside 1 to 15").arg(values[5]);
    if (values[6] < 0 || values[6] > Game::MaxMegaplier)
        return QStringLiteral("Megaplier %1 is outside 0 to 5").arg(values[6]);
    draw.megaball = std::uint8_t(values[5]);
    draw.megaplier = std::uint8_t(values[6]);
    return {};
}
} // namespace

DrawText::ParsedDraws DrawText::parse(const QString &text)
{
    ParsedDraws result;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const bool header = i == 0 && !line.front().isDigit();
        if (header)
            continue;
        QStringList fields;
        if (line.contains(QLatin1Char(';'))) {
            fields = line.split(QLatin1Char(';'));
            if (fields.size() == 9 && fields.last().trimmed().isEmpty())
                fields.removeLast(); // the export's closing ";"
        } else {
            fields = line.split(QLatin1Char(','));
        }
        Draw draw;
        const QString error = validate(fields, draw);
        if (error.isEmpty())
            result.draws.push_back(draw);
        else
            result.errors.append(QStringLiteral("line %1: %2").arg(i + 1).arg(error));
    }
    return result;
}
