#include "generator/option_conflicts.h"

#include "app/message_table.h"

namespace {
// The numbers the avoidance of months leaves out: 1..12.
constexpr int LowestAfterMonths = 13;

// Whether the run computes a row from `first` on: an unlocked row within the count.
bool computesRowFrom(
    int first, const GenerationSettings &settings, const std::array<SheetRow, TipRows::RowCount> &sheet)
{
    for (int row = first; row <= settings.rowsToCompute && row <= TipRows::RowCount; ++row)
        if (!sheet[size_t(row - 1)].locked)
            return true;
    return false;
}
} // namespace

QStringList OptionConflicts::find(
    const GenerationSettings &s, const std::array<SheetRow, TipRows::RowCount> &sheet, const MessageTable &messages)
{
    const auto n = [](int value) { return QString::number(value); };
    QStringList conflicts;

    // Mathematisch: the sum range is always applied.
    if (s.sumFrom > s.sumTo)
        conflicts << messages.text(Msg::ConflictSumRange).arg(n(s.sumFrom), n(s.sumTo));
    const bool even = s.minEvenOn;
    if (even && s.minOddOn && s.minEven + s.minOdd > Game::MainCount)
        conflicts << messages.text(Msg::ConflictEvenOdd).arg(n(s.minEven), n(s.minOdd), n(Game::MainCount));
    // 2 is the only even prime: beside it, a row's primes are its odd numbers and the Megaball.
    if (even && s.minPrimesOn && s.minEven >= 1 && s.minPrimes > Game::MainCount - s.minEven + 2)
        conflicts << messages.text(Msg::ConflictPrimesEven).arg(n(s.minPrimes), n(s.minEven));

    // Schein Optimierung: with one row above, that row's overlap is both the smallest and
    // the largest; with boundsForEachOtherRow every row's overlap must lie between the bounds.
    if (s.minOtherRowMatches > s.maxOtherRowMatches) {
        const bool eachRow = s.boundsForEachOtherRow && computesRowFrom(2, s, sheet);
        const bool bothBounds
            = s.maxOtherRowMatchesOn && s.minOtherRowMatchesOn && !sheet[1].locked && s.rowsToCompute >= 2;
        if (eachRow || bothBounds)
            conflicts << messages.text(Msg::ConflictOtherRows).arg(n(s.maxOtherRowMatches), n(s.minOtherRowMatches));
    }
    if (s.avoidMonths) {
        int smallest = 0;
        for (int k = 0; k < Game::MainCount; ++k)
            smallest += LowestAfterMonths + k;
        if (smallest > s.sumTo)
            conflicts << messages.text(Msg::ConflictLowNumbers).arg(n(smallest), n(s.sumTo));
    }
    return conflicts;
}

QString OptionConflicts::message(const QStringList &conflicts, const MessageTable &messages)
{
    QStringList lines{messages.text(Msg::OptionsContradict)};
    lines += conflicts;
    return lines.join(QLatin1Char('\n'));
}
