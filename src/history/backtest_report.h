// The report of the settings back-test as the window writes it into "Test.rtf" and the
// command-line tool prints it: the documented lines first, character for character,
// then the locked rows and the yardstick section. Numbers in the yardstick use the
// program's formats (decimal comma and thousands dot, amounts "1.234,56 $", shares
// "6,80 %") unless a language's format is given.
#pragma once

#include "history/backtest.h"
#include "history/report_format.h"

#include <QStringList>

class MessageTable;

namespace BacktestReport {
// Step 8 of the back-test: "Aktuelle Einstellung brachten" ... "Ziehungen: 40mit je 5Tipp
// => 200 Reihen".
QStringList documentedLines(const BacktestResult &result, const MessageTable &messages);
// The locked rows every pass kept and counted, starting with an empty line; none without.
QStringList lockedRowLines(const BacktestResult &result, const MessageTable &messages);
// The settings beside chance and the money, starting with an empty line.
QStringList yardstickLines(const Yardstick &yardstick, const MessageTable &messages, const ReportFormat &format = {});
// All three, as the report file holds them.
QStringList lines(const BacktestResult &result, const MessageTable &messages, const ReportFormat &format = {});
// The whole report from the inputs: runs the back-test to its end. The window and the
// command-line tool give the same text for the same inputs.
QStringList linesFor(const BacktestInput &input, const MessageTable &messages);

// "Gesperrte Reihen, ...:" and a line "7: 3 8 12 40 75 9" per locked row (an empty
// field as "-"); empty when no row is locked. The question and the report say it so.
QStringList lockedRowsText(const std::vector<LockedRow> &rows, const MessageTable &messages);
// "R: n1 n2 n3 n4 n5 MB", as the command-line tool prints rows.
QString rowLine(int row, const TipRowTexts &texts);

// "1.234,56 $", "6,80 %" and "1 zu 14,71", as the yardstick writes them by default.
QString amount(double dollars);
QString percent(double value);
QString oneIn(const PrizeClasses::Odds &odds, const MessageTable &messages, const ReportFormat &format = {});
QString range(std::int64_t low, std::int64_t high);
} // namespace BacktestReport
