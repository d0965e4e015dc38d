// SPDX-License-Identifier: MIT
#include "timedatedclocksetter.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

const QString python = QStringLiteral("/usr/bin/python3");
const QString timedateService = QStringLiteral("org.freedesktop.timedate1");
const QString timedatePath = QStringLiteral("/org/freedesktop/timedate1");
const QString timedateInterface = QStringLiteral("org.freedesktop.timedate1");
const QString mockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
const QString testBusName = QStringLiteral("scd-test-bus");

// A dbus-daemon of the test's own: the setter under test must never reach the real system bus,
// whose timedated would really change the clock.
class PrivateBus
{
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus() { stop(); }

    // Returns an empty string when the daemon is up, otherwise what went wrong.
    QString start()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary directory: %1").arg(m_dir.errorString());

        m_daemon.setProgram(daemon);
        m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1"),
            QStringLiteral("--address=unix:tmpdir=%1").arg(m_dir.path())});
        // Kept aside and shown only on failure: the daemon complains on every start when it may
        // not raise its file limit.
        m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
        m_daemon.start();
        if (!m_daemon.waitForStarted())
            return QStringLiteral("dbus-daemon did not start: %1").arg(m_daemon.errorString());

        // The daemon prints its address once it listens, so the address is also the "ready" sign.
        QElapsedTimer waited;
        waited.start();
        while (!m_daemon.canReadLine()) {
            if (m_daemon.state() != QProcess::Running || waited.elapsed() > 10'000)
                return QStringLiteral("dbus-daemon printed no address: %1")
                    .arg(QString::fromLocal8Bit(m_daemon.readAllStandardError()));
            m_daemon.waitForReadyRead(1000);
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return m_address.isEmpty() ? QStringLiteral("dbus-daemon printed an empty address")
                                   : QString();
    }

    void stop()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }

    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};

} // namespace

class TestTimedated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void setsTheExactInstant_data();
    void setsTheExactInstant();
    void errorsBecomeReasons_data();
    void errorsBecomeReasons();
    void serviceMissing();
    void noBus();
    void slowServiceTimesOut();

private:
    static QDBusConnection bus() { return QDBusConnection(testBusName); }
    static QDBusMessage callMock(const QString& method, const QVariantList& arguments = {});
    static bool setSetTimeCode(const QString& code);

    PrivateBus m_privateBus;
    QProcess m_mock;
};

void TestTimedated::initTestCase()
{
    // Belt and braces: even if something asked for the system bus, it would find none.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/none");

    QVERIFY2(QFileInfo(python).isExecutable(),
        "/usr/bin/python3 is missing; install the Debian packages python3 and "
        "python3-dbusmock");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
    QVERIFY2(probe.waitForFinished(30'000) && probe.exitStatus() == QProcess::NormalExit
            && probe.exitCode() == 0,
        "/usr/bin/python3 cannot import dbusmock; install the Debian package "
        "python3-dbusmock");

    const QString busError = m_privateBus.start();
    QVERIFY2(busError.isEmpty(), qPrintable(busError));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_privateBus.address());
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_mock.setProcessEnvironment(environment);
    // The mock logs every call on standard output; only its errors are of interest.
    m_mock.setStandardOutputFile(QProcess::nullDevice());
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.start(python,
        {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
            QStringLiteral("--template"), QStringLiteral("timedated")});
    QVERIFY2(m_mock.waitForStarted(), qPrintable(m_mock.errorString()));

    const QDBusConnection connection
        = QDBusConnection::connectToBus(m_privateBus.address(), testBusName);
    QVERIFY2(connection.isConnected(), qPrintable(connection.lastError().message()));

    QTRY_VERIFY_WITH_TIMEOUT(m_mock.state() != QProcess::Running
            || bus().interface()->isServiceRegistered(timedateService),
        15'000);
    QVERIFY2(m_mock.state() == QProcess::Running, "the timedated mock exited early");
}

void TestTimedated::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(testBusName);
    if (m_mock.state() != QProcess::NotRunning) {
        m_mock.terminate();
        if (!m_mock.waitForFinished(5000)) {
            m_mock.kill();
            m_mock.waitForFinished(5000);
        }
    }
    m_privateBus.stop();
}

