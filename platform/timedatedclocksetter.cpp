// SPDX-License-Identifier: MIT
#include "timedatedclocksetter.h"

#include <QDBusError>
#include <QDBusMessage>

#include <algorithm>
#include <climits>

using namespace std::chrono;

namespace {

const QString service = QStringLiteral("org.freedesktop.timedate1");
const QString objectPath = QStringLiteral("/org/freedesktop/timedate1");
const QString interfaceName = QStringLiteral("org.freedesktop.timedate1");

QString busUnavailable()
{
    return QStringLiteral("The system message bus is not available, so the date cannot be "
                          "changed.");
}

} // namespace

TimedatedClockSetter::TimedatedClockSetter(
    const QDBusConnection& bus, std::chrono::milliseconds timeout)
    : m_bus(bus)
    , m_timeout(timeout)
{ }

TimedatedClockSetter::TimedatedClockSetter(
    std::function<QDBusConnection()> connect, std::chrono::milliseconds timeout)
    : m_connect(std::move(connect))
    , m_timeout(timeout)
{ }

QDBusConnection& TimedatedClockSetter::bus()
{
    if (!m_bus)
        m_bus = m_connect();
    return *m_bus;
}

DateChange TimedatedClockSetter::setTime(system_clock::time_point instant)
{
    if (!bus().isConnected())
        return DateChange::refused(busUnavailable());

    // floor, not duration_cast, so that instants before 1970 do not round towards the epoch.
    const auto usecUtc = floor<microseconds>(instant.time_since_epoch()).count();

    QDBusMessage message = QDBusMessage::createMethodCall(
        service, objectPath, interfaceName, QStringLiteral("SetTime"));
    message << qlonglong(usecUtc) << false /* relative */ << true /* interactive */;
    // Lets polkit ask the person for a password instead of refusing outright.
    message.setInteractiveAuthorizationAllowed(true);

    // The long timeout covers the person typing the password; D-Bus's default would cut them off.
    const auto timeoutMs = int(std::clamp<milliseconds::rep>(m_timeout.count(), 1, INT_MAX));
    const QDBusMessage reply = bus().call(message, QDBus::Block, timeoutMs);

    switch (reply.type()) {
    case QDBusMessage::ReplyMessage:
        return DateChange::success();
    case QDBusMessage::ErrorMessage:
        return DateChange::refused(reasonFor(QDBusError(reply)));
    default:
        return DateChange::refused(reasonFor(bus().lastError()));
    }
}

QString TimedatedClockSetter::reasonFor(const QDBusError& error)
{
    const QString name = error.name();

    if (name == QLatin1String("org.freedesktop.DBus.Error.Disconnected")
        || name == QLatin1String("org.freedesktop.DBus.Error.NoServer"))
        return busUnavailable();

    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return QStringLiteral("The date and time service (systemd-timedated) is not available.");

    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return QStringLiteral("The computer keeps its clock in step automatically (network time "
                              "synchronisation is on), so the date cannot be set by hand.");

    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")
        || name == QLatin1String("org.freedesktop.PolicyKit1.Error.NotAuthorized")
        || name == QLatin1String("org.freedesktop.PolicyKit1.Error.Cancelled"))
        return QStringLiteral("Permission to change the date was not given (or the password "
                              "prompt was dismissed).");

    if (name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))
        return QStringLiteral("Changing the date needs an administrator's permission, and no "
                              "password prompt could be shown.");

    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply")
        || name == QLatin1String("org.freedesktop.DBus.Error.Timeout")
        || name == QLatin1String("org.freedesktop.DBus.Error.TimedOut"))
        return QStringLiteral("The date and time service did not answer in time.");

    const QString detail = error.message().isEmpty() ? name : error.message();
    if (detail.isEmpty())
        return QStringLiteral("The date could not be changed.");
    return QStringLiteral("The date could not be changed: %1").arg(detail);
}
