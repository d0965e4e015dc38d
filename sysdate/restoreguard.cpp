// SPDX-License-Identifier: MIT
#include "restoreguard.h"

#include "systemdate.h"
#include "terminationsignals.h"

#include <QCoreApplication>

RestoreGuard::RestoreGuard(SystemDate& systemDate, Tell tellFailure, QObject* parent)
    : QObject(parent)
    , m_systemDate(systemDate)
    , m_tellFailure(std::move(tellFailure))
    , m_signals(new TerminationSignals(this))
{
    connect(m_signals, &TerminationSignals::received, this, &RestoreGuard::onTerminationSignal);
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &RestoreGuard::restore);
}

RestoreGuard::~RestoreGuard()
{
    restore();
}

bool RestoreGuard::restore()
{
    if (!m_systemDate.isChanged())
        return true;
    const DateChange restored = m_systemDate.restore();
    if (!restored && m_tellFailure)
        m_tellFailure(restored.reason);
    return restored.done;
}

void RestoreGuard::onTerminationSignal(int signalNumber)
{
    restore();
    // The usual exit status of a program ended by a signal.
    QCoreApplication::exit(128 + signalNumber);
}