void TestTimedated::init()
{
    QCOMPARE(callMock(QStringLiteral("ClearCalls")).type(), QDBusMessage::ReplyMessage);
}

void TestTimedated::cleanup()
{
    // Waits, if need be, for a slow method from the previous test to finish.
    QVERIFY(setSetTimeCode(QString()));
}

QDBusMessage TestTimedated::callMock(const QString& method, const QVariantList& arguments)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(timedateService, timedatePath, mockInterface, method);
    message.setArguments(arguments);
    return bus().call(message);
}

bool TestTimedated::setSetTimeCode(const QString& code)
{
    const QDBusMessage reply = callMock(QStringLiteral("AddMethod"),
        {timedateInterface, QStringLiteral("SetTime"), QStringLiteral("xbb"), QString(), code});
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning() << "AddMethod failed:" << reply.errorName() << reply.errorMessage();
    return reply.type() == QDBusMessage::ReplyMessage;
}

void TestTimedated::setsTheExactInstant_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<qint64>("extraMicroseconds");
    QTest::addColumn<qlonglong>("expectedUsec");

    const auto utc = [](int y, int mo, int d, int h, int mi, int s, int ms) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
    };
    QTest::newRow("1992-12-01 12:34:56.789")
        << utc(1992, 12, 1, 12, 34, 56, 789) << qint64(0) << qlonglong(723213296789000);
    QTest::newRow("microseconds kept")
        << utc(2024, 12, 24, 23, 59, 59, 999) << qint64(654) << qlonglong(1735084799999654);
    QTest::newRow("before 1970") << utc(1969, 7, 20, 20, 17, 40, 0) << qint64(0)
                                 << qlonglong(-14182940000000);
}

void TestTimedated::setsTheExactInstant()
{
    QFETCH(QDateTime, when);
    QFETCH(qint64, extraMicroseconds);
    QFETCH(qlonglong, expectedUsec);

    const system_clock::time_point instant = system_clock::time_point{
        milliseconds{when.toMSecsSinceEpoch()} + microseconds{extraMicroseconds}};
    TimedatedClockSetter setter(bus());
    const DateChange change = setter.setTime(instant);
    QVERIFY2(change.done, qPrintable(change.reason));
    QVERIFY(change.reason.isEmpty());

    const QDBusMessage reply
        = callMock(QStringLiteral("GetMethodCalls"), {QStringLiteral("SetTime")});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(reply.arguments().size(), 1);

    // a(tav): one (timestamp, arguments) structure per call.
    const auto log = reply.arguments().at(0).value<QDBusArgument>();
    QList<QVariantList> calls;
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

    QCOMPARE(calls.size(), 1);
    const QVariantList& arguments = calls.constFirst();
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments.at(0).metaType(), QMetaType::fromType<qlonglong>());
    QCOMPARE(arguments.at(0).toLongLong(), expectedUsec);
    QCOMPARE(arguments.at(1).metaType(), QMetaType::fromType<bool>());
    QCOMPARE(arguments.at(1).toBool(), false);
    QCOMPARE(arguments.at(2).metaType(), QMetaType::fromType<bool>());
    QCOMPARE(arguments.at(2).toBool(), true);
}

