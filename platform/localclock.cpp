// SPDX-License-Identifier: MIT
#include "localclock.h"

#include <ctime>

using namespace std::chrono;

local_time<microseconds> toLocalTime(WallTime instant)
{
    // The standard library of our compilers has no time-zone database yet, so the zone's rules
    // come from the C library; the calendar work stays in std::chrono.
    const auto wholeSeconds = floor<seconds>(instant);
    const std::time_t t = std::time_t(wholeSeconds.time_since_epoch().count());
    std::tm local{};
    localtime_r(&t, &local);
    const year_month_day date{year{local.tm_year + 1900}, month{unsigned(local.tm_mon + 1)},
        day{unsigned(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec}
    + (instant - wholeSeconds);
}

WallTime fromLocalTime(local_time<microseconds> wallClock)
{
    const auto wholeSeconds = floor<seconds>(wallClock);
    const year_month_day date{floor<days>(wholeSeconds)};
    const hh_mm_ss<seconds> time{wholeSeconds - floor<days>(wholeSeconds)};
    std::tm local{};
    local.tm_year = int(date.year()) - 1900;
    local.tm_mon = int(unsigned(date.month())) - 1;
    local.tm_mday = int(unsigned(date.day()));
    local.tm_hour = int(time.hours().count());
    local.tm_min = int(time.minutes().count());
    local.tm_sec = int(time.seconds().count());
    local.tm_isdst = -1; // let the zone's rules decide
    const std::time_t t = std::mktime(&local);
    return WallTime{seconds{t}} + (wallClock - wholeSeconds);
}

WallTime LocalClock::wallTime()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return WallTime{seconds{ts.tv_sec} + duration_cast<microseconds>(nanoseconds{ts.tv_nsec})};
}

DateValue LocalClock::now()
{
    return floor<seconds>(toLocalTime(wallTime()));
}

double LocalClock::secondsSinceMidnight()
{
    const auto local = toLocalTime(wallTime());
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
