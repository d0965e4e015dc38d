// SPDX-License-Identifier: MIT
#include "timedatedclocksetter.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <algorithm>
#include <climits>

using namespace std::chrono;

namespace {

constexpr QLatin1String service("org.freedesktop.timedate1");
constexpr QLatin1String objectPath("/org/freedesktop/timedate1");
constexpr QLatin1String interfaceName("org.freedesktop.timedate1");

// SetTime(usec, relative, interactive): relative, so that the service adds the offset to its own
// reading when it applies it, however long the person took to give permission.
QDBusMessage setTimeBy(microseconds offset)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, objectPath, interfaceName, QStringLiteral("SetTime"));
    message << qlonglong(offset.count()) << true /* relative */ << true /* interactive */;
    // Lets polkit ask the person for a password instead of refusing outright.
    message.setInteractiveAuthorizationAllowed(true);
    return message;
}

int clampedMilliseconds(milliseconds timeout)
{
    return int(std::clamp<milliseconds::rep>(timeout.count(), 1, INT_MAX));
}

} // namespace

TimedatedClockSetter::TimedatedClockSetter(const QDBusConnection& bus, milliseconds timeout)
    : m_bus(bus)
    , m_timeout(timeout)
{ }

TimedatedClockSetter::TimedatedClockSetter(
    std::function<QDBusConnection()> connect, milliseconds timeout, std::function<void()> connected)
    : m_connect(std::move(connect))
    , m_connected(std::move(connected))
    , m_timeout(timeout)
{ }

TimedatedClockSetter::~TimedatedClockSetter()
{
    if (m_pending)
        delete m_pending->watcher;
}

QDBusConnection& TimedatedClockSetter::bus()
{
    if (!m_bus) {
        m_bus = m_connect();
        if (m_connected)
            m_connected();
    }
    return *m_bus;
}

void TimedatedClockSetter::shift(microseconds offset, Finished finished)
{
    Q_ASSERT(!m_pending);
    if (!bus().isConnected()) {
        finished(DateChange::refused(DateChange::Cause::NoBus));
        return;
    }
    // The long timeout covers the person typing the password; D-Bus's default would cut them off.
    const QDBusPendingCall call =
        bus().asyncCall(setTimeBy(offset), clampedMilliseconds(m_timeout));
    auto* watcher = new QDBusPendingCallWatcher(call);
    m_pending = Pending{call, std::move(finished), watcher};
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [this] { complete(); });
}

void TimedatedClockSetter::complete()
{
    Pending done = std::move(*m_pending);
    m_pending.reset();
    // Answered once: by the watcher, or by waitForAnswer before the watcher could tell.
    done.watcher->disconnect();
    done.watcher->deleteLater();
    done.finished(outcomeOf(done.call.reply()));
}

void TimedatedClockSetter::waitForAnswer()
{
    if (m_pending) {
        m_pending->call.waitForFinished();
        complete();
    }
}

DateChange TimedatedClockSetter::shiftNow(microseconds offset, milliseconds timeout)
{
    Q_ASSERT(!m_pending);
    if (!bus().isConnected())
        return DateChange::refused(DateChange::Cause::NoBus);
    return outcomeOf(bus().call(setTimeBy(offset), QDBus::Block, clampedMilliseconds(timeout)));
}

DateChange TimedatedClockSetter::outcomeOf(const QDBusMessage& reply)
{
    using Cause = DateChange::Cause;
    if (reply.type() == QDBusMessage::ReplyMessage)
        return DateChange::success();
    const QDBusError error(reply);
    const QString name = error.name();
    const auto is = [&name](const char* errorName) { return name == QLatin1String(errorName); };

    // The request went out and no answer came back: the service may have acted on it.
    if (is("org.freedesktop.DBus.Error.NoReply") || is("org.freedesktop.DBus.Error.Timeout")
        || is("org.freedesktop.DBus.Error.TimedOut")
        || is("org.freedesktop.DBus.Error.Disconnected") || !error.isValid())
        return DateChange::unanswered(Cause::NoAnswer);

    if (is("org.freedesktop.DBus.Error.NoServer"))
        return DateChange::refused(Cause::NoBus);
    if (is("org.freedesktop.DBus.Error.ServiceUnknown")
        || is("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return DateChange::refused(Cause::NoService);
    if (is("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return DateChange::refused(Cause::AutomaticTimeSync);
    if (is("org.freedesktop.DBus.Error.AccessDenied")
        || is("org.freedesktop.PolicyKit1.Error.NotAuthorized")
        || is("org.freedesktop.PolicyKit1.Error.Cancelled"))
        return DateChange::refused(Cause::NotAuthorized);
    if (is("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))
        return DateChange::refused(Cause::NoPasswordPrompt);
    return DateChange::refused(
        Cause::ServiceError, error.message().isEmpty() ? name : error.message());
}
