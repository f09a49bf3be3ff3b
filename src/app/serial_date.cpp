#include "app/serial_date.h"

#include <cmath>

double SerialDate::fromDate(QDate date)
{
    return double(epoch().daysTo(date));
}

QDate SerialDate::toDate(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 1e9)
        return {};
    return epoch().addDays(qint64(std::floor(serial)));
}
