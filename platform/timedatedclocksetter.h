// SPDX-License-Identifier: MIT
#pragma once

#include "clocksetter.h"

#include <QDBusConnection>

#include <functional>
#include <optional>

class QDBusError;

// Sets the clock through systemd-timedated on the given bus (the system bus in the program). The
// service asks polkit, which may ask the person for a password; the call waits for that.
class TimedatedClockSetter final : public ClockSetter
{
public:
    explicit TimedatedClockSetter(
        const QDBusConnection& bus, std::chrono::milliseconds timeout = std::chrono::minutes{2});
    // Connects to the bus only when the clock is first set: most runs never set it, and
    // connecting (loading the D-Bus library) would slow every start-up.
    explicit TimedatedClockSetter(
        std::function<QDBusConnection()> connect,
        std::chrono::milliseconds timeout = std::chrono::minutes{2});

    DateChange setTime(std::chrono::system_clock::time_point instant) override;

    // The sentence shown to the person when the service (or the bus) answers with this error.
    static QString reasonFor(const QDBusError& error);

private:
    QDBusConnection& bus();

    std::function<QDBusConnection()> m_connect;
    std::optional<QDBusConnection> m_bus;
    std::chrono::milliseconds m_timeout;
};
