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
    // The computer's own readings: only what the window shows is moved.
    WallTime wallTime() override;
    std::chrono::nanoseconds elapsed() override;

private:
    Clock& m_computerClock;
    std::chrono::days m_offset{0};
};

// The preview inside the window only: setting the date moves the program's own clock. Every
// change is answered at once and done.
class InWindowDate final : public SystemDate
{
public:
    InWindowDate(PreviewClock& previewClock, Clock& computerClock);

    std::chrono::year_month_day currentDate() override;
    void setDate(std::chrono::year_month_day date, Finished finished) override;
    void restore(Finished finished) override;
    DateChange restoreBlocking(std::chrono::milliseconds timeout) override;
    bool isChanged() const override { return m_previewClock.dayOffset() != std::chrono::days{0}; }

private:
    PreviewClock& m_previewClock;
    Clock& m_computerClock;
};
