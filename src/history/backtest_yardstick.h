// The yardstick below the settings back-test: the settings' rows by prize class beside
// what chance gives for as many rows (exact class probabilities, expected counts with
// their 95% range, expected return without the jackpot), beside a random baseline of as
// many uniformly random rows per pass, and the exact binomial test of the share of
// winning rows. Also the chart of the Diagramm page: count per class beside chance.
#pragma once

#include "analysis/binomial.h"
#include "analysis/prize_classes.h"
#include "generator/random_source.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class MessageTable;

// Uniformly random rows (five distinct main numbers and a Megaball of the format) from a
// generator of their own, so that the settings' rows stay as they are. Seeded from the
// entered seed: the same seed gives the same baseline.
class BaselineRows {
public:
    explicit BaselineRows(qint32 seed, const Games::GameFormat &format = Games::classic());
    // Draws `rows` rows and counts them against `draw` as Komplettcheck would.
    HitClassTally evaluate(int rows, const Draw &draw);

private:
    RandomSource m_random;
    quint32 m_mainMax;
    quint32 m_megaballMax;
};

// What one row of the class wins on average in whole dollars: the fixed prize, times the
// expected factor of a built-in multiplier (exactly 3 for mm-2025, so the amounts stay
// whole). The jackpot and NoPrize give 0.
std::int64_t expectedPrizeDollars(PrizeClasses::Class c, const Games::GameFormat &format);
// The same for every class in report order, NoPrize left out.
std::array<std::int64_t, PrizeClasses::PrizeClassCount> expectedPrizes(const Games::GameFormat &format);
// The rows' winnings by those prizes, jackpots left out.
std::int64_t expectedWinningsDollars(const PrizeClasses::ClassCounts &counts, const Games::GameFormat &format);

// The stored ticket price "EINPREIS", "1,00" (decimal comma; thousands dots allowed).
std::optional<double> parseTicketPrice(const QString &text);

struct Yardstick {
    struct ClassLine {
        PrizeClasses::Class prizeClass;
        std::int64_t settings = 0;
        std::int64_t baseline = 0;
        PrizeClasses::Odds odds;
        double expected = 0; // rows times the class probability
        Binomial::Range range; // 95% of chance's counts lie here
    };
    const Games::GameFormat *format = &Games::classic(); // whose odds and prizes these are
    std::array<ClassLine, PrizeClasses::ClassCount> classes{};
    std::int64_t rows = 0; // rows evaluated (the settings' and as many random ones)

    std::int64_t settingsWinning = 0;
    std::int64_t baselineWinning = 0;
    double expectedWinning = 0;
    Binomial::Range winningRange;

    std::int64_t settingsJackpots = 0;
    std::int64_t baselineJackpots = 0;
    std::int64_t settingsWinnings = 0; // dollars, without jackpots
    std::int64_t baselineWinnings = 0;
    double expectedWinnings = 0;

    std::optional<double> ticketPrice; // none when "EINPREIS" does not read as a price
    double pValue = 1; // two-sided exact binomial test of settingsWinning against chance
    bool differsFromChance() const { return pValue < 0.05; }

    static double share(std::int64_t part, std::int64_t rows) { return rows > 0 ? double(part) / double(rows) : 0; }
    std::optional<double> stake() const;
    // Winnings without jackpots in percent of the stake; none without a price above 0.
    std::optional<double> returnPercent(double winnings) const;

    // The odds, prizes and expected winnings of `format`; the stake at `ticketPrice`.
    static Yardstick of(const HitClassTally &settings, const HitClassTally &baseline, const QString &ticketPrice,
        const Games::GameFormat &format = Games::classic());
};

// The chart of the Diagramm page after a back-test: one group per prize class, the
// settings' count beside chance's expected count.
struct PrizeClassChart {
    struct Bar {
        QString label; // "5 + MB" ... "0 + MB"
        std::int64_t settings = 0;
        double expected = 0;
    };
    std::vector<Bar> bars; // the prize classes in report order, NoPrize left out
    QString bottomTitle; // entry 63 "Gewinnklasse"
    QString settingsLegend; // entry 65 "Einstellungen"
    QString chanceLegend; // entry 67 "Zufall erwartet"

    static PrizeClassChart of(const Yardstick &yardstick, const MessageTable &messages);
};
