#include "generator/generation_options.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
using P = OptionPage;
using S = GenerationSettings;

const std::vector<CheckBoxOption> checkBoxTable{
    {1, &S::frequentPairs, false, P::Statistisch, u"Zahlen mit einer häufigen Paarebildung bevorzugen", u""},
    {2, &S::frequentNumbers, false, P::Statistisch, u"Zahlen die besonders oft gezogen wurden bevorzugen", u""},
    {3, &S::maxOtherRowMatchesOn, true, P::ScheinOptimierung, u"maximale Übereinstimmungen mit anderen Tipps:", u""},
    {4, &S::lastDrawLimitOn, true, P::ScheinOptimierung, u"maximale Übereinstimmung mit der letzten Ziehung zulassen:",
        u""},
    {5, &S::drawBeforeLastLimitOn, true, P::ScheinOptimierung,
        u"maximale Übereinstimmung mit Zahlen der vorletzten Ziehung:", u""},
    {6, &S::frequentTriples, false, P::Statistisch, u"Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", u""},
    {7, &S::frequentQuads, false, P::Statistisch, u"Zahlen mit einer häufigen Viergruppenbildung bevorzugen", u""},
    {8, &S::pairRule, false, P::Mathematisch, u"eine Paarbildung pro Tipp erzwingen", u""},
    {9, &S::wholeHistoryLimitOn, true, P::ScheinOptimierung,
        u"Tipp darf noch keinen              er aus der Datenbank entsprechen", u""},
    {10, &S::overdueNumbers, true, P::Statistisch, u"Zahlen die am längsten überfällig sind", u""},
    {11, &S::rarePairs, false, P::Statistisch, u"seltensten", u""},
    {12, &S::rareTriples, false, P::Statistisch, u"seltensten", u""},
    {13, &S::rareQuads, false, P::Statistisch, u"seltensten", u""},
    {14, &S::rareNumbers, false, P::Statistisch, u"Zahlen die besonders selten gezogen wurden bevorzugen", u""},
    {15, &S::onlyPreferredNumbers, false, P::Allgemein, u"für den Tipp nur bevorzugte Zahlen verwenden!", u""},
    {16, &S::avoidRecentMegaball, true, P::MegaBall, u"keine Megaball Zahl aus den letzten Ziehungen", u""},
    {18, &S::noGroups, true, P::Mathematisch, u"keine Dreier, Vierer... Gruppen", u""},
    {19, &S::lastDrawNeighbours, false, P::Statistisch, u"benachbarte Zahlen der letzten Ziehung bevorzugen", u""},
    {20, &S::showPreferredList, false, P::Allgemein, u"Liste für Zahlenreihengenerierung anzeigen / bearbeiten", u""},
    {22, &S::minPrimesOn, false, P::Mathematisch, u"mindest Anzahl der Primzahlen pro Tipp", u""},
    {23, &S::thirdLastDrawLimitOn, true, P::ScheinOptimierung,
        u"maximale Übereinstimmung mit der vorvorletzten Ziehung:", u""},
    {24, &S::minOtherRowMatchesOn, true, P::ScheinOptimierung, u"minimale Übereinstimmungen mit anderen Tipps:", u""},
    {25, &S::minEvenOn, false, P::Mathematisch, u"mindest Anzahl der gerade Zahlen in jedem Tipp", u""},
    {26, &S::minOddOn, false, P::Mathematisch, u"mindestAnzahl der ungerade Zahlen in jedem Tipp", u""},
    {27, &S::boundsForEachOtherRow, true, P::ScheinOptimierung,
        u"Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", u""},
    {28, &S::recentDrawsLimitOn, true, P::ScheinOptimierung,
        u"Tipp darf keinen              er aus den letzten              Ziehungen sein", u""},
    {29, &S::avoidMonths, false, P::ScheinOptimierung,
        u"vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", u""},
    {30, &S::lowerDayWeight, false, P::ScheinOptimierung,
        u"Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", u""},
    {31, &S::megaballCounts, true, P::ScheinOptimierung, u"Megaball in Übereinstimmungsberechnung mit einbeziehen!",
        u""},
};

