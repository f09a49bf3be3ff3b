// A tip file (".hlt"), any bytes: it loads into twelve rows of seven fields, and a sheet
// saved from what was loaded loads back as the rows that have a first number.
#include "app/text_file.h"
#include "fuzz_support.h"
#include "tipsheet/tip_file.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const TipSheetTexts loaded = TipFile::decode(bytes);
    for (const TipRowTexts &row : loaded)
        for (int slot = 0; slot < TipRows::ExtraSlot; ++slot)
            Fuzz::require(!row[size_t(slot)].contains(QLatin1Char(',')), "a field before the seventh has no comma");

    // Saved, only the rows with a first number stay, moved up in their order.
    TipSheetTexts expected{};
    size_t kept = 0;
    for (const TipRowTexts &row : loaded)
        if (!row[0].isEmpty())
            expected[kept++] = row;
    // Text a file cannot carry is left out: unpaired surrogates and U+FEFF (read as a mark).
    const bool carried = std::all_of(loaded.begin(), loaded.end(), [](const TipRowTexts &row) {
        return std::all_of(row.begin(), row.end(),
            [](const QString &field) { return QStringView(field).isValidUtf16() && !field.contains(QChar(0xfeff)); });
    });
    if (carried) {
        const TipSheetTexts again = TipFile::decode(TipFile::encode(loaded));
        Fuzz::require(again == expected, "a saved sheet loads back");
    }
    return 0;
}
