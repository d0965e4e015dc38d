// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

#include <chrono>

/**
 * A way to set the computer's real-time clock. Implementations exist per platform mechanism; each
 * either sets the clock or refuses with a reason, and never leaves it half set.
 */
class ClockSetter
{
public:
    virtual ~ClockSetter() = default;

    /**
     * Sets the computer's clock to the given instant. Blocks until the clock is set or the attempt
     * is refused (which may include the time a person takes to answer a password prompt).
     */
    virtual DateChange setTime(std::chrono::system_clock::time_point instant) = 0;
};