const std::vector<SpinOption> spinTable{
    {1, &S::sumFrom, 37, 21, 279, 50, P::Mathematisch},
    {2, &S::sumTo, 38, 21, 239, 200, P::Mathematisch},
    {3, &S::maxOtherRowMatches, 39, 0, 5, 2, P::ScheinOptimierung},
    {4, &S::lastDrawLimit, 40, 0, 5, 0, P::ScheinOptimierung},
    {5, &S::drawBeforeLastLimit, 41, 0, 5, 0, P::ScheinOptimierung},
    {6, &S::wholeHistoryLimit, 42, 3, 7, 4, P::ScheinOptimierung},
    {7, &S::attemptThousands, 55, 1, 30000, 50, P::Allgemein},
    {8, &S::rowsToCompute, 80, 1, 12, 5, P::TipSheet},
    {9, &S::minOtherRowMatches, 88, 0, 5, 1, P::ScheinOptimierung},
    {10, &S::minPrimes, 83, 0, 6, 2, P::Mathematisch},
    {11, &S::thirdLastDrawLimit, 84, 0, 5, 0, P::ScheinOptimierung},
    {12, &S::frequentNumbersPercent, 85, 5, 75, 30, P::Statistisch},
    {13, &S::overdueNumbersPercent, 86, 5, 75, 30, P::Statistisch},
    {14, &S::rareNumbersPercent, 87, 5, 75, 20, P::Statistisch},
    {15, &S::minEven, 89, 0, 6, 2, P::Mathematisch},
    {16, &S::minOdd, 90, 0, 6, 2, P::Mathematisch},
    {17, &S::recentDrawsLimit, 91, 2, 6, 3, P::ScheinOptimierung},
    {18, &S::recentWeeks, 92, 4, 128, 60, P::ScheinOptimierung},
    {19, &S::recentMegaballDraws, 105, 1, 10, 5, P::MegaBall},
};

const std::vector<RadioOption> radioTable{
    {1, u"einfach per Zufall bestimmen"},
    {2, u"die am seltensten gezogen Megaball Zahl verwenden"},
    {3, u"die am längsten ausstehende Megaball Zahl verwenden"},
};

template <typename T> const T *findByNumber(const std::vector<T> &table, int number)
{
    auto it = std::find_if(table.begin(), table.end(), [&](const T &row) { return row.number == number; });
    return it == table.end() ? nullptr : &*it;
}

template <typename T> const T &existing(const T *row, const char *kind, int number)
{
    if (!row)
        throw std::out_of_range(std::string("no generation option ") + kind + std::to_string(number));
    return *row;
}

template <typename T, typename Field> const T &findByField(const std::vector<T> &table, Field field)
{
    auto it = std::find_if(table.begin(), table.end(), [&](const T &row) { return row.field == field; });
    if (it == table.end())
        throw std::out_of_range("a generation option without a control");
    return *it;
}
} // namespace

const std::vector<CheckBoxOption> &GenerationOptions::checkBoxes()
{
    return checkBoxTable;
}
const std::vector<SpinOption> &GenerationOptions::spins()
{
    return spinTable;
}
const std::vector<RadioOption> &GenerationOptions::radioButtons()
{
    return radioTable;
}
const CheckBoxOption *GenerationOptions::checkBox(int number)
{
    return findByNumber(checkBoxTable, number);
}
const SpinOption *GenerationOptions::spin(int number)
{
    return findByNumber(spinTable, number);
}
const CheckBoxOption &GenerationOptions::checkBoxOf(CheckBoxField field)
{
    return findByField(checkBoxTable, field);
}
const SpinOption &GenerationOptions::spinOf(SpinField field)
{
    return findByField(spinTable, field);
}

QString GenerationOptions::checkBoxValueName(int number)
{
    return QStringLiteral("Chekcbox%1").arg(number);
}
QString GenerationOptions::spinValueName(int number)
{
    return QStringLiteral("UpDown%1").arg(number);
}
QString GenerationOptions::radioValueName(int number)
{
    return QStringLiteral("RadioButton%1").arg(number);
}
int GenerationOptions::upDown6Maximum(bool megaballCounted)
{
    return megaballCounted ? 7 : 5;
}
int GenerationOptions::maximumOf(const SpinOption &spin, const GenerationSettings &settings)
{
    return spin.field == &GenerationSettings::wholeHistoryLimit ? upDown6Maximum(settings.megaballCounts)
                                                                : spin.maximum;
}

