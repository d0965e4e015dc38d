// SPDX-License-Identifier: MIT
#include "restoreguard.h"

#include "datekeeper.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace {

// exit() runs plain functions only; this is the guard they reach.
RestoreGuard* guardAtExit = nullptr;

void restoreBeforeExit()
{
    if (guardAtExit)
        guardAtExit->finish();
}

} // namespace

RestoreGuard::RestoreGuard(DateKeeper& keeper, Tell tell, QObject* parent)
    : QObject(parent)
    , m_keeper(keeper)
    , m_tell(std::move(tell))
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
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    const bool ending = m_keeper.phase() == DateKeeper::Phase::Ending;
    if (ending || (m_keeper.phase() == DateKeeper::Phase::Running && m_keeper.mayNeedRestore())) {
        // The window stays, and keeps going, until the date is back.
        event->ignore();
        if (!ending)
            endProgram(0);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RestoreGuard::tellAfterRestore(const DateChange& restored, bool inWindow)
{
    if (const auto notice = DateTexts::afterRestore(restored); notice && m_tell)
        m_tell(*notice, inWindow);
}

void RestoreGuard::endProgram(int status)
{
    m_keeper.endRun([this, status](const DateChange& restored) {
        tellAfterRestore(restored, true);
        QCoreApplication::exit(m_keeper.exitStatus(status));
    });
}

void RestoreGuard::onTerminationSignal(int signalNumber)
{
    // The usual exit status of a program ended by a signal.
    const int status = 128 + signalNumber;
    if (m_keeper.phase() != DateKeeper::Phase::Running) {
        // Asked twice: end now. The note on disk lets the next start put the date back.
        if (m_keeper.phase() == DateKeeper::Phase::Ending && m_keeper.mayNeedRestore())
            std::fprintf(
                stderr, "santa-count-down: %s\n", qPrintable(DateTexts::endingWithoutRestore()));
        std::fflush(stderr);
        std::_Exit(status);
    }
    endProgram(status);
}

void RestoreGuard::sessionEnding()
{
    if (const auto restored = m_keeper.restoreForSessionEnd())
        tellAfterRestore(*restored, false);
}

void RestoreGuard::finish()
{
    if (const auto restored = m_keeper.endRunBlocking())
        tellAfterRestore(*restored, false);
}

void RestoreGuard::restoreAtExit()
{
    guardAtExit = this;
    std::atexit(restoreBeforeExit);
}
