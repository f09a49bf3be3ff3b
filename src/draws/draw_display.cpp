#include "draws/draw_display.h"

#include "app/message_table.h"
#include "app/serial_date.h"
#include "app/text_formats.h"

#include <vector>

QString DrawDisplay::text(const Draw &draw, Style style)
{
    QString line = TextFormats::dayAndShortDate(draw.date);
    line += style == Style::FirstRecord ? QStringLiteral("   ") : QStringLiteral("  ");
    for (auto n : draw.numbers)
        line += QStringLiteral("  ") + QString::number(n);
    const QString mb = QString::number(draw.megaball);
    const QString mp = QString::number(draw.megaplier);
    switch (style) {
    case Style::Navigation:
        return line + QStringLiteral("   MB: ") + mb + QStringLiteral(" MP: ") + mp;
    case Style::FirstRecord:
    case Style::Found:
        return line + QStringLiteral(" MB:") + mb + QStringLiteral(" MP:") + mp;
    case Style::Search:
        return line + QStringLiteral("  MB: ") + mb + QStringLiteral("     MP: ") + mp;
    }
    return line;
}

QString DrawDisplay::crossSum(const MessageTable &messages, const Draw &draw)
{
    return messages.text(Msg::Quersumme) + QStringLiteral(": ") + QString::number(draw.sum());
}

DrawPick::Pick DrawPick::forDate(const std::vector<Draw> &draws, QDate date)
{
    for (size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].date >= date)
            return {int(i), i == 0 ? DrawDisplay::Style::FirstRecord : DrawDisplay::Style::Found};
    }
    // Past the newest draw: the last record counts, provided it carries a date.
    if (!draws.empty() && draws.back().date > SerialDate::epoch())
        return {int(draws.size()) - 1, DrawDisplay::Style::Navigation};
    return {};
}
