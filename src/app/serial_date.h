// Dates as stored in the draw file and the settings store: a double counting days
// since 30.12.1899 (day 0), whole days only.
#pragma once

#include <QDate>

namespace SerialDate {
inline QDate epoch()
{
    return QDate(1899, 12, 30);
}
double fromDate(QDate date);
// The fraction of a day (a time) is dropped; a value outside QDate's range gives an
// invalid date.
QDate toDate(double serial);
} // namespace SerialDate
