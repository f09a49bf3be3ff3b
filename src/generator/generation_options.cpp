#include "generator/generation_options.h"

#include <algorithm>

namespace {
using P = OptionPage;

const std::vector<CheckBoxOption> checkBoxTable{
    {1, false, P::Statistisch, u"Zahlen mit einer häufigen Paarebildung bevorzugen", u""},
    {2, false, P::Statistisch, u"Zahlen die besonders oft gezogen wurden bevorzugen", u""},
    {3, true, P::ScheinOptimierung, u"maximale Übereinstimmungen mit anderen Tipps:", u""},
    {4, true, P::ScheinOptimierung, u"maximale Übereinstimmung mit der letzten Ziehung zulassen:", u""},
    {5, true, P::ScheinOptimierung, u"maximale Übereinstimmung mit Zahlen der vorletzten Ziehung:", u""},
    {6, false, P::Statistisch, u"Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", u""},
    {7, false, P::Statistisch, u"Zahlen mit einer häufigen Viergruppenbildung bevorzugen", u""},
    {8, false, P::Mathematisch, u"eine Paarbildung pro Tipp erzwingen", u""},
    {9, true, P::ScheinOptimierung, u"Tipp darf noch keinen              er aus der Datenbank entsprechen", u""},
    {10, true, P::Statistisch, u"Zahlen die am längsten überfällig sind", u""},
    {11, false, P::Statistisch, u"seltensten", u""},
    {12, false, P::Statistisch, u"seltensten", u""},
    {13, false, P::Statistisch, u"seltensten", u""},
    {14, false, P::Statistisch, u"Zahlen die besonders selten gezogen wurden bevorzugen", u""},
    {15, false, P::Allgemein, u"für den Tipp nur bevorzugte Zahlen verwenden!", u""},
    {16, true, P::MegaBall, u"keine Megaball Zahl aus den letzten Ziehungen", u""},
    {18, true, P::Mathematisch, u"keine Dreier, Vierer... Gruppen", u""},
    {19, false, P::Statistisch, u"benachbarte Zahlen der letzten Ziehung bevorzugen", u""},
    {20, false, P::Allgemein, u"Liste für Zahlenreihengenerierung anzeigen / bearbeiten", u""},
    {22, false, P::Mathematisch, u"mindest Anzahl der Primzahlen pro Tipp", u""},
    {23, true, P::ScheinOptimierung, u"maximale Übereinstimmung mit der vorvorletzten Ziehung:", u""},
    {24, true, P::ScheinOptimierung, u"minimale Übereinstimmungen mit anderen Tipps:", u""},
    {25, false, P::Mathematisch, u"mindest Anzahl der gerade Zahlen in jedem Tipp", u""},
    {26, false, P::Mathematisch, u"mindestAnzahl der ungerade Zahlen in jedem Tipp", u""},
    {27, true, P::ScheinOptimierung, u"Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", u""},
    {28, true, P::ScheinOptimierung, u"Tipp darf keinen              er aus den letzten              Ziehungen sein",
        u""},
    {29, false, P::ScheinOptimierung, u"vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", u""},
    {30, false, P::ScheinOptimierung,
        u"Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", u""},
    {31, true, P::ScheinOptimierung, u"Megaball in Übereinstimmungsberechnung mit einbeziehen!", u""},
};

const std::vector<SpinOption> spinTable{
    {1, 37, 21, 279, 50, P::Mathematisch},
    {2, 38, 21, 239, 200, P::Mathematisch},
    {3, 39, 0, 5, 2, P::ScheinOptimierung},
    {4, 40, 0, 5, 0, P::ScheinOptimierung},
    {5, 41, 0, 5, 0, P::ScheinOptimierung},
    {6, 42, 3, 7, 4, P::ScheinOptimierung},
    {7, 55, 1, 30000, 50, P::Allgemein},
    {8, 80, 1, 12, 5, P::TipSheet},
    {9, 88, 0, 5, 1, P::ScheinOptimierung},
    {10, 83, 0, 6, 2, P::Mathematisch},
    {11, 84, 0, 5, 0, P::ScheinOptimierung},
    {12, 85, 5, 75, 30, P::Statistisch},
    {13, 86, 5, 75, 30, P::Statistisch},
    {14, 87, 5, 75, 20, P::Statistisch},
    {15, 89, 0, 6, 2, P::Mathematisch},
    {16, 90, 0, 6, 2, P::Mathematisch},
    {17, 91, 2, 6, 3, P::ScheinOptimierung},
    {18, 92, 4, 128, 60, P::ScheinOptimierung},
    {19, 105, 1, 10, 5, P::MegaBall},
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

GenerationSettings GenerationSettings::defaults()
{
    GenerationSettings settings;
    for (const CheckBoxOption &option : checkBoxTable)
        settings.checkBoxes[size_t(option.number)] = option.checkedByDefault;
    for (const SpinOption &option : spinTable)
        settings.upDowns[size_t(option.number)] = option.defaultValue;
    settings.megaballOption = 1;
    return settings;
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
    if (const int n = numberAfter(QLatin1StringView("Chekcbox")); n >= 0 && GenerationOptions::checkBox(n)) {
        if (auto ok = needBool(); !ok)
            return ok;
        checkBoxes[size_t(n)] = value == 1;
        return {};
    }
    if (const int n = numberAfter(QLatin1StringView("UpDown")); n >= 0) {
        if (const SpinOption *spin = GenerationOptions::spin(n)) {
            int maximum = spin->maximum;
            if (n == 6)
                maximum = GenerationOptions::upDown6Maximum(checkBox(31));
            if (value < spin->minimum || value > maximum)
                return fail(QStringLiteral("%1 takes %2 to %3, not %4")
                                .arg(valueName)
                                .arg(spin->minimum)
                                .arg(maximum)
                                .arg(value));
            upDowns[size_t(n)] = value;
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
