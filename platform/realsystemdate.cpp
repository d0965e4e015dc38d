// SPDX-License-Identifier: MIT
#include "realsystemdate.h"

#include "clocksetter.h"
#include "datevalue.h"
#include "localclock.h"

using namespace std::chrono;

RealSystemDate::RealSystemDate(ClockSetter& setter, WallClockReading wallClock,
                               ElapsedReading elapsed)
    : m_setter(setter)
    , m_wallClock(std::move(wallClock))
    , m_elapsed(std::move(elapsed))
    , m_startWallClock(m_wallClock())
    , m_startElapsed(m_elapsed())
{
}

QString RealSystemDate::currentDateText()
{
    return dateText(floor<seconds>(LocalClock::toLocal(m_wallClock())));
}

DateChange RealSystemDate::setDate(const QString& text)
{
    const auto date = parseDateText(text);
    if (!date)
        return DateChange::refused(QStringLiteral("\"%1\" is not a date.").arg(text));
    const auto now = LocalClock::toLocal(m_wallClock());
    const auto timeOfDay = now - floor<days>(now);
    const DateChange change = m_setter.setTime(LocalClock::fromLocal(local_days{*date} + timeOfDay));
    if (change)
        m_changed = true;
    return change;
}

DateChange RealSystemDate::restore()
{
    if (!m_changed)
        return DateChange::success();
    const DateChange change = m_setter.setTime(truePresent());
    if (change)
        m_changed = false;
    return change;
}

system_clock::time_point RealSystemDate::truePresent() const
{
    return m_startWallClock + duration_cast<system_clock::duration>(m_elapsed() - m_startElapsed);
}
