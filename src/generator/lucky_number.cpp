#include "generator/lucky_number.h"

#include "app/message_table.h"
#include "generator/random_source.h"
#include "tipsheet/tip_rows.h"

namespace {
constexpr quint32 ProposalRange = 99999;
} // namespace

QString LuckyNumber::proposal(RandomSource &random)
{
    const quint32 draw = random.below(ProposalRange);
    return QString::number(draw == 0 ? ProposalRange : draw);
}

std::optional<qint32> LuckyNumber::parse(const QString &text)
{
    const std::optional<int> number = TipRows::toInteger(text);
    if (!number || *number < Lowest || *number > Highest)
        return std::nullopt;
    return *number;
}

qint32 LuckyNumber::inRange(quint32 state)
{
    if (state >= quint32(Lowest) && state <= quint32(Highest))
        return qint32(state);
    return qint32(state % quint32(Highest)) + Lowest;
}

std::optional<qint32> LuckyNumber::apply(RandomSource &random, const QString &text)
{
    const std::optional<qint32> seed = parse(text);
    if (!seed) {
        random.seedFromCounter();
        return std::nullopt;
    }
    random.setSeed(*seed);
    return *seed;
}

QString LuckyNumber::statusText(const MessageTable &messages, qint32 seed)
{
    return messages.text(Msg::LuckyNumberSetStart) + QString::number(seed) + messages.text(Msg::LuckyNumberSetEnd);
}
