// The formats the game has been played in since 2002, as data: ranges, dates, price,
// multiplier rule and prize table. Everything that depends on the format asks a
// definition; nothing else names the largest numbers of a format.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

struct Draw;

namespace Games {

// The largest main number and Megaball of any format below: what arrays indexed by a
// number are sized for. Checked against the table when it is made.
constexpr int MainCapacity = 75;
constexpr int MegaballCapacity = 52;

enum class MultiplierRule {
    None, // no multiplier at all
    OptionalMegaplier, // drawn with the numbers; a play may buy it for an extra price
    BuiltIn, // assigned to each play at purchase; multiplies every non-jackpot prize
};

// One prize class: exactly `hits` main numbers right, the Megaball right or not.
struct Prize {
    int hits;
    bool megaball;
    std::int64_t dollars; // 0 for the jackpot, whose amount varies
    bool jackpot;
};
constexpr int PrizeCount = 9; // 5+MB, 5, 4+MB, 4, 3+MB, 3, 2+MB, 1+MB, 0+MB

// A built-in multiplier's published distribution: `factor` with `weight` out of the sum
// of all weights.
struct MultiplierOdds {
    int factor;
    int weight;
};

struct GameFormat {
    QString id; // "mm-2013": the option value of the command-line tool
    QString name; // "5 aus 75 + 1 aus 15"
    QDate first; // the first draw of the format
    QDate last; // its last draw; invalid while the format is still played
    int mainCount = 5;
    int mainMax = 0; // main numbers 1..mainMax
    int megaballMax = 0; // Megaball 1..megaballMax
    int priceCents = 0; // one play
    MultiplierRule multiplier = MultiplierRule::None;
    int megaplierMin = 0; // OptionalMegaplier: the drawn factor's range
    int megaplierMax = 0;
    int megaplierPriceCents = 0; // what the option costs on top of a play
    std::vector<MultiplierOdds> builtIn; // BuiltIn: the factors assigned to plays
    std::vector<int> weekdays; // Qt::DayOfWeek values of the draw days
    std::array<Prize, PrizeCount> prizes{};

    bool contains(QDate date) const { return date >= first && (!last.isValid() || date <= last); }
    // The largest value the stored multiplier byte may hold for a draw of this format.
    int storedMultiplierMax() const;
    // Empty when the draw fits this format (valid date, five distinct main numbers in
    // range, Megaball in range, the multiplier 0 or one the format draws); otherwise the
    // reason, as import and update report it.
    QString drawError(const Draw &draw) const;
    // The same for values as read, before they are narrowed to the record's bytes.
    QString drawError(QDate date, const std::array<int, 5> &numbers, int megaball, int multiplier) const;
    bool fits(const Draw &draw) const { return drawError(draw).isEmpty(); }
    // The sums of the five main numbers a play can have.
    int lowestSum() const { return mainCount * (mainCount + 1) / 2; }
    int highestSum() const { return mainCount * mainMax - mainCount * (mainCount - 1) / 2; }
    // C(mainMax, 5) * megaballMax: the number of different plays.
    std::int64_t combinations() const;
    // The expected factor of a built-in multiplier (1 for the other rules).
    double expectedBuiltInFactor() const;
};

// Every format, oldest first.
const std::vector<GameFormat> &all();
// nullptr for an unknown identifier.
const GameFormat *byId(const QString &id);
// The format played on `date`. Dates before the first format count as the first, dates
// in a gap (none today) as the format before them.
const GameFormat &forDate(QDate date);
// Five of 75 and a Megaball of 15, drawn from 22.10.2013 to 27.10.2017: the format the
// bundled history and every stored option were made for.
const GameFormat &classic();
QStringList ids();
// "mm-2002, mm-2005, ...", for messages that name the known formats.
QString idList();
// The draws of `draws` whose date belongs to the format (forDate), in their order.
std::vector<Draw> drawsOf(const std::vector<Draw> &draws, const GameFormat &format);
// The format of the newest draw by date; the classic one for a history without a dated
// draw.
const GameFormat &newestFormat(const std::vector<Draw> &draws);

} // namespace Games
