#pragma once
// The bookings as the screens and the command line show them: slot times,
// hours per worker and the double-booking warning of the shift editors.

#include "Bookings.h"

#include <QString>

#include <vector>

namespace bookings {

// "hh:mm-hh:mm", as the clock shows the two times.
QString spanText(const Span& span);

// "H:MM": hours not padded, minutes two digits.
QString hoursText(int minutes);

// The warning line an editor shows once table `number` is saved: the first
// double booking it is part of, naming the worker, the other table and both
// times; empty when it has none.
QString doubleBookingWarning(const std::vector<Conflict>& conflicts, qint64 number);

} // namespace bookings
