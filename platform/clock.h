// SPDX-License-Identifier: MIT
#pragma once

#include "datevalue.h"

#include <chrono>

/**
 * The source of every time reading the program takes: the wall clock a person reads, and the
 * boot clock that keeps running, unmoved, whatever is done to the wall clock. Each call is a fresh
 * reading; nothing is cached, so a test clock can count the readings and script their values one
 * by one.
 */
class Clock
{
public:
    virtual ~Clock() = default;

    /** The present local wall-clock date and time, in whole seconds (the running second cut). */
    virtual DateValue now() = 0;

    /**
     * Seconds since local midnight, with their fraction: 0 <= value < 86400, restarting at 0 at
     * midnight. Wall-clock time, so it jumps when the clock is set or daylight saving changes.
     */
    virtual double secondsSinceMidnight() = 0;

    /** The computer's clock as an instant (UTC), to the microsecond. */
    virtual WallTime wallTime() = 0;

    /**
     * Time elapsed since an arbitrary fixed origin (the boot) on a clock that never jumps when the
     * wall clock is set and keeps counting while the computer is suspended.
     */
    virtual std::chrono::nanoseconds elapsed() = 0;
};
