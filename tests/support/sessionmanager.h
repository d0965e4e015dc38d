// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;
// The library's own handles; its headers, which define words such as Status, stay out of here.
// NOLINTBEGIN(bugprone-reserved-identifier): the library's names, not ours.
struct _IceConn;
struct _IceListenObj;
struct _SmsConn;
// NOLINTEND(bugprone-reserved-identifier)

// A session manager of the test's own (X11's XSMP, on a socket of its own) for one program: it
// lets the program register, then asks it to save itself for a log-out, and either ends the
// session (Die) or cancels the log-out. Its messages are served by the test's event loop.
class SessionManager : public QObject
{
    Q_OBJECT

public:
    SessionManager();
    ~SessionManager() override;

    // Starts listening; an empty string when ready, otherwise what went wrong.
    QString start();
    // For the program's SESSION_MANAGER.
    QString address() const { return m_address; }

    bool hasClient() const { return m_client != nullptr; }
    // A log-out begins: the program is asked to save itself, as it is before the session ends.
    void logOut();
    // The program has answered that it is done saving.
    bool saveDone() const { return m_saveDone; }
    // The log-out is cancelled; the session goes on.
    void cancelLogOut();
    // The session ends: the program is told to quit.
    void endSession();

    // For the library's callbacks.
    void clientConnected(_SmsConn* client) { m_client = client; }
    void clientGone() { m_client = nullptr; }
    void clientSaved() { m_saveDone = true; }

private:
    void accept(int listener);
    void serve();

    int m_listenerCount = 0;
    _IceListenObj** m_listeners = nullptr;
    QString m_address;
    _IceConn* m_ice = nullptr;
    _SmsConn* m_client = nullptr;
    QSocketNotifier* m_clientNotifier = nullptr;
    bool m_saveDone = false;
};
