#include "draws/game_format.h"

#include "draws/draw.h"

#include <algorithm>
#include <iterator>

// The figures are the published rules of the game for each period; docs/game-formats.md
// lists their sources and what could not be confirmed.
namespace {
using Games::GameFormat;
using Games::MultiplierRule;
using Games::Prize;

constexpr int Cent = 1;
constexpr int Dollar = 100 * Cent;

// The nine classes in the report's order with their fixed prizes; the jackpot first.
std::array<Prize, Games::PrizeCount> prizeTable(std::int64_t five, std::int64_t fourMb, std::int64_t four,
    std::int64_t threeMb, std::int64_t three, std::int64_t twoMb, std::int64_t oneMb, std::int64_t zeroMb)
{
    return {{{5, true, 0, true}, {5, false, five, false}, {4, true, fourMb, false}, {4, false, four, false},
        {3, true, threeMb, false}, {3, false, three, false}, {2, true, twoMb, false}, {1, true, oneMb, false},
        {0, true, zeroMb, false}}};
}

std::vector<GameFormat> makeFormats()
{
    const std::vector<int> tuesdayFriday{Qt::Tuesday, Qt::Friday};
    std::vector<GameFormat> formats;

    GameFormat f2002;
    f2002.id = QStringLiteral("mm-2002");
    f2002.name = QStringLiteral("5/52 + 1/52");
    f2002.first = QDate(2002, 5, 17);
    f2002.last = QDate(2005, 6, 21);
    f2002.mainMax = 52;
    f2002.megaballMax = 52;
    f2002.priceCents = 1 * Dollar;
    // Some member lotteries sold a Megaplier of 2 to 4 from 2003 on; the published
    // files carry it where they do.
    f2002.multiplier = MultiplierRule::OptionalMegaplier;
    f2002.megaplierMin = 2;
    f2002.megaplierMax = 4;
    f2002.megaplierPriceCents = 1 * Dollar;
    f2002.weekdays = tuesdayFriday;
    f2002.prizes = prizeTable(175000, 5000, 150, 150, 7, 10, 3, 2);
    formats.push_back(f2002);

    GameFormat f2005 = f2002;
    f2005.id = QStringLiteral("mm-2005");
    f2005.name = QStringLiteral("5/56 + 1/46");
    f2005.first = QDate(2005, 6, 22);
    f2005.last = QDate(2013, 10, 15);
    f2005.mainMax = 56;
    f2005.megaballMax = 46;
    f2005.prizes = prizeTable(250000, 10000, 150, 150, 7, 10, 3, 2);
    formats.push_back(f2005);

    GameFormat f2013;
    f2013.id = QStringLiteral("mm-2013");
    f2013.name = QStringLiteral("5/75 + 1/15");
    f2013.first = QDate(2013, 10, 22);
    f2013.last = QDate(2017, 10, 27);
    f2013.mainMax = 75;
    f2013.megaballMax = 15;
    f2013.priceCents = 1 * Dollar;
    f2013.multiplier = MultiplierRule::OptionalMegaplier;
    // The store has always taken 0 to 5; 0 is a draw entered without its Megaplier.
    f2013.megaplierMin = 2;
    f2013.megaplierMax = 5;
    f2013.megaplierPriceCents = 1 * Dollar;
    f2013.weekdays = tuesdayFriday;
    f2013.prizes = prizeTable(1000000, 5000, 500, 50, 5, 5, 2, 1);
    formats.push_back(f2013);

    GameFormat f2017 = f2013;
    f2017.id = QStringLiteral("mm-2017");
    f2017.name = QStringLiteral("5/70 + 1/25");
    f2017.first = QDate(2017, 10, 31);
    f2017.last = QDate(2025, 4, 4);
    f2017.mainMax = 70;
    f2017.megaballMax = 25;
    f2017.priceCents = 2 * Dollar;
    f2017.prizes = prizeTable(1000000, 10000, 500, 200, 10, 10, 4, 2);
    formats.push_back(f2017);

    GameFormat f2025;
    f2025.id = QStringLiteral("mm-2025");
    f2025.name = QStringLiteral("5/70 + 1/24");
    f2025.first = QDate(2025, 4, 8);
    f2025.mainMax = 70;
    f2025.megaballMax = 24;
    f2025.priceCents = 5 * Dollar;
    f2025.multiplier = MultiplierRule::BuiltIn;
    f2025.builtIn = {{2, 15}, {3, 10}, {4, 4}, {5, 2}, {10, 1}};
    f2025.weekdays = tuesdayFriday;
    f2025.prizes = prizeTable(1000000, 10000, 500, 200, 10, 10, 7, 5);
    formats.push_back(f2025);
    for (const GameFormat &format : formats)
        if (format.mainMax > Games::MainCapacity || format.megaballMax > Games::MegaballCapacity)
            qFatal("game format %s passes the number capacity", qPrintable(format.id));
    return formats;
}
} // namespace

