#include "draws/draw_download.h"

#include "app/message_table.h"
#include "app/text_excerpt.h"
#include "app/text_formats.h"
#include "draws/game_format.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrlQuery>

#include <array>

namespace {
constexpr int FieldCount = 7;

struct FieldRule {
    const char *name; // none: a main number, whose name follows the language
    int minimum;
    int maximum;
};
// The ranges of an answer's fields for a draw of the given format; a main number is
// named from the message table.
std::array<FieldRule, FieldCount> rulesFor(const Games::GameFormat &format)
{
    const FieldRule main{nullptr, 1, format.mainMax};
    return {{main, main, main, main, main, {"Megaball", 1, format.megaballMax},
        {format.multiplier == Games::MultiplierRule::BuiltIn ? "multiplier" : "Megaplier", 0,
            format.storedMultiplierMax()}}};
}

// Six fields up to the next comma each, the seventh is the rest of the line.
QStringList splitFields(const QString &line)
{
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < FieldCount - 1) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), from);
        if (comma < 0)
            break;
        fields.append(line.mid(from, comma - from).trimmed());
        from = comma + 1;
    }
    fields.append(line.mid(from).trimmed());
    return fields;
}

Error invalidServiceUrl(const QString &shown)
{
    return fail(CoreText::text(Msg::ServiceUrlInvalid).arg(TextExcerpt::field(shown, 80)));
}
} // namespace

QUrl DrawDownload::defaultServiceUrl()
{
    return QUrl(QStringLiteral("http://127.0.0.1:8787"));
}

Result<void> DrawDownload::checkServiceUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return invalidServiceUrl(url.toDisplayString());
    return {};
}

Result<QUrl> DrawDownload::parseServiceUrl(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    // An unparsable text has no display form of its own: name it as typed.
    if (!url.isValid())
        return invalidServiceUrl(text.trimmed());
    if (auto checked = checkServiceUrl(url); !checked)
        return fail(checked.error());
    return url;
}

QUrl DrawDownload::requestUrl(const QUrl &serviceUrl, QDate date)
{
    QUrl url = serviceUrl;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + Path);
    QUrlQuery query;
    query.addQueryItem(ProgramKey, ProgramName);
    query.addQueryItem(DateKey, date.toString(DateFormat));
    url.setQuery(query);
    url.setFragment({});
    return url;
}

QDate DrawDownload::nextDrawDate(QDate date)
{
    return date.addDays(date.dayOfWeek() == Qt::Tuesday ? 3 : 4);
}

QString DrawDownload::formatLine(const Draw &draw)
{
    QStringList fields;
    for (auto n : draw.numbers)
        fields.append(QString::number(n));
    fields.append(QString::number(draw.megaball));
    fields.append(QString::number(draw.megaplier));
    return fields.join(QLatin1Char(','));
}

Result<Draw> DrawDownload::parseLine(const QString &line, QDate date)
{
    const QStringList fields = splitFields(line);
    if (fields.size() < FieldCount)
        return fail(CoreText::text(Msg::AnswerFieldCount, u"expected 7 comma-separated numbers, found %1 fields")
                        .arg(fields.size()));
    const Games::GameFormat &format = Games::forDate(date);
    const std::array<FieldRule, FieldCount> rules = rulesFor(format);
    std::array<int, FieldCount> values{};
    for (int i = 0; i < FieldCount; ++i) {
        const std::optional<int> value = TextFormats::parseInteger(fields[i]);
        values[size_t(i)] = value.value_or(0);
        if (!value)
            return fail(CoreText::text(Msg::AnswerNotANumber, u"'%1' is not a whole number")
                            .arg(TextExcerpt::field(fields[i])));
        const FieldRule &rule = rules[size_t(i)];
        if (values[size_t(i)] < rule.minimum || values[size_t(i)] > rule.maximum)
            return fail(
                CoreText::text(Msg::AnswerOutOfRange, u"%1 %2 is outside %3 to %4")
                    .arg(rule.name ? QString::fromLatin1(rule.name) : CoreText::text(Msg::MainNumber, u"main number"))
                    .arg(values[size_t(i)])
                    .arg(rule.minimum)
                    .arg(rule.maximum));
    }
    Draw draw;
    draw.date = date;
    for (int i = 0; i < Game::MainCount; ++i) {
        if (draw.contains(values[size_t(i)]))
            return fail(
                CoreText::text(Msg::AnswerNumberRepeated, u"main number %1 is repeated").arg(values[size_t(i)]));
        draw.numbers[size_t(i)] = std::uint8_t(values[size_t(i)]);
    }
    draw.megaball = std::uint8_t(values[5]);
    draw.megaplier = std::uint8_t(values[6]);
    // A built-in multiplier takes only the factors the format assigns.
    if (const QString error = format.drawError(draw); !error.isEmpty())
        return fail(error);
    return draw;
}

DrawDownload::ParsedBody DrawDownload::parseBody(const QString &body, QDate date)
{
    ParsedBody parsed;
    const QStringList lines = body.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        auto draw = parseLine(lines[i], date);
        if (!draw) {
            parsed.error = QStringLiteral("line %1: %2").arg(i + 1).arg(draw.error());
            break;
        }
        parsed.draws.push_back(*draw);
    }
    return parsed;
}

QString DrawDownload::decodeBody(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}
