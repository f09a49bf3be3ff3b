#include "app/clock.h"

namespace {
std::optional<QDate> pinnedToday;
}

QDate Clock::today()
{
    return pinnedToday ? *pinnedToday : QDate::currentDate();
}

void Clock::setToday(std::optional<QDate> date)
{
    pinnedToday = date;
}
