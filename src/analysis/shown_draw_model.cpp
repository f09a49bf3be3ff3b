#include "analysis/shown_draw_model.h"

ShownDrawModel::ShownDrawModel(QObject *parent)
    : QObject(parent)
{ }

ShownDrawState ShownDrawModel::state(QDate pickerDate) const
{
    ShownDrawState shown;
    shown.shownDraw = m_draw;
    shown.shownDrawIndex = m_index;
    shown.selectedDate = m_selectedDate;
    shown.pickerDate = pickerDate;
    shown.displayed = true;
    return shown;
}

void ShownDrawModel::setSelectedDate(QDate date)
{
    m_selectedDate = date;
    emit changed();
}

void ShownDrawModel::setDraw(const Draw &draw)
{
    m_draw = draw;
    emit changed();
}

void ShownDrawModel::setDraw(const Draw &draw, int index)
{
    m_draw = draw;
    m_index = index;
    emit changed();
}

void ShownDrawModel::setState(const ShownDrawState &state)
{
    m_draw = state.shownDraw;
    m_index = state.shownDrawIndex;
    m_selectedDate = state.selectedDate;
    emit changed();
}

ShownDrawState ShownDrawModel::showForDate(const std::vector<Draw> &draws, QDate pickerDate, QDate pickerMinimum)
{
    const ShownDrawState shown = ShownDraw::showAndEvaluate(draws, pickerDate, state(pickerDate), pickerMinimum);
    setState(shown);
    return shown;
}

const SheetEvaluation &ShownDrawModel::evaluate(const TipSheetTexts &sheet)
{
    m_tally.clear();
    if (!m_evaluationEnabled)
        return m_evaluation;
    m_evaluation = SheetEvaluation::of(sheet, m_draw);
    m_tally = m_evaluation.tally;
    if (m_evaluation.lastHit)
        m_lastHit = *m_evaluation.lastHit;
    emit changed();
    return m_evaluation;
}
