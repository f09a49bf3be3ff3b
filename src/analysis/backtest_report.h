// The report of the settings back-test as the window writes it into "Test.rtf" and the
// command-line tool prints it: the documented lines first, character for character,
// then the yardstick section. Numbers in the yardstick use the program's formats:
// decimal comma and thousands dot, amounts "1.234,56 $", shares "6,80 %".
#pragma once

#include "analysis/backtest.h"

#include <QStringList>

class MessageTable;

namespace BacktestReport {
// Step 8 of the back-test: "Aktuelle Einstellung brachten" ... "Ziehungen: 40mit je 5Tipp
// => 200 Reihen".
QStringList documentedLines(const BacktestResult &result, const MessageTable &messages);
// The settings beside chance and the money, starting with an empty line.
QStringList yardstickLines(const Yardstick &yardstick, const MessageTable &messages);
// Both, as the report file holds them.
QStringList lines(const BacktestResult &result, const MessageTable &messages);
// The whole report from the inputs: runs the back-test to its end. The window and the
// command-line tool give the same text for the same inputs.
QStringList linesFor(const BacktestInput &input, const MessageTable &messages);

// "1.234,56 $", "6,80 %" and "1 zu 14,71", as the yardstick writes them.
QString amount(double dollars);
QString percent(double value);
QString oneIn(const PrizeClasses::Odds &odds, const MessageTable &messages);
QString range(std::int64_t low, std::int64_t high);
} // namespace BacktestReport
