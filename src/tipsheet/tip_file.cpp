#include "tipsheet/tip_file.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/text_file.h"

#include <QStringEncoder>

#include <algorithm>

QString TipFile::defaultFileName(QDate endDate)
{
    const int days = endDate.dayOfWeek() == Qt::Tuesday ? 3 : 4;
    return endDate.addDays(days).toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + Suffix;
}

QByteArray TipFile::encode(const TipSheetTexts &sheet)
{
    return encodeRows(std::vector<TipRowTexts>(sheet.begin(), sheet.end()));
}

QByteArray TipFile::encodeRows(const std::vector<TipRowTexts> &rows)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (const TipRowTexts &row : rows) {
        if (row[0].isEmpty())
            continue;
        QStringList fields(row.begin(), row.end());
        bytes += encoder.encode(fields.join(QLatin1Char(',')));
        bytes += "\r\n";
    }
    return bytes;
}

Result<void> TipFile::save(const QString &path, const TipSheetTexts &sheet)
{
    return AtomicFile::write(path, encode(sheet));
}

Result<void> TipFile::saveRows(const QString &path, const std::vector<TipRowTexts> &rows)
{
    return AtomicFile::write(path, encodeRows(rows));
}

TipRowTexts TipFile::splitLine(QString line, SeventhField seventh)
{
    TipRowTexts fields;
    for (int slot = 0; slot < TipRows::ExtraSlot; ++slot) {
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue; // the field stays empty; the text is left for the next one
        fields[size_t(slot)] = line.left(comma);
        line.remove(0, comma + 1);
    }
    if (seventh == SeventhField::UpToComma) {
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma >= 0)
            line.truncate(comma);
    }
    fields[TipRows::ExtraSlot] = line;
    return fields;
}

std::optional<TipFile::Refusal> TipFile::refusal(const QByteArray &bytes, const Games::GameFormat &format)
{
    const QStringList lines = TextFile::decodeLines(bytes);
    bool text = false;
    bool number = false;
    for (const QString &line : lines) {
        for (QChar c : line) {
            // Tabs may stand between fields; anything else below the blank is no text.
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f
                || c == QChar::ReplacementCharacter)
                return Refusal::Binary;
            text = text || !c.isSpace();
        }
        if (!number) {
            const TipRowTexts fields = splitLine(line, SeventhField::Rest);
            for (int slot = 0; slot < TipRows::FieldsPerRow && !number; ++slot)
                number = !TipRows::normalized(fields[size_t(slot)], TipRows::maximumFor(slot, format)).isEmpty();
        }
    }
    if (text && !number)
        return Refusal::NoNumber;
    return std::nullopt;
}

TipFile::Loaded TipFile::decode(const QByteArray &bytes, const Games::GameFormat &format)
{
    const QStringList lines = TextFile::decodeLines(bytes);
    Loaded loaded;
    for (int row = 0; row < TipRows::RowCount; ++row) {
        const TipRowTexts fields = splitLine(lines.value(row), SeventhField::Rest);
        TipRowTexts &texts = loaded.sheet[size_t(row)];
        for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
            texts[size_t(slot)] = TipRows::normalized(fields[size_t(slot)], TipRows::maximumFor(slot, format));
        if (const auto repeat = TipRows::firstRepeat(texts)) {
            loaded.repeats.push_back({row + 1, repeat->number});
            texts = TipRows::withoutRepeats(texts);
        }
    }
    return loaded;
}

namespace {
Result<QByteArray> readTipFile(
    const QString &path, const MessageTable &messages, const Games::GameFormat &format = Games::classic())
{
    auto bytes = TextFile::read(path, TipFile::MaxBytes, messages);
    if (!bytes)
        return bytes;
    if (const auto why = TipFile::refusal(*bytes, format))
        return fail(
            messages.text(*why == TipFile::Refusal::Binary ? Msg::TipFileBinary : Msg::TipFileNoNumber).arg(path));
    return bytes;
}
} // namespace

Result<TipFile::Loaded> TipFile::load(
    const QString &path, const MessageTable &messages, const Games::GameFormat &format)
{
    const auto bytes = readTipFile(path, messages, format);
    if (!bytes)
        return fail(bytes.error());
    return decode(*bytes, format);
}

QString TipFile::repeatMessage(const QString &path, const LineRepeat &repeat, const MessageTable &messages)
{
    return messages.text(Msg::LineRepeats).arg(path).arg(repeat.line).arg(repeat.number);
}

Result<QStringList> TipFile::scriptLines(const QString &path, const MessageTable &messages)
{
    const auto bytes = readTipFile(path, messages);
    if (!bytes)
        return fail(bytes.error());
    const QStringList lines = TextFile::decodeLines(*bytes);
    for (int line = 1; line <= std::min(int(lines.size()), TipRows::RowCount); ++line) {
        // The builder fills in the fields as they stand, so they are compared unvalidated.
        const TipRowTexts fields = splitLine(lines[line - 1], SeventhField::UpToComma);
        if (const auto repeat = TipRows::firstRepeat(fields))
            return fail(repeatMessage(path, {line, repeat->number}, messages));
    }
    return lines;
}
