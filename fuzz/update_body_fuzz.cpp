// The draw service's answer, any bytes: what the update stores is a valid draw that
// reads back from its own line, and what it shows of a bad answer is a short printable
// excerpt.
#include "app/text_excerpt.h"
#include "draws/draw_download.h"
#include "draws/draw_updater.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QDate date(2015, 3, 6);
    const QString body = DrawDownload::decodeBody(Fuzz::bytes(data, size));
    const DrawDownload::ParsedBody parsed = DrawDownload::parseBody(body, date);
    for (const Draw &draw : parsed.draws) {
        Fuzz::require(draw.isValidGameDraw() && draw.date == date, "only valid draws are stored");
        const auto back = DrawDownload::parseLine(DrawDownload::formatLine(draw), date);
        Fuzz::require(back.ok() && *back == draw, "a stored draw reads back from its line");
    }
    if (parsed.error) {
        Fuzz::require(parsed.error->size() < 200, "a bad line is reported briefly", *parsed.error);
        Fuzz::require(Fuzz::isPrintable(*parsed.error), "a bad line is reported printably", *parsed.error);
    }
    const QString shown = TextExcerpt::block(body, DrawUpdater::MaxReportedBody);
    Fuzz::require(Fuzz::isPrintable(shown, true), "the answer is shown printably", shown);
    Fuzz::require(shown.size() <= 10 * DrawUpdater::MaxReportedBody + 40, "the answer is shown in part");
    return 0;
}
