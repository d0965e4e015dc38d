// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"
#include "systemdate.h"

// The program's own clock: the computer's clock moved by a whole number of days. While the
// computer's date cannot be changed, the December preview moves this clock instead, so the
// countdown, the date line and the picture all show the preview day; nothing outside the program
// changes.
class PreviewClock final : public Clock
{
public:
    explicit PreviewClock(Clock& computerClock);

    void setDayOffset(std::chrono::days offset) { m_offset = offset; }
    std::chrono::days dayOffset() const { return m_offset; }

    DateValue now() override;
    double secondsSinceMidnight() override;
    std::chrono::nanoseconds elapsed() override;

private:
    Clock& m_computerClock;
    std::chrono::days m_offset{0};
};

// The preview inside the window only: setting the date moves the program's own clock.
class InWindowSystemDate final : public SystemDate
{
public:
    InWindowSystemDate(PreviewClock& previewClock, Clock& computerClock);

    QString currentDateText() override;
    // Answered at once: only the program's own clock moves.
    void setDate(const QString& dateText, Finished finished) override;
    void restore(Finished finished) override;
    void finishPending() override { }
    DateChange restoreNow() override;
    bool isChanged() const override { return m_changed; }

private:
    PreviewClock& m_previewClock;
    Clock& m_computerClock;
    bool m_changed = false;
};
