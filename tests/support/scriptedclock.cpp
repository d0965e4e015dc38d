// SPDX-License-Identifier: MIT
#include "scriptedclock.h"

#include "eventlog.h"

using namespace std::chrono;

ScriptedClock::ScriptedClock(EventLog* log)
    : m_log(log)
{ }

void ScriptedClock::queue(DateValue reading)
{
    m_queue.push_back(reading);
}

void ScriptedClock::queue(std::initializer_list<DateValue> readings)
{
    m_queue.insert(m_queue.end(), readings);
}

void ScriptedClock::hold(DateValue reading)
{
    m_held = reading;
}

DateValue ScriptedClock::next()
{
    if (!m_queue.empty()) {
        const DateValue reading = m_queue.front();
        m_queue.pop_front();
        m_held = m_held.value_or(reading);
        return reading;
    }
    if (m_held)
        return *m_held;
    m_ranDry = true;
    return DateValue{};
}

DateValue ScriptedClock::now()
{
    ++m_nowReadings;
    const DateValue reading = next();
    if (m_log)
        m_log->add(QStringLiteral("now ") + describe(reading));
    return reading;
}

double ScriptedClock::secondsSinceMidnight()
{
    return m_secondsSinceMidnight;
}

nanoseconds ScriptedClock::elapsed()
{
    if (m_log)
        m_log->add(
            QStringLiteral("elapsed %1 ms").arg(duration_cast<milliseconds>(m_elapsed).count()));
    return m_elapsed;
}

QString ScriptedClock::describe(DateValue value)
{
    const hh_mm_ss<seconds> time = timeOfDayOf(value);
    return QStringLiteral("%1 %2:%3:%4")
        .arg(dateText(value))
        .arg(time.hours().count(), 2, 10, QLatin1Char('0'))
        .arg(time.minutes().count(), 2, 10, QLatin1Char('0'))
        .arg(time.seconds().count(), 2, 10, QLatin1Char('0'));
}
