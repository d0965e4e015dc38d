// SPDX-License-Identifier: MIT
#pragma once

#include "previewrecord.h"
#include "systemdate.h"

class Clock;
class ClockSetter;

// The computer's own date, changed through a clock setter. Before its first change it pins the
// true time to the boot clock, and it puts back the true present, so that running past midnight
// or waiting for a password never puts back a wrong time. After every restore it reads the clock
// again: the date counts as back only when the clock shows the true present. While the date is
// changed, may be, or may yet be (a change that was never answered), a note on disk says so, for
// the next start to find should this run end without putting it back.
class ComputerDate final : public SystemDate
{
public:
    // How far the clock may be from the true present after a restore and still count as right.
    static constexpr std::chrono::seconds Tolerance{2};

    // note may be null: nothing is written then.
    ComputerDate(ClockSetter& setter, Clock& clock, const PreviewRecord* note = nullptr,
        QString bootId = {});

    // Takes over a change left by an earlier run of this boot, pinned to that run's true time: a
    // restore then puts the true present back.
    void adopt(const TrueTimeAnchor& anchor);

    std::chrono::year_month_day currentDate() override;
    void setDate(std::chrono::year_month_day date, Finished finished) override;
    void restore(Finished finished) override;
    DateChange restoreBlocking(std::chrono::milliseconds timeout) override;
    bool isChanged() const override { return m_changed; }

    // The true present time: the pinned time plus the boot clock's advance since.
    WallTime truePresent();

private:
    QString keepNote();
    // A restore has been answered: what it leaves, seen on the clock.
    DateChange checked(const DateChange& answer);
    std::chrono::microseconds offsetToTruePresent();

    ClockSetter& m_setter;
    Clock& m_clock;
    const PreviewRecord* m_note;
    TrueTimeAnchor m_anchor;
    // The date is changed, or may be.
    bool m_changed = false;
    // A change was never answered: it may be made yet, whatever the clock shows now.
    bool m_mayStillLand = false;
    // The change under way is a restore, whose answer is kept for restoreBlocking.
    bool m_restoreUnderWay = false;
    DateChange m_lastRestore;
};
