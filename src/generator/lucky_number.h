// The lucky number: the user's seed for the random source, so that a run can be
// repeated. A number from 1 to 99999999, the range the input box asks for, becomes the
// state; anything else seeds the source from the system counter again.
#pragma once

#include <QString>

#include <optional>

class MessageTable;
class RandomSource;

namespace LuckyNumber {
constexpr qint32 Lowest = 1;
constexpr qint32 Highest = 99999999;

// The proposal of the input box: a draw below 99999, which advances the source; a draw
// of 0, outside the range, proposes 99999.
QString proposal(RandomSource &random);
// The number a text names when it lies in the range.
std::optional<qint32> parse(const QString &text);
// A state brought into the range, for proposing the current state as a lucky number:
// itself when it lies in it.
qint32 inRange(quint32 state);
// The seed taken, or nullopt when the text is no number in the range (the window then
// shows message entry 16).
std::optional<qint32> apply(RandomSource &random, const QString &text);
// "Glückszahl -5 gesetzt"
QString statusText(const MessageTable &messages, qint32 seed);
} // namespace LuckyNumber
