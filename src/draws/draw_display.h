// The texts that show a draw on the Datenbank and tip pages. The separators differ by
// the operation that wrote them; users have long read them this way.
#pragma once

#include "draws/draw.h"

#include <QString>

class MessageTable;

namespace DrawDisplay {
enum class Style {
    Navigation, // previous/next, and a date after the newest draw: "  ...   MB: 7 MP: 2"
    FirstRecord, // the first record of the file: "   ... MB:7 MP:2"
    Found, // a record found further on: "  ... MB:7 MP:2"
    Search, // the history search: "  ...  MB: 7     MP: 2"
};
QString text(const Draw &draw, Style style);
// "Quersumme: 138"
QString crossSum(const MessageTable &messages, const Draw &draw);
} // namespace DrawDisplay

namespace DrawPick {
// The draw `ShowAndEvaluate` picks for a date: the first record dated on or after it,
// else the last record. `index` is -1 for an empty history.
struct Pick {
    int index = -1;
    DrawDisplay::Style style = DrawDisplay::Style::Navigation;
};
Pick forDate(const std::vector<Draw> &draws, QDate date);
} // namespace DrawPick
