// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantList>

// A date and time service of the test's own: systemd-timedated's mock from python3-dbusmock on a
// private message bus. Nothing that talks to it can reach the real service, which would really
// change the clock. Its SetTime can be given code of its own (sleep, raise), and it remembers
// every call.
class MockDateService
{
public:
    MockDateService();
    ~MockDateService();
    MockDateService(const MockDateService&) = delete;
    MockDateService& operator=(const MockDateService&) = delete;

    // Starts the bus and the service; an empty string when both are up, otherwise what went
    // wrong.
    QString start();

    // The private bus, for DBUS_SYSTEM_BUS_ADDRESS (and DBUS_SESSION_BUS_ADDRESS).
    QString address() const { return m_address; }
    // The test's own connection to it.
    QDBusConnection bus() const;

    // Python run for each SetTime call (args holds its arguments); empty for the plain mock.
    bool setSetTimeCode(const QString& code);
    bool clearCalls();
    // The arguments of every SetTime so far, in order.
    QList<QVariantList> setTimeCalls();

private:
    QDBusMessage callMock(const QString& method, const QVariantList& arguments = {});
    void stop(QProcess& process);

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
    QString m_connectionName;
};
