// SPDX-License-Identifier: MIT
#pragma once

#include "clocksetter.h"

// Sets the clock directly through the kernel. Only a process that holds the right to set the
// clock may do so; the hardware clock is left alone.
class KernelClockSetter final : public ClockSetter
{
public:
    // Whether this process holds the right to set the clock right now.
    static bool processMaySetClock();

    DateChange setTime(std::chrono::system_clock::time_point instant) override;
};
