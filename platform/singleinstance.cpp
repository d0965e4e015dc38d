// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include "lockfile.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

constexpr QLatin1String applicationInterface("org.freedesktop.Application");

// The object path of an application id, as the desktop's launchers expect it.
QString objectPathOf(const QString& appId)
{
    return QLatin1Char('/') + QString(appId).replace(QLatin1Char('.'), QLatin1Char('/'));
}

// A launcher's platform data is a token or two; anything longer is not worth keeping.
constexpr qsizetype longestPlatformValue = 512;

// In the user's own runtime folder: Qt makes it for them alone (or checks that
// $XDG_RUNTIME_DIR is), and finds none rather than share one with another user.
QString lockPath()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return runtime + QStringLiteral("/santa-count-down.lock");
}

// Where the session bus is asked for when there is none, a bus is pointed at that cannot exist.
const char noSessionBus[] = "unix:path=/nonexistent/santa-count-down/no-session-bus";

// Only a session bus that is really there: asking for one that is not would start a new
// message bus for the display, which would outlive the program.
bool sessionBusExists()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address != noSessionBus;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFile::exists(runtime + QStringLiteral("/bus"));
}

// org.freedesktop.Application, as the first copy answers it.
class ApplicationAdaptor : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SingleInstance* instance)
        : QObject(instance)
        , m_instance(instance)
    { }

public Q_SLOTS:
    void Activate(const QVariantMap& platformData)
    {
        // The launcher's permission to take the focus, for the window system to honour.
        keep(platformData, QStringLiteral("activation-token"), "XDG_ACTIVATION_TOKEN");
        keep(platformData, QStringLiteral("desktop-startup-id"), "DESKTOP_STARTUP_ID");
        Q_EMIT m_instance->activated();
    }
    void Open(const QStringList& uris, const QVariantMap& platformData)
    {
        Q_UNUSED(uris);
        Activate(platformData);
    }
    void ActivateAction(
        const QString& name, const QVariantList& parameter, const QVariantMap& platformData)
    {
        Q_UNUSED(name);
        Q_UNUSED(parameter);
        Activate(platformData);
    }

private:
    static void keep(const QVariantMap& platformData, const QString& key, const char* variable)
    {
        const QString value = platformData.value(key).toString();
        if (!value.isEmpty() && value.size() <= longestPlatformValue)
            qputenv(variable, value.toUtf8());
    }

    SingleInstance* m_instance;
};

} // namespace

void SingleInstance::neverStartASessionBus()
{
    if (!sessionBusExists())
        qputenv("DBUS_SESSION_BUS_ADDRESS", noSessionBus);
}

SingleInstance::SingleInstance(const QString& appId, QObject* parent)
    : QObject(parent)
    , m_appId(appId)
{
    if (const QString path = lockPath(); !path.isEmpty())
        m_lock = std::make_unique<LockFile>(path);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isFirst() const
{
    // Where no lock can be held, the program runs rather than refuse to start.
    return !m_lock || m_lock->state() != LockFile::State::HeldElsewhere;
}

bool SingleInstance::holdsLock() const
{
    return m_lock && m_lock->isHeld();
}

QString SingleInstance::lockProblem() const
{
    if (!m_lock)
        return QCoreApplication::translate(
            "SingleInstance", "there is no runtime folder of this user's for its lock");
    return m_lock->problem();
}

void SingleInstance::listen()
{
    if (!isFirst() || !sessionBusExists())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.registerObject(
        objectPathOf(m_appId), new ApplicationAdaptor(this), QDBusConnection::ExportAllSlots);
    bus.interface()->registerService(m_appId, QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
}

bool SingleInstance::bringFirstForward()
{
    if (!sessionBusExists())
        return false;
    QDBusMessage activate = QDBusMessage::createMethodCall(
        m_appId, objectPathOf(m_appId), applicationInterface, QStringLiteral("Activate"));
    // Passes on what the launcher gave this start, so that the first window may take the focus.
    QVariantMap platformData;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        platformData.insert(QStringLiteral("activation-token"), token);
    if (const QString startup = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !startup.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), startup);
    activate << platformData;
    return QDBusConnection::sessionBus().call(activate, QDBus::Block, 10000).type()
        == QDBusMessage::ReplyMessage;
}

#include "singleinstance.moc"
