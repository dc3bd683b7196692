// The component's clock.
#include "hostlib/Clock.h"

namespace tolva {
namespace {

std::function<QDateTime()>& Installed() {
    static std::function<QDateTime()> clock;
    return clock;
}

}  // namespace

QDateTime CurrentDateTime() {
    return Installed() ? Installed()() : QDateTime::currentDateTime();
}

void InstallClock(std::function<QDateTime()> clock) {
    Installed() = std::move(clock);
}

}  // namespace tolva
