#include "tipsheet/tip_file.h"

#include "app/atomic_file.h"
#include "app/text_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

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

TipSheetTexts TipFile::decode(const QByteArray &bytes)
{
    const QStringList lines = TextFile::decodeLines(bytes);
    TipSheetTexts sheet;
    for (int row = 0; row < TipRows::RowCount; ++row) {
        const TipRowTexts fields = splitLine(lines.value(row), SeventhField::Rest);
        for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
            sheet[size_t(row)][size_t(slot)] = TipRows::normalized(fields[size_t(slot)], TipRows::maximumFor(slot));
    }
    return sheet;
}

Result<TipSheetTexts> TipFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return decode(bytes);
}
