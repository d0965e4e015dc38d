// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"
#include "systemdate.h"

// A way that may not change the computer's date at all in this run, and says why. Put before the
// window's own clock, it lets the person be told once, at the first change, and the preview go on
// in the window.
class RefusingDate final : public SystemDate
{
public:
    RefusingDate(DateChange refusal, Clock& clock)
        : m_refusal(std::move(refusal))
        , m_clock(clock)
    { }

    std::chrono::year_month_day currentDate() override { return calendarDateOf(m_clock.now()); }
    void setDate(std::chrono::year_month_day, Finished finished) override { finished(m_refusal); }
    void restore(Finished finished) override { finished(DateChange::success()); }
    DateChange restoreBlocking(std::chrono::milliseconds) override { return DateChange::success(); }
    bool isChanged() const override { return false; }

private:
    DateChange m_refusal;
    Clock& m_clock;
};
