// The prize classes of this game format (five of 75 and a Megaball of 15, as played from
// 2013 to 2017) and what chance gives for one row: each class's exact probability,
// computed from binomial coefficients rather than typed in.
#pragma once

#include "analysis/hit_rule.h"

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
bool isJackpot(Class c);
bool wins(Class c); // any class but NoPrize
// "5 + MB", "4", ..., "0 + MB"; NoPrize has no label of its own (the report names it).
QString label(Class c);

// The probability that one row falls into the class, as the exact fraction
// numerator / denominator with the denominator C(75,5) * 15.
struct Odds {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    double probability() const { return double(numerator) / double(denominator); }
    double oneIn() const { return double(denominator) / double(numerator); } // "1 in x"
};
Odds odds(Class c);
// Any prize at all: 1 in 14.71.
Odds anyPrize();
// What one row wins on average without the jackpot, in dollars.
double expectedWinningsPerRow();

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
};
} // namespace PrizeClasses
