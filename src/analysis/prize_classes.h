// The prize classes of the game and what chance gives for one row: each class's exact
// probability, computed from binomial coefficients of the format's numbers rather than
// typed in. The functions without a format are those of the classic five of 75 and a
// Megaball of 15 (Games::classic()).
#pragma once

#include "analysis/hit_rule.h"
#include "draws/game_format.h"

#include <QString>

#include <array>
#include <cstdint>

namespace PrizeClasses {
// In the order of the report, the highest prize first; NoPrize last.
enum class Class {
    FiveMegaball,
    Five,
    FourMegaball,
    Four,
    ThreeMegaball,
    Three,
    TwoMegaball,
    OneMegaball,
    ZeroMegaball,
    NoPrize
};
constexpr int ClassCount = 10;
constexpr int PrizeClassCount = 9; // every class but NoPrize

// The class of a row with `hits` main numbers right (0..5) and the Megaball right or not.
Class classOf(int hits, bool megaball);
// The fixed prize in whole dollars; 0 for the jackpot (counted, never summed) and NoPrize.
int prizeDollars(Class c);
std::int64_t prizeDollars(Class c, const Games::GameFormat &format);
bool isJackpot(Class c);
bool wins(Class c); // any class but NoPrize
// "5 + MB", "4", ..., "0 + MB"; NoPrize has no label of its own (the report names it).
QString label(Class c);

// The probability that one row falls into the class, as the exact fraction
// numerator / denominator with the denominator C(mainMax,5) * megaballMax.
struct Odds {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    double probability() const { return double(numerator) / double(denominator); }
    double oneIn() const { return double(denominator) / double(numerator); } // "1 in x"
};
Odds odds(Class c);
Odds odds(Class c, const Games::GameFormat &format);
// Any prize at all: 1 in 14.71 for the classic format.
Odds anyPrize();
Odds anyPrize(const Games::GameFormat &format);
// What one row wins on average without the jackpot, in dollars; with a built-in
// multiplier, times its expected factor.
double expectedWinningsPerRow();
double expectedWinningsPerRow(const Games::GameFormat &format);

// n over k, exactly; 0 outside 0 <= k <= n.
std::int64_t binomialCoefficient(int n, int k);

// Rows counted by class, from summed hit-class tallies.
struct ClassCounts {
    std::array<std::int64_t, ClassCount> counts{};

    std::int64_t at(Class c) const { return counts[size_t(c)]; }
    void add(Class c, std::int64_t n = 1) { counts[size_t(c)] += n; }
    void add(const HitClassTally &tally);
    std::int64_t rows() const;
    std::int64_t winningRows() const;
    std::int64_t jackpots() const { return at(Class::FiveMegaball); }
    // The fixed prizes added up, jackpots left out.
    std::int64_t winningsDollars() const;
    std::int64_t winningsDollars(const Games::GameFormat &format) const;
};
} // namespace PrizeClasses
