// A tip file (".hlt"), any bytes: it loads into twelve rows of seven fields with no main
// number twice in a row, a refusal means binary bytes or no number at all, and a sheet
// saved from what was loaded is no refused file and loads back as the rows that have a
// first number.
#include "app/text_file.h"
#include "fuzz_support.h"
#include "tipsheet/tip_file.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const TipFile::Loaded loaded = TipFile::decode(bytes);
    for (const TipRowTexts &row : loaded.sheet) {
        for (int slot = 0; slot < TipRows::ExtraSlot; ++slot)
            Fuzz::require(!row[size_t(slot)].contains(QLatin1Char(',')), "a field before the seventh has no comma");
        Fuzz::require(!TipRows::firstRepeat(row), "a loaded row holds each main number once");
    }
    for (const TipFile::LineRepeat &repeat : loaded.repeats)
        Fuzz::require(repeat.line >= 1 && repeat.line <= TipRows::RowCount, "a repeat names a loaded line");

    const bool anyNumber = std::any_of(loaded.sheet.begin(), loaded.sheet.end(), [](const TipRowTexts &row) {
        return std::any_of(row.begin(), row.end(), [](const QString &f) { return !f.isEmpty(); });
    });
    const auto refusal = TipFile::refusal(bytes);
    if (refusal == TipFile::Refusal::NoNumber)
        Fuzz::require(!anyNumber, "a file refused for want of a number loads none");
    if (!refusal && !bytes.isEmpty())
        Fuzz::require(anyNumber || TextFile::decodeLines(bytes).join(QString()).trimmed().isEmpty()
                || TextFile::decodeLines(bytes).size() > TipRows::RowCount,
            "a file taken loads a number, is blank or has its numbers past the twelfth line");

    // Saved, only the rows with a first number stay, moved up in their order.
    TipSheetTexts expected{};
    size_t kept = 0;
    for (const TipRowTexts &row : loaded.sheet)
        if (!row[0].isEmpty())
            expected[kept++] = row;
    // Text a file cannot carry is left out: unpaired surrogates and U+FEFF (read as a mark).
    const bool carried = std::all_of(loaded.sheet.begin(), loaded.sheet.end(), [](const TipRowTexts &row) {
        return std::all_of(row.begin(), row.end(),
            [](const QString &field) { return QStringView(field).isValidUtf16() && !field.contains(QChar(0xfeff)); });
    });
    if (carried) {
        const QByteArray saved = TipFile::encode(loaded.sheet);
        Fuzz::require(!TipFile::refusal(saved), "a saved sheet is a tip file");
        const TipFile::Loaded again = TipFile::decode(saved);
        Fuzz::require(again.sheet == expected && again.repeats.empty(), "a saved sheet loads back");
    }
    return 0;
}
