// SPDX-License-Identifier: MIT
#include "datevalue.h"

using namespace std::chrono;

DateValue makeDateValue(year_month_day date, seconds timeOfDay)
{
    return local_days{date} + timeOfDay;
}

DateValue makeDateValue(int year, unsigned month, unsigned day, int hours, int minutes, int seconds)
{
    return makeDateValue(
        std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day},
        std::chrono::hours{hours} + std::chrono::minutes{minutes} + std::chrono::seconds{seconds});
}

year_month_day calendarDateOf(DateValue value)
{
    return year_month_day{floor<days>(value)};
}

int yearOf(DateValue value)
{
    return int(calendarDateOf(value).year());
}

unsigned monthOf(DateValue value)
{
    return unsigned(calendarDateOf(value).month());
}

unsigned dayOf(DateValue value)
{
    return unsigned(calendarDateOf(value).day());
}

weekday weekdayOf(DateValue value)
{
    return weekday{floor<days>(value)};
}

hh_mm_ss<seconds> timeOfDayOf(DateValue value)
{
    return hh_mm_ss<seconds>{value - floor<days>(value)};
}

DateValue christmasOf(int year)
{
    return makeDateValue(std::chrono::year{year} / December / 25);
}

double daysBetween(DateValue later, DateValue earlier)
{
    return duration<double, days::period>(later - earlier).count();
}

QString dateText(year_month_day date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(unsigned(date.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(date.day()), 2, 10, QLatin1Char('0'))
        .arg(int(date.year()), 4, 10, QLatin1Char('0'));
}

QString dateText(DateValue value)
{
    return dateText(calendarDateOf(value));
}

std::optional<year_month_day> parseDateText(QStringView text)
{
    if (text.size() != 10 || text[2] != u'-' || text[5] != u'-')
        return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!text[i].isDigit() || text[i].unicode() > u'9')
            return std::nullopt;
    }
    const year_month_day date{std::chrono::year{text.mid(6, 4).toInt()},
        std::chrono::month{text.mid(0, 2).toUInt()}, std::chrono::day{text.mid(3, 2).toUInt()}};
    if (!date.ok())
        return std::nullopt;
    return date;
}
