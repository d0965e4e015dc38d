// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The time left until midnight at the start of 25 December, as four running totals. All four come
// from one difference in days: the other three are products of DaysLeft, not remainders.
struct CountdownTotals
{
    double SecondsLeft = 0;
    double MinutesLeft = 0;
    double HoursLeft = 0;
    double DaysLeft = 0;
};

inline constexpr std::int32_t SecondsPerDay = 86400;
inline constexpr std::int16_t MinutesPerDay = 1440;
inline constexpr std::int16_t HoursPerDay = 24;
