// SPDX-License-Identifier: MIT
#include "program.h"

#include "leftoverpreview.h"
#include "singleinstance.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

using namespace std::chrono;

namespace {

QString peopleTime(WallTime instant)
{
    const auto ms = duration_cast<milliseconds>(instant.time_since_epoch()).count();
    return QLocale::system().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::LongFormat);
}

} // namespace

Program::Program()
    : m_bootId(PreviewRecord::currentBootId())
    , m_timedatedSetter(std::make_unique<TimedatedClockSetter>(
          [] { return QDBusConnection::systemBus(); }, minutes{2},
          // The bus library tidies up at exit; the restore at exit must run before that.
          [this] { m_restoreGuard->restoreAtExit(); }))
    , m_kernelRecord(PreviewRecord::defaultFolder(), m_kernelSetter.way())
    , m_timedatedRecord(PreviewRecord::defaultFolder(), m_timedatedSetter->way())
{
    m_kernelDate = std::make_unique<RealSystemDate>(m_kernelSetter, &LocalClock::wallClockNow,
        &LocalClock::bootTime, &m_kernelRecord, m_bootId);
    m_timedatedDate = std::make_unique<RealSystemDate>(*m_timedatedSetter,
        &LocalClock::wallClockNow, &LocalClock::bootTime, &m_timedatedRecord, m_bootId);

    // The kernel is asked directly only by a process that holds the right to set the clock;
    // everyone else goes through the clock service, which may ask for a password.
    const bool kernelWay = KernelClockSetter::processMaySetClock();
    std::vector<SystemDate*> ways;
    if (kernelWay)
        ways.push_back(m_kernelDate.get());
    ways.push_back(m_timedatedDate.get());
    ways.push_back(&m_inWindowDate);
    m_systemDate = std::make_unique<FallbackSystemDate>(std::move(ways));
    m_requests = std::make_unique<DateRequests>(*m_systemDate);

    m_window = std::make_unique<Form1>(m_previewClock, *m_requests);
    m_systemDate->setTell(
        [this](const FallbackSystemDate::Notice& notice) { m_window->tellDateNotice(notice); });
    m_restoreGuard
        = std::make_unique<RestoreGuard>(*m_requests, [this](const QString& reason, bool inWindow) {
              if (inWindow)
                  m_window->tellRestoreFailure(reason, true);
              else
                  std::fprintf(stderr,
                      "santa-count-down: the computer's date could not be put back: %s\n",
                      qPrintable(reason));
          });
    m_restoreGuard->guardClosing(m_window.get());
    m_restoreGuard->restoreAtExit();
    // Logging out or shutting down with a preview under way.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, m_restoreGuard.get(),
        [this] { m_restoreGuard->finish(); });

    findLeftovers(kernelWay ? m_kernelDate.get() : nullptr, m_kernelRecord);
    findLeftovers(m_timedatedDate.get(), m_timedatedRecord);
}

Program::~Program() = default;

void Program::findLeftovers(RealSystemDate* way, const PreviewRecord& record)
{
    const auto leftover = findLeftoverPreview(record, m_bootId);
    if (!leftover)
        return;
    const QString earlier = QStringLiteral("Santa Count Down last ended during a December preview "
                                           "without putting the computer's date back.");
    const QString check = QStringLiteral("Please check the date and time in the system settings.");
    if (leftover->kind == LeftoverPreview::Kind::ThisBoot && way) {
        // The earlier run's true time still holds: put the true present back at once, the same
        // way it was changed.
        way->adopt(leftover->anchor);
        m_putBackAtStart = true;
        return;
    }
    switch (leftover->kind) {
    case LeftoverPreview::Kind::ThisBoot:
        m_leftoverNotices << earlier
                + QStringLiteral(" This run may not set the clock the way "
                                 "that run did. The true time is about %1. ")
                      .arg(peopleTime(leftover->anchor.presentAt(LocalClock::bootTime())))
                + check;
        break;
    case LeftoverPreview::Kind::EarlierBoot:
        m_leftoverNotices << earlier
                + QStringLiteral(" The computer has been restarted since, so "
                                 "the true time cannot be worked out here; "
                                 "the last time known to be true was %1. ")
                      .arg(peopleTime(leftover->lastKnownTrueTime))
                + check;
        break;
    case LeftoverPreview::Kind::Unreadable:
        m_leftoverNotices << earlier
                + QStringLiteral(" Its note of the true time cannot be read "
                                 "(%1). ")
                      .arg(leftover->unreadable)
                + check;
        break;
    }
    // Told once; nothing more can be done here.
    record.remove();
}

void Program::start(SingleInstance& instance)
{
    m_window->show();
    QObject::connect(&instance, &SingleInstance::activated, m_window.get(),
        [this] { m_window->bringForward(); });
    // Once the window is up, so that the start is not slowed.
    QTimer::singleShot(0, m_window.get(), [this, &instance] {
        instance.listen();
        dealWithLeftovers();
    });
}

void Program::dealWithLeftovers()
{
    for (const QString& notice : std::as_const(m_leftoverNotices))
        m_window->tell(QStringLiteral("The computer's date may be wrong."), notice, false);
    if (!m_putBackAtStart)
        return;
    m_requests->restore([this](const DateChange& restored) {
        if (restored) {
            m_window->tell(QStringLiteral("The computer's date has been put back."),
                QStringLiteral("Santa Count Down last ended during a December preview "
                               "without putting the date back. The true date and time "
                               "are set again: %1.")
                    .arg(peopleTime(LocalClock::wallClockNow())),
                false);
        } else {
            m_window->tell(QStringLiteral("The computer's date may be wrong."),
                QStringLiteral("Santa Count Down last ended during a December preview "
                               "without putting the date back, and putting it back "
                               "now failed. %1 The true time is about %2; please set "
                               "the date and time in the system settings.")
                    .arg(restored.reason, peopleTime(m_timedatedDate->truePresent())),
                false);
        }
    });
}

int Program::exitStatus(int eventLoopStatus)
{
    m_restoreGuard->finish();
    return m_restoreGuard->exitStatus(eventLoopStatus);
}
