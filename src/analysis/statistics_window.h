// The date window every statistic and history test counts in: start S and end E. Some
// counts include a draw dated exactly S (closed window), others start after it
// (half-open window); a draw dated E always counts. The window's game format gives the
// ranges the counts cover; the draws counted are those handed in (a caller that mixes
// formats picks the draws of this one first, Games::drawsOf).
#pragma once

#include "draws/game_format.h"

#include <QDate>

struct StatisticsWindow {
    QDate start;
    QDate end;
    const Games::GameFormat *format = &Games::classic();

    bool containsClosed(QDate date) const { return date >= start && date <= end; }
    bool containsHalfOpen(QDate date) const { return date > start && date <= end; }
    bool contains(QDate date, bool startIncluded) const
    {
        return startIncluded ? containsClosed(date) : containsHalfOpen(date);
    }
};
