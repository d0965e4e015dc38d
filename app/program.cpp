// SPDX-License-Identifier: MIT
#include "program.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <cstdio>

using namespace std::chrono;

namespace {

system_clock::time_point wallClock()
{
    return system_clock::now();
}

} // namespace

Program::Program()
    : m_timedatedSetter([] { return QDBusConnection::systemBus(); })
    , m_kernelDate(m_kernelSetter, wallClock, &LocalClock::bootTime)
    , m_timedatedDate(m_timedatedSetter, wallClock, &LocalClock::bootTime)
{
    // The kernel is asked directly only by a process that holds the right to set the clock;
    // everyone else goes through the clock service, which may ask for a password.
    std::vector<SystemDate*> ways;
    if (KernelClockSetter::processMaySetClock())
        ways.push_back(&m_kernelDate);
    ways.push_back(&m_timedatedDate);
    ways.push_back(&m_inWindowDate);
    m_systemDate = std::make_unique<FallbackSystemDate>(std::move(ways));

    m_window = std::make_unique<Form1>(m_previewClock, *m_systemDate);
    m_systemDate->setTellRefusal([this](const QString& reason) { m_window->tellRefusal(reason); });
    m_restoreGuard = std::make_unique<RestoreGuard>(*m_systemDate, [](const QString& reason) {
        std::fprintf(stderr, "santa-count-down: the computer's date could not be put back: %s\n",
                     qPrintable(reason));
    });
    // Logging out or shutting down with a preview under way.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, m_restoreGuard.get(),
                     [this] { m_restoreGuard->restore(); });
}

Program::~Program() = default;
