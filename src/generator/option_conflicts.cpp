#include "generator/option_conflicts.h"

#include "app/message_table.h"

namespace {
// Option numbers, as the option table names them.
constexpr int SumFrom = 1, SumTo = 2;
constexpr int MaxOtherRowsBox = 3, MaxOtherRows = 3, MinOtherRowsBox = 24, MinOtherRows = 9, EachOtherRow = 27;
constexpr int PrimesBox = 22, Primes = 10;
constexpr int EvenBox = 25, Even = 15, OddBox = 26, Odd = 16;
constexpr int AvoidMonthsBox = 29;
constexpr int RowsToCompute = 8;
// The numbers the avoidance of months leaves out: 1..12.
constexpr int LowestAfterMonths = 13;

// Whether the run computes a row from `first` on: an unlocked row within the count.
bool computesRowFrom(
    int first, const GenerationSettings &settings, const std::array<SheetRow, TipRows::RowCount> &sheet)
{
    for (int row = first; row <= settings.upDown(RowsToCompute) && row <= TipRows::RowCount; ++row)
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
    if (s.upDown(SumFrom) > s.upDown(SumTo))
        conflicts << messages.text(Msg::ConflictSumRange).arg(n(s.upDown(SumFrom)), n(s.upDown(SumTo)));
    const bool even = s.checkBox(EvenBox);
    if (even && s.checkBox(OddBox) && s.upDown(Even) + s.upDown(Odd) > Game::MainCount)
        conflicts << messages.text(Msg::ConflictEvenOdd).arg(n(s.upDown(Even)), n(s.upDown(Odd)), n(Game::MainCount));
    // 2 is the only even prime: beside it, a row's primes are its odd numbers and the Megaball.
    if (even && s.checkBox(PrimesBox) && s.upDown(Even) >= 1 && s.upDown(Primes) > Game::MainCount - s.upDown(Even) + 2)
        conflicts << messages.text(Msg::ConflictPrimesEven).arg(n(s.upDown(Primes)), n(s.upDown(Even)));

    // Schein Optimierung: with one row above, that row's overlap is both the smallest and
    // the largest; with CheckBox27 every row's overlap must lie between the bounds.
    if (s.upDown(MinOtherRows) > s.upDown(MaxOtherRows)) {
        const bool eachRow = s.checkBox(EachOtherRow) && computesRowFrom(2, s, sheet);
        const bool bothBounds = s.checkBox(MaxOtherRowsBox) && s.checkBox(MinOtherRowsBox) && !sheet[1].locked
            && s.upDown(RowsToCompute) >= 2;
        if (eachRow || bothBounds)
            conflicts
                << messages.text(Msg::ConflictOtherRows).arg(n(s.upDown(MaxOtherRows)), n(s.upDown(MinOtherRows)));
    }
    if (s.checkBox(AvoidMonthsBox)) {
        int smallest = 0;
        for (int k = 0; k < Game::MainCount; ++k)
            smallest += LowestAfterMonths + k;
        if (smallest > s.upDown(SumTo))
            conflicts << messages.text(Msg::ConflictLowNumbers).arg(n(smallest), n(s.upDown(SumTo)));
    }
    return conflicts;
}

QString OptionConflicts::message(const QStringList &conflicts, const MessageTable &messages)
{
    QStringList lines{messages.text(Msg::OptionsContradict)};
    lines += conflicts;
    return lines.join(QLatin1Char('\n'));
}
