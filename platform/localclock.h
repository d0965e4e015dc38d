// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"

// The computer's own clocks, read in its local time zone, daylight saving included.
class LocalClock final : public Clock
{
public:
    DateValue now() override;
    double secondsSinceMidnight() override;
    WallTime wallTime() override;
    std::chrono::nanoseconds elapsed() override;
};

// The local wall-clock time of an instant, by the time zone's rules.
std::chrono::local_time<std::chrono::microseconds> toLocalTime(WallTime instant);

// The instant at which the local wall clock shows the given time. A time that the clock skips
// when daylight saving starts is taken as the moment the clock jumps past it.
WallTime fromLocalTime(std::chrono::local_time<std::chrono::microseconds> wallClock);
