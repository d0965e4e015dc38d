// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <chrono>
#include <functional>

class ClockSetter;

// The computer's own date, changed through a clock setter. It remembers the wall-clock time at
// start-up and how long the computer has been running since (suspend included), so that putting
// the date back sets the true present date and time, also after midnight has passed.
class RealSystemDate final : public SystemDate
{
public:
    using WallClockReading = std::function<std::chrono::system_clock::time_point()>;
    using ElapsedReading = std::function<std::chrono::nanoseconds()>;

    RealSystemDate(ClockSetter& setter, WallClockReading wallClock, ElapsedReading elapsed);

    QString currentDateText() override;
    DateChange setDate(const QString& dateText) override;
    DateChange restore() override;
    bool isChanged() const override { return m_changed; }

    // The true present time: the start-up time plus the time elapsed since.
    std::chrono::system_clock::time_point truePresent() const;

private:
    ClockSetter& m_setter;
    WallClockReading m_wallClock;
    ElapsedReading m_elapsed;
    std::chrono::system_clock::time_point m_startWallClock;
    std::chrono::nanoseconds m_startElapsed;
    bool m_changed = false;
};
