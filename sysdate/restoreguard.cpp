// SPDX-License-Identifier: MIT
#include "restoreguard.h"

#include "daterequests.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace {

RestoreGuard* guardAtExit = nullptr;

void restoreBeforeExit()
{
    if (guardAtExit)
        guardAtExit->finish();
}

} // namespace

RestoreGuard::RestoreGuard(DateRequests& requests, Tell tellFailure, QObject* parent)
    : QObject(parent)
    , m_requests(requests)
    , m_tellFailure(std::move(tellFailure))
    , m_signals(new TerminationSignals(this))
{
    connect(m_signals, &TerminationSignals::received, this, &RestoreGuard::onTerminationSignal);
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &RestoreGuard::finish);
}

RestoreGuard::~RestoreGuard()
{
    finish();
    if (guardAtExit == this)
        guardAtExit = nullptr;
}

void RestoreGuard::guardClosing(QObject* window)
{
    window->installEventFilter(this);
}

bool RestoreGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && !m_ending && m_requests.mayNeedRestore()) {
        // The window stays, and keeps going, until the date is back.
        event->ignore();
        endProgram(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RestoreGuard::endProgram(int status)
{
    if (m_ending)
        return;
    m_ending = true;
    m_requests.restoreForEnd([this, status](const DateChange& restored) {
        if (!restored) {
            m_failed = true;
            if (m_tellFailure)
                m_tellFailure(restored.reason, true);
        }
        QCoreApplication::exit(exitStatus(status));
    });
}

void RestoreGuard::onTerminationSignal(int signalNumber)
{
    // The usual exit status of a program ended by a signal.
    const int status = 128 + signalNumber;
    if (m_ending) {
        // Asked twice: end now. The record on disk lets the next start put the date back.
        if (m_requests.mayNeedRestore())
            std::fprintf(stderr,
                "santa-count-down: ending without waiting for the date to be put "
                "back; the next start will put it back.\n");
        std::fflush(stderr);
        std::_Exit(status);
    }
    endProgram(status);
}

void RestoreGuard::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (!m_requests.mayNeedRestore() && !m_requests.endRestoreAsked())
        return;
    const bool toldAlready = m_requests.endRestoreAsked();
    const DateChange restored = m_requests.finishForEnd();
    if (!restored) {
        m_failed = true;
        if (!toldAlready && m_tellFailure)
            m_tellFailure(restored.reason, false);
    }
}

void RestoreGuard::restoreForSessionEnd()
{
    if (m_ending || !m_requests.mayNeedRestore())
        return;
    const DateChange restored = m_requests.restoreNow();
    if (!restored && m_tellFailure)
        m_tellFailure(restored.reason, false);
}

int RestoreGuard::exitStatus(int status) const
{
    return status == 0 && m_failed ? 1 : status;
}

void RestoreGuard::restoreAtExit()
{
    guardAtExit = this;
    std::atexit(restoreBeforeExit);
}
