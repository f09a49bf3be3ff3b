#include "output/tip_list.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/text_formats.h"

#include <QStringEncoder>

namespace {
QString twoWide(int value)
{
    return QString::asprintf("%2d", value);
}
} // namespace

QDate TipList::playDate(QDate shownDrawDate, QDate endDate)
{
    return shownDrawDate.addDays(endDate.dayOfWeek() == Qt::Tuesday ? 3 : 4);
}

Result<QStringList> TipList::lines(const TipSheetTexts &sheet, const MessageTable &messages, QDate playDate)
{
    if (const auto refusal = TipRows::repeatRefusal(sheet, messages))
        return fail(*refusal);
    const QString title = messages.text(Msg::TipListTitle);
    QStringList lines{title + QLatin1Char(' ') + TextFormats::shortDate(playDate), Rule, QString()};
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        const TipRowTexts &texts = sheet[size_t(row - 1)];
        if (texts[0].isEmpty())
            continue;
        QStringList numbers;
        for (int slot = 0; slot <= TipRows::MegaballSlot; ++slot) {
            const auto value = TipRows::toInteger(texts[size_t(slot)]);
            if (!value)
                return fail(CoreText::text(Msg::ListNotAnInteger).arg(texts[size_t(slot)]));
            numbers.append(twoWide(*value));
        }
        const QString megaball = numbers.takeLast();
        lines.append(twoWide(row) + QStringLiteral(". ") + title + QStringLiteral(": ")
            + numbers.join(QStringLiteral("   ")) + QStringLiteral("   MegaBall: ") + megaball);
    }
    return lines;
}

QByteArray TipList::encode(const QStringList &lines)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Result<void> TipList::write(
    const QString &path, const TipSheetTexts &sheet, const MessageTable &messages, QDate playDate)
{
    const auto formatted = lines(sheet, messages, playDate);
    if (!formatted)
        return fail(formatted.error());
    return AtomicFile::write(path, encode(*formatted));
}
