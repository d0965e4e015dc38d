// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantList>

// A date and time service of the test's own: systemd-timedated's mock from python3-dbusmock on a
// private message bus. Nothing that talks to it can reach the real service, which would really
// change the clock. It keeps a simulated clock instead, as an offset from the true time in a file
// that the program reads its clock through (libfaketime): the changes it accepts move that offset,
// so a test sees where the program leaves the clock. Its SetTime can be given a behaviour (apply
// the change, sleep, refuse, answer without applying), and it remembers every call.
class MockDateService
{
public:
    MockDateService();
    ~MockDateService();
    MockDateService(const MockDateService&) = delete;
    MockDateService& operator=(const MockDateService&) = delete;

    // What the service needs and this machine lacks, with the Debian packages; empty if nothing.
    static QString missingTools();
    // Starts the bus and the service; an empty string when both are up, otherwise what went
    // wrong.
    QString start();

    // The private bus, for DBUS_SYSTEM_BUS_ADDRESS (and DBUS_SESSION_BUS_ADDRESS).
    QString address() const { return m_address; }
    // The test's own connection to it.
    QDBusConnection bus() const;

    // Python run for each SetTime call: args holds its arguments, n counts the calls since the
    // last clearCalls(), apply() makes the change on the simulated clock, and refuse(name)
    // raises the D-Bus error of that name. Empty: the plain mock, which changes nothing.
    bool setSetTimeCode(const QString& code);
    // Forgets the calls so far and sets the simulated clock right again.
    bool clearCalls();

    // The file of the simulated clock's offset, for FAKETIME_TIMESTAMP_FILE.
    QString clockFile() const;
    // How far the simulated clock is from the true time, in seconds.
    double clockOffset() const;
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