GenerationOptions::SpinRange GenerationOptions::rangeIn(
    const SpinOption &spin, const GenerationSettings &settings, const Games::GameFormat &format)
{
    using S = GenerationSettings;
    SpinRange range{spin.minimum, maximumOf(spin, settings)};
    const SpinField field = spin.field;
    if (field == &S::frequentNumbersPercent || field == &S::overdueNumbersPercent || field == &S::rareNumbersPercent)
        range.maximum = std::min(range.maximum, format.mainMax);
    if (field == &S::sumFrom || field == &S::sumTo) {
        range.minimum = std::max(range.minimum, format.lowestSum());
        range.maximum = std::min(range.maximum, format.highestSum());
    }
    return range;
}

GenerationSettings GenerationOptions::clampedTo(
    const GenerationSettings &settings, const Games::GameFormat &format, QStringList *changes)
{
    GenerationSettings clamped = settings;
    for (const SpinOption &spin : spinTable) {
        const SpinRange range = rangeIn(spin, settings, format);
        int &value = clamped.*spin.field;
        // A range the control itself refuses is left to the control.
        if (range.minimum > range.maximum || (value >= range.minimum && value <= range.maximum))
            continue;
        if (value > range.maximum && value <= maximumOf(spin, settings))
            value = range.maximum;
        else if (value < range.minimum && value >= spin.minimum)
            value = range.minimum;
        else
            continue;
        if (changes)
            *changes << QStringLiteral("%1 = %2 is %3 in %4")
                            .arg(spinValueName(spin.number))
                            .arg(settings.*spin.field)
                            .arg(value)
                            .arg(format.id);
    }
    return clamped;
}

GenerationSettings GenerationSettings::defaults()
{
    GenerationSettings settings;
    for (const CheckBoxOption &option : checkBoxTable)
        settings.*option.field = option.checkedByDefault;
    for (const SpinOption &option : spinTable)
        settings.*option.field = option.defaultValue;
    settings.megaballOption = RandomMegaball;
    return settings;
}

bool GenerationSettings::checkBox(int number) const
{
    return this->*existing(GenerationOptions::checkBox(number), "CheckBox", number).field;
}
int GenerationSettings::upDown(int number) const
{
    return this->*existing(GenerationOptions::spin(number), "UpDown", number).field;
}
void GenerationSettings::setCheckBox(int number, bool on)
{
    this->*existing(GenerationOptions::checkBox(number), "CheckBox", number).field = on;
}
void GenerationSettings::setUpDown(int number, int value)
{
    this->*existing(GenerationOptions::spin(number), "UpDown", number).field = value;
}

Result<void> GenerationSettings::setByValueName(const QString &valueName, int value)
{
    const auto numberAfter = [&](QLatin1StringView prefix) {
        if (!valueName.startsWith(prefix))
            return -1;
        bool ok = false;
        const int number = valueName.mid(prefix.size()).toInt(&ok);
        return ok ? number : -1;
    };
    const auto needBool = [&]() -> Result<void> {
        if (value != 0 && value != 1)
            return fail(QStringLiteral("%1 takes 0 or 1, not %2").arg(valueName).arg(value));
        return {};
    };
    if (const int n = numberAfter(QLatin1StringView("Chekcbox")); n >= 0) {
        if (const CheckBoxOption *box = GenerationOptions::checkBox(n)) {
            if (auto ok = needBool(); !ok)
                return ok;
            this->*box->field = value == 1;
            return {};
        }
    }
    if (const int n = numberAfter(QLatin1StringView("UpDown")); n >= 0) {
        if (const SpinOption *spin = GenerationOptions::spin(n)) {
            const int maximum = GenerationOptions::maximumOf(*spin, *this);
            if (value < spin->minimum || value > maximum)
                return fail(QStringLiteral("%1 takes %2 to %3, not %4")
                                .arg(valueName)
                                .arg(spin->minimum)
                                .arg(maximum)
                                .arg(value));
            this->*spin->field = value;
            return {};
        }
    }
    if (const int n = numberAfter(QLatin1StringView("RadioButton")); n >= 1 && n <= 3) {
        if (auto ok = needBool(); !ok)
            return ok;
        if (value == 1)
            megaballOption = n;
        else if (megaballOption == n)
            megaballOption = n == 1 ? 2 : 1;
        return {};
    }
    return fail(QStringLiteral("unknown setting: %1").arg(valueName));
}
