#include "analysis/prize_classes.h"

#include "analysis/binomial.h"
#include "draws/draw.h"

namespace {
using PrizeClasses::Class;

struct ClassInfo {
    int hits;
    bool megaball;
    int prize; // dollars; 0 for the jackpot and no prize
    const char *label;
};
// Indexed by Class; NoPrize stands for the remaining cells (0, 1, 2 without Megaball).
constexpr std::array<ClassInfo, PrizeClasses::ClassCount> Classes{{
    {5, true, 0, "5 + MB"},
    {5, false, 1000000, "5"},
    {4, true, 5000, "4 + MB"},
    {4, false, 500, "4"},
    {3, true, 50, "3 + MB"},
    {3, false, 5, "3"},
    {2, true, 5, "2 + MB"},
    {1, true, 2, "1 + MB"},
    {0, true, 1, "0 + MB"},
    {-1, false, 0, ""},
}};

// Rows of five out of 75 with exactly `hits` of the five drawn numbers.
std::int64_t mainWays(int hits)
{
    return Hypergeometric::commonNumbers(Game::MaxMain, Game::MainCount, hits).favourable;
}
} // namespace

std::int64_t PrizeClasses::binomialCoefficient(int n, int k)
{
    return Hypergeometric::choose(n, k);
}

Class PrizeClasses::classOf(int hits, bool megaball)
{
    for (size_t c = 0; c < size_t(PrizeClassCount); ++c)
        if (Classes[c].hits == hits && Classes[c].megaball == megaball)
            return Class(c);
    return Class::NoPrize;
}

int PrizeClasses::prizeDollars(Class c)
{
    return Classes[size_t(c)].prize;
}

bool PrizeClasses::isJackpot(Class c)
{
    return c == Class::FiveMegaball;
}

bool PrizeClasses::wins(Class c)
{
    return c != Class::NoPrize;
}

QString PrizeClasses::label(Class c)
{
    return QString::fromLatin1(Classes[size_t(c)].label);
}

PrizeClasses::Odds PrizeClasses::odds(Class c)
{
    const std::int64_t denominator = binomialCoefficient(Game::MaxMain, Game::MainCount) * Game::MaxMegaball;
    if (c == Class::NoPrize) {
        std::int64_t others = 0;
        for (int k = 0; k < PrizeClassCount; ++k)
            others += odds(Class(k)).numerator;
        return {denominator - others, denominator};
    }
    const ClassInfo &info = Classes[size_t(c)];
    const std::int64_t megaballWays = info.megaball ? 1 : Game::MaxMegaball - 1;
    return {mainWays(info.hits) * megaballWays, denominator};
}

PrizeClasses::Odds PrizeClasses::anyPrize()
{
    const Odds none = odds(Class::NoPrize);
    return {none.denominator - none.numerator, none.denominator};
}

double PrizeClasses::expectedWinningsPerRow()
{
    double total = 0;
    for (int k = 0; k < PrizeClassCount; ++k)
        total += odds(Class(k)).probability() * prizeDollars(Class(k));
    return total;
}

void PrizeClasses::ClassCounts::add(const HitClassTally &tally)
{
    for (int hits = 0; hits <= 5; ++hits)
        for (bool megaball : {false, true})
            add(classOf(hits, megaball), tally.at(hits, megaball));
}

std::int64_t PrizeClasses::ClassCounts::rows() const
{
    std::int64_t total = 0;
    for (std::int64_t n : counts)
        total += n;
    return total;
}

std::int64_t PrizeClasses::ClassCounts::winningRows() const
{
    return rows() - at(Class::NoPrize);
}

std::int64_t PrizeClasses::ClassCounts::winningsDollars() const
{
    std::int64_t total = 0;
    for (int k = 0; k < PrizeClassCount; ++k)
        total += at(Class(k)) * prizeDollars(Class(k));
    return total;
}
