// SPDX-License-Identifier: MIT
#pragma once

#include "daterequests.h"
#include "fallbacksystemdate.h"
#include "form1.h"
#include "kernelclocksetter.h"
#include "localclock.h"
#include "previewclock.h"
#include "previewrecord.h"
#include "realsystemdate.h"
#include "restoreguard.h"
#include "timedatedclocksetter.h"

#include <QStringList>

#include <memory>

class SingleInstance;

// Everything the running program is made of, wired together: the computer's clock, the program's
// own preview clock, the ways of setting the date from the most direct to the window-only one,
// the records that outlive a run cut short, the window, and the guard that puts the date back on
// every end.
class Program
{
public:
    Program();
    ~Program();

    Form1& window() { return *m_window; }

    // Shows the window, brings it forward whenever the program is started again, and deals with
    // what an earlier run left behind.
    void start(SingleInstance& instance);

    // The status the program ends with: the event loop's, or 1 when the date stays changed.
    int exitStatus(int eventLoopStatus);

private:
    void findLeftovers(RealSystemDate* way, const PreviewRecord& record);
    void dealWithLeftovers();

    LocalClock m_computerClock;
    PreviewClock m_previewClock{m_computerClock};
    QString m_bootId;
    // The setters come before the records, which are named after the setters' ways.
    KernelClockSetter m_kernelSetter;
    std::unique_ptr<TimedatedClockSetter> m_timedatedSetter;
    PreviewRecord m_kernelRecord;
    PreviewRecord m_timedatedRecord;
    std::unique_ptr<RealSystemDate> m_kernelDate;
    std::unique_ptr<RealSystemDate> m_timedatedDate;
    InWindowSystemDate m_inWindowDate{m_previewClock, m_computerClock};
    std::unique_ptr<FallbackSystemDate> m_systemDate;
    std::unique_ptr<DateRequests> m_requests;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<RestoreGuard> m_restoreGuard;
    bool m_putBackAtStart = false;
    QStringList m_leftoverNotices;
};
