#include "history/history_search.h"

#include "app/message_table.h"
#include "app/text_formats.h"

QString HistorySearch::proposedStopLevel(bool megaballCounts)
{
    return megaballCounts ? QStringLiteral("7") : QStringLiteral("5");
}

bool HistorySearch::visits(const Draw &draw, QDate start, QDate end)
{
    return !(draw.date < start || draw.date > end);
}

HistorySearch::RowHit HistorySearch::rowHit(
    int row, const TipRowTexts &texts, const Draw &draw, int stopLevel, bool megaballCounts)
{
    RowHit result;
    result.hit = HitRule::zettelcheck(texts, draw);
    result.text = QString::number(result.hit.hitCount);
    if (result.hit.megaballHit)
        result.text += QStringLiteral(" + MB");
    result.highlighted = result.hit.hitCount > 2 || result.hit.megaballHit;
    const int stopValue = result.hit.hitCount + (row == 1 && megaballCounts && result.hit.megaballHit ? 1 : 0);
    result.stops = stopValue >= stopLevel;
    return result;
}

QString HistorySearch::question(const MessageTable &messages, int row, QDate date)
{
    const QString shown = TextFormats::shortDate(date);
    if (row == 1)
        return messages.text(Msg::SearchHitFound) + QStringLiteral("  ") + shown + QStringLiteral(" . ")
            + messages.text(Msg::SearchGoOn);
    return messages.text(Msg::RepeatHitStart) + shown + messages.text(Msg::RepeatHitEnd);
}

QString HistorySearch::questionCaption(const MessageTable &messages, int row)
{
    return messages.text(row == 1 ? Msg::SearchHitCaption : Msg::RepeatHitCaption);
}
