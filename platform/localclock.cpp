// SPDX-License-Identifier: MIT
#include "localclock.h"

#include <ctime>

using namespace std::chrono;

local_time<nanoseconds> LocalClock::toLocal(system_clock::time_point instant)
{
    // The standard library of our compilers has no time-zone database yet, so the zone's rules
    // come from the C library; the calendar work stays in std::chrono.
    const auto wholeSeconds = floor<seconds>(instant);
    const std::time_t t = system_clock::to_time_t(wholeSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    const year_month_day date{year{local.tm_year + 1900}, month{unsigned(local.tm_mon + 1)},
                              day{unsigned(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec}
        + duration_cast<nanoseconds>(instant - wholeSeconds);
}

DateValue LocalClock::now()
{
    return floor<seconds>(toLocal(system_clock::now()));
}

double LocalClock::secondsSinceMidnight()
{
    const auto local = toLocal(system_clock::now());
    return duration<double>(local - floor<days>(local)).count();
}

nanoseconds LocalClock::elapsed()
{
#ifdef CLOCK_BOOTTIME
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec};
#else
    return steady_clock::now().time_since_epoch();
#endif
}
