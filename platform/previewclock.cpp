// SPDX-License-Identifier: MIT
#include "previewclock.h"

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

nanoseconds PreviewClock::elapsed()
{
    return m_computerClock.elapsed();
}

InWindowSystemDate::InWindowSystemDate(PreviewClock& previewClock, Clock& computerClock)
    : m_previewClock(previewClock)
    , m_computerClock(computerClock)
{ }

QString InWindowSystemDate::currentDateText()
{
    return dateText(m_previewClock.now());
}

void InWindowSystemDate::setDate(const QString& text, Finished finished)
{
    const auto date = parseDateText(text);
    if (!date) {
        finished(DateChange::refused(QStringLiteral("\"%1\" is not a date.").arg(text)));
        return;
    }
    m_previewClock.setDayOffset(local_days{*date} - floor<days>(m_computerClock.now()));
    m_changed = true;
    finished(DateChange::success());
}

void InWindowSystemDate::restore(Finished finished)
{
    finished(restoreNow());
}

DateChange InWindowSystemDate::restoreNow()
{
    m_previewClock.setDayOffset(days{0});
    m_changed = false;
    return DateChange::success();
}
