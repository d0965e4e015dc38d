// SPDX-License-Identifier: MIT
#pragma once

#include "computerdate.h"
#include "datekeeper.h"
#include "fallbacksystemdate.h"
#include "form1.h"
#include "inwindowdate.h"
#include "kernelclocksetter.h"
#include "localclock.h"
#include "lockfile.h"
#include "previewrecord.h"
#include "refusingdate.h"
#include "restoreguard.h"

#include <memory>
#include <vector>

class SingleInstance;
class TimedatedClockSetter;

// Everything the running program is made of, wired together: the computer's clock, the program's
// own preview clock, the ways of setting the date from the most direct to the window-only one,
// the notes that outlive a run cut short, the window, and the guard that puts the date back on
// every end. The computer's date is changed only by a copy that knows itself the only one: it
// holds the lock of the session and the lock of the folder of notes.
class Program
{
public:
    explicit Program(const SingleInstance& instance);
    ~Program();

    Form1& window() { return *m_window; }

    // Shows the window, brings it forward whenever the program is started again, and deals with
    // what an earlier run left behind.
    void start(SingleInstance& instance);

    // The status the program ends with: the event loop's, or 1 when the date stays changed.
    int exitStatus(int eventLoopStatus);

private:
    std::optional<DateChange> whyNotTheComputersDate(const SingleInstance& instance) const;
    void judgeLeftovers(ComputerDate* way, const PreviewRecord& note);
    void dealWithLeftovers();

    LocalClock m_computerClock;
    PreviewClock m_previewClock{m_computerClock};
    QString m_bootId;
    KernelClockSetter m_kernelSetter;
    std::unique_ptr<TimedatedClockSetter> m_timedatedSetter;
    QString m_noteFolder;
    LockFile m_noteLock;
    PreviewRecord m_kernelNote;
    PreviewRecord m_timedatedNote;
    std::unique_ptr<ComputerDate> m_kernelDate;
    std::unique_ptr<ComputerDate> m_timedatedDate;
    std::unique_ptr<RefusingDate> m_refusingDate;
    InWindowDate m_inWindowDate{m_previewClock, m_computerClock};
    std::unique_ptr<FallbackSystemDate> m_systemDate;
    std::unique_ptr<DateKeeper> m_keeper;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<RestoreGuard> m_restoreGuard;
    // The way that puts back, at this start, what an earlier run left.
    ComputerDate* m_repairing = nullptr;
    std::vector<DateNotice> m_leftoverNotices;
};
