// SPDX-License-Identifier: MIT
#include "inwindowdate.h"

using namespace std::chrono;

PreviewClock::PreviewClock(Clock& computerClock)
    : m_computerClock(computerClock)
{ }

DateValue PreviewClock::now()
{
    return m_computerClock.now() + m_offset;
}

double PreviewClock::secondsSinceMidnight()
{
    return m_computerClock.secondsSinceMidnight();
}

WallTime PreviewClock::wallTime()
{
    return m_computerClock.wallTime();
}

nanoseconds PreviewClock::elapsed()
{
    return m_computerClock.elapsed();
}

InWindowDate::InWindowDate(PreviewClock& previewClock, Clock& computerClock)
    : m_previewClock(previewClock)
    , m_computerClock(computerClock)
{ }

year_month_day InWindowDate::currentDate()
{
    return calendarDateOf(m_previewClock.now());
}

void InWindowDate::setDate(year_month_day date, Finished finished)
{
    m_previewClock.setDayOffset(local_days{date} - floor<days>(m_computerClock.now()));
    finished(DateChange::success());
}

void InWindowDate::restore(Finished finished)
{
    finished(restoreBlocking(milliseconds{0}));
}

DateChange InWindowDate::restoreBlocking(milliseconds)
{
    m_previewClock.setDayOffset(days{0});
    return DateChange::success();
}
