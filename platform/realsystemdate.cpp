// SPDX-License-Identifier: MIT
#include "realsystemdate.h"

#include "clocksetter.h"
#include "datevalue.h"
#include "localclock.h"

using namespace std::chrono;

namespace {

// How long the end of the program waits for the service to put the date back.
constexpr milliseconds lastRestoreTimeout = seconds{25};

microseconds offsetTo(WallTime target, WallTime now)
{
    return duration_cast<microseconds>(target - now);
}

} // namespace

RealSystemDate::RealSystemDate(ClockSetter& setter, WallClockReading wallClock,
    ElapsedReading bootClock, const PreviewRecord* record, QString bootId)
    : m_setter(setter)
    , m_wallClock(std::move(wallClock))
    , m_bootClock(std::move(bootClock))
    , m_record(record)
{
    m_anchor.bootId = std::move(bootId);
    m_anchor.wallClock = m_wallClock();
    m_anchor.bootClock = m_bootClock();
}

void RealSystemDate::adopt(const TrueTimeAnchor& anchor)
{
    m_anchor = anchor;
    m_changed = true;
}

QString RealSystemDate::currentDateText()
{
    return dateText(floor<seconds>(LocalClock::toLocal(m_wallClock())));
}

QString RealSystemDate::keepRecord()
{
    if (!m_record)
        return {};
    return m_record->write({m_anchor, m_bootClock()});
}

void RealSystemDate::dropRecord()
{
    if (m_record)
        m_record->remove();
}

void RealSystemDate::setDate(const QString& text, Finished finished)
{
    const auto date = parseDateText(text);
    if (!date) {
        finished(DateChange::refused(QStringLiteral("\"%1\" is not a date.").arg(text)));
        return;
    }
    const bool wasChanged = m_changed;
    if (!wasChanged) {
        // Until this run changes it, the computer's clock is the truth.
        m_anchor.wallClock = m_wallClock();
        m_anchor.bootClock = m_bootClock();
    }
    // No change without a record of it, so that a crash cannot leave the date wrong unnoticed.
    if (const QString error = keepRecord(); !error.isEmpty() && !wasChanged) {
        finished(DateChange::refused(
            QStringLiteral("The program cannot keep a note of the change (%1), so it leaves the "
                           "date alone.")
                .arg(error)));
        return;
    }
    const auto now = m_wallClock();
    const auto local = LocalClock::toLocal(now);
    const auto target = LocalClock::fromLocal(local_days{*date} + (local - floor<days>(local)));
    m_setter.shift(offsetTo(target, now), [this, wasChanged, finished](const DateChange& change) {
        if (change.mayHaveChanged())
            m_changed = true;
        else if (!wasChanged)
            dropRecord();
        finished(change);
    });
}

void RealSystemDate::restore(Finished finished)
{
    if (!m_changed) {
        finished(DateChange::success());
        return;
    }
    // An offset, not an instant: the wait for permission cannot skew it.
    m_setter.shift(
        offsetTo(truePresent(), m_wallClock()), [this, finished](const DateChange& change) {
            if (change) {
                m_changed = false;
                dropRecord();
            }
            finished(change);
        });
}

void RealSystemDate::finishPending()
{
    m_setter.finishPending();
}

DateChange RealSystemDate::restoreNow()
{
    if (!m_changed)
        return DateChange::success();
    const DateChange change
        = m_setter.shiftNow(offsetTo(truePresent(), m_wallClock()), lastRestoreTimeout);
    if (change) {
        m_changed = false;
        dropRecord();
    }
    return change;
}

WallTime RealSystemDate::truePresent() const
{
    return m_anchor.presentAt(m_bootClock());
}
