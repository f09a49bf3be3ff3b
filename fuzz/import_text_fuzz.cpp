// The import's text, any bytes: it takes only valid draws, reports every other line
// briefly and printably, and what it exports it imports again unchanged.
#include "draws/draw_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const DrawText::ParsedDraws parsed = DrawText::parse(QString::fromUtf8(Fuzz::bytes(data, size)));
    for (const Draw &draw : parsed.draws)
        Fuzz::require(draw.isValidGameDraw(), "only valid draws are imported", DrawText::listLine(draw));
    for (const QString &error : parsed.errors) {
        Fuzz::require(error.size() < 200, "a bad line is reported briefly", error);
        Fuzz::require(Fuzz::isPrintable(error), "a bad line is reported printably", error);
    }
    const DrawText::ParsedDraws again = DrawText::parse(QString::fromLatin1(DrawText::exportText(parsed.draws)));
    Fuzz::require(again.errors.isEmpty(), "the export imports without errors");
    Fuzz::require(again.draws == parsed.draws, "the export imports the same draws");
    return 0;
}
