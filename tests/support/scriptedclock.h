// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"

#include <deque>

class EventLog;

// A clock whose readings a test writes in advance. now() hands out the queued readings one by one
// and then keeps returning the held one; every reading is counted and, with a log, recorded as
// "now <date> <time>". secondsSinceMidnight() returns a value of its own (by default 50 ms into a
// second), and wallTime() one set by the test. elapsed() starts at a set value and moves on by a
// set step at every reading, recorded as "elapsed <ms> ms".
class ScriptedClock final : public Clock
{
public:
    explicit ScriptedClock(EventLog* log = nullptr);

    void queue(DateValue reading);
    void queue(std::initializer_list<DateValue> readings);
    // The reading once the queue is empty.
    void hold(DateValue reading);

    void setElapsed(std::chrono::nanoseconds elapsed) { m_elapsed = elapsed; }
    std::chrono::nanoseconds currentElapsed() const { return m_elapsed; }
    void setSecondsSinceMidnight(double seconds) { m_secondsSinceMidnight = seconds; }
    // The computer's clock as an instant; moved only by the test.
    void setWallTime(WallTime wallTime) { m_wallTime = wallTime; }

    int nowReadings() const { return m_nowReadings; }
    // A reading was asked for when nothing was queued or held.
    bool ranDry() const { return m_ranDry; }
    std::size_t queued() const { return m_queue.size(); }

    DateValue now() override;
    double secondsSinceMidnight() override;
    WallTime wallTime() override { return m_wallTime; }
    std::chrono::nanoseconds elapsed() override;

    static QString describe(DateValue value);

private:
    DateValue next();

    EventLog* m_log;
    std::deque<DateValue> m_queue;
    std::optional<DateValue> m_held;
    WallTime m_wallTime{};
    std::chrono::nanoseconds m_elapsed{0};
    int m_nowReadings = 0;
    double m_secondsSinceMidnight = 12 * 3600 + 0.05;
    bool m_ranDry = false;
};