void TestTimedated::errorsBecomeReasons_data()
{
    QTest::addColumn<QString>("errorName");
    QTest::addColumn<QStringList>("keyWords");

    const QStringList missing{QStringLiteral("systemd-timedated"), QStringLiteral("not available")};
    const QStringList denied{QStringLiteral("Permission"), QStringLiteral("not given")};
    const QStringList late{QStringLiteral("did not answer")};

    QTest::newRow("service unknown") << "org.freedesktop.DBus.Error.ServiceUnknown" << missing;
    QTest::newRow("name has no owner") << "org.freedesktop.DBus.Error.NameHasNoOwner" << missing;
    QTest::newRow("automatic sync") << "org.freedesktop.timedate1.AutomaticTimeSyncEnabled"
                                    << QStringList{"automatically", "by hand"};
    QTest::newRow("access denied") << "org.freedesktop.DBus.Error.AccessDenied" << denied;
    QTest::newRow("polkit not authorized")
        << "org.freedesktop.PolicyKit1.Error.NotAuthorized" << denied;
    QTest::newRow("polkit cancelled") << "org.freedesktop.PolicyKit1.Error.Cancelled" << denied;
    QTest::newRow("interactive authorization required")
        << "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"
        << QStringList{"administrator", "password prompt"};
    QTest::newRow("no reply") << "org.freedesktop.DBus.Error.NoReply" << late;
    QTest::newRow("timeout") << "org.freedesktop.DBus.Error.Timeout" << late;
    QTest::newRow("timed out") << "org.freedesktop.DBus.Error.TimedOut" << late;
    QTest::newRow("bus disconnected")
        << "org.freedesktop.DBus.Error.Disconnected" << QStringList{"message bus"};
    QTest::newRow("anything else")
        << "org.example.Clock.Error.Jammed" << QStringList{"could not", "mock says no"};
}

void TestTimedated::errorsBecomeReasons()
{
    QFETCH(QString, errorName);
    QFETCH(QStringList, keyWords);

    QVERIFY(setSetTimeCode(
        QStringLiteral("raise dbus.exceptions.DBusException('mock says no', name='%1')")
            .arg(errorName)));

    TimedatedClockSetter setter(bus());
    const DateChange change = setter.setTime(system_clock::now());
    QVERIFY(!change.done);
    for (const QString& word : std::as_const(keyWords))
        QVERIFY2(change.reason.contains(word, Qt::CaseInsensitive),
            qPrintable(QStringLiteral("\"%1\" lacks \"%2\"").arg(change.reason, word)));
    // The person reads this; raw D-Bus names belong in logs, not in the sentence.
    QVERIFY2(!change.reason.contains(QLatin1String("org.")), qPrintable(change.reason));
}

void TestTimedated::serviceMissing()
{
    PrivateBus emptyBus;
    const QString busError = emptyBus.start();
    QVERIFY2(busError.isEmpty(), qPrintable(busError));

    const QString name = QStringLiteral("scd-empty-bus");
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(name); });
    const QDBusConnection connection = QDBusConnection::connectToBus(emptyBus.address(), name);
    QVERIFY(connection.isConnected());

    const DateChange change = TimedatedClockSetter(connection).setTime(system_clock::now());
    QVERIFY(!change.done);
    QVERIFY2(change.reason.contains(QLatin1String("systemd-timedated"))
            && change.reason.contains(QLatin1String("not available")),
        qPrintable(change.reason));
}

void TestTimedated::noBus()
{
    const QString name = QStringLiteral("scd-no-bus");
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(name); });
    const QDBusConnection connection
        = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/none"), name);
    QVERIFY(!connection.isConnected());

    const DateChange change = TimedatedClockSetter(connection).setTime(system_clock::now());
    QVERIFY(!change.done);
    QVERIFY2(change.reason.contains(QLatin1String("message bus"))
            && change.reason.contains(QLatin1String("not available")),
        qPrintable(change.reason));
}

void TestTimedated::slowServiceTimesOut()
{
    QVERIFY(setSetTimeCode(QStringLiteral("import time; time.sleep(3)")));

    TimedatedClockSetter setter(bus(), 500ms);
    QElapsedTimer elapsed;
    elapsed.start();
    const DateChange change = setter.setTime(system_clock::now());
    QVERIFY(!change.done);
    QVERIFY2(change.reason.contains(QLatin1String("did not answer")), qPrintable(change.reason));
    // The setter's own timeout applies, not D-Bus's default or the method's full three seconds.
    QVERIFY2(elapsed.elapsed() < 2500, qPrintable(QString::number(elapsed.elapsed())));
}

QTEST_GUILESS_MAIN(TestTimedated)
#include "tst_timedated.moc"
