#include "analysis/prize_classes.h"

#include "analysis/binomial.h"
#include "draws/draw.h"
#include "draws/game_format.h"

namespace {
using PrizeClasses::Class;

struct ClassInfo {
    int hits;
    bool megaball;
    const char *label;
};
// Indexed by Class; NoPrize stands for the remaining cells (0, 1, 2 without Megaball).
// The prizes of each class come from the format's definition, in the same order.
constexpr std::array<ClassInfo, PrizeClasses::ClassCount> Classes{{
    {5, true, "5 + MB"},
    {5, false, "5"},
    {4, true, "4 + MB"},
    {4, false, "4"},
    {3, true, "3 + MB"},
    {3, false, "3"},
    {2, true, "2 + MB"},
    {1, true, "1 + MB"},
    {0, true, "0 + MB"},
    {-1, false, ""},
}};

// Rows of five out of the format's main numbers with exactly `hits` of the five drawn.
std::int64_t mainWays(int hits, const Games::GameFormat &format)
{
    return Hypergeometric::commonNumbers(format.mainMax, format.mainCount, hits).favourable;
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
    return int(prizeDollars(c, Games::classic()));
}

std::int64_t PrizeClasses::prizeDollars(Class c, const Games::GameFormat &format)
{
    return c == Class::NoPrize ? 0 : format.prizes[size_t(c)].dollars;
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
    return odds(c, Games::classic());
}

PrizeClasses::Odds PrizeClasses::odds(Class c, const Games::GameFormat &format)
{
    const std::int64_t denominator = format.combinations();
    if (c == Class::NoPrize) {
        std::int64_t others = 0;
        for (int k = 0; k < PrizeClassCount; ++k)
            others += odds(Class(k), format).numerator;
        return {denominator - others, denominator};
    }
    const ClassInfo &info = Classes[size_t(c)];
    const std::int64_t megaballWays = info.megaball ? 1 : format.megaballMax - 1;
    return {mainWays(info.hits, format) * megaballWays, denominator};
}

PrizeClasses::Odds PrizeClasses::anyPrize()
{
    return anyPrize(Games::classic());
}

PrizeClasses::Odds PrizeClasses::anyPrize(const Games::GameFormat &format)
{
    const Odds none = odds(Class::NoPrize, format);
    return {none.denominator - none.numerator, none.denominator};
}

double PrizeClasses::expectedWinningsPerRow()
{
    double total = 0;
    for (int k = 0; k < PrizeClassCount; ++k)
        total += odds(Class(k)).probability() * prizeDollars(Class(k));
    return total;
}

double PrizeClasses::expectedWinningsPerRow(const Games::GameFormat &format)
{
    double total = 0;
    for (int k = 0; k < PrizeClassCount; ++k)
        total += odds(Class(k), format).probability() * double(prizeDollars(Class(k), format));
    return total * format.expectedBuiltInFactor();
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
    return winningsDollars(Games::classic());
}

std::int64_t PrizeClasses::ClassCounts::winningsDollars(const Games::GameFormat &format) const
{
    std::int64_t total = 0;
    for (int k = 0; k < PrizeClassCount; ++k)
        total += at(Class(k)) * prizeDollars(Class(k), format);
    return total;
}
