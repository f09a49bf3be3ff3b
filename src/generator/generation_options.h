// The generation options by name, and the one table that ties each name to its control:
// every stored check box and spin control with its page, caption, range and design
// default. The option pages are built from the table, the settings store reads and
// writes through it, and GenerationSettings takes its defaults from it, so the three can
// never disagree. Control numbers and stored value names live here and on the page only.
#pragma once

#include "app/result.h"
#include "draws/game_format.h"

#include <QString>
#include <QStringList>

#include <vector>

// A plain copy of the generation options, read from the controls (or the settings
// store, or the defaults) whenever a computation needs them. A default-constructed copy
// has every option off and every value 0; defaults() holds the design values.
struct GenerationSettings {
    // Statistisch: each option adds the numbers of one band of a statistic to the pool.
    bool frequentNumbers = false;
    int frequentNumbersPercent = 0;
    bool rareNumbers = false;
    int rareNumbersPercent = 0;
    bool overdueNumbers = false;
    int overdueNumbersPercent = 0;
    bool frequentPairs = false;
    bool rarePairs = false;
    bool frequentTriples = false;
    bool rareTriples = false;
    bool frequentQuads = false;
    bool rareQuads = false;
    bool lastDrawNeighbours = false; // n-1 and n+1 of the numbers of reference draw 1

    // Schein Optimierung: the rows against each other and against past draws.
    bool maxOtherRowMatchesOn = false;
    int maxOtherRowMatches = 0; // numbers a new row may share with the rows above it
    bool minOtherRowMatchesOn = false;
    int minOtherRowMatches = 0;
    bool boundsForEachOtherRow = false; // both bounds against every row above, whatever the two boxes say
    bool wholeHistoryLimitOn = false;
    int wholeHistoryLimit = 0; // matches with any draw of the window that reject a row
    bool recentDrawsLimitOn = false;
    int recentDrawsLimit = 0; // the same over the last `recentWeeks` weeks
    int recentWeeks = 0;
    // The most matches a row may have with reference draw 1, 2 and 3; a limit of 0 takes
    // that draw's numbers out of the pool instead.
    bool lastDrawLimitOn = false;
    int lastDrawLimit = 0;
    bool drawBeforeLastLimitOn = false;
    int drawBeforeLastLimit = 0;
    bool thirdLastDrawLimitOn = false;
    int thirdLastDrawLimit = 0;
    bool megaballCounts = false; // an equal Megaball is one more match in the draw tests
    bool avoidMonths = false; // no pool entry below 13
    bool lowerDayWeight = false; // one pool entry fewer of each number 1..31

    // Mathematisch: conditions every row must meet.
    int sumFrom = 0; // the sum of the five main numbers, both ends included
    int sumTo = 0;
    bool minPrimesOn = false;
    int minPrimes = 0; // among the five main numbers and the Megaball
    bool minEvenOn = false;
    int minEven = 0;
    bool minOddOn = false;
    int minOdd = 0;
    bool pairRule = false; // two consecutive numbers in every row
    bool noGroups = false; // never three consecutive numbers

    // MegaBall: how a row's Megaball is chosen.
    enum MegaballChoice : int { RandomMegaball = 1, RarestMegaball = 2, LongestOverdueMegaball = 3 };
    int megaballOption = RandomMegaball;
    bool avoidRecentMegaball = false;
    int recentMegaballDraws = 0; // no Megaball drawn within this many draws

    // Allgemein, and the row count beside the button.
    bool onlyPreferredNumbers = false; // no base fill of every number
    bool showPreferredList = false; // the preferred-number list before the rows are drawn
    int attemptThousands = 0;
    int rowsToCompute = 0; // counted from row 1

    static GenerationSettings defaults();

    // `AttemptLimit`: the generation's attempt budget.
    int attemptLimit() const { return attemptThousands * 1000; }

    struct DrawLimit {
        bool on;
        int limit;
    };
    // The limit against reference draw k = 1, 2 or 3.
    DrawLimit referenceDrawLimit(int k) const
    {
        return k == 1 ? DrawLimit{lastDrawLimitOn, lastDrawLimit}
            : k == 2  ? DrawLimit{drawBeforeLastLimitOn, drawBeforeLastLimit}
                      : DrawLimit{thirdLastDrawLimitOn, thirdLastDrawLimit};
    }

    // By control number, for the option pages, the stored values and tests; an unknown
    // number throws std::out_of_range.
    bool checkBox(int number) const;
    int upDown(int number) const;
    void setCheckBox(int number, bool on);
    void setUpDown(int number, int value);

    // Sets one value by its settings-store name ("Chekcbox2", "UpDown13", "RadioButton2");
    // booleans take 0 or 1, spin values are checked against the control's range.
    Result<void> setByValueName(const QString &valueName, int value);

    friend bool operator==(const GenerationSettings &, const GenerationSettings &) = default;
};

using CheckBoxField = bool GenerationSettings::*;
using SpinField = int GenerationSettings::*;

enum class OptionPage { Mathematisch, Statistisch, ScheinOptimierung, Allgemein, MegaBall, TipSheet };

struct CheckBoxOption {
    int number; // CheckBox<number>
    CheckBoxField field;
    bool checkedByDefault;
    OptionPage page;
    const char16_t *caption;
    const char16_t *hint; // empty when the box has none
};

struct SpinOption {
    int number; // UpDown<number>
    SpinField field;
    int editNumber; // Edit<editNumber>, the spin control's edit field
    int minimum;
    int maximum;
    int defaultValue;
    OptionPage page;
};

struct RadioOption {
    int number; // RadioButton<number>, megaballOption = number
    const char16_t *caption;
};

namespace GenerationOptions {
// The stored check boxes in number order: 1..16, 18..20, 22..31 (17 does not exist,
// 21 is the hidden "Browser" box).
const std::vector<CheckBoxOption> &checkBoxes();
// UpDown1..UpDown19 in number order.
const std::vector<SpinOption> &spins();
const std::vector<RadioOption> &radioButtons();
const CheckBoxOption *checkBox(int number);
const SpinOption *spin(int number);
// The row of a named option; every field has one.
const CheckBoxOption &checkBoxOf(CheckBoxField field);
const SpinOption &spinOf(SpinField field);

// The settings store spells the check boxes "Chekcbox<n>".
QString checkBoxValueName(int number);
QString spinValueName(int number);
QString radioValueName(int number);
// The maximum of UpDown6 follows CheckBox31: 7 with the Megaball counted, else 5.
int upDown6Maximum(bool megaballCounted);
// A spin's maximum under the other settings: the whole-history limit follows whether the
// Megaball counts.
int maximumOf(const SpinOption &spin, const GenerationSettings &settings);

// The range a spin takes in a game format: the options that count in main numbers (the
// three band sizes UpDown12..14) end at the format's largest number, the sum range
// (UpDown1, UpDown2) lies within the sums five of its numbers can have; the others keep
// maximumOf. In the classic format every range is the control's own.
struct SpinRange {
    int minimum;
    int maximum;
};
SpinRange rangeIn(const SpinOption &spin, const GenerationSettings &settings, const Games::GameFormat &format);
// The settings with each of those options brought to the nearer end of its range in the
// format; nothing else changes. `changes` gets one line per value moved, "UpDown12 = 75
// is 70 in mm-2017", so that the caller can say so.
GenerationSettings clampedTo(
    const GenerationSettings &settings, const Games::GameFormat &format, QStringList *changes = nullptr);
} // namespace GenerationOptions
