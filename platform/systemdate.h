// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

#include <QString>

#include <functional>

/**
 * The computer's date as the preview and the exit see it: read it, set it from a date text, and
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

    /** The present date as a date text ("12-25-1992"). */
    virtual QString currentDateText() = 0;

    /**
     * Makes the date of the given date text (read month first) the calendar date. The time of day
     * runs on unchanged.
     */
    virtual void setDate(const QString& dateText, Finished finished) = 0;

    /**
     * Puts back the true present date and time, if this object has changed the date (or may have)
     * and not put it back since; otherwise answers success at once. Calling it again is harmless.
     */
    virtual void restore(Finished finished) = 0;

    /**
     * For the very end of the program, where no event loop runs: waits for the answer to a change
     * still under way (its callback runs before this returns).
     */
    virtual void finishPending() = 0;

    /**
     * The restore, for the very end of the program: waits for its answer without an event loop
     * and returns it. Nothing may be under way.
     */
    virtual DateChange restoreNow() = 0;

    /** Whether the date is changed now by this object, or may be. */
    virtual bool isChanged() const = 0;
};
