// SPDX-License-Identifier: MIT
#include "mockdateservice.h"

#include "childprocess.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

constexpr QLatin1String python("/usr/bin/python3");
constexpr QLatin1String service("org.freedesktop.timedate1");
constexpr QLatin1String objectPath("/org/freedesktop/timedate1");
constexpr QLatin1String interfaceName("org.freedesktop.timedate1");
constexpr QLatin1String mockInterface("org.freedesktop.DBus.Mock");

int connections = 0;

} // namespace

MockDateService::MockDateService()
    : m_connectionName(QStringLiteral("scd-mock-date-service-%1").arg(++connections))
{ }

MockDateService::~MockDateService()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    stop(m_mock);
    stop(m_daemon);
}

void MockDateService::stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(10000);
    }
}

QString MockDateService::missingTools()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("Not installed: dbus-daemon (dbus-daemon)");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0)
        return QStringLiteral("Not installed: python3 with dbusmock (python3-dbusmock)");
    return {};
}

QString MockDateService::start()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
    if (!QFileInfo(python).isExecutable())
        return QStringLiteral(
            "/usr/bin/python3 is missing (Debian packages python3, python3-dbusmock)");
    if (!m_dir.isValid())
        return QStringLiteral("no temporary directory: %1").arg(m_dir.errorString());

    endWithTest(m_daemon);
    // Kept aside and shown only on failure: the daemon complains on every start when it may not
    // raise its file limit.
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start(daemon,
        {QStringLiteral("--session"), QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1"),
            QStringLiteral("--address=unix:tmpdir=%1").arg(m_dir.path())});
    // The daemon prints its address once it listens, so the address is also the "ready" sign.
    QElapsedTimer waited;
    waited.start();
    while (!m_daemon.canReadLine()) {
        if (m_daemon.state() == QProcess::NotRunning || waited.elapsed() > 30000)
            return QStringLiteral("dbus-daemon printed no address: %1")
                .arg(QString::fromLocal8Bit(m_daemon.readAllStandardError()));
        m_daemon.waitForReadyRead(1000);
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_mock.setProcessEnvironment(environment);
    // The mock logs every call on standard output; only its errors are of interest.
    m_mock.setStandardOutputFile(QProcess::nullDevice());
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endWithTest(m_mock);
    m_mock.start(python,
        {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
            QStringLiteral("--template"), QStringLiteral("timedated")});

    if (!QDBusConnection::connectToBus(m_address, m_connectionName).isConnected())
        return QStringLiteral("cannot connect to the private bus");
    waited.restart();
    while (!bus().interface()->isServiceRegistered(service)) {
        if (m_mock.state() == QProcess::NotRunning || waited.elapsed() > 30000)
            return QStringLiteral("the timedated mock did not come up");
        QTest::qWait(50);
    }
    if (!clearCalls())
        return QStringLiteral("cannot write the simulated clock in %1").arg(m_dir.path());
    return {};
}

QDBusConnection MockDateService::bus() const
{
    return QDBusConnection(m_connectionName);
}

QDBusMessage MockDateService::callMock(const QString& method, const QVariantList& arguments)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, objectPath, mockInterface, method);
    message.setArguments(arguments);
    // Long enough for a SetTime that sleeps to finish first.
    return bus().call(message, QDBus::Block, 60000);
}

bool MockDateService::setSetTimeCode(const QString& code)
{
    // The offset is replaced by a rename, so the program never reads half of it.
    const QString prelude = QStringLiteral(
        "import os, time\n"
        "counter = '%1.calls'\n"
        "n = int(open(counter).read() or 0) + 1\n"
        "open(counter, 'w').write(str(n))\n"
        // The code runs with its own locals, which a function defined in it does not see.
        "def apply(args=args, os=os, time=time):\n"
        "    offset = float(open('%1').read() or 0)\n"
        "    offset = offset + args[0] / 1e6 if args[1] else args[0] / 1e6 - time.time()\n"
        "    open('%1.new', 'w').write('%+.6f' % offset)\n"
        "    os.rename('%1.new', '%1')\n"
        "def refuse(name, dbus=dbus):\n"
        "    raise dbus.exceptions.DBusException('the mock says no', name=name)\n")
                                .arg(clockFile());
    const QDBusMessage reply = callMock(QStringLiteral("AddMethod"),
        {interfaceName, QStringLiteral("SetTime"), QStringLiteral("xbb"), QString(),
            code.isEmpty() ? code : prelude + code});
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool MockDateService::clearCalls()
{
    const std::pair<QString, QByteArray> startingOver[] = {
        {clockFile(), QByteArrayLiteral("+0.000000")},
        {clockFile() + QStringLiteral(".calls"), QByteArrayLiteral("0")}};
    for (const auto& [path, contents] : startingOver) {
        QFile file(path + QStringLiteral(".new"));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            return false;
        file.close();
        QFile::remove(path);
        if (!file.rename(path))
            return false;
    }
    return callMock(QStringLiteral("ClearCalls")).type() == QDBusMessage::ReplyMessage;
}

QString MockDateService::clockFile() const
{
    return m_dir.filePath(QStringLiteral("clock-offset"));
}

double MockDateService::clockOffset() const
{
    QFile file(clockFile());
    if (!file.open(QIODevice::ReadOnly))
        return qQNaN();
    bool ok = false;
    const double offset = file.readAll().trimmed().toDouble(&ok);
    return ok ? offset : qQNaN();
}

QList<QVariantList> MockDateService::setTimeCalls()
{
    const QDBusMessage reply =
        callMock(QStringLiteral("GetMethodCalls"), {QStringLiteral("SetTime")});
    QList<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return calls;
    // a(tav): one (timestamp, arguments) structure per call.
    const auto log = reply.arguments().at(0).value<QDBusArgument>();
    log.beginArray();
    while (!log.atEnd()) {
        log.beginStructure();
        quint64 timestamp = 0;
        log >> timestamp;
        QVariantList arguments;
        log.beginArray();
        while (!log.atEnd()) {
            QDBusVariant argument;
            log >> argument;
            arguments << argument.variant();
        }
        log.endArray();
        log.endStructure();
        calls << arguments;
    }
    log.endArray();
    return calls;
}
