#include "analysis/hit_rule.h"

#include <utility>

HitResult HitRule::zettelcheck(const TipRowTexts &row, const Draw &shown)
{
    HitResult result;
    for (int j = 0; j < Game::MainCount; ++j) {
        for (int k = 0; k < TipRows::MainFields; ++k) {
            const auto value = TipRows::toInteger(row[size_t(k)]);
            if (!value)
                return result;
            if (*value == shown.numbers[size_t(j)]) {
                result.fieldHits[size_t(k)] = true;
                ++result.hitCount;
            }
        }
    }
    const auto megaball = TipRows::toInteger(row[TipRows::MegaballSlot]);
    if (megaball && *megaball == shown.megaball)
        result.megaballHit = true;
    return result;
}

HitRule::RowEvaluation HitRule::evaluateRow(int row, const TipRowTexts &texts, const Draw &shown)
{
    RowEvaluation evaluation;
    std::array<int, TipRows::MainFields> values{};
    for (int k = 0; k < TipRows::MainFields; ++k) {
        const auto value = TipRows::toInteger(texts[size_t(k)]);
        if (!value)
            return evaluation;
        values[size_t(k)] = *value & 0xFF; // kept as one byte
        evaluation.sum += values[size_t(k)];
    }
    // The exchange sort the sheet has always used; any correct sort gives the same row.
    for (size_t i = 0; i < values.size(); ++i)
        for (size_t k = i; k < values.size(); ++k)
            if (values[k] < values[i])
                std::swap(values[k], values[i]);

    TipRowTexts sorted = texts;
    for (size_t k = 0; k < values.size(); ++k) {
        evaluation.sortedTexts[k] = QString::number(values[k]);
        sorted[k] = evaluation.sortedTexts[k];
    }
    evaluation.hit = zettelcheck(sorted, shown);
    evaluation.evaluated = true;
    evaluation.hitText = QString::number(evaluation.hit.hitCount);
    evaluation.highlighted = evaluation.hit.hitCount > 2 || evaluation.hit.megaballHit;
    if (evaluation.hit.megaballHit)
        evaluation.hitText += row == 11 ? QStringLiteral(" +MB") : QStringLiteral(" + MB");
    return evaluation;
}
