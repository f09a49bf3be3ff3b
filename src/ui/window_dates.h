// The two dates that select what the window computes over: the draw date of the
// Datenbank page (`DateTimePicker1`, the end of every statistics window and the date
// `ShowAndEvaluate` shows) and the statistics start of the Diagramm page
// (`DateTimePicker2`). Read and written here, in one place.
#pragma once

#include "analysis/statistics_window.h"

#include <QDate>

class QDateEdit;

class WindowDates {
public:
    WindowDates(QDateEdit &drawDate, QDateEdit &statisticsStart)
        : m_drawDate(drawDate)
        , m_start(statisticsStart)
    { }

    QDate drawDate() const;
    void setDrawDate(QDate date);
    QDate drawDateMinimum() const;
    QDate statisticsStart() const;
    // From the statistics start to the draw date.
    StatisticsWindow statisticsWindow() const { return {statisticsStart(), drawDate()}; }

    QDateEdit &drawPicker() { return m_drawDate; }
    QDateEdit &startPicker() { return m_start; }

private:
    QDateEdit &m_drawDate;
    QDateEdit &m_start;
};
