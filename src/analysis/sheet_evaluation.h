// `Komplettcheck` as a computation: all twelve rows of a sheet against the shown draw.
// The window applies the result to its fields and labels; the command-line tool prints
// the sheet as the evaluation leaves it.
#pragma once

#include "analysis/hit_rule.h"

#include <optional>

struct SheetEvaluation {
    std::array<HitRule::RowEvaluation, TipRows::RowCount> rows{};
    HitClassTally tally;
    // The hit rule's results as the last evaluated row left them, when any row was.
    std::optional<HitResult> lastHit;
    bool playSound = false;

    static SheetEvaluation of(const TipSheetTexts &sheet, const Draw &shown);
    // The sheet with the main numbers of every evaluated row sorted, as the fields read
    // after the evaluation.
    TipSheetTexts sortedSheet(const TipSheetTexts &sheet) const;
};
