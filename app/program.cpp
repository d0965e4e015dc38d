// SPDX-License-Identifier: MIT
#include "program.h"

#include "leftoverpreview.h"
#include "singleinstance.h"
#include "timedatedclocksetter.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

using namespace std::chrono;

namespace {

// How long a change waits for the date and time service: long enough for a person to type a
// password. SANTA_COUNT_DOWN_SERVICE_TIMEOUT_MS shortens it, for the tests of a late answer.
milliseconds serviceTimeout()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SANTA_COUNT_DOWN_SERVICE_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? milliseconds{ms} : milliseconds{minutes{2}};
}

} // namespace

Program::Program(const SingleInstance& instance)
    : m_bootId(PreviewRecord::currentBootId())
    , m_timedatedSetter(std::make_unique<TimedatedClockSetter>(
          [] { return QDBusConnection::systemBus(); }, serviceTimeout(),
          // The bus library tidies up at exit; the restore at exit must run before that.
          [this] { m_restoreGuard->restoreAtExit(); }))
    , m_noteFolder(PreviewRecord::defaultFolder())
    , m_noteLock(m_noteFolder + QStringLiteral("/notes.lock"))
    , m_kernelNote(m_noteFolder, m_kernelSetter.way())
    , m_timedatedNote(m_noteFolder, m_timedatedSetter->way())
{
    m_kernelDate =
        std::make_unique<ComputerDate>(m_kernelSetter, m_computerClock, &m_kernelNote, m_bootId);
    m_timedatedDate = std::make_unique<ComputerDate>(
        *m_timedatedSetter, m_computerClock, &m_timedatedNote, m_bootId);

    std::vector<SystemDate*> ways;
    const auto refusal = whyNotTheComputersDate(instance);
    // The kernel is asked directly only by a process that holds the right to set the clock;
    // everyone else goes through the clock service, which may ask for a password.
    const bool kernelWay = !refusal && KernelClockSetter::processMaySetClock();
    if (refusal) {
        m_refusingDate = std::make_unique<RefusingDate>(*refusal, m_computerClock);
        ways.push_back(m_refusingDate.get());
    } else {
        if (kernelWay)
            ways.push_back(m_kernelDate.get());
        ways.push_back(m_timedatedDate.get());
    }
    ways.push_back(&m_inWindowDate);
    m_systemDate = std::make_unique<FallbackSystemDate>(std::move(ways));
    m_keeper = std::make_unique<DateKeeper>(*m_systemDate);

    m_window = std::make_unique<Form1>(m_previewClock, *m_keeper);
    m_systemDate->setTell([this](const DateNotice& notice) { m_window->tell(notice, false); });
    m_restoreGuard =
        std::make_unique<RestoreGuard>(*m_keeper, [this](const DateNotice& notice, bool inWindow) {
            if (inWindow)
                m_window->tell(notice, true);
            else
                std::fprintf(stderr, "santa-count-down: %s\n", qPrintable(notice.oneLine()));
        });
    m_restoreGuard->guardClosing(m_window.get());
    m_restoreGuard->restoreAtExit();
    // Logging out or shutting down with a preview under way; the log-out may yet be cancelled.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, m_restoreGuard.get(),
        &RestoreGuard::sessionEnding);

    // The notes are this copy's to act on only while it holds their lock: another copy that
    // holds it is alive, and its notes are its own.
    if (!refusal) {
        judgeLeftovers(kernelWay ? m_kernelDate.get() : nullptr, m_kernelNote);
        judgeLeftovers(m_timedatedDate.get(), m_timedatedNote);
    }
}

Program::~Program() = default;

std::optional<DateChange> Program::whyNotTheComputersDate(const SingleInstance& instance) const
{
    if (!instance.holdsLock())
        return DateChange::refused(DateChange::Cause::NoLock, instance.lockProblem());
    switch (m_noteLock.state()) {
    case LockFile::State::Held:
        return std::nullopt;
    case LockFile::State::HeldElsewhere:
        return DateChange::refused(DateChange::Cause::NoLock,
            //: %1 is a folder.
            QCoreApplication::translate("Program", "another copy uses the notes in %1")
                .arg(m_noteFolder));
    case LockFile::State::Unusable:
        break;
    }
    return DateChange::refused(DateChange::Cause::NoLock, m_noteLock.problem());
}

void Program::judgeLeftovers(ComputerDate* way, const PreviewRecord& note)
{
    const StartReadings now{m_computerClock.wallTime(), m_computerClock.elapsed(), m_bootId};
    const LeftoverVerdict verdict = judgeLeftover(note.read(), note.path(), now, way != nullptr);
    switch (verdict.action) {
    case LeftoverVerdict::Action::Nothing:
        return;
    case LeftoverVerdict::Action::RemoveQuietly:
        // Should it stay, the next start finds the clock right again and says nothing either.
        note.remove();
        return;
    case LeftoverVerdict::Action::Repair:
        // The earlier run's true time still holds: put the true present back at once, the same
        // way it was changed. The note goes once the clock is seen right.
        way->adopt(verdict.anchor);
        m_repairing = way;
        return;
    case LeftoverVerdict::Action::Tell:
        m_leftoverNotices.push_back(verdict.notice);
        if (const QString error = note.remove(); !error.isEmpty())
            m_leftoverNotices.push_back(DateTexts::noteNotRemoved(note.path(), error));
        return;
    }
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
    for (const DateNotice& notice : std::as_const(m_leftoverNotices))
        m_window->tell(notice, false);
    if (!m_repairing)
        return;
    m_keeper->restore([this](const DateChange& restored) {
        if (restored)
            m_window->tell(DateTexts::leftoverRepaired(m_computerClock.wallTime()), false);
        else
            m_window->tell(
                DateTexts::leftoverRepairFailed(restored, m_repairing->truePresent()), false);
        if (restored.cause == DateChange::Cause::NoteNotRemoved)
            m_window->tell(*DateTexts::afterRestore(restored), false);
    });
}

int Program::exitStatus(int eventLoopStatus)
{
    m_restoreGuard->finish();
    return m_keeper->exitStatus(eventLoopStatus);
}
