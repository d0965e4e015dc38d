// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <chrono>
#include <optional>

// A date value is a moment of local wall-clock time in whole seconds, with no time zone attached.
// Two values subtract to a number of days without any daylight-saving correction: the countdown
// is deliberately computed on the wall clock a person reads.
using DateValue = std::chrono::local_seconds;
// Declared here, before any use, so that data-driven tests can carry date values.
Q_DECLARE_METATYPE(DateValue)

DateValue makeDateValue(
    std::chrono::year_month_day date, std::chrono::seconds timeOfDay = std::chrono::seconds{0});
DateValue makeDateValue(
    int year, unsigned month, unsigned day, int hours = 0, int minutes = 0, int seconds = 0);

std::chrono::year_month_day calendarDateOf(DateValue value);
int yearOf(DateValue value);
unsigned monthOf(DateValue value);
unsigned dayOf(DateValue value);
std::chrono::weekday weekdayOf(DateValue value);
std::chrono::hh_mm_ss<std::chrono::seconds> timeOfDayOf(DateValue value);

// 00:00:00 at the start of 25 December of the given year.
DateValue christmasOf(int year);

// later - earlier, as a real number of days (one hour is 1/24).
double daysBetween(DateValue later, DateValue earlier);

// An instant on the computer's clock (UTC), in microseconds: a finer count, such as the system
// clock's nanoseconds, would overflow after the year 2262.
using WallTime = std::chrono::sys_time<std::chrono::microseconds>;

// The date text: two-digit month, two-digit day, four-digit year, joined by hyphens ("12-25-1992").
QString dateText(std::chrono::year_month_day date);
QString dateText(DateValue value);

// Reads a date text month first. Anything that is not exactly "MM-DD-YYYY" naming a real calendar
// date gives nothing.
std::optional<std::chrono::year_month_day> parseDateText(QStringView text);
