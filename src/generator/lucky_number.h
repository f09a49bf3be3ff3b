// The lucky number: the user's seed for the random source, so that a run can be
// repeated. Any text that converts to a signed 32-bit integer becomes the state (its
// bit pattern); anything else seeds the source from the system counter again.
#pragma once

#include <QString>

#include <optional>

class MessageTable;
class RandomSource;

namespace LuckyNumber {
// The proposal of the input box: a draw below 99999, which advances the source.
QString proposal(RandomSource &random);
// The seed taken, or nullopt when the text did not convert.
std::optional<qint32> apply(RandomSource &random, const QString &text);
// "Glückszahl -5 gesetzt"
QString statusText(const MessageTable &messages, qint32 seed);
} // namespace LuckyNumber
