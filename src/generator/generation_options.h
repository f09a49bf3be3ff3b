// The generation options as one table: every stored check box and spin control with its
// page, caption, range and design default. The option pages are built from it, the
// settings store reads and writes through it, and GenerationSettings takes its defaults
// from it, so the three can never disagree.
#pragma once

#include "app/result.h"

#include <QString>

#include <array>
#include <map>
#include <vector>

enum class OptionPage { Mathematisch, Statistisch, ScheinOptimierung, Allgemein, MegaBall, TipSheet };

struct CheckBoxOption {
    int number; // CheckBox<number>
    bool checkedByDefault;
    OptionPage page;
    const char16_t *caption;
    const char16_t *hint; // empty when the box has none
};

struct SpinOption {
    int number; // UpDown<number>
    int editNumber; // Edit<editNumber>, the spin control's edit field
    int minimum;
    int maximum;
    int defaultValue;
    OptionPage page;
};

struct RadioOption {
    int number; // RadioButton<number>
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

// The settings store spells the check boxes "Chekcbox<n>".
QString checkBoxValueName(int number);
QString spinValueName(int number);
QString radioValueName(int number);
// The maximum of UpDown6 follows CheckBox31: 7 with the Megaball counted, else 5.
int upDown6Maximum(bool megaballCounted);
} // namespace GenerationOptions

// A plain copy of the generation options, read from the controls (or the settings
// store, or the defaults) whenever a computation needs them.
struct GenerationSettings {
    std::array<bool, 32> checkBoxes{}; // index = control number
    std::array<int, 20> upDowns{}; // index = control number
    int megaballOption = 1; // 1..3: RadioButton1..RadioButton3

    static GenerationSettings defaults();

    bool checkBox(int number) const { return checkBoxes.at(size_t(number)); }
    int upDown(int number) const { return upDowns.at(size_t(number)); }
    void setCheckBox(int number, bool on) { checkBoxes.at(size_t(number)) = on; }
    void setUpDown(int number, int value) { upDowns.at(size_t(number)) = value; }
    // `AttemptLimit`: the generation's attempt budget, UpDown7 thousand attempts.
    int attemptLimit() const { return upDown(7) * 1000; }

    // Sets one value by its settings-store name ("Chekcbox2", "UpDown13", "RadioButton2");
    // booleans take 0 or 1, spin values are checked against the control's range.
    Result<void> setByValueName(const QString &valueName, int value);

    friend bool operator==(const GenerationSettings &, const GenerationSettings &) = default;
};
