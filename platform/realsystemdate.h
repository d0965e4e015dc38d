// SPDX-License-Identifier: MIT
#pragma once

#include "previewrecord.h"
#include "systemdate.h"

#include <chrono>
#include <functional>

class ClockSetter;

// The computer's own date, changed through a clock setter. Before its first change it pins the
// true time to the boot clock, and it puts back the true present, so that running past midnight
// or waiting for a password never puts back a wrong time. While the date is changed (or may be),
// a record on disk says so, for the next start to find should this run end without putting it
// back.
class RealSystemDate final : public SystemDate
{
public:
    using WallClockReading = std::function<WallTime()>;
    using ElapsedReading = std::function<std::chrono::nanoseconds()>;

    // record may be null: nothing is written then.
    RealSystemDate(ClockSetter& setter, WallClockReading wallClock, ElapsedReading bootClock,
        const PreviewRecord* record = nullptr, QString bootId = {});

    // Takes over a change left by an earlier run of this boot, pinned to that run's true time: a
    // restore then puts the true present back.
    void adopt(const TrueTimeAnchor& anchor);

    QString currentDateText() override;
    void setDate(const QString& dateText, Finished finished) override;
    void restore(Finished finished) override;
    void finishPending() override;
    DateChange restoreNow() override;
    bool isChanged() const override { return m_changed; }

    // The true present time: the pinned time plus the boot clock's advance since.
    WallTime truePresent() const;

private:
    QString keepRecord();
    void dropRecord();

    ClockSetter& m_setter;
    WallClockReading m_wallClock;
    ElapsedReading m_bootClock;
    const PreviewRecord* m_record;
    TrueTimeAnchor m_anchor;
    bool m_changed = false;
};
