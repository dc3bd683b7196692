// The clock of the component: the current date and time, replaceable by tests.
#pragma once

#include <QDateTime>

#include <functional>

namespace tolva {

// The current local date and time (the installed clock's, else the system's).
QDateTime CurrentDateTime();

// Installs a clock; an empty function restores the system clock.
void InstallClock(std::function<QDateTime()> clock);

}  // namespace tolva
