// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

#include <QString>

/**
 * The computer's date as the preview and the exit see it: read it, set it from a date text, and
 * put back the true present date and time.
 */
class SystemDate
{
public:
    virtual ~SystemDate() = default;

    /** The present date as a date text ("12-25-1992"). */
    virtual QString currentDateText() = 0;

    /**
     * Makes the date of the given date text (read month first) the calendar date. The time of day
     * runs on unchanged.
     */
    virtual DateChange setDate(const QString& dateText) = 0;

    /**
     * Puts back the true present date and time, if this object has changed the date and not put
     * it back since; does nothing otherwise. Calling it again is harmless.
     */
    virtual DateChange restore() = 0;

    /** Whether the date is changed now, by this object. */
    virtual bool isChanged() const = 0;
};
