// SPDX-License-Identifier: MIT
#include "computerdate.h"

#include "clock.h"
#include "clocksetter.h"
#include "localclock.h"
#include "previewstepper.h"

using namespace std::chrono;

using Cause = DateChange::Cause;

ComputerDate::ComputerDate(
    ClockSetter& setter, Clock& clock, const PreviewRecord* note, QString bootId)
    : m_setter(setter)
    , m_clock(clock)
    , m_note(note)
{
    m_anchor.bootId = std::move(bootId);
}

void ComputerDate::adopt(const TrueTimeAnchor& anchor)
{
    m_anchor = anchor;
    m_changed = true;
}

year_month_day ComputerDate::currentDate()
{
    return year_month_day{floor<days>(toLocalTime(m_clock.wallTime()))};
}

QString ComputerDate::keepNote()
{
    if (!m_note)
        return {};
    return m_note->write({m_anchor, m_clock.elapsed()});
}

void ComputerDate::setDate(year_month_day date, Finished finished)
{
    const bool wasChanged = m_changed;
    if (!wasChanged) {
        // Until this run changes it, the computer's clock is the truth; but a clock that already
        // shows a preview day was set by another copy, and would be put back there.
        if (isPreviewDay(currentDate())) {
            finished(DateChange::refused(Cause::AlreadyPreviewing));
            return;
        }
        m_anchor.wallClock = m_clock.wallTime();
        m_anchor.bootClock = m_clock.elapsed();
    }
    // No change without a note of it, so that a crash cannot leave the date wrong unnoticed.
    if (const QString error = keepNote(); !error.isEmpty() && !wasChanged) {
        finished(DateChange::refused(Cause::NoteNotKept, error));
        return;
    }
    const WallTime now = m_clock.wallTime();
    const auto local = toLocalTime(now);
    const WallTime target = fromLocalTime(local_days{date} + (local - floor<days>(local)));
    m_restoreUnderWay = false;
    m_setter.shift(target - now, [this, wasChanged, finished](const DateChange& change) {
        if (change.outcome == DateChange::Outcome::Unanswered)
            m_mayStillLand = true;
        if (change.mayHaveChanged())
            m_changed = true;
        else if (!wasChanged && m_note)
            m_note->remove();
        finished(change);
    });
}

microseconds ComputerDate::offsetToTruePresent()
{
    // An offset, not an instant: the wait for permission cannot skew it.
    return truePresent() - m_clock.wallTime();
}

void ComputerDate::restore(Finished finished)
{
    if (!m_changed) {
        finished(DateChange::success());
        return;
    }
    m_restoreUnderWay = true;
    m_setter.shift(offsetToTruePresent(), [this, finished](const DateChange& change) {
        m_restoreUnderWay = false;
        m_lastRestore = checked(change);
        finished(m_lastRestore);
    });
}

DateChange ComputerDate::restoreBlocking(milliseconds timeout)
{
    if (m_setter.isPending()) {
        const bool restoring = m_restoreUnderWay;
        m_setter.waitForAnswer();
        if (restoring)
            return m_lastRestore;
    }
    if (!m_changed)
        return DateChange::success();
    return checked(m_setter.shiftNow(offsetToTruePresent(), timeout));
}

DateChange ComputerDate::checked(const DateChange& answer)
{
    if (answer.outcome == DateChange::Outcome::Unanswered)
        m_mayStillLand = true;
    if (answer.isRefused())
        return answer;
    // Whatever the answer says, the clock has the last word.
    const WallTime clockReads = m_clock.wallTime();
    const WallTime trueNow = truePresent();
    if (clockReads - trueNow > Tolerance || trueNow - clockReads > Tolerance) {
        DateChange notBack = DateChange::refused(Cause::NotBack);
        notBack.clockReads = clockReads;
        notBack.truePresent = trueNow;
        return notBack;
    }
    // Right now, but a change that was never answered may still be made: the note stays, so
    // that the next start looks again.
    if (m_mayStillLand)
        return DateChange::unanswered(Cause::MayStillLand);
    m_changed = false;
    if (m_note) {
        if (const QString error = m_note->remove(); !error.isEmpty())
            return DateChange::success(
                Cause::NoteNotRemoved, m_note->path() + QStringLiteral(": ") + error);
    }
    return DateChange::success();
}

WallTime ComputerDate::truePresent()
{
    return m_anchor.presentAt(m_clock.elapsed());
}
