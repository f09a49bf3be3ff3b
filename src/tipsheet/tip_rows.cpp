#include "tipsheet/tip_rows.h"

#include "app/message_table.h"
#include "app/text_formats.h"

#include <algorithm>
#include <stdexcept>

namespace {
const std::array<TipRows::RowLayout, TipRows::RowCount> rowTable{{
    {1, 1, 93, 28, 22, 36},
    {2, 7, 94, 30, 23, 37},
    {3, 13, 95, 31, 24, 38},
    {4, 19, 96, 32, 25, 39},
    {5, 25, 97, 33, 26, 40},
    {6, 31, 98, 34, 27, 41},
    {7, 43, 99, 46, 45, 49},
    {8, 49, 100, 48, 47, 50},
    {9, 56, 101, 62, 65, 67},
    {10, 62, 102, 61, 66, 68},
    {11, 68, 103, 63, 69, 71},
    {12, 74, 104, 64, 70, 72},
}};
} // namespace

const std::array<TipRows::RowLayout, TipRows::RowCount> &TipRows::layouts()
{
    return rowTable;
}

const TipRows::RowLayout &TipRows::layout(int row)
{
    if (row < 1 || row > RowCount)
        throw std::out_of_range("tip row out of range");
    return rowTable[size_t(row - 1)];
}

int TipRows::fieldNumber(int row, int slot)
{
    const RowLayout &r = layout(row);
    return slot == ExtraSlot ? r.extra : r.firstMain + slot;
}

QString TipRows::fieldName(int row, int slot)
{
    return QStringLiteral("Edit%1").arg(fieldNumber(row, slot));
}

QStringList TipRows::storedFieldNames()
{
    std::vector<int> numbers;
    for (int row = 1; row <= RowCount; ++row)
        for (int slot = 0; slot < FieldsPerRow; ++slot)
            numbers.push_back(fieldNumber(row, slot));
    std::sort(numbers.begin(), numbers.end());
    QStringList names;
    for (int n : numbers)
        names.append(QStringLiteral("Edit%1").arg(n));
    return names;
}

int TipRows::maximumFor(int slot)
{
    return maximumFor(slot, Games::classic());
}

int TipRows::maximumFor(int slot, const Games::GameFormat &format)
{
    return slot < MainFields ? format.mainMax : format.megaballMax;
}

std::optional<int> TipRows::toInteger(const QString &text)
{
    return TextFormats::parseInteger(text.trimmed());
}

QString TipRows::normalized(const QString &text, int maximum)
{
    const auto value = toInteger(text);
    if (!value || *value <= 0 || *value > maximum)
        return {};
    return QString::number(*value);
}

namespace {
std::optional<int> mainNumber(const QString &text)
{
    const QString valid = TipRows::normalized(text, TipRows::maximumFor(0));
    return valid.isEmpty() ? std::nullopt : std::optional<int>(valid.toInt());
}
} // namespace

std::optional<TipRows::Repeat> TipRows::firstRepeat(const TipRowTexts &row)
{
    for (int slot = 1; slot < MainFields; ++slot) {
        const auto number = mainNumber(row[size_t(slot)]);
        if (!number)
            continue;
        for (int earlier = 0; earlier < slot; ++earlier)
            if (mainNumber(row[size_t(earlier)]) == number)
                return Repeat{slot, *number};
    }
    return std::nullopt;
}

TipRowTexts TipRows::withoutRepeats(const TipRowTexts &row, bool *cleared)
{
    TipRowTexts result = row;
    bool any = false;
    while (const auto repeat = firstRepeat(result)) {
        result[size_t(repeat->slot)].clear();
        any = true;
    }
    if (cleared)
        *cleared = any;
    return result;
}

bool TipRows::removeTypedRepeat(const TipRowTexts &row, int slot, bool fieldLeft)
{
    if (slot < 0 || slot >= MainFields)
        return false;
    const auto number = mainNumber(row[size_t(slot)]);
    if (!number)
        return false;
    bool repeated = false;
    for (int other = 0; other < MainFields; ++other)
        repeated = repeated || (other != slot && mainNumber(row[size_t(other)]) == number);
    return repeated && (fieldLeft || *number * 10 > maximumFor(slot));
}

std::optional<QString> TipRows::repeatRefusal(const TipSheetTexts &sheet, const MessageTable &messages)
{
    for (int row = 1; row <= RowCount; ++row) {
        const TipRowTexts &texts = sheet[size_t(row - 1)];
        if (texts[0].isEmpty())
            continue;
        if (const auto repeat = firstRepeat(texts))
            return messages.text(Msg::RowRepeats).arg(row).arg(repeat->number);
    }
    return std::nullopt;
}
