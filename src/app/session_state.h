// The few values the main window holds for the whole run beside its controls.
#pragma once

#include "draws/draw.h"

#include <QDate>
#include <QString>

#include <array>

// How many rows of the last sheet evaluation had k hits (0..5), without and with the
// Megaball.
struct HitClassTally {
    std::array<std::array<int, 2>, 6> cells{};

    int at(int hits, bool megaball) const { return cells.at(size_t(hits)).at(megaball ? 1 : 0); }
    void add(int hits, bool megaball) { ++cells.at(size_t(hits)).at(megaball ? 1 : 0); }
    void clear() { cells = {}; }
};

// The results of the last comparison of one tip row with the shown draw.
struct HitResult {
    int hitCount = 0;
    bool megaballHit = false;
    std::array<bool, 5> fieldHits{};
};

struct SessionState {
    QString programDirectory; // with a trailing separator
    QDate selectedDate; // selects the draw to show and evaluate
    Draw shownDraw; // what the draw labels show and the checks compare with
    int shownDrawIndex = 0; // its 0-based record number
    bool editChecksEnabled = false; // leaving a tip field evaluates the sheet
    int attemptLimit = 100000; // the generation's attempt budget
    int languageIndex = 0; // 1..8, 0 while no language was applied
    int designHeight = 0; // the height the pages were last scaled against
    bool generationRunning = false;
    HitResult lastHit;
    HitClassTally tally;
};
