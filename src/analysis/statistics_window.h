// The date window every statistic and history test counts in: start S and end E. Some
// counts include a draw dated exactly S (closed window), others start after it
// (half-open window); a draw dated E always counts.
#pragma once

#include <QDate>

struct StatisticsWindow {
    QDate start;
    QDate end;

    bool containsClosed(QDate date) const { return date >= start && date <= end; }
    bool containsHalfOpen(QDate date) const { return date > start && date <= end; }
    bool contains(QDate date, bool startIncluded) const
    {
        return startIncluded ? containsClosed(date) : containsHalfOpen(date);
    }
};
