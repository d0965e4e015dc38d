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

    // The computer's clock now.
    static WallTime wallClockNow();

    // The local wall-clock time of an instant, in the local time zone.
    static std::chrono::local_time<std::chrono::microseconds> toLocal(WallTime instant);

    // The instant at which the local wall clock shows the given time. A time that the clock skips
    // when daylight saving starts is taken as the moment the clock jumps past it.
    static WallTime fromLocal(std::chrono::local_time<std::chrono::microseconds> wallClock);

    // Time since boot, suspend included; it never jumps when the wall clock is set.
    static std::chrono::nanoseconds bootTime();
};
