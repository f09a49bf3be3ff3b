// `HistorySearch` as computation: the sheet's rows against each draw of the statistics
// window, stopping with a question where a row reaches the stop level. The window asks
// the questions, shows the draws and colours the fields; this decides what they say.
#pragma once

#include "analysis/hit_rule.h"
#include "draws/draw.h"
#include "tipsheet/tip_rows.h"

#include <QDate>
#include <QString>

class MessageTable;

namespace HistorySearch {
// What the input box for the stop level proposes: 7 while the Megaball counts, else 5.
QString proposedStopLevel(bool megaballCounts);
// The search visits the draws from the statistics start to the draw date, both included.
bool visits(const Draw &draw, QDate start, QDate end);

struct RowHit {
    HitResult hit;
    QString text; // "2", "2 + MB"
    bool highlighted = false; // three hits or more, or the Megaball
    bool stops = false; // the row reached the stop level: ask whether to go on
};
// Row `row` (1..12) against a draw; the Megaball adds a hit towards the stop level for
// row 1 only, and only while it counts.
RowHit rowHit(int row, const TipRowTexts &texts, const Draw &draw, int stopLevel, bool megaballCounts);

// The question at a stopping row, and its caption: row 1 and the other rows ask in
// different words.
QString question(const MessageTable &messages, int row, QDate date);
QString questionCaption(const MessageTable &messages, int row);
} // namespace HistorySearch
