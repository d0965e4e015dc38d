// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"

// The computer's own local clock, in its time zone, daylight saving included.
class LocalClock final : public Clock
{
public:
    DateValue now() override;
    double secondsSinceMidnight() override;
    std::chrono::nanoseconds elapsed() override;

    // The wall-clock time of day of a system-clock instant, in the local time zone.
    static std::chrono::local_time<std::chrono::nanoseconds>
    toLocal(std::chrono::system_clock::time_point instant);
};
