#include "generator/preferred_numbers.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/text_file.h"
#include "tipsheet/tip_rows.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

PreferredNumberList PreferredNumbers::fromPool(const CandidatePool &pool, int range)
{
    PreferredNumberList list(size_t(std::max(range, 0)));
    for (int number = 1; number <= range; ++number) {
        const int count = pool.entryCount(number);
        list[size_t(number - 1)] = {count > 0, QString::number(count)};
    }
    return list;
}

PreferredNumbers::Rebuild PreferredNumbers::rebuildPool(PreferredNumberList &list)
{
    Rebuild result;
    for (size_t i = 0; i < list.size(); ++i) {
        PreferredNumber &entry = list[i];
        if (!entry.checked)
            continue;
        if (entry.weight.isEmpty())
            entry.weight = QStringLiteral("0");
        const int number = int(i) + 1;
        std::optional<int> weight = TipRows::toInteger(entry.weight);
        if (!weight) {
            result.invalidWeights.push_back(number);
            weight = 0;
        }
        // Stop at the capacity: a weight in the millions must not loop that long.
        const qint64 entries = *weight == 0 ? 2 : qint64(*weight) + 1;
        for (qint64 k = 0; k < entries && result.pool.append(number); ++k) { }
    }
    return result;
}

QString PreferredNumbers::invalidWeightsText(const std::vector<int> &numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QString::number(number);
    return CoreText::text(Msg::WeightsNotIntegers) + names.join(QStringLiteral(", "));
}

QString ValueListFile::defaultFileName(QDate today)
{
    return today.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + Suffix;
}

QByteArray ValueListFile::encode(PreferredNumberList &list)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (PreferredNumber &entry : list) {
        if (entry.checked) {
            if (entry.weight.isEmpty())
                entry.weight = QStringLiteral("1");
            bytes += encoder.encode(entry.weight);
        }
        bytes += "\r\n";
    }
    return bytes;
}

PreferredNumberList ValueListFile::decode(const QByteArray &bytes, int range)
{
    QStringDecoder decoder(TextFile::markedEncoding(bytes).value_or(QStringConverter::System));
    const QString text = decoder.decode(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    PreferredNumberList list(size_t(std::max(range, 0)));
    for (int n = 0; n < range; ++n) {
        QString line = n < lines.size() ? lines[n] : QString();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        list[size_t(n)] = line.isEmpty() ? PreferredNumber{false, QStringLiteral("1")} : PreferredNumber{true, line};
    }
    return list;
}

Result<void> ValueListFile::save(const QString &path, PreferredNumberList &list)
{
    return AtomicFile::write(path, encode(list));
}

Result<PreferredNumberList> ValueListFile::load(const QString &path, int range)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return decode(file.readAll(), range);
}
