// SPDX-License-Identifier: MIT
#pragma once

#include "datekeeper.h"
#include "eventlog.h"
#include "fakesystemdate.h"
#include "form1.h"
#include "scriptedclock.h"

// The window as the widget tests build it: on a scripted clock that reads the given moment, with
// a fake system date that records into the log, and a farewell that passes at once.
struct FakeWindow
{
    explicit FakeWindow(DateValue reads)
        : clock(heldAt(reads))
    {
        form.setFarewellSleep(
            [this](std::chrono::nanoseconds d) { clock.setElapsed(clock.currentElapsed() + d); });
    }

    static ScriptedClock heldAt(DateValue reads)
    {
        ScriptedClock clock;
        clock.hold(reads);
        return clock;
    }

    ScriptedClock clock;
    EventLog log;
    FakeSystemDate systemDate{&log};
    DateKeeper keeper{systemDate};
    Form1 form{clock, keeper};
};
