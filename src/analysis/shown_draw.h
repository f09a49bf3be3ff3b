// Where `ShowAndEvaluate` and the next-draw navigation leave the shown draw, its record
// number, `SelectedDate` and the date picker of the Datenbank page, as plain data: the
// historical analyses replay both many times without a window.
#pragma once

#include "draws/draw.h"
#include "draws/draw_display.h"

#include <QDate>

#include <vector>

struct ShownDrawState {
    Draw shownDraw; // ShownDraw
    int shownDrawIndex = 0; // ShownDrawIndex
    QDate selectedDate; // SelectedDate
    QDate pickerDate; // DateTimePicker1
    // How the draw display was written; no display at all when `displayed` is false
    // (an empty history keeps the draw shown before).
    bool displayed = false;
    DrawDisplay::Style style = DrawDisplay::Style::Navigation;
};

namespace ShownDraw {
// The minimum date of DateTimePicker1 (and of the manual entry's picker).
inline const QDate PickerMinimum(2000, 5, 17);

// `ShowAndEvaluate` for the date the picker holds (the evaluation of the sheet is the
// caller's): the first draw on or after it, else the newest; the picker then shows that
// draw's date, or its minimum when the date lies before it (the shown draw takes that
// date too). `before` is the state before the call: an empty history keeps its draw,
// and the record number becomes -1 (no record).
ShownDrawState showAndEvaluate(const std::vector<Draw> &draws, QDate pickerDate, const ShownDrawState &before,
    QDate pickerMinimum = PickerMinimum);

// The next-draw navigation (SpeedButton7): `SelectedDate` := the statistics start
// (DateTimePicker2), one record on, never past the last one. An empty history changes
// nothing but `SelectedDate`.
ShownDrawState nextDraw(const std::vector<Draw> &draws, QDate statisticsStart, const ShownDrawState &before,
    QDate pickerMinimum = PickerMinimum);
} // namespace ShownDraw