int GameFormat::storedMultiplierMax() const
{
    switch (multiplier) {
    case MultiplierRule::None:
        return 0;
    case MultiplierRule::OptionalMegaplier:
        return megaplierMax;
    case MultiplierRule::BuiltIn: {
        int most = 0;
        for (const auto &odds : builtIn)
            most = std::max(most, odds.factor);
        return most;
    }
    }
    return 0;
}

QString GameFormat::drawError(const Draw &draw) const
{
    std::array<int, 5> numbers{};
    std::copy(draw.numbers.begin(), draw.numbers.end(), numbers.begin());
    return drawError(draw.date, numbers, draw.megaball, draw.megaplier);
}

QString GameFormat::drawError(QDate date, const std::array<int, 5> &numbers, int megaball, int stored) const
{
    if (!date.isValid())
        return QStringLiteral("invalid date");
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int n = numbers[i];
        if (n < 1 || n > mainMax)
            return QStringLiteral("main number %1 is outside 1 to %2").arg(n).arg(mainMax);
        for (size_t k = 0; k < i; ++k)
            if (numbers[k] == n)
                return QStringLiteral("main number %1 is repeated").arg(n);
    }
    if (megaball < 1 || megaball > megaballMax)
        return QStringLiteral("Megaball %1 is outside 1 to %2").arg(megaball).arg(megaballMax);
    bool multiplierFits = false;
    switch (multiplier) {
    case MultiplierRule::None:
        multiplierFits = stored == 0;
        break;
    case MultiplierRule::OptionalMegaplier:
        // Anything up to the largest factor: the store has always taken 0 and 1 as well.
        multiplierFits = stored >= 0 && stored <= megaplierMax;
        break;
    case MultiplierRule::BuiltIn:
        multiplierFits = stored == 0
            || std::any_of(builtIn.begin(), builtIn.end(), [stored](auto o) { return o.factor == stored; });
        break;
    }
    if (!multiplierFits) {
        if (multiplier == MultiplierRule::BuiltIn)
            return QStringLiteral("multiplier %1 is not one the %2 format assigns").arg(stored).arg(id);
        return QStringLiteral("Megaplier %1 is outside 0 to %2").arg(stored).arg(storedMultiplierMax());
    }
    return {};
}

std::int64_t GameFormat::combinations() const
{
    std::int64_t ways = 1;
    for (int i = 1; i <= mainCount; ++i)
        ways = ways * (mainMax - mainCount + i) / i;
    return ways * megaballMax;
}

double GameFormat::expectedBuiltInFactor() const
{
    if (multiplier != MultiplierRule::BuiltIn || builtIn.empty())
        return 1.0;
    double weighted = 0;
    int total = 0;
    for (const auto &odds : builtIn) {
        weighted += double(odds.factor) * odds.weight;
        total += odds.weight;
    }
    return weighted / total;
}

const std::vector<GameFormat> &Games::all()
{
    static const std::vector<GameFormat> formats = makeFormats();
    return formats;
}

const GameFormat *Games::byId(const QString &id)
{
    for (const GameFormat &format : all())
        if (format.id.compare(id, Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

const GameFormat &Games::forDate(QDate date)
{
    const auto &formats = all();
    const GameFormat *found = &formats.front();
    for (const GameFormat &format : formats)
        if (date >= format.first)
            found = &format;
    return *found;
}

const GameFormat &Games::classic()
{
    // Asked for wherever a default format is needed, in loops too: looked up once.
    static const GameFormat &format = *byId(QStringLiteral("mm-2013"));
    return format;
}

QStringList Games::ids()
{
    QStringList list;
    for (const GameFormat &format : all())
        list << format.id;
    return list;
}

QString Games::idList()
{
    return ids().join(QStringLiteral(", "));
}

std::vector<Draw> Games::drawsOf(const std::vector<Draw> &draws, const GameFormat &format)
{
    std::vector<Draw> kept;
    kept.reserve(draws.size());
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(kept),
        [&](const Draw &draw) { return draw.date.isValid() && &forDate(draw.date) == &format; });
    return kept;
}

const GameFormat &Games::newestFormat(const std::vector<Draw> &draws)
{
    QDate newest;
    for (const Draw &draw : draws)
        if (draw.date.isValid() && (!newest.isValid() || draw.date > newest))
            newest = draw.date;
    return newest.isValid() ? forDate(newest) : classic();
}
