// The program's one notion of "today". Tests pin it; everything else asks here instead
// of reading the system clock directly.
#pragma once

#include <QDate>

#include <optional>

namespace Clock {
QDate today();
// Pins today to a fixed date (tests); std::nullopt returns to the system clock.
void setToday(std::optional<QDate> date);
} // namespace Clock
