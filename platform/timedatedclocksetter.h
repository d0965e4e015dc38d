// SPDX-License-Identifier: MIT
#pragma once

#include "clocksetter.h"

#include <QDBusConnection>
#include <QDBusPendingCall>

#include <functional>
#include <optional>

class QDBusPendingCallWatcher;
class QDBusMessage;

// Sets the clock through systemd-timedated on the given bus (the system bus in the program), as
// an offset from the clock's reading when the service applies it. The service asks polkit, which
// may ask the person for a password; the window goes on meanwhile, and the answer arrives through
// the event loop.
class TimedatedClockSetter final : public ClockSetter
{
public:
    explicit TimedatedClockSetter(
        const QDBusConnection& bus, std::chrono::milliseconds timeout = std::chrono::minutes{2});
    // Connects to the bus only when the clock is first set: most runs never set it, and
    // connecting (loading the D-Bus library) would slow every start-up. connected runs once,
    // right after the connection is made.
    explicit TimedatedClockSetter(std::function<QDBusConnection()> connect,
        std::chrono::milliseconds timeout = std::chrono::minutes{2},
        std::function<void()> connected = {});
    ~TimedatedClockSetter() override;

    QString way() const override { return QStringLiteral("timedated"); }
    void shift(std::chrono::microseconds offset, Finished finished) override;
    bool isPending() const override { return m_pending.has_value(); }
    void waitForAnswer() override;
    DateChange shiftNow(
        std::chrono::microseconds offset, std::chrono::milliseconds timeout) override;

    // The outcome of the service's answer (or of its absence).
    static DateChange outcomeOf(const QDBusMessage& reply);

private:
    struct Pending
    {
        QDBusPendingCall call;
        Finished finished;
        QDBusPendingCallWatcher* watcher = nullptr;
    };

    QDBusConnection& bus();
    void complete();

    std::function<QDBusConnection()> m_connect;
    std::function<void()> m_connected;
    std::optional<QDBusConnection> m_bus;
    std::chrono::milliseconds m_timeout;
    std::optional<Pending> m_pending;
};
