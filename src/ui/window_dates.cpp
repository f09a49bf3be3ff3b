#include "ui/window_dates.h"

#include <QDateEdit>

QDate WindowDates::drawDate() const
{
    return m_drawDate.date();
}

void WindowDates::setDrawDate(QDate date)
{
    m_drawDate.setDate(date);
}

QDate WindowDates::drawDateMinimum() const
{
    return m_drawDate.minimumDate();
}

QDate WindowDates::statisticsStart() const
{
    return m_start.date();
}
