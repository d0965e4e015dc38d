// SPDX-License-Identifier: MIT
#pragma once

#include "fallbacksystemdate.h"
#include "form1.h"
#include "kernelclocksetter.h"
#include "localclock.h"
#include "previewclock.h"
#include "realsystemdate.h"
#include "restoreguard.h"
#include "timedatedclocksetter.h"

#include <memory>

// Everything the running program is made of, wired together: the computer's clock, the program's
// own preview clock, the ways of setting the date from the most direct to the window-only one,
// the window, and the guard that puts the date back on every orderly end.
class Program
{
public:
    Program();
    ~Program();

    Form1& window() { return *m_window; }

private:
    LocalClock m_computerClock;
    PreviewClock m_previewClock{m_computerClock};
    KernelClockSetter m_kernelSetter;
    TimedatedClockSetter m_timedatedSetter;
    RealSystemDate m_kernelDate;
    RealSystemDate m_timedatedDate;
    InWindowSystemDate m_inWindowDate{m_previewClock, m_computerClock};
    std::unique_ptr<FallbackSystemDate> m_systemDate;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<RestoreGuard> m_restoreGuard;
};
