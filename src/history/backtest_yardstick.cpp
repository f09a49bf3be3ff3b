#include "history/backtest_yardstick.h"

#include "app/message_table.h"

#include <algorithm>
#include <cmath>

namespace {
using PrizeClasses::Class;

// MurmurHash3's finaliser: the baseline's generator starts far from the settings' one,
// which starts at the seed itself.
quint32 mixed(quint32 h)
{
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}
} // namespace

BaselineRows::BaselineRows(qint32 seed, const Games::GameFormat &format)
    : m_random(mixed(quint32(seed) ^ 0x9e3779b9u))
    , m_mainMax(quint32(format.mainMax))
    , m_megaballMax(quint32(format.megaballMax))
{ }

HitClassTally BaselineRows::evaluate(int rows, const Draw &draw)
{
    HitClassTally tally;
    for (int row = 0; row < rows; ++row) {
        // The row's main numbers as bits; a number drawn again is drawn anew.
        std::array<std::uint64_t, 2> numbers{};
        for (int slot = 0; slot < Game::MainCount;) {
            const int n = 1 + int(m_random.below(m_mainMax));
            std::uint64_t &word = numbers[size_t(n >> 6)];
            const std::uint64_t bit = std::uint64_t(1) << (n & 63);
            if ((word & bit) == 0) {
                word |= bit;
                ++slot;
            }
        }
        const int megaball = 1 + int(m_random.below(m_megaballMax));
        // Fields against drawn numbers, as the hit rule counts: each field holding one.
        int hits = 0;
        for (int drawn : draw.numbers)
            hits += drawn >= 1 && drawn < 128 && (numbers[size_t(drawn >> 6)] >> (drawn & 63)) & 1 ? 1 : 0;
        if (hits <= 5)
            tally.add(hits, megaball == draw.megaball);
    }
    return tally;
}

std::int64_t expectedPrizeDollars(Class c, const Games::GameFormat &format)
{
    const std::int64_t fixed = PrizeClasses::prizeDollars(c, format);
    if (format.multiplier != Games::MultiplierRule::BuiltIn)
        return fixed;
    return std::llround(double(fixed) * format.expectedBuiltInFactor());
}

std::array<std::int64_t, PrizeClasses::PrizeClassCount> expectedPrizes(const Games::GameFormat &format)
{
    std::array<std::int64_t, PrizeClasses::PrizeClassCount> dollars{};
    for (int k = 0; k < PrizeClasses::PrizeClassCount; ++k)
        dollars[size_t(k)] = expectedPrizeDollars(Class(k), format);
    return dollars;
}

std::int64_t expectedWinningsDollars(const PrizeClasses::ClassCounts &counts, const Games::GameFormat &format)
{
    std::int64_t total = 0;
    for (int k = 0; k < PrizeClasses::PrizeClassCount; ++k)
        total += counts.at(Class(k)) * expectedPrizeDollars(Class(k), format);
    return total;
}

std::optional<double> parseTicketPrice(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QStringList sides = trimmed.split(QLatin1Char(','));
    const auto digits = [](const QString &part) {
        return !part.isEmpty()
            && std::all_of(part.cbegin(), part.cend(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    };
    if (sides.size() > 2 || (sides.size() == 2 && !digits(sides[1])))
        return std::nullopt;
    // The whole part: plain digits, or groups of three after the first, set off by dots.
    const QStringList groups = sides[0].split(QLatin1Char('.'));
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const bool sized = groups.size() == 1 || (i == 0 ? groups[i].size() <= 3 : groups[i].size() == 3);
        if (!digits(groups[i]) || !sized)
            return std::nullopt;
    }
    const QString plain = groups.join(QString()) + (sides.size() == 2 ? QLatin1Char('.') + sides[1] : QString());
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> Yardstick::stake() const
{
    if (!ticketPrice)
        return std::nullopt;
    return double(rows) * *ticketPrice;
}

std::optional<double> Yardstick::returnPercent(double winnings) const
{
    const std::optional<double> paid = stake();
    if (!paid || *paid <= 0)
        return std::nullopt;
    return 100.0 * winnings / *paid;
}

Yardstick Yardstick::of(const HitClassTally &settings, const HitClassTally &baseline, const QString &ticketPrice,
    const Games::GameFormat &format)
{
    PrizeClasses::ClassCounts ours;
    ours.add(settings);
    PrizeClasses::ClassCounts random;
    random.add(baseline);

    Yardstick y;
    y.format = &format;
    y.rows = ours.rows();
    for (int k = 0; k < PrizeClasses::ClassCount; ++k) {
        const auto c = Class(k);
        ClassLine &line = y.classes[size_t(k)];
        line.prizeClass = c;
        line.settings = ours.at(c);
        line.baseline = random.at(c);
        line.odds = PrizeClasses::odds(c, format);
        line.expected = double(y.rows) * line.odds.probability();
        line.range = Binomial::central95(y.rows, line.odds.probability());
    }
    const double anyPrize = PrizeClasses::anyPrize(format).probability();
    y.settingsWinning = ours.winningRows();
    y.baselineWinning = random.winningRows();
    y.expectedWinning = double(y.rows) * anyPrize;
    y.winningRange = Binomial::central95(y.rows, anyPrize);
    y.settingsJackpots = ours.jackpots();
    y.baselineJackpots = random.jackpots();
    y.settingsWinnings = expectedWinningsDollars(ours, format);
    y.baselineWinnings = expectedWinningsDollars(random, format);
    y.expectedWinnings = double(y.rows) * PrizeClasses::expectedWinningsPerRow(format);
    y.ticketPrice = parseTicketPrice(ticketPrice);
    y.pValue = Binomial::twoSidedPValue(y.rows, anyPrize, y.settingsWinning);
    return y;
}

PrizeClassChart PrizeClassChart::of(const Yardstick &yardstick, const MessageTable &messages)
{
    PrizeClassChart chart;
    chart.bottomTitle = messages.text(Msg::PrizeClass);
    chart.settingsLegend = messages.text(Msg::SettingsRows);
    chart.chanceLegend = messages.text(Msg::ChanceExpected);
    for (const Yardstick::ClassLine &line : yardstick.classes)
        if (PrizeClasses::wins(line.prizeClass))
            chart.bars.push_back({PrizeClasses::label(line.prizeClass), line.settings, line.expected});
    return chart;
}
