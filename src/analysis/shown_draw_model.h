// The shown draw of the window and the sheet's evaluation against it: the date that
// selects it (`SelectedDate`), the draw the draw labels show and every check compares
// with (`ShownDraw`), its record number (`ShownDrawIndex`, -1 for an empty history) and
// what the last evaluation found in each row. Every command that shows a draw or
// evaluates the sheet goes through here; the pages show what it holds.
#pragma once

#include "analysis/hit_rule.h"
#include "analysis/sheet_evaluation.h"
#include "analysis/shown_draw.h"
#include "draws/draw.h"

#include <QDate>
#include <QObject>

#include <vector>

class ShownDrawModel : public QObject {
    Q_OBJECT
public:
    explicit ShownDrawModel(QObject *parent = nullptr);

    QDate selectedDate() const { return m_selectedDate; }
    const Draw &draw() const { return m_draw; }
    int index() const { return m_index; }
    // As the historical analyses take it over and hand it back.
    ShownDrawState state(QDate pickerDate) const;

    void setSelectedDate(QDate date);
    // A draw shown without moving the record number (the history search's walk, the
    // repeat analysis's scan).
    void setDraw(const Draw &draw);
    void setDraw(const Draw &draw, int index);
    void setState(const ShownDrawState &state);

    // `ShowAndEvaluate`: the draw of the picker's date, as ShownDraw::showAndEvaluate
    // finds it, becomes the shown one; the caller shows the returned display and picker
    // date, then evaluates.
    ShownDrawState showForDate(const std::vector<Draw> &draws, QDate pickerDate, QDate pickerMinimum);

    // Leaving a tip field evaluates the sheet only while this is on (off during a
    // generation run and at start-up).
    bool evaluationEnabled() const { return m_evaluationEnabled; }
    void setEvaluationEnabled(bool enabled) { m_evaluationEnabled = enabled; }

    // `Komplettcheck`: the sheet against the shown draw. The tally is cleared first and
    // stays empty while evaluation is off (nothing is evaluated then).
    const SheetEvaluation &evaluate(const TipSheetTexts &sheet);
    const SheetEvaluation &evaluation() const { return m_evaluation; }
    const HitClassTally &tally() const { return m_tally; }
    // The hit rule's results as the last compared row left them.
    const HitResult &lastHit() const { return m_lastHit; }
    void setLastHit(const HitResult &hit) { m_lastHit = hit; }

signals:
    void changed();

private:
    QDate m_selectedDate;
    Draw m_draw;
    int m_index = 0;
    bool m_evaluationEnabled = false;
    SheetEvaluation m_evaluation;
    HitClassTally m_tally;
    HitResult m_lastHit;
};
