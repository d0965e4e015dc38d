// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QVariantMap>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString applicationInterface = QStringLiteral("org.freedesktop.Application");

// The object path of an application id, as the desktop's launchers expect it.
QString objectPathOf(const QString& appId)
{
    return QLatin1Char('/') + QString(appId).replace(QLatin1Char('.'), QLatin1Char('/'));
}

QString lockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/santa-count-down.lock");
    return QDir::tempPath() + QStringLiteral("/santa-count-down-%1.lock").arg(::getuid());
}

// Only a session bus that is really there: asking for one that is not would start a new
// message bus for the display, which would outlive the program.
bool sessionBusExists()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
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
        const QString token = platformData.value(QStringLiteral("activation-token")).toString();
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        const QString startup = platformData.value(QStringLiteral("desktop-startup-id")).toString();
        if (!startup.isEmpty())
            qputenv("DESKTOP_STARTUP_ID", startup.toUtf8());
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
    SingleInstance* m_instance;
};

} // namespace

SingleInstance::SingleInstance(const QString& appId, QObject* parent)
    : QObject(parent)
    , m_appId(appId)
{
    m_lock = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Where no lock can be made, the program runs rather than refuse to start.
    if (m_lock >= 0 && ::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        m_first = false;
        ::close(m_lock);
        m_lock = -1;
    }
}

SingleInstance::~SingleInstance()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

void SingleInstance::listen()
{
    if (!m_first || !sessionBusExists())
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
