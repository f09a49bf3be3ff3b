#include "generator/lucky_number.h"

#include "app/message_table.h"
#include "generator/random_source.h"
#include "tipsheet/tip_rows.h"

namespace {
constexpr quint32 ProposalRange = 99999;
} // namespace

QString LuckyNumber::proposal(RandomSource &random)
{
    return QString::number(random.below(ProposalRange));
}

std::optional<qint32> LuckyNumber::apply(RandomSource &random, const QString &text)
{
    const std::optional<int> seed = TipRows::toInteger(text);
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
