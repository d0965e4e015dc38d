// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

#include <chrono>
#include <functional>

/**
 * A way of changing the date that the preview and the end of the run use: read it, set it, and
 * put back the true present date and time. Changes are answered through a callback, which may
 * come before the call returns or later from the event loop (a person may be asked for a
 * password meanwhile). The caller starts one change at a time: never a new one before the last
 * one's answer.
 */
class SystemDate
{
public:
    using Finished = std::function<void(const DateChange&)>;

    virtual ~SystemDate() = default;

    /** The calendar date it reads now. */
    virtual std::chrono::year_month_day currentDate() = 0;

    /** Makes the given day the calendar date. The time of day runs on unchanged. */
    virtual void setDate(std::chrono::year_month_day date, Finished finished) = 0;

    /**
     * Puts back the true present date and time, if this way has changed the date (or may have)
     * and not put it back since; otherwise answers success at once. Calling it again is harmless.
     */
    virtual void restore(Finished finished) = 0;

    /**
     * The restore for the end of the program, where no event loop runs: waits for the answer to
     * a change still under way (its callback runs before this returns), then puts the date back
     * as restore() does, waiting at most the timeout for that answer. A restore that was itself
     * under way is not asked again: its answer is the answer.
     */
    virtual DateChange restoreBlocking(std::chrono::milliseconds timeout) = 0;

    /** Whether the date is changed now by this way, or may be. */
    virtual bool isChanged() const = 0;
};
