// SPDX-License-Identifier: MIT
#include "sessionmanager.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTest>

#include <X11/SM/SMlib.h>
#include <cstdlib>

// Part of the library, if not of its headers: listen on the local socket only, not on TCP.
extern "C" int _IceTransNoListen(const char* protocol); // NOLINT(bugprone-reserved-identifier)

namespace {

// Only this machine's own socket is listened on; nobody else is asked to prove who they are.
Bool anyLocalHost(char*)
{
    return True;
}

char clientId[] = "santa-count-down-test-client";

Status newClient(SmsConn connection, SmPointer self, unsigned long* mask, SmsCallbacks* callbacks,
    char** failure);

} // namespace

SessionManager::SessionManager() = default;

SessionManager::~SessionManager()
{
    delete m_clientNotifier;
    if (m_client)
        SmsCleanUp(m_client);
    if (m_ice)
        IceCloseConnection(m_ice);
    if (m_listeners)
        IceFreeListenObjs(m_listenerCount, m_listeners);
}

QString SessionManager::start()
{
    // A client that goes away mid-message is no reason to end the test, as the library would.
    IceSetIOErrorHandler([](IceConn) {});
    char error[256] = {};
    if (!SmsInitialize(
            "santa-count-down-tests", "1.0", newClient, this, anyLocalHost, sizeof error, error))
        return QStringLiteral("SmsInitialize: %1").arg(QString::fromLocal8Bit(error));
    _IceTransNoListen("tcp");
    if (!IceListenForConnections(&m_listenerCount, &m_listeners, sizeof error, error))
        return QStringLiteral("IceListenForConnections: %1").arg(QString::fromLocal8Bit(error));
    for (int i = 0; i < m_listenerCount; ++i) {
        IceSetHostBasedAuthProc(m_listeners[i], anyLocalHost);
        auto* notifier = new QSocketNotifier(
            IceGetListenConnectionNumber(m_listeners[i]), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, i] { accept(i); });
    }
    char* ids = IceComposeNetworkIdList(m_listenerCount, m_listeners);
    m_address = QString::fromLocal8Bit(ids);
    std::free(ids);
    return m_address.isEmpty() ? QStringLiteral("no address to listen on") : QString();
}

void SessionManager::accept(int listener)
{
    IceAcceptStatus status{};
    IceConn ice = IceAcceptConnection(m_listeners[listener], &status);
    if (!ice || status != IceAcceptSuccess)
        return;
    // The connection is set up in a few exchanges before the client is accepted.
    QElapsedTimer waited;
    waited.start();
    while (IceConnectionStatus(ice) == IceConnectPending && waited.elapsed() < 10000)
        IceProcessMessages(ice, nullptr, nullptr);
    if (IceConnectionStatus(ice) != IceConnectAccepted) {
        IceCloseConnection(ice);
        return;
    }
    m_ice = ice;
    m_clientNotifier = new QSocketNotifier(IceConnectionNumber(ice), QSocketNotifier::Read, this);
    connect(m_clientNotifier, &QSocketNotifier::activated, this, &SessionManager::serve);
}

void SessionManager::serve()
{
    if (IceProcessMessages(m_ice, nullptr, nullptr) != IceProcessMessagesSuccess) {
        // Gone without a word (killed, or ended by a failed test): its half is let go here.
        m_clientNotifier->setEnabled(false);
        if (m_client)
            SmsCleanUp(m_client);
        m_client = nullptr;
    }
}

namespace {

Status newClient(
    SmsConn client, SmPointer manager, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    static_cast<SessionManager*>(manager)->clientConnected(client);
    *callbacks = {};
    callbacks->register_client.callback = [](SmsConn connection, SmPointer, char*) -> Status {
        return SmsRegisterClientReply(connection, clientId);
    };
    callbacks->interact_request.callback = [](SmsConn connection, SmPointer, int) {
        SmsInteract(connection);
    };
    callbacks->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    // A client's own request to save the session: there is no session to save.
    const auto noSessionToSave = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    callbacks->save_yourself_request.callback = noSessionToSave;
    callbacks->save_yourself_phase2_request.callback = [](SmsConn connection, SmPointer) {
        SmsSaveYourselfPhase2(connection);
    };
    callbacks->save_yourself_done.callback = [](SmsConn, SmPointer self, Bool) {
        static_cast<SessionManager*>(self)->clientSaved();
    };
    callbacks->close_connection.callback = [](SmsConn connection, SmPointer self, int count,
                                               char** reasons) {
        SmFreeReasons(count, reasons);
        SmsCleanUp(connection);
        static_cast<SessionManager*>(self)->clientGone();
    };
    callbacks->set_properties.callback = [](SmsConn, SmPointer, int count, SmProp** properties) {
        for (int i = 0; i < count; ++i)
            SmFreeProperty(properties[i]);
        std::free(properties);
    };
    callbacks->delete_properties.callback = [](SmsConn, SmPointer, int count, char** names) {
        for (int i = 0; i < count; ++i)
            std::free(names[i]);
        std::free(names);
    };
    callbacks->get_properties.callback = [](SmsConn connection, SmPointer) {
        SmsReturnProperties(connection, 0, nullptr);
    };
    for (auto* data :
        {&callbacks->register_client.manager_data, &callbacks->interact_request.manager_data,
            &callbacks->interact_done.manager_data, &callbacks->save_yourself_request.manager_data,
            &callbacks->save_yourself_phase2_request.manager_data,
            &callbacks->save_yourself_done.manager_data, &callbacks->close_connection.manager_data,
            &callbacks->set_properties.manager_data, &callbacks->delete_properties.manager_data,
            &callbacks->get_properties.manager_data})
        *data = manager;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
        | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask
        | SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask
        | SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

} // namespace

void SessionManager::logOut()
{
    m_saveDone = false;
    // As a desktop logs out: save everything, the session is shutting down, the program may ask
    // the person.
    SmsSaveYourself(m_client, SmSaveBoth, True, SmInteractStyleAny, False);
    IceFlush(m_ice);
}

void SessionManager::cancelLogOut()
{
    SmsShutdownCancelled(m_client);
    IceFlush(m_ice);
}

void SessionManager::endSession()
{
    SmsDie(m_client);
    IceFlush(m_ice);
}
