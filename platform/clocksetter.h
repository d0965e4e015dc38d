// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

#include <QString>

#include <chrono>
#include <functional>

/**
 * A way to set the computer's real-time clock. Implementations exist per platform mechanism. A
 * change is given as an offset from the clock's own reading at the moment the change is made, so
 * time spent waiting for permission (a password prompt) cannot skew it.
 */
class ClockSetter
{
public:
    using Finished = std::function<void(const DateChange&)>;

    virtual ~ClockSetter() = default;

    /** A short, stable name of the way ("kernel", "timedated"), as kept in the note of a change. */
    virtual QString way() const = 0;

    /**
     * Moves the clock by the offset. Returns at once; finished is called exactly once with the
     * outcome, possibly before this returns, otherwise later from the event loop. Only one change
     * may be under way at a time.
     */
    virtual void shift(std::chrono::microseconds offset, Finished finished) = 0;

    /** Whether a change is still waiting for its answer. */
    virtual bool isPending() const = 0;

    /**
     * For the end of the program, where no event loop runs: waits for the change still waiting
     * for its answer, if any, at most as long as that change's own timeout; its finished is
     * called before this returns.
     */
    virtual void waitForAnswer() = 0;

    /**
     * For the end of the program: moves the clock by the offset and waits at most the timeout
     * for the answer, without an event loop. Nothing may be pending.
     */
    virtual DateChange shiftNow(
        std::chrono::microseconds offset, std::chrono::milliseconds timeout) = 0;
};
