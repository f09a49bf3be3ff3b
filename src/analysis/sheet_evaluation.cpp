#include "analysis/sheet_evaluation.h"

SheetEvaluation SheetEvaluation::of(const TipSheetTexts &sheet, const Draw &shown)
{
    SheetEvaluation result;
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        HitRule::RowEvaluation &evaluation = result.rows[size_t(row - 1)];
        evaluation = HitRule::evaluateRow(row, sheet[size_t(row - 1)], shown);
        if (!evaluation.evaluated)
            continue;
        result.lastHit = evaluation.hit;
        if (evaluation.hit.hitCount <= 5)
            result.tally.add(evaluation.hit.hitCount, evaluation.hit.megaballHit);
        result.playSound = result.playSound || evaluation.highlighted;
    }
    return result;
}

TipSheetTexts SheetEvaluation::sortedSheet(const TipSheetTexts &sheet) const
{
    TipSheetTexts sorted = sheet;
    for (size_t row = 0; row < sorted.size(); ++row) {
        if (!rows[row].evaluated)
            continue;
        for (size_t slot = 0; slot < size_t(TipRows::MainFields); ++slot)
            sorted[row][slot] = rows[row].sortedTexts[slot];
    }
    return sorted;
}
