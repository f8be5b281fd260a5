#include "Clock.h"

namespace {
Clock systemClock;
Clock* current = &systemClock;
} // namespace

Clock& Clock::instance()
{
    return *current;
}

void Clock::install(Clock* clock)
{
    current = clock ? clock : &systemClock;
}
