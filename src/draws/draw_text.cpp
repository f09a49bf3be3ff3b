#include "draws/draw_text.h"

#include "app/text_excerpt.h"
#include "app/text_formats.h"

#include "draws/game_format.h"

#include <QRegularExpression>

#include <optional>

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
enum class Layout {
    Own, // date,n1,...,n5,MB,MP or the export's YYYYMMDD;n1;...;MB;MP;
    NewYork, // Draw Date,Winning Numbers,Mega Ball,Multiplier: 10/31/2017,06 28 31 52 53,12,4
    Texas, // Mega Millions,M,D,YYYY,N1,N2,N3,N4,N5,MB,MULTIPLIER
};

// Splits a CSV line on commas; a field may be quoted, with "" for a quote inside.
QStringList csvFields(const QString &line)
{
    if (!line.contains(QLatin1Char('"')))
        return line.split(QLatin1Char(','));
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

bool looksLikeUsDate(const QString &text)
{
    static const QRegularExpression usDate(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"));
    return usDate.match(text.trimmed()).hasMatch();
}

// The layout of a file, told by its first line: the New York export by its header (or
// its first line's shape), the Texas file by its game name in the first of eleven fields.
Layout layoutOf(const QString &firstLine)
{
    const QStringList fields = csvFields(firstLine);
    if (firstLine.trimmed().startsWith(QLatin1String("\"Draw Date\""), Qt::CaseInsensitive)
        || firstLine.trimmed().startsWith(QLatin1String("Draw Date"), Qt::CaseInsensitive))
        return Layout::NewYork;
    if (fields.size() == 4 && looksLikeUsDate(fields[0]))
        return Layout::NewYork;
    if (fields.size() == 11 && !fields[0].trimmed().isEmpty() && fields[0].trimmed().front().isLetter())
        return Layout::Texas;
    return Layout::Own;
}

QString wholeNumbers(const QStringList &texts, std::vector<int> &values)
{
    for (const QString &text : texts) {
        const std::optional<int> value = TextFormats::parseInteger(text.trimmed());
        if (!value)
            return QStringLiteral("'%1' is not a whole number").arg(TextExcerpt::field(text.trimmed()));
        values.push_back(*value);
    }
    return {};
}

// The values of a line in the record's order (five main numbers, Megaball, multiplier)
// checked against the format of their date.
QString checked(QDate date, const std::vector<int> &values, Draw &draw)
{
    draw.date = date;
    const std::array<int, 5> numbers{values[0], values[1], values[2], values[3], values[4]};
    const QString error = Games::forDate(date).drawError(date, numbers, values[5], values[6]);
    if (!error.isEmpty())
        return error;
    for (size_t i = 0; i < numbers.size(); ++i)
        draw.numbers[i] = std::uint8_t(numbers[i]);
    draw.megaball = std::uint8_t(values[5]);
    draw.megaplier = std::uint8_t(values[6]);
    return {};
}

QString validateOwn(const QStringList &fields, Draw &draw)
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
    std::vector<int> values;
    if (QString error = wholeNumbers(fields.mid(1), values); !error.isEmpty())
        return error;
    return checked(date, values, draw);
}

QString validateNewYork(const QStringList &fields, Draw &draw)
{
    if (fields.size() != 4)
        return QStringLiteral("expected 4 fields (date, winning numbers, Mega Ball, multiplier), found %1")
            .arg(fields.size());
    const QString dateText = fields[0].trimmed();
    const QDate date = looksLikeUsDate(dateText) ? QDate::fromString(dateText, QStringLiteral("M/d/yyyy")) : QDate();
    if (!date.isValid())
        return QStringLiteral("invalid date '%1'").arg(TextExcerpt::field(dateText));
    const QStringList numbers = fields[1].trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (numbers.size() != 5)
        return QStringLiteral("expected five winning numbers, found %1").arg(numbers.size());
    QStringList texts = numbers;
    texts << fields[2];
    // Empty before 2011 and again since 2025: the draw had no multiplier of its own.
    texts << (fields[3].trimmed().isEmpty() ? QStringLiteral("0") : fields[3]);
    std::vector<int> values;
    if (QString error = wholeNumbers(texts, values); !error.isEmpty())
        return error;
    return checked(date, values, draw);
}

QString validateTexas(const QStringList &fields, Draw &draw)
{
    if (fields.size() != 11)
        return QStringLiteral("expected 11 fields (game, month, day, year, five numbers, Megaball, multiplier), "
                              "found %1")
            .arg(fields.size());
    std::vector<int> parts;
    if (QString error = wholeNumbers(fields.mid(1, 3), parts); !error.isEmpty())
        return error;
    const QDate date(parts[2], parts[0], parts[1]);
    if (!date.isValid())
        return QStringLiteral("invalid date '%1/%2/%3'").arg(parts[0]).arg(parts[1]).arg(parts[2]);
    QStringList texts = fields.mid(4, 6);
    texts << (fields[10].trimmed().isEmpty() ? QStringLiteral("0") : fields[10]);
    std::vector<int> values;
    if (QString error = wholeNumbers(texts, values); !error.isEmpty())
        return error;
    return checked(date, values, draw);
}
} // namespace

DrawText::ParsedDraws DrawText::parse(const QString &text)
{
    ParsedDraws result;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    std::optional<Layout> layout;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (!layout) {
            layout = layoutOf(line);
            // A header line: the New York export's, or any first line of our own layout that
            // does not start with a date.
            const bool header = *layout == Layout::NewYork
                ? !looksLikeUsDate(csvFields(line)[0])
                : *layout == Layout::Own && i == 0 && !line.front().isDigit();
            if (header)
                continue;
        }
        Draw draw;
        QString error;
        switch (*layout) {
        case Layout::Own: {
            QStringList fields;
            if (line.contains(QLatin1Char(';'))) {
                fields = line.split(QLatin1Char(';'));
                if (fields.size() == 9 && fields.last().trimmed().isEmpty())
                    fields.removeLast(); // the export's closing ";"
            } else {
                fields = csvFields(line);
            }
            error = validateOwn(fields, draw);
            break;
        }
        case Layout::NewYork:
            error = validateNewYork(csvFields(line), draw);
            break;
        case Layout::Texas:
            error = validateTexas(csvFields(line), draw);
            break;
        }
        if (error.isEmpty())
            result.draws.push_back(draw);
        else
            result.errors.append(QStringLiteral("line %1: %2").arg(i + 1).arg(error));
    }
    return result;
}
