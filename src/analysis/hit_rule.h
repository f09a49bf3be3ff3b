// The hit rule and the evaluation of one sheet row against the shown draw, as plain
// computations; the windows only apply the results to their controls.
#pragma once

#include "draws/draw.h"
#include "tipsheet/tip_rows.h"

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

namespace HitRule {
// `Zettelcheck`: counts the row's main-number fields equal to a drawn main number and
// compares the Megaball field. Counts fields, not distinct numbers. Stops at the first
// field that does not convert, keeping what was found so far.
HitResult zettelcheck(const TipRowTexts &row, const Draw &shown);

// What `Komplettcheck` does to one row.
struct RowEvaluation {
    // False when a main-number field is empty or not a number: the row is then reset
    // (hit label emptied, all seven fields in the window colour, sum label kept).
    bool evaluated = false;
    int sum = 0;
    std::array<QString, TipRows::MainFields> sortedTexts; // written back into the fields
    HitResult hit;
    QString hitText; // "2", "2 + MB" (row 11: "2 +MB")
    bool highlighted = false; // red text, and the hit sound plays
};
RowEvaluation evaluateRow(int row, const TipRowTexts &texts, const Draw &shown);
} // namespace HitRule
