#include "analysis/shown_draw.h"

#include <algorithm>

ShownDrawState ShownDraw::showAndEvaluate(
    const std::vector<Draw> &draws, QDate pickerDate, const ShownDrawState &before, QDate pickerMinimum)
{
    ShownDrawState state = before;
    state.displayed = false;
    state.selectedDate = pickerDate;
    const DrawPick::Pick pick = DrawPick::forDate(draws, pickerDate);
    state.shownDrawIndex = draws.empty() ? -1 : (pick.index >= 0 ? pick.index : int(draws.size()) - 1);
    if (pick.index >= 0) {
        state.shownDraw = draws[size_t(pick.index)];
        state.displayed = true;
        state.style = pick.style;
    }
    // The picker refuses a date before its minimum and takes the minimum instead (an
    // invalid date, from a history that never showed a draw, counts as before it).
    if (!state.shownDraw.date.isValid() || state.shownDraw.date < pickerMinimum)
        state.shownDraw.date = pickerMinimum;
    state.pickerDate = state.shownDraw.date;
    return state;
}

ShownDrawState ShownDraw::nextDraw(
    const std::vector<Draw> &draws, QDate statisticsStart, const ShownDrawState &before, QDate pickerMinimum)
{
    ShownDrawState state = before;
    state.displayed = false;
    state.selectedDate = statisticsStart;
    if (draws.empty())
        return state;
    state.shownDrawIndex = std::clamp(before.shownDrawIndex + 1, 0, int(draws.size()) - 1);
    state.shownDraw = draws[size_t(state.shownDrawIndex)];
    state.displayed = true;
    state.style = DrawDisplay::Style::Navigation;
    state.pickerDate = std::max(state.shownDraw.date, pickerMinimum);
    return state;
}
