// SPDX-License-Identifier: MIT
#include "computecountdown.h"

#include "clock.h"
#include "datevalue.h"

CountdownTotals ComputeCountdown(Clock& clock)
{
    auto TargetYear = static_cast<std::int16_t>(yearOf(clock.now()));
    // Strictly later: the very second 25 December 00:00:00 still counts towards this year.
    if (clock.now() > christmasOf(TargetYear))
        TargetYear = static_cast<std::int16_t>(TargetYear + 1);
    const DateValue TargetDate = christmasOf(TargetYear);

    CountdownTotals totals;
    totals.DaysLeft = daysBetween(TargetDate, clock.now());
    totals.SecondsLeft = totals.DaysLeft * SecondsPerDay;
    totals.MinutesLeft = totals.DaysLeft * MinutesPerDay;
    totals.HoursLeft = totals.DaysLeft * HoursPerDay;
    return totals;
}
